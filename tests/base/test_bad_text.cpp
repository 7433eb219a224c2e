#include "core/admin/LoginLogic.h"
#include "core/admin/PasswordChange.h"
#include "core/base/DateText.h"
#include "core/base/Sql.h"
#include "core/base/TypedNumber.h"
#include "core/billing/DiscountRate.h"
#include "core/billing/MemberCard.h"
#include "core/billing/TableNumber.h"
#include "core/board/TableMarks.h"
#include "core/goods/GoodsCatalogue.h"
#include "core/goods/GoodsLookup.h"
#include "core/members/ConsumptionCondition.h"
#include "core/members/MemberRecord.h"
#include "core/members/MemberTopUp.h"
#include "core/printing/RawReceiptPrinter.h"
#include "core/printing/ReceiptLines.h"
#include "printing/PortFile.h"
#include "printing/SampleReceipt.h"
#include "support/HallFixture.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

namespace {

// What operators have typed into boxes.
const QList<std::pair<const char*, QString>>& texts()
{
    static const QList<std::pair<const char*, QString>> all = {
        {"quotes", QStringLiteral("O'Brien \"8\"")},
        {"semicolons", QStringLiteral("1; delete from user_lb;")},
        {"comment", QStringLiteral("A1 -- x")},
        {"always true", QStringLiteral("' or '1'='1")},
        {"10000 characters", QStringLiteral("台'").repeated(5000)},
        {"empty", QString()},
        {"outside GBK", QStringLiteral("\U0001F600e\u0301")}};
    return all;
}

void addTexts()
{
    QTest::addColumn<QString>("text");
    for (const auto& [name, text] : texts())
        QTest::newRow(name) << text;
}

// The rows of `before` that are gone or changed in `after`.
QStringList changed(const QStringList& before, const QStringList& after)
{
    QStringList gone;
    for (const QString& row : before) {
        if (!after.contains(row))
            gone.append(row.left(80));
    }
    return gone;
}

// A hall with two members, goods and an operator who can change a password.
bool fill(HallFixture& hall)
{
    return hall.ready() && hall.addTables(2) &&
           hall.addMember(QStringLiteral("M1"), QStringLiteral("1"), QStringLiteral("现金卡"), 0, 100) &&
           hall.addMember(QStringLiteral("M2"), QStringLiteral("2"), QStringLiteral("现金卡"), 0, 200) &&
           hall.hall.exec(QStringLiteral("insert into spzd (headcode, name, spdj) values ('0101', '可乐', 5)"));
}

// The boxes whose typing becomes money or stock.
enum class Bounded
{
    MemberDiscount,
    OpeningBalance,
    Deposit,
    TopUp,
    Quantity
};

} // namespace

Q_DECLARE_METATYPE(Bounded)

class BadTextTest : public QObject
{
    Q_OBJECT

private slots:
    void memberStoredAsTyped_data();
    void memberStoredAsTyped();
    void saleStoredAsTyped_data() { addTexts(); }
    void saleStoredAsTyped();
    void passwordStoredAsTyped_data() { addTexts(); }
    void passwordStoredAsTyped();
    void lookupsFindNothing_data() { addTexts(); }
    void lookupsFindNothing();
    void numbersAndDatesRefused_data();
    void numbersAndDatesRefused();
    void boundsShared_data();
    void boundsShared();
    void receiptStillPrints_data() { addTexts(); }
    void receiptStillPrints();
};

void BadTextTest::memberStoredAsTyped_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("field");
    for (const auto& [name, text] : texts())
        for (const int field : {0, 1, 2})
            QTest::addRow("%s, %s", name, field == 0 ? "card" : field == 1 ? "name" : "password") << text << field;
}

