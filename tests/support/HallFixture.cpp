#include "support/HallFixture.h"

#include "core/base/DateText.h"
#include "core/base/Sql.h"

#include <QStringList>

QDateTime today(const char* time)
{
    return QDateTime(QDate(2026, 12, 6), QTime::fromString(QString::fromLatin1(time), QStringLiteral("HH:mm:ss")));
}

HallFixture::HallFixture(const QDateTime& now)
    : clock(now)
{
    m_ready = hall.isValid() && hall.addShippedRows();
    hall.loginAs(QStringLiteral("system"));
}

bool HallFixture::addBands(int zhao, const QString& bands)
{
    const QStringList list = bands.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString band : list) {
        QVariant id;
        const qsizetype at = band.indexOf(QLatin1Char('@'));
        if (at > 0) {
            id = band.left(at).toInt();
            band = band.mid(at + 1);
        }
        const QStringList timesAndRates = band.split(QLatin1Char('='));
        const QStringList times = timesAndRates.value(0).split(QLatin1Char('-'));
        const QStringList rates = timesAndRates.value(1).split(QLatin1Char('/'));
        QVariantList values{zhao, rates.value(0).toDouble(), rates.value(1).toDouble(), times.value(0), times.value(1)};
        QString columns = QStringLiteral("zhao, hybz, fhybz, kssj, jssj");
        if (id.isValid()) {
            values.prepend(id);
            columns.prepend(QStringLiteral("id, "));
        }
        const QString marks = QStringLiteral("?, ").repeated(values.size());
        if (!hall.exec(QStringLiteral("insert into jfbz (%1, jfdw, dwname) values (%2 1, '小时')").arg(columns, marks),
                       values))
            return false;
    }
    return true;
}

bool HallFixture::addTables(int count, const QString& bands)
{
    for (int zhao = 1; zhao <= count; ++zhao) {
        if (!hall.exec(QStringLiteral("insert into zhdy (zhao, mc, sybj, fwfl, zxjffz, zdxffz, tx) "
                                      "values (?, ?, 0, 0, 0, 0, 0)"),
                       {zhao, QString(QString::number(zhao) + QStringLiteral("号台"))}) ||
            !addBands(zhao, bands))
            return false;
    }
    return true;
}

bool HallFixture::addMember(const QString& card, const QVariant& password, const QString& cardType, const QVariant& zk,
                            double yk)
{
    return hall.exec(QStringLiteral("insert into user_lb (khao, mm, klx, zk, yk, jslj, jelj) "
                                    "values (?, ?, ?, ?, ?, 0, 0)"),
                     {card, password, cardType, zk, yk});
}

bool HallFixture::openVisit(int zhao, const QDateTime& start, const QString& card, double dj1, double tx, double fwfl)
{
    return hall.exec(QStringLiteral("update zhdy set sybj=1, tx=?, fwfl=? where zhao=?"), {tx, fwfl, zhao}) &&
           hall.exec(QStringLiteral("insert into waimxd (zhao, khao, ksrc, dj, dj1, czyname) "
                                    "values (?, ?, ?, ?, ?, 'system')"),
                     {zhao, card.isEmpty() ? QVariant() : card, DateText::dateTime(start), dj1, dj1});
}

bool HallFixture::addGoods(int zhao, const QString& wlcode, double count, double amount)
{
    return hall.exec(QStringLiteral("insert into ckv_zc (zhao, wlcode, count, price, amount, czyname, jzbj) "
                                    "values (?, ?, ?, ?, ?, 'system', 0)"),
                     {QString::number(zhao), wlcode, count, amount / count, amount});
}

QVariant HallFixture::value(const QString& sql, const QVariantList& values)
{
    return *Sql::scalar(hall.db(), sql, values);
}

GoodsDocument::Typed typedDocument(const AppState& state, const QString& goods, const QString& count,
                                   const QString& price, const QString& amount, const QString& table)
{
    return {DateText::date(state.BusinessDate), goods, count, price, amount, {}, state.OperatorName, {}, {}, table};
}

GoodsDocument::Saved saveDocument(AppState& state, GoodsDocument::Kind kind, const GoodsDocument::Typed& typed,
                                  qint64 editedId)
{
    return GoodsDocument::save(state.DbConn, kind, typed, editedId, {state.BusinessDate, state.OperatorName});
}
