#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

// What the light controller does with the bytes the counter PC sends: it
// switches the 48 lamps, echoes every command byte and counts the
// confirmations. Each received byte yields the reply to send back and lines
// describing what happened.
class LampPanel
{
public:
    static constexpr int Tables = 48;

    struct Outcome
    {
        QByteArray reply;
        QStringList lines;
    };

    Outcome receive(const QByteArray& bytes);

    bool isOn(int table) const { return m_lamps.at(table - 1); }
    int confirmations() const { return m_confirmations; }
    QString litTables() const;

private:
    QString handle(quint8 byte, QByteArray& reply);

    std::array<bool, Tables> m_lamps{};
    int m_confirmations = 0;
};