// A member's card, name and password, edited: stored exactly as typed or
// refused, and no other member, record or table touched.
void BadTextTest::memberStoredAsTyped()
{
    QFETCH(QString, text);
    QFETCH(int, field);
    HallFixture hall;
    QVERIFY2(fill(hall), qPrintable(hall.error()));
    MemberRecord::Typed typed;
    typed.card = QStringLiteral("M2");
    typed.name = QStringLiteral("张三");
    typed.cardType = QStringLiteral("现金卡");
    (field == 0 ? typed.card : field == 1 ? typed.name : typed.password) = text;
    const QStringList before = everyRow(hall.hall.db());

    const MemberRecord::Saved saved = MemberRecord::save(
        hall.hall.db(), {hall.hall.state.BusinessDate, QStringLiteral("system")}, typed, QStringLiteral("M2"));

    QVERIFY2(saved.result, qPrintable(saved.result.message()));
    const QStringList after = everyRow(hall.hall.db());
    if (!saved.refusal.isEmpty()) {
        QCOMPARE(after, before);
        return;
    }
    const QVariant stored = hall.value(QStringLiteral("select ") +
                                           QLatin1String(field == 0   ? "khao"
                                                         : field == 1 ? "yhm"
                                                                      : "mm") +
                                           QStringLiteral(" from user_lb where khao = ?"),
                                       {typed.card});
    QCOMPARE(stored.toString(), text);
    QStringList others = changed(before, after);
    others.removeIf([](const QString& row) { return row.startsWith(QLatin1String("user_lb|M2|")); });
    QCOMPARE(others, QStringList());
}

// A sale's goods and note as typed at the counter.
void BadTextTest::saleStoredAsTyped()
{
    QFETCH(QString, text);
    HallFixture hall;
    QVERIFY2(fill(hall), qPrintable(hall.error()));
    GoodsDocument::Typed typed =
        typedDocument(hall.hall.state, text, QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("5"));
    typed.handler = typed.remark = text;
    const QStringList before = everyRow(hall.hall.db());

    const GoodsDocument::Saved saved = saveDocument(hall.hall.state, GoodsDocument::Kind::Sale, typed);

    QVERIFY2(saved.result, qPrintable(saved.result.message()));
    QCOMPARE(changed(before, everyRow(hall.hall.db())), QStringList());
    if (saved.refusal.isEmpty()) {
        QCOMPARE(hall.value(QStringLiteral("select wlcode from ckv_zc where id = ?"), {saved.id}).toString(), text);
        QCOMPARE(hall.value(QStringLiteral("select abs from ckv_zc where id = ?"), {saved.id}).toString(), text);
        QCOMPARE(hall.value(QStringLiteral("select jsr from ckv_zc where id = ?"), {saved.id}).toString(), text);
    } else {
        QCOMPARE(everyRow(hall.hall.db()), before);
    }
}

// An operator's new password: after storing it, that password logs in and
// a password made to look always true does not.
void BadTextTest::passwordStoredAsTyped()
{
    QFETCH(QString, text);
    HallFixture hall;
    QVERIFY2(fill(hall), qPrintable(hall.error()));
    PasswordChange change;
    QVERIFY(change.load(hall.hall.db(), QStringLiteral("system")));
    QVERIFY(change.store(hall.hall.db(), text));

    QVERIFY(LoginLogic::checkPassword(hall.hall.db(), QStringLiteral("system"), text).matched);
    const QString alwaysTrue = QStringLiteral("' or '1'='1");
    if (text != alwaysTrue)
        QVERIFY(!LoginLogic::checkPassword(hall.hall.db(), QStringLiteral("system"), alwaysTrue).matched);
    QVERIFY(!LoginLogic::checkPassword(hall.hall.db(), text, text).matched);
}

