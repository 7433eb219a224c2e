#include "core/billing/MemberCard.h"
#include "support/HallFixture.h"

#include <QTest>

class MemberCardTest : public QObject
{
    Q_OBJECT

private slots:
    void lookup_data();
    void lookup();
};

void MemberCardTest::lookup_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("password");
    // The card as stored, its type, rate, payment, discount and the password check.
    QTest::addColumn<QString>("expected");

    const auto row = [](const char* name, const char* typed, const char* password, const char* expected) {
        QTest::newRow(name) << QString::fromUtf8(typed) << QString::fromUtf8(password) << QString::fromUtf8(expected);
    };
    row("trimmed, other case, no password", " m1 ", "", "M1 优惠卡 member cash zk=8.5 accepted");
    row("no password takes any", "M1", "xyz", "M1 优惠卡 member cash zk=8.5 accepted");
    row("passwords compared trimmed", "cd2", "123  ", "Cd2 现金卡 non-member balance accepted");
    row("wrong password", "Cd2", "124", "Cd2 现金卡 non-member balance refused");
    row("password left empty", "Cd2", "", "Cd2 现金卡 non-member balance refused");
    row("现金优惠卡", "X3", "123", "X3 现金优惠卡 member balance accepted");
    row("现金", "C4", "", "C4 现金 non-member cash accepted");
    row("机时卡 as cash", "J5", "", "J5 机时卡 non-member cash accepted");
    row("no type read as 现金", "N6", "", "N6 现金 non-member cash accepted");
    row("unknown card", "Z9", "", "none");
    row("no card typed", "  ", "", "none");
}

void MemberCardTest::lookup()
{
    QFETCH(QString, typed);
    QFETCH(QString, password);
    QFETCH(QString, expected);

    HallFixture hall;
    QVERIFY2(
        hall.ready() && hall.addMember(QStringLiteral("M1"), QVariant(), QStringLiteral("优惠卡"), 8.5) &&
            hall.addMember(QStringLiteral("Cd2"), QStringLiteral(" 123 "), QStringLiteral("现金卡")) &&
            hall.addMember(QStringLiteral("X3"), QStringLiteral("123"), QStringLiteral("现金优惠卡"), QVariant()) &&
            hall.addMember(QStringLiteral("C4"), QVariant(), QStringLiteral("现金")) &&
            hall.addMember(QStringLiteral("J5"), QVariant(), QStringLiteral("机时卡")) &&
            hall.hall.exec(QStringLiteral("insert into user_lb (khao) values ('N6')")),
        qPrintable(hall.error()));

    const ResultOf<std::optional<MemberCard>> lookedUp = findMemberCard(hall.hall.db(), typed);
    QVERIFY2(lookedUp, qPrintable(lookedUp.result().message()));
    const std::optional<MemberCard>& card = *lookedUp;
    QString found = QStringLiteral("none");
    if (card) {
        const QString kind = card->kind() == RateKind::Member ? QStringLiteral("member") : QStringLiteral("non-member");
        found = QStringList{card->number, card->type, kind,
                            card->paysFromBalance() ? QStringLiteral("balance") : QStringLiteral("cash")}
                    .join(QLatin1Char(' '));
        if (card->discount)
            found += QStringLiteral(" zk=") + QString::number(*card->discount);
        found += card->accepts(password) ? QStringLiteral(" accepted") : QStringLiteral(" refused");
    }
    QCOMPARE(found, expected);
}

QTEST_GUILESS_MAIN(MemberCardTest)
#include "test_membercard.moc"
