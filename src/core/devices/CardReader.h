#pragma once

#include "core/devices/SerialSettings.h"

#include <QObject>
#include <QSqlDatabase>

class QTimer;
class SerialLink;

// The card reader on its serial port. A swipe ends with CR or LF or when the
// reader falls silent for a moment; of what arrived only the characters a
// card number holds (ASCII letters and digits) are kept, so noise on the
// line neither fills the card box nor joins the next swipe.
class CardReader : public QObject
{
    Q_OBJECT

public:
    explicit CardReader(QObject* parent = nullptr);
    ~CardReader() override;

    // Reads the "dkq" parameter rows and, when the reader is in use, opens
    // its port. Returns whether it is open.
    bool openPort(const QSqlDatabase& db);
    // Opens the port as these settings say, in use or not; for trying a port
    // before it is stored.
    bool openPort(const SerialSettings& settings);
    // The settings the "dkq" rows describe, whether or not the reader is in
    // use; the failure names the row that cannot be used.
    static ResultOf<SerialSettings> storedSettings(const QSqlDatabase& db);
    bool isOpen() const;
    // Why the port is closed (not in use, a bad parameter, the port refused);
    // the board works on without the reader.
    QString lastError() const { return m_lastError; }

    // A swipe keeps at most this many characters; 0 or less: no limit of the hall's.
    void setCardLength(int length);
    void setSwipePause(int milliseconds);
    void setRetryInterval(int milliseconds);

Q_SIGNALS:
    // One whole swipe's card number; never empty.
    void swiped(const QString& card);
    // What the operator should know about the reader: a parameter that
    // cannot be used, a port that does not open, is lost or is back.
    void notice(const QString& text);

private:
    void onReceived(const QByteArray& bytes);
    void endSwipe();

    SerialLink* m_link;
    QTimer* m_pause;
    QString m_swipe;
    int m_cardLength = 0;
    QString m_lastError;
};
