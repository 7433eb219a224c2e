#include "LampPanel.h"

namespace {

QString hex(quint8 byte)
{
    return QStringLiteral("0x") + QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace

LampPanel::Outcome LampPanel::receive(const QByteArray& bytes)
{
    Outcome outcome;
    for (const char c : bytes)
        outcome.lines.append(handle(static_cast<quint8>(c), outcome.reply));
    return outcome;
}

QString LampPanel::litTables() const
{
    QStringList lit;
    for (int table = 1; table <= Tables; ++table) {
        if (isOn(table))
            lit.append(QString::number(table));
    }
    return lit.isEmpty() ? QStringLiteral("无 (none)") : lit.join(QLatin1Char(' '));
}

QString LampPanel::handle(quint8 byte, QByteArray& reply)
{
    const bool on = byte >= 0x40 && byte <= 0x6F;
    const bool off = byte <= 0x2F;
    if (on || off) {
        reply.append(static_cast<char>(byte));
        const int table = on ? byte - 0x3F : byte + 1;
        const bool changed = m_lamps[table - 1] != on;
        m_lamps[table - 1] = on;
        return QStringLiteral("%1  台 %2 灯 %3 (table %2 lamp %4)%5")
            .arg(hex(byte))
            .arg(table)
            .arg(on ? QStringLiteral("开") : QStringLiteral("关"), on ? QStringLiteral("on") : QStringLiteral("off"),
                 changed ? QString() : QStringLiteral(" - 未变 (unchanged)"));
    }
    if (byte == 0x88) {
        ++m_confirmations;
        return QStringLiteral("%1  确认 (confirmation) #%2").arg(hex(byte)).arg(m_confirmations);
    }
    if (byte == 0x90 || byte == 0x91) {
        reply.append(static_cast<char>(byte));
        return QStringLiteral("%1  全部台 (all tables): 亮灯 (lit) %2").arg(hex(byte), litTables());
    }
    return QStringLiteral("%1  未知字节，不回应 (unknown byte, no echo)").arg(hex(byte));
}
