#include "core/base/Database.h"

#include "core/base/Schema.h"
#include "core/base/Sql.h"
#include "core/base/SqliteHandle.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QUrl>

#include <optional>
#include <sqlite3.h>
#include <sys/resource.h>
#include <unistd.h>

namespace Database {

namespace {

const QByteArray SqliteHeader("SQLite format 3", 16);

Result refuse(const QString& fullName, const QString& cause, qint64 number = Result::DatabaseFailure)
{
    return Result::failure(QCoreApplication::translate("Database", "无法打开数据文件 %1：%2").arg(fullName, cause),
                           number);
}

// The cause in the operator's words, followed by what SQLite said.
Result refuse(const QString& fullName, const Result& failed)
{
    const QString cause = Result::cause(failed.number());
    return refuse(fullName,
                  cause.isEmpty() ? failed.message()
                                  : QCoreApplication::translate("Database", "%1（%2）").arg(cause, failed.message()),
                  failed.number());
}

// Opens the file without ever creating it: a wrong path must be an error,
// not a new empty database. parameters are SQLite's URI parameters.
Result connect(const QString& fullName, const QString& connectionName, const QString& parameters, QSqlDatabase* db)
{
    QSqlDatabase conn = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    conn.setDatabaseName(QStringLiteral("file:") + QString::fromLatin1(QUrl::toPercentEncoding(fullName, "/")) +
                         QLatin1Char('?') + parameters);
    QString options = QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000");
    if (parameters.startsWith(QLatin1String("mode=ro")))
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    conn.setConnectOptions(options);
    if (!conn.open()) {
        const Result failed = Result::fromSqlError(conn.lastError());
        conn = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName);
        return failed;
    }
    *db = conn;
    return Result::success();
}

// *mode is the journal mode SQLite actually got.
Result prepareConnection(const QSqlDatabase& db, QString* mode)
{
    QSqlQuery query(db);
    Result result = Sql::exec(query, QStringLiteral("PRAGMA journal_mode=WAL"));
    if (!result)
        return result;
    *mode = query.next() ? query.value(0).toString() : QString();
    return Sql::exec(db, QStringLiteral("PRAGMA synchronous=FULL"));
}

// A file system without the shared memory WAL needs (some network shares)
// leaves the file in its old mode, where a report or a backup reading it
// blocks the counter's writes: such a place is refused, not run on slowly.
Result requireWal(const QString& fullName, const QString& mode)
{
    if (mode.compare(QStringLiteral("wal"), Qt::CaseInsensitive) == 0)
        return Result::success();
    return refuse(fullName,
                  QCoreApplication::translate(
                      "Database", "所在位置不支持 WAL 日志模式（SQLite 只给出“%1”模式），请把数据文件放在本机磁盘上")
                      .arg(mode));
}

// Backups lie beside the database as data*.bak; their names have changed
// format over time, so the newest is the one written last.
QString restoreAdvice(const QString& fullName)
{
    const QFileInfoList backups =
        QFileInfo(fullName).dir().entryInfoList({QStringLiteral("data*.bak")}, QDir::Files, QDir::Time);
    if (backups.isEmpty())
        return QCoreApplication::translate("Database", "。文件夹中没有备份（data*.bak），请与维护人员联系");
    const QFileInfo& latest = backups.first();
    return QCoreApplication::translate("Database", "。请退出程序，用最近的备份 %1（%2 保存）替换它后再启动")
        .arg(latest.absoluteFilePath(), latest.lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
}

Result refuseDamaged(const QString& fullName, const QString& finding)
{
    return refuse(
        fullName,
        QCoreApplication::translate("Database", "%1（%2）").arg(Result::cause(Result::DatabaseDamaged), finding) +
            restoreAdvice(fullName),
        Result::DatabaseDamaged);
}

// A file in WAL mode whose log is missing is in no one's use.
bool inNoOnesUse(const QString& fullName, const QByteArray& header)
{
    return header.size() > 19 && header.at(18) == 2 && !QFileInfo::exists(fullName + QStringLiteral("-wal"));
}

// A file in no one's use SQLite reads as immutable without creating a log or
// shared memory beside it; any other file it reads with the usual locks,
// which a read creates nothing for.
QString readOnlyParameters(const QString& fullName, const QByteArray& header)
{
    return inNoOnesUse(fullName, header) ? QStringLiteral("mode=ro&immutable=1") : QStringLiteral("mode=ro");
}

QByteArray headerOf(QFile& file)
{
    const QByteArray header = file.read(100);
    file.close();
    return header;
}

// What the damage check found, as open() refuses it: SQLite may report
// damage as the failure of the check itself.
Result judgeIntegrity(const QString& fullName, const Result& ran, const QString& finding)
{
    if (!ran && ran.number() == Result::DatabaseDamaged)
        return refuseDamaged(fullName, ran.message());
    if (!ran)
        return refuse(fullName, ran);
    if (finding != QLatin1String("ok"))
        return refuseDamaged(fullName, finding);
    return Result::success();
}

// Reading the whole file for damage takes time that grows with the file.
enum class DamageCheck
{
    Now,
    Later
};

// A look into a file may read it as it stands; a reader that stays open
// beside the counter must see every later commit.
enum class Reading
{
    AsItStands,
    Following
};

// Checks the file through a read-only connection of its own: it is a
// database, sound (unless that is left for later), and has the program's
// tables. Nothing is written, so a file refused here is left exactly as it
// was. With `kept`, a file that passes stays open there under the
// connection name.
Result inspect(const QString& fullName, const QString& connectionName, QSqlDatabase* kept = nullptr,
               DamageCheck damage = DamageCheck::Now, Reading reading = Reading::AsItStands)
{
    QFile file(fullName);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(fullName, file.errorString());
    const QByteArray header = headerOf(file);
    const QString notOurs = Result::cause(Result::NotTavoroDatabase);
    if (header.isEmpty())
        return refuse(fullName, QCoreApplication::translate("Database", "%1：文件是空的").arg(notOurs),
                      Result::NotTavoroDatabase);
    if (!header.startsWith(SqliteHeader))
        return refuse(fullName, QCoreApplication::translate("Database", "%1：不是 SQLite 数据库文件").arg(notOurs),
                      Result::NotTavoroDatabase);

    QSqlDatabase db;
    Result result =
        connect(fullName, connectionName,
                reading == Reading::Following ? QStringLiteral("mode=ro") : readOnlyParameters(fullName, header), &db);
    QString finding = QStringLiteral("ok");
    QStringList missing;
    if (result && damage == DamageCheck::Now) {
        const ResultOf<QVariant> checked = Sql::scalar(db, QStringLiteral("PRAGMA quick_check(1)"));
        result = checked.result();
        if (checked)
            finding = checked->toString();
    }
    if (result && finding == QLatin1String("ok"))
        missing = Schema::missingTables(db);
    if (kept && result && finding == QLatin1String("ok") && missing.isEmpty()) {
        *kept = db;
        return result;
    }
    db = QSqlDatabase();
    close(connectionName);

    const Result sound = judgeIntegrity(fullName, result, finding);
    if (!sound)
        return sound;
    if (missing.size() == Schema::requiredTables().size())
        return refuse(fullName, QCoreApplication::translate("Database", "%1：其中没有 Tavoro 的数据表").arg(notOurs),
                      Result::NotTavoroDatabase);
    if (!missing.isEmpty())
        return refuse(fullName,
                      QCoreApplication::translate("Database", "缺少数据表 %1").arg(missing.join(QStringLiteral(", "))));
    return Result::success();
}

// The permissions are checked before SQLite sees the file: a read-only file
// or folder otherwise shows as an error of the first statement that reads.
Result checkPlace(const QString& fullName)
{
    const QFileInfo info(fullName);
    if (!info.exists())
        return refuse(fullName, QCoreApplication::translate("Database", "文件不存在"));
    if (!info.isFile())
        return refuse(fullName, QCoreApplication::translate("Database", "不是一个文件"));
    if (!info.isReadable())
        return refuse(fullName, QCoreApplication::translate("Database", "没有读取这个文件的权限"));
    if (!info.isWritable())
        return refuse(fullName, Result::cause(Result::DatabaseReadOnly), Result::DatabaseReadOnly);
    if (!QFileInfo(info.absolutePath()).isWritable())
        return refuse(fullName,
                      QCoreApplication::translate("Database", "所在文件夹 %1 是只读的，无法在其中建立日志文件")
                          .arg(info.absolutePath()),
                      Result::DatabaseReadOnly);
    return Result::success();
}

// Only a file in no one's use is checked later: its connection is the only
// writer, and query_only keeps it from writing. A log left by a crash or by
// another program would be copied into the file when the connection closes,
// so such a file is checked before it is opened for writing.
// *checkLater says whether the damage check was left to the caller.
Result openChecked(const QString& fullName, const QString& connectionName, QSqlDatabase* db, bool* checkLater)
{
    Result result = checkPlace(fullName);
    if (!result)
        return result;
    QFile file(fullName);
    *checkLater = *checkLater && file.open(QIODevice::ReadOnly) && inNoOnesUse(fullName, headerOf(file));
    result = inspect(fullName, connectionName + QStringLiteral("-inspect"), nullptr,
                     *checkLater ? DamageCheck::Later : DamageCheck::Now);
    if (!result)
        return result;
    result = connect(fullName, connectionName, QStringLiteral("mode=rw"), db);
    if (!result)
        return refuse(fullName, result);
    QString mode;
    result = prepareConnection(*db, &mode);
    result = result ? requireWal(fullName, mode) : refuse(fullName, result);
    if (result && *checkLater) {
        result = Sql::exec(*db, QStringLiteral("PRAGMA query_only=1"));
        if (!result)
            result = refuse(fullName, result);
    }
    if (!result) {
        *db = QSqlDatabase();
        close(connectionName);
    }
    return result;
}

} // namespace

struct IntegrityCheck::Run
{
    QString fullName;
    QString connectionName;
    QSqlDatabase db;
    std::unique_ptr<QThread> thread;
    // The worker's connection while its check runs, to interrupt it.
    QMutex mutex;
    sqlite3* checking = nullptr;
    bool stopped = false;
    // Written by the worker, read once it has ended.
    Result ran = Result::success();
    QString finding;
    std::optional<Result> verdict;

