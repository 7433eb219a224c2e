#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QStringDecoder>

class QSerialPort;

// The card reader on its serial port: the card number arrives as plain
// characters, possibly in several pieces, and goes into the card box.
class CardReader : public QObject
{
    Q_OBJECT

public:
    explicit CardReader(QObject* parent = nullptr);
    ~CardReader() override;

    // Reads the "dkq" parameter rows and, when the reader is in use, opens
    // its port. Returns whether it is open.
    bool stardkqset(const QSqlDatabase& db);
    bool isOpen() const;
    // Why the port is closed (not in use, a bad parameter, the port refused),
    // for troubleshooting; the board works on without the reader.
    QString lastError() const { return m_lastError; }

    // The card box after received text: appended, cut to the card length,
    // trimmed. A full box therefore takes nothing more.
    static QString appendReceived(const QString& box, const QString& received, int cardLength);

Q_SIGNALS:
    // Text that arrived from the reader, as it arrived.
    void received(const QString& text);

private:
    void onReadyRead();

    QSerialPort* m_port;
    // A character may arrive split over two pieces.
    QStringDecoder m_decoder;
    QString m_lastError;
};