// What finds rows by a typed value finds nothing that does not hold it,
// fails on nothing, and writes nothing.
void BadTextTest::lookupsFindNothing()
{
    QFETCH(QString, text);
    HallFixture hall;
    QVERIFY2(fill(hall), qPrintable(hall.error()));
    const QStringList before = everyRow(hall.hall.db());

    const ResultOf<std::optional<MemberCard>> card = findMemberCard(hall.hall.db(), text);
    QVERIFY2(card, qPrintable(card.result().message()));
    QVERIFY(!*card);
    const ResultOf<std::optional<GoodsLookup::Goods>> goods = GoodsLookup::find(hall.hall.db(), text);
    QVERIFY2(goods, qPrintable(goods.result().message()));
    QVERIFY(!*goods);
    const GoodsCatalogue::FindCondition find = GoodsCatalogue::findCondition(text, text, text, text);
    if (!find.isEmpty()) {
        const ResultOf<QVariant> found =
            Sql::scalar(hall.hall.db(), QStringLiteral("select count(*) from spzd where ") + find.sql, find.values);
        QVERIFY2(found, qPrintable(found.result().message()));
        QCOMPARE(found->toInt(), 0);
    }
    const QList<ConsumptionCondition::Field> fields = {
        {QStringLiteral("khao"), QStringLiteral("卡号"), QStringLiteral("CHAR")},
        {QStringLiteral("khrc"), QStringLiteral("开户日期"), QStringLiteral("DATE")},
        {QStringLiteral("yk"), QStringLiteral("余额"), QStringLiteral("MON")}};
    for (const ConsumptionCondition::Field& field : fields) {
        for (const QString& op : ConsumptionCondition::operators()) {
            const ConsumptionCondition::Built built = ConsumptionCondition::build({{field.caption, op, text}}, fields);
            if (!built.condition || built.condition->sql.isEmpty())
                continue;
            const ConsumptionCondition::Condition& condition = *built.condition;
            const ResultOf<QVariant> found =
                Sql::scalar(hall.hall.db(), QStringLiteral("select count(*) from user_lb where ") + condition.sql,
                            condition.values);
            QVERIFY2(found, qPrintable(found.result().message()));
            QVERIFY2(found->toInt() == 0 || op.contains(QLatin1String("<")) || op.contains(QLatin1String(">")),
                     qPrintable(field.code + op + condition.sql));
        }
    }
    const MemberTopUp::Outcome topUp =
        MemberTopUp::topUp(hall.hall.state, {text, QStringLiteral("10"), QStringLiteral("10")});
    QVERIFY2(topUp.result, qPrintable(topUp.result.message()));
    QVERIFY(!topUp.refusal.isEmpty());
    QCOMPARE(everyRow(hall.hall.db()), before);
}

void BadTextTest::numbersAndDatesRefused_data()
{
    addTexts();
    QTest::newRow("10000 digits") << QString(10000, QLatin1Char('9'));
    QTest::newRow("digits and a quote") << QStringLiteral("5'");
    QTest::newRow("a number, then SQL") << QStringLiteral("5; delete from zhdy");
}

// Amounts, discounts, table numbers and dates: never read as something else.
void BadTextTest::numbersAndDatesRefused()
{
    QFETCH(QString, text);
    QVERIFY(!typedNumber(text, 2));
    QVERIFY(!DiscountRate::parse(text) || text.isEmpty());
    QVERIFY(!tableNumber(text));
    QVERIFY(!DateText::parseDate(text));
    QVERIFY(!LoginLogic::businessDate(text));
}

void BadTextTest::boundsShared_data()
{
    QTest::addColumn<Bounded>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("taken");
    const std::pair<const char*, Bounded> money[] = {
        {"balance", Bounded::OpeningBalance}, {"deposit", Bounded::Deposit}, {"top-up", Bounded::TopUp}};
    for (const auto& [name, box] : money) {
        const auto row = [name](const char* what) -> QTestData& {
            return QTest::addRow("%s %s", name, what);
        };
        row("1e-50") << box << QStringLiteral("1e-50") << false;
        row("-1") << box << QStringLiteral("-1") << false;
        row("0") << box << QStringLiteral("0") << (box != Bounded::TopUp);
        row("the bound") << box << QStringLiteral("100000") << true;
        row("a cent above") << box << QStringLiteral("100000.01") << false;
        row("huge") << box << QStringLiteral("99999999999") << false;
    }
    // A card's rate is priced as a typed discount: below 10, 0 for none.
    QTest::newRow("discount 1e-50") << Bounded::MemberDiscount << QStringLiteral("1e-50") << false;
    QTest::newRow("discount -1") << Bounded::MemberDiscount << QStringLiteral("-1") << false;
    QTest::newRow("discount 0") << Bounded::MemberDiscount << QStringLiteral("0") << true;
    QTest::newRow("discount 9.99") << Bounded::MemberDiscount << QStringLiteral("9.99") << true;
    QTest::newRow("discount 10") << Bounded::MemberDiscount << QStringLiteral("10") << false;
    QTest::newRow("discount 11") << Bounded::MemberDiscount << QStringLiteral("11") << false;
    QTest::newRow("discount huge") << Bounded::MemberDiscount << QStringLiteral("99999999999") << false;
    QTest::newRow("quantity 1e-50") << Bounded::Quantity << QStringLiteral("1e-50") << false;
    QTest::newRow("quantity -1") << Bounded::Quantity << QStringLiteral("-1") << false;
    QTest::newRow("quantity 0") << Bounded::Quantity << QStringLiteral("0") << false;
    QTest::newRow("quantity none") << Bounded::Quantity << QString() << false;
    QTest::newRow("quantity 0.001") << Bounded::Quantity << QStringLiteral("0.001") << true;
}

