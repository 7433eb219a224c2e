#pragma once

#include <QObject>

struct AppState;
class CardReader;
class LampRound;
class LightController;
class TableNewsListener;

// The devices the table board drives: the light controller, the card reader
// and the lamp round that keeps the lamps in line with the books, and the
// news of the tables other counters change. The program makes them for each
// board it opens and keeps them while that board is open; the board connects
// to them and sets them up at its start-up, so that what they tell while
// they open their ports reaches its status bar.
class BoardDevices : public QObject
{
    Q_OBJECT

public:
    // Reads the parameters, the operator and the database from `state` when
    // the lamp round runs; the state must outlive the devices. Of a hall's
    // counters, only the one that `drivesLamps` opens the light
    // controller's port, and it follows the lamps of every counter's tables.
    BoardDevices(const AppState& state, bool drivesLamps, QObject* parent = nullptr);

    LightController& light() const { return *m_light; }
    CardReader& cardReader() const { return *m_cardReader; }
    LampRound& lampRound() const { return *m_lampRound; }
    TableNewsListener& news() const { return *m_news; }
    bool drivesLamps() const { return m_drivesLamps; }

private:
    LightController* m_light;
    CardReader* m_cardReader;
    LampRound* m_lampRound;
    TableNewsListener* m_news;
    bool m_drivesLamps;
};
