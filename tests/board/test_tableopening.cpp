#include "core/board/TableOpening.h"
#include "support/HallFixture.h"

#include <QTest>

using namespace TableOpening;

// The clock stands at 20:00:07, when table 1 costs 12.5 for members and 15
// for others. Table 2 is bound to the positioning card K2, tables 3 and 4 to K3.
class TableOpeningTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_hall.reset(); }
    void opening_data();
    void opening();
    void positioningCard_data();
    void positioningCard();

private:
    std::unique_ptr<HallFixture> m_hall;
};

void TableOpeningTest::init()
{
    m_hall = std::make_unique<HallFixture>(today("20:00:07"));
    QVERIFY2(m_hall->ready() &&
                 m_hall->addTables(4, QStringLiteral("08:00:00-18:00:00=8/10;18:00:00-23:59:00=12.5/15")) &&
                 m_hall->hall.exec(QStringLiteral("update zhdy set tx=5, fwfl=7, "
                                                  "ktkh=case zhao when 1 then '' when 2 then 'K2' else 'K3' end")) &&
                 m_hall->addMember(QStringLiteral("M1"), QVariant(), QStringLiteral("优惠卡")) &&
                 m_hall->addMember(QStringLiteral("C2"), QStringLiteral(" 123 "), QStringLiteral("现金卡")),
             qPrintable(m_hall->error()));
}

void TableOpeningTest::opening_data()
{
    QTest::addColumn<QString>("card");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("before"); // a statement run first, or "refuse <event>" to make the store refuse it
    QTest::addColumn<bool>("ok");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("table"); // sybj|tx|fwfl of table 1, then its visits
    QTest::addColumn<QString>("boxes"); // reminder|deposit

    const auto row = [](const char* name, const char* card, const char* password, const char* before, bool ok,
                        Outcome outcome, const char* table, const QString& boxes = QStringLiteral("60|80")) {
        QTest::newRow(name) << QString::fromUtf8(card) << QString::fromUtf8(password) << QString::fromUtf8(before) << ok
                            << outcome << QString::fromUtf8(table) << boxes;
    };
    const char* untouched = "0|5.0|7.0";
    row("guest", "", "", "", true, Outcome::Opened, "1|60.0|80.0 -|20:00:07|15.0|15.0|system");
    row("优惠卡 recorded as stored, password not asked", " m1 ", "xyz", "", true, Outcome::Opened,
        "1|60.0|80.0 M1|20:00:07|12.5|15.0|system");
    row("现金卡 at the non-member rate", "C2", "123", "", true, Outcome::Opened,
        "1|60.0|80.0 C2|20:00:07|15.0|15.0|system");
    row("wrong password", "C2", "999", "", true, Outcome::CardRefused, untouched);
    row("unknown card", "Z9", "", "", true, Outcome::CardRefused, untouched);
    row("already open", "M1", "", "insert into waimxd (zhao, ksrc, dj, dj1, czyname) values (1, '19:00:00', 1, 1, 'a')",
        true, Outcome::AlreadyOpen, "0|5.0|7.0 -|19:00:00|1.0|1.0|a");
    row("a failed visit leaves the table as it was", "", "", "refuse before insert on waimxd", false,
        Outcome::AlreadyOpen, untouched);
    // A refused box leaves the table free with no visit, so its light stays off.
    row("blank boxes", "", "", "", true, Outcome::Opened, "1|0.0|0.0 -|20:00:07|15.0|15.0|system",
        QStringLiteral("| "));
    row("largest boxes, blanks around", "", "", "", true, Outcome::Opened,
        "1|1440.0|100000.0 -|20:00:07|15.0|15.0|system", QStringLiteral(" 1440|100000 "));
    row("deposit in cents", "", "", "", true, Outcome::Opened, "1|30.0|50.25 -|20:00:07|15.0|15.0|system",
        QStringLiteral("30|50.25"));
    for (const char* reminder : {"1441", "-1", "30.5", "abc"})
        row(reminder, "", "", "", true, Outcome::ReminderRefused, untouched,
            QLatin1String(reminder) + QStringLiteral("|0"));
    for (const char* deposit : {"-1e20", "1e20", "100000.01", "12.345", "12ab", "12,5"})
        row(deposit, "", "", "", true, Outcome::DepositRefused, untouched,
            QStringLiteral("0|") + QLatin1String(deposit));
}

void TableOpeningTest::opening()
{
    QFETCH(QString, card);
    QFETCH(QString, password);
    QFETCH(QString, before);
    QFETCH(Outcome, outcome);
    QFETCH(QString, table);
    QFETCH(QString, boxes);

    if (before.startsWith(QLatin1String("refuse ")))
        QVERIFY(m_hall->hall.refuse(QStringLiteral("fail"), before.mid(7), QStringLiteral("x")));
    else if (!before.isEmpty())
        QVERIFY(m_hall->hall.exec(before));
    const ResultOf<Opened> opened =
        openTable(m_hall->hall.state, {QStringLiteral("1"), card, password, boxes.section(QLatin1Char('|'), 0, 0),
                                       boxes.section(QLatin1Char('|'), 1)});
    QTEST(bool(opened), "ok");
    // A failure has no outcome.
    if (opened)
        QCOMPARE(opened->outcome, outcome);
    const QStringList visits = m_hall->hall.rows(QStringLiteral(
        "select coalesce(khao, '-'), substr(ksrc, length(ksrc) - 7), dj, dj1, czyname from waimxd order by id"));
    QCOMPARE((m_hall->hall.rows(QStringLiteral("select sybj, tx, fwfl from zhdy where zhao=1")) + visits)
                 .join(QLatin1Char(' ')),
             table);
}

void TableOpeningTest::positioningCard_data()
{
    QTest::addColumn<QString>("card");
    QTest::addColumn<int>("table"); // 0 = none

    QTest::newRow("bound to table 2") << "K2" << 2;
    QTest::newRow("on two tables: the lower number") << "K3" << 3;
    QTest::newRow("empty, as table 1's ktkh") << "" << 0;
}

void TableOpeningTest::positioningCard()
{
    QFETCH(QString, card);
    QFETCH(int, table);
    const ResultOf<std::optional<PositioningCard>> looked = findPositioningCard(m_hall->hall.state, card);
    QVERIFY2(looked, qPrintable(looked.result().message()));
    const std::optional<PositioningCard>& found = *looked;
    QCOMPARE(found ? int(found->number) : 0, table);
    if (found)
        QCOMPARE(found->name, QString::number(table) + QStringLiteral("号台"));
}

QTEST_GUILESS_MAIN(TableOpeningTest)
#include "test_tableopening.moc"