    void check()
    {
        // Under contention the program's own start goes first: on a counter
        // with one core the check would otherwise slow the login screen.
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
        const QString name = connectionName + QStringLiteral("-check");
        {
            // The program's connection holds the file open now: its log
            // and locks keep this read consistent.
            QSqlDatabase conn;
            ran = connect(fullName, name, QStringLiteral("mode=ro"), &conn);
            if (!ran)
                return;
            bool go = false;
            {
                const QMutexLocker lock(&mutex);
                go = !stopped;
                checking = go ? sqliteHandle(conn) : nullptr;
            }
            if (go) {
                const ResultOf<QVariant> checked = Sql::scalar(conn, QStringLiteral("PRAGMA quick_check(1)"));
                ran = checked.result();
                if (checked)
                    finding = checked->toString();
            }
            const QMutexLocker lock(&mutex);
            checking = nullptr;
        }
        close(name);
    }
};

IntegrityCheck::IntegrityCheck(std::unique_ptr<Run> run)
    : m_run(std::move(run))
{}

std::unique_ptr<IntegrityCheck> IntegrityCheck::start(const QString& fullName, const QString& connectionName,
                                                      const QSqlDatabase& db)
{
    auto run = std::make_unique<Run>();
    run->fullName = fullName;
    run->connectionName = connectionName;
    run->db = db;
    Run* worker = run.get();
    run->thread.reset(QThread::create([worker] { worker->check(); }));
    run->thread->start();
    return std::unique_ptr<IntegrityCheck>(new IntegrityCheck(std::move(run)));
}

IntegrityCheck::~IntegrityCheck()
{
    {
        const QMutexLocker lock(&m_run->mutex);
        m_run->stopped = true;
        if (m_run->checking)
            sqlite3_interrupt(m_run->checking);
    }
    m_run->thread->wait();
}

Result IntegrityCheck::verdict()
{
    if (!m_run->verdict) {
        m_run->thread->wait();
        Result found = judgeIntegrity(m_run->fullName, m_run->ran, m_run->finding);
        if (found) {
            found = Sql::exec(m_run->db, QStringLiteral("PRAGMA query_only=0"));
            if (!found)
                found = refuse(m_run->fullName, found);
        }
        m_run->verdict = found;
    }
    return *m_run->verdict;
}

Result open(const QString& fullName, const QString& connectionName, QSqlDatabase* db)
{
    bool checkLater = false;
    return openChecked(fullName, connectionName, db, &checkLater);
}

Result openCheckingLater(const QString& fullName, const QString& connectionName, QSqlDatabase* db,
                         std::unique_ptr<IntegrityCheck>* check)
{
    check->reset();
    bool checkLater = true;
    const Result opened = openChecked(fullName, connectionName, db, &checkLater);
    if (opened && checkLater)
        *check = IntegrityCheck::start(fullName, connectionName, *db);
    return opened;
}

Result openReadOnly(const QString& fullName, const QString& connectionName, QSqlDatabase* db)
{
    if (!QFileInfo(fullName).isFile())
        return refuse(fullName, QCoreApplication::translate("Database", "文件不存在"));
    return inspect(fullName, connectionName, db);
}

Result openFollowing(const QString& fullName, const QString& connectionName, QSqlDatabase* db)
{
    if (!QFileInfo(fullName).isFile())
        return refuse(fullName, QCoreApplication::translate("Database", "文件不存在"));
    return inspect(fullName, connectionName, db, DamageCheck::Now, Reading::Following);
}

Result create(const QString& fullName, const QString& connectionName, QSqlDatabase* db)
{
    if (QFileInfo::exists(fullName))
        return Result::failure(QCoreApplication::translate("Database", "文件已存在，不会覆盖：%1").arg(fullName));
    {
        QFile file(fullName);
        if (!file.open(QIODevice::WriteOnly))
            return Result::failure(
                QCoreApplication::translate("Database", "无法创建文件 %1：%2").arg(fullName, file.errorString()));
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    Result result = connect(fullName, connectionName, QStringLiteral("mode=rw"), db);
    QString mode;
    if (result)
        result = prepareConnection(*db, &mode);
    if (result)
        result = requireWal(fullName, mode);
    if (result)
        result = Schema::create(*db);
    if (!result) {
        close(connectionName);
        QFile::remove(fullName);
    }
    return result;
}

void close(const QString& connectionName)
{
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

} // namespace Database
