#include "web/pages/HallState.h"

#include "core/data/ParameterLoading.h"

ResultOf<AppState> hallState(QSqlDatabase& db)
{
    AppState state;
    state.DbConn = db;
    // A value that does not convert keeps its starting value, as at the counter.
    if (const ResultOf<QStringList> loaded = loadParameters(db, state.params); !loaded)
        return loaded.result();
    return state;
}