// What one box takes another takes too: a value refused is not written.
void BadTextTest::boundsShared()
{
    QFETCH(Bounded, box);
    QFETCH(QString, text);
    QFETCH(bool, taken);
    HallFixture hall;
    QVERIFY2(fill(hall), qPrintable(hall.error()));
    QSqlDatabase db = hall.hall.db();
    const QStringList before = everyRow(db);
    bool accepted = false;
    switch (box) {
    case Bounded::MemberDiscount:
    case Bounded::OpeningBalance: {
        MemberRecord::Typed typed;
        typed.card = QStringLiteral("N1");
        typed.name = QStringLiteral("新会员");
        (box == Bounded::OpeningBalance ? typed.balance : typed.discount) = text;
        const MemberRecord::Saved saved =
            MemberRecord::save(db, {hall.hall.state.BusinessDate, QStringLiteral("system")}, typed, {});
        QVERIFY2(saved.result, qPrintable(saved.result.message()));
        accepted = saved.done();
        break;
    }
    case Bounded::Deposit:
        accepted = TableMarks::deposit(text).has_value();
        if (accepted)
            QVERIFY(TableMarks::saveDeposit(db, 1, *TableMarks::deposit(text)));
        break;
    case Bounded::TopUp: {
        const MemberTopUp::Outcome outcome = MemberTopUp::topUp(hall.hall.state, {QStringLiteral("M1"), text, text});
        QVERIFY2(outcome.result, qPrintable(outcome.result.message()));
        accepted = outcome.refusal.isEmpty();
        break;
    }
    case Bounded::Quantity: {
        const GoodsDocument::Saved saved = saveDocument(
            hall.hall.state, GoodsDocument::Kind::Purchase,
            typedDocument(hall.hall.state, QStringLiteral("可乐"), text, QStringLiteral("5"), QStringLiteral("5")));
        QVERIFY2(saved.result, qPrintable(saved.result.message()));
        accepted = saved.done();
        break;
    }
    }
    QCOMPARE(accepted, taken);
    if (!taken) {
        QCOMPARE(everyRow(db), before);
    } else if (box == Bounded::MemberDiscount || box == Bounded::OpeningBalance) {
        const char* column = box == Bounded::OpeningBalance ? "yk" : "zk";
        QCOMPARE(
            hall.value(QStringLiteral("select %1 from user_lb where khao='N1'").arg(QLatin1String(column))).toDouble(),
            text.toDouble());
    }
}

// The receipt prints with the texts the hall typed: a character GBK lacks
// prints as "?", and nothing is lost around it.
void BadTextTest::receiptStillPrints()
{
    QFETCH(QString, text);
    Receipt receipt = sampleReceipt();
    receipt.companyName = text;
    receipt.operatorName = text;
    receipt.goods.first().name = text;
    PortFile ports;
    RawReceiptPrinter printer(ports.settings());
    const Result printed =
        printRawReceipt(printableReceipt(receipt), QDateTime(QDate(2026, 12, 6), QTime(20, 30, 5)), printer);
    QVERIFY2(printed, qPrintable(printed.message()));
    const QStringList lines = PortFile::printedLines(ports.bytes());
    QString expected = text;
    expected.replace(QStringLiteral("\U0001F600"), QStringLiteral("?")).replace(QChar(0x301), QLatin1Char('?'));
    QVERIFY(lines.contains(QStringLiteral("营业员:") + expected));
    QVERIFY(lines.contains(QStringLiteral("合计:41.5元")));
}

QTEST_MAIN(BadTextTest)
#include "test_bad_text.moc"
