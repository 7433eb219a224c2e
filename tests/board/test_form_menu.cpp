#include "BoardFixture.h"
#include "devices/CardReader.h"
#include "devices/PseudoTerminal.h"

#include <QDialog>
#include <QPushButton>
#include <QSqlQuery>
#include <QTimer>

namespace {

const QColor Free(253, 251, 227);
const QColor InUse(255, 192, 192);
const QString Reminder1 = QStringLiteral("1台位是否结帐");

} // namespace

class TestFormMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void runningDuration_data();
    void runningDuration();
    void reminderColumn_data();
    void reminderColumn();
    void reminderAsksUntilYes();
    void reminderYesSettlesTheTable();
    void refreshPaintsFromVisits();
    void settledRowKeepsItsColumns_data();
    void settledRowKeepsItsColumns();
    void selectionShowsChargeOrDeposit();
    void openingAnOpenTable();
    void openingWithCard_data();
    void openingWithCard();
    void positioningCard_data();
    void positioningCard();
    void cardReaderFillsCardBox();
    void lampFollowsOpening();
    void timersRunWhileActive();
    void toolbarAndMenus();

private:
    std::unique_ptr<BoardFixture> f;
};

void TestFormMenu::init()
{
    f = std::make_unique<BoardFixture>();
    QVERIFY2(f->ready, qPrintable(f->hall.error()));
}

void TestFormMenu::cleanup()
{
    f.reset();
}

void TestFormMenu::runningDuration_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("59 minutes") << 59 << "0:59";
    QTest::newRow("60 minutes") << 60 << "1:00";
    QTest::newRow("1,500 minutes") << 1500 << "25:00";
}

void TestFormMenu::runningDuration()
{
    QFETCH(int, minutes);
    QFETCH(QString, shown);
    f->board().show();
    f->open(0, QStringLiteral("M1"));
    f->clock.advanceMinutes(minutes);
    f->run("Refh");
    QCOMPARE(f->cell(0, 1), QStringLiteral("2026-12-06 20:00:00"));
    QCOMPARE(f->cell(0, 3), shown);
    QCOMPARE(f->cell(0, 4), QStringLiteral("30"));
    QCOMPARE(f->cell(0, 6), QStringLiteral("M1"));
    QCOMPARE(f->cell(0, 7), QStringLiteral("使用"));
    for (int column = 0; column < 10; ++column)
        QCOMPARE(f->colour(0, column), InUse);
    QCOMPARE(f->colour(1, 0), Free);
}

void TestFormMenu::reminderColumn_data()
{
    QTest::addColumn<QString>("tx");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<bool>("offer");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("asked");
    QTest::newRow("no reminder") << "0" << 90 << true << "0" << false;
    QTest::newRow("a minute before") << "60" << 59 << true << "60" << false;
    QTest::newRow("reached") << "60" << 60 << true << "60 分钟已到" << true;
    QTest::newRow("reached, question switched off") << "60" << 75 << false << "60 分钟已到" << false;
}

void TestFormMenu::reminderColumn()
{
    QFETCH(QString, tx);
    QFETCH(int, minutes);
    QFETCH(bool, offer);
    QFETCH(QString, shown);
    QFETCH(bool, asked);
    f->hall.state.params.reminderOffersCheckout = offer;
    f->board().show();
    f->open(0, QString(), QString(), tx);
    QCOMPARE(f->cell(0, 9), tx);
    f->messages.setDefaultAnswer(Messages::Answer::No);
    f->clock.advanceMinutes(minutes);
    f->run("Refh");
    QCOMPARE(f->cell(0, 9), shown);
    QCOMPARE(f->messages.texts(), asked ? QStringList{Reminder1} : QStringList());
    if (asked) {
        QCOMPARE(f->messages.last().icon, Messages::Icon::Exclamation);
        QCOMPARE(f->messages.last().buttons, Messages::Buttons::YesNo);
    }
}

void TestFormMenu::reminderAsksUntilYes()
{
    f->find<QAction>(QStringLiteral("print"))->setChecked(false);
    f->board().show();
    f->open(0, QString(), QString(), QStringLiteral("60"));
    f->clock.advanceMinutes(61);
    // The operator is at table 2 with a card typed when the question comes.
    f->click(1);
    f->box("Txtkhao")->setText(QStringLiteral("M2"));

    f->messages.answerNext(Messages::Answer::No);
    f->run("Refh");
    QCOMPARE(f->messages.texts(), QStringList{Reminder1});
    QCOMPARE(f->current(), QStringLiteral("2"));
    QCOMPARE(f->box("TxtHs")->text(), QStringLiteral("2"));
    QCOMPARE(f->box("Txtkhao")->text(), QStringLiteral("M2"));
    QCOMPARE(f->grid()->currentRow(), 1);

    f->messages.answerNext(Messages::Answer::No);
    f->run("Refh");
    QCOMPARE(f->messages.count(), 2);
    QCOMPARE(f->openVisits(1), 1);

    f->messages.answerNext(Messages::Answer::Yes);
    f->run("Refh");
    QCOMPARE(f->messages.count(), 3);
    QCOMPARE(f->openVisits(1), 0);

    f->run("Refh");
    QCOMPARE(f->messages.count(), 3);
}

void TestFormMenu::reminderYesSettlesTheTable()
{
    f->find<QAction>(QStringLiteral("print"))->setChecked(false);
    f->board().show();
    f->open(0, QString(), QString(), QStringLiteral("30"));
    f->clock.advanceMinutes(45);
    f->run("Refh");
    QCOMPARE(f->messages.texts(), QStringList{Reminder1});
    // 45 minutes of a cash guest at 30 an hour: 22.5, rounded half to even.
    QCOMPARE(f->openVisits(1), 0);
    QCOMPARE(f->cell(0, 7), QString());
    QCOMPARE(f->cell(0, 5), QStringLiteral("22"));
    QCOMPARE(f->cell(0, 2), QStringLiteral("2026-12-06 20:45:00"));
    QCOMPARE(f->box("TxtHj")->text(), QStringLiteral("22"));
    QCOMPARE(f->box("Txtzk")->text(), QStringLiteral("0"));
    QCOMPARE(f->colour(0, 0), Free);
    f->run("Refh");
    QCOMPARE(f->messages.count(), 1);
}

void TestFormMenu::refreshPaintsFromVisits()
{
    // Table 2 is marked in use but has no visit; table 3 has a visit but no mark.
    QVERIFY(f->hall.exec(QStringLiteral("update zhdy set sybj=1 where zhao=2")));
    QVERIFY(f->hall.exec(QStringLiteral("insert into waimxd (zhao, ksrc, dj, dj1, czyname) "
                                        "values (3, '2026-12-06 19:30:00', 30, 30, 'system')")));
    f->board();
    QCOMPARE(f->colour(1, 0), Free);
    QCOMPARE(f->colour(1, 9), Free);
    QCOMPARE(f->cell(1, 7), QString());
    QCOMPARE(f->colour(2, 5), InUse);
    QCOMPARE(f->cell(2, 3), QStringLiteral("0:30"));
    QCOMPARE(f->cell(2, 6), QString());
    QCOMPARE(f->cell(2, 8), QStringLiteral("3号台"));

    // A table marked in use without a visit opens normally.
    f->board().show();
    f->open(1);
    QCOMPARE(f->openVisits(2), 1);
    QCOMPARE(f->colour(1, 0), InUse);
}

void TestFormMenu::settledRowKeepsItsColumns_data()
{
    QTest::addColumn<bool>("clear");
    QTest::newRow("kept") << false;
    QTest::newRow("cleared") << true;
}

void TestFormMenu::settledRowKeepsItsColumns()
{
    QFETCH(bool, clear);
    f->hall.state.params.clearOnCheckout = clear;
    f->board().show();
    f->open(0, QStringLiteral("M1"), QString(), QStringLiteral("90"));
    f->clock.advanceMinutes(75);
    f->run("Refh");
    QStringList shown;
    for (int column = 1; column <= 6; ++column)
        shown.append(f->cell(0, column));
    QCOMPARE(shown.at(0), QStringLiteral("2026-12-06 20:00:00"));

    QVERIFY(f->settle(1));
    f->board().usersubGridRow(1);
    for (int column = 1; column <= 6; ++column)
        QCOMPARE(f->cell(0, column), clear ? QString() : shown.at(column - 1));
    QCOMPARE(f->cell(0, 7), QString());
    QCOMPARE(f->cell(0, 9), QString());
    QCOMPARE(f->colour(0, 3), Free);

    // The timed refresh leaves a free row's columns as they are.
    f->clock.advanceMinutes(50);
    f->run("Refh");
    for (int column = 1; column <= 6; ++column)
        QCOMPARE(f->cell(0, column), clear ? QString() : shown.at(column - 1));
}

void TestFormMenu::selectionShowsChargeOrDeposit()
{
    f->hall.state.params.memberDeposit = 40;
    f->board().show();
    f->open(0, QStringLiteral("M1"));
    QVERIFY(f->settle(1));
    f->click(1);
    f->box("Txtyj")->setText(QStringLiteral("80"));
    f->run("js");
    f->clock.advanceMinutes(60);
    f->run("Refh");
    QCOMPARE(f->cell(0, 6), QStringLiteral("M1"));

    // A free table: the default deposit, no charge, and not the card its row
    // still shows from the last guest.
    f->click(0);
    QCOMPARE(f->current(), QStringLiteral("1"));
    QCOMPARE(f->box("TxtHs")->text(), QStringLiteral("1"));
    QCOMPARE(f->box("Txtyj")->text(), QStringLiteral("40"));
    QCOMPARE(f->box("Txtmony")->text(), QString());
    QCOMPARE(f->box("Txtkhao")->text(), QString());
    QCOMPARE(f->board().focusWidget(), f->box("Txtkhao"));

    // An open table: its running charge and the deposit stored at opening.
    f->box("Txtpassword")->setText(QStringLiteral("x"));
    f->click(1);
    QCOMPARE(f->current(), QStringLiteral("2"));
    QCOMPARE(f->box("TxtHs")->text(), QStringLiteral("2"));
    QCOMPARE(f->box("Txtmony")->text(), QStringLiteral("30.00"));
    QCOMPARE(f->box("Txtyj")->text(), QStringLiteral("80"));
    QCOMPARE(f->box("Txtpassword")->text(), QString());

    // The table picked from the drop-down list selects its row as well.
    auto* combo = f->find<QComboBox>(QStringLiteral("DataCombo1"));
    combo->setCurrentIndex(2);
    Q_EMIT combo->activated(2);
    QCOMPARE(f->box("TxtHs")->text(), QStringLiteral("3"));
    QCOMPARE(f->grid()->currentRow(), 2);
}

void TestFormMenu::openingAnOpenTable()
{
    f->board().show();
    f->open(0, QString(), QString(), QStringLiteral("30"));
    QCOMPARE(f->openVisits(1), 1);
    f->box("Txttx")->setText(QStringLiteral("90"));
    f->run("js");
    QCOMPARE(f->openVisits(1), 1);
    QCOMPARE(Sql::scalar(f->hall.db(), QStringLiteral("select tx from zhdy where zhao=1")).toDouble(), 30.0);
    QCOMPARE(f->messages.count(), 0);

    // An empty reminder box counts as no reminder and says so.
    f->open(1);
    QCOMPARE(f->box("Txttx")->text(), QStringLiteral("0"));
    QCOMPARE(f->cell(1, 9), QStringLiteral("0"));
}

void TestFormMenu::openingWithCard_data()
{
    QTest::addColumn<QString>("card");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("discount");
    QTest::newRow("no password needed, something typed") << "M1"
                                                         << "xyz" << true << "9.5";
    QTest::newRow("no password needed, nothing typed") << "M1"
                                                       << "" << true << "9.5";
    QTest::newRow("passwords trimmed") << "M2"
                                       << "123  " << true << "0";
    QTest::newRow("wrong password") << "M2"
                                    << "124" << false << "0";
    QTest::newRow("unknown card") << "X9"
                                  << "" << false << "0";
}

void TestFormMenu::openingWithCard()
{
    QFETCH(QString, card);
    QFETCH(QString, password);
    QFETCH(bool, accepted);
    QFETCH(QString, discount);
    f->board().show();
    f->click(0);
    f->box("Txtkhao")->setText(card);
    f->box("Txtpassword")->setText(password);
    f->box("Txttx")->setText(QStringLiteral("45"));
    f->box("Txtyj")->setText(QStringLiteral("70"));
    f->run("js");
    QCOMPARE(f->box("Txtzk")->text(), discount);
    // The same check serves checkout.
    f->box("Txtzk")->setText(QStringLiteral("0"));
    QCOMPARE(f->board().hykCheck(card, password), accepted);
    QCOMPARE(f->box("Txtzk")->text(), discount);
    QSqlQuery table(f->hall.db());
    QVERIFY(Sql::exec(table, QStringLiteral("select sybj, tx, fwfl from zhdy where zhao=1")));
    QVERIFY(table.next());
    if (!accepted) {
        QCOMPARE(f->messages.texts(), QStringList{QStringLiteral("会员卡号错误，请重新输入 ")});
        QCOMPARE(f->messages.last().icon, Messages::Icon::Information);
        QCOMPARE(Sql::scalar(f->hall.db(), QStringLiteral("select count(*) from waimxd")).toInt(), 0);
        QCOMPARE(table.value(0).toInt(), 0);
        QCOMPARE(table.value(1).toDouble(), 0.0);
        QCOMPARE(table.value(2).toDouble(), 0.0);
        QCOMPARE(f->colour(0, 0), Free);
        return;
    }
    QCOMPARE(f->messages.count(), 0);
    QCOMPARE(Sql::scalar(f->hall.db(), QStringLiteral("select khao from waimxd where zhao=1")).toString(), card);
    QCOMPARE(table.value(0).toInt(), 1);
    QCOMPARE(table.value(1).toDouble(), 45.0);
    QCOMPARE(table.value(2).toDouble(), 70.0);
    QCOMPARE(f->board().cardType(), card == QLatin1String("M1") ? QStringLiteral("优惠卡") : QStringLiteral("现金卡"));
    QCOMPARE(f->cell(0, 6), card);
}

void TestFormMenu::positioningCard_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("cardLength");
    QTest::addColumn<bool>("tableOpen");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("question");
    QTest::addColumn<int>("visitsAfter");
    QTest::addColumn<bool>("settled");
    const QString openIt = QStringLiteral("此为定位卡 台号为  3  ’名称为 3号台 是否开台 ?");
    const QString settleIt = QStringLiteral("此为定位卡 台号为  3 ' 3号台 是否结帐？");
    QTest::newRow("free table, Yes opens it") << "P3" << 10 << false << true << openIt << 1 << false;
    QTest::newRow("free table, No") << "P3" << 10 << false << false << openIt << 0 << false;
    QTest::newRow("card cut to its length") << "P3XYZ" << 2 << false << true << openIt << 1 << false;
    QTest::newRow("open table, Yes settles it") << "P3" << 10 << true << true << settleIt << 0 << true;
    QTest::newRow("open table, No") << "P3" << 10 << true << false << settleIt << 1 << false;
}

void TestFormMenu::positioningCard()
{
    QFETCH(QString, typed);
    QFETCH(int, cardLength);
    QFETCH(bool, tableOpen);
    QFETCH(bool, yes);
    QFETCH(QString, question);
    QFETCH(int, visitsAfter);
    QFETCH(bool, settled);
    f->hall.state.params.cardNumberLength = qint16(cardLength);
    f->find<QAction>(QStringLiteral("print"))->setChecked(false);
    f->board().show();
    if (tableOpen)
        f->open(2);
    f->click(0);
    f->messages.answerNext(yes ? Messages::Answer::Yes : Messages::Answer::No);
    QTest::keyClicks(f->box("Txtkhao"), typed);
    QTest::keyClick(f->box("Txtkhao"), Qt::Key_Return);

    QCOMPARE(f->messages.texts(), QStringList{question});
    QCOMPARE(f->messages.last().icon, Messages::Icon::Question);
    QCOMPARE(f->current(), QStringLiteral("3"));
    QCOMPARE(f->openVisits(3), visitsAfter);
    QCOMPARE(Sql::scalar(f->hall.db(), QStringLiteral("select count(*) from waimxd where zhao=3 and jsrc is not null"))
                 .toInt(),
             settled ? 1 : 0);
    QCOMPARE(f->box("Txtkhao")->text(), QString());
    QCOMPARE(f->colour(2, 0), visitsAfter ? InUse : Free);
    if (visitsAfter && !tableOpen)
        QVERIFY(Sql::scalar(f->hall.db(), QStringLiteral("select khao from waimxd where zhao=3")).isNull());
}

void TestFormMenu::cardReaderFillsCardBox()
{
    f->hall.state.params.cardNumberLength = 8;
    auto* reader = f->board().findChild<CardReader*>();
    QVERIFY(reader);
    Q_EMIT reader->received(QStringLiteral(" 1234"));
    Q_EMIT reader->received(QStringLiteral("567890"));
    QCOMPARE(f->box("Txtkhao")->text(), QStringLiteral("12345678"));

    // A member card is not a positioning card: the password comes next.
    f->board().show();
    QVERIFY(QTest::qWaitForWindowExposed(&f->board()));
    f->box("Txtkhao")->setText(QStringLiteral("M2"));
    QTest::keyClick(f->box("Txtkhao"), Qt::Key_Return);
    QCOMPARE(f->messages.count(), 0);
    QCOMPARE(f->box("Txtkhao")->text(), QStringLiteral("M2"));
    QCOMPARE(f->board().focusWidget(), f->box("Txtpassword"));
}

// The lamp goes on only for a table that opened and off when it is settled;
// the all-tables button is there only when the lights are controlled.
void TestFormMenu::lampFollowsOpening()
{
    PseudoTerminal controller;
    QVERIFY2(controller.isValid(), qPrintable(controller.error()));
    QVERIFY(f->hall.exec(QStringLiteral("update stcs set valuenr=? where lx='dk' and sm='串口号设置'"),
                         {controller.path()}));
    f->hall.state.params.lightControl = true;
    f->board().show();
    auto* allTables = f->find<QPushButton>(QStringLiteral("Command3"));
    QVERIFY(allTables->isVisible());
    QByteArray received;
    const auto drain = [&] {
        received += controller.readAvailable();
        return received;
    };

    // A refused card sends nothing: the first byte is the opening's.
    f->open(2, QStringLiteral("X9"));
    f->open(2);
    QTRY_COMPARE(drain(), QByteArray("\x42"));
    QTest::mouseClick(allTables, Qt::LeftButton);
    QTRY_COMPARE(drain(), QByteArray("\x42\x90"));

    // Settling the table switches its lamp off, and nothing else is sent.
    f->find<QAction>(QStringLiteral("print"))->setChecked(false);
    f->clock.advanceMinutes(30);
    f->run("jz");
    QCOMPARE(f->openVisits(3), 0);
    QTRY_COMPARE(drain(), QByteArray("\x42\x90\x02"));
}

void TestFormMenu::timersRunWhileActive()
{
    Form_menu& board = f->board();
    auto* clock = board.findChild<QTimer*>(QStringLiteral("Timer1"));
    auto* refresh = board.findChild<QTimer*>(QStringLiteral("Timer2"));
    QVERIFY(clock && refresh);
    QCOMPARE(clock->interval(), 6000);
    QCOMPARE(refresh->interval(), 50000);
    QCOMPARE(f->box("Text3")->text(), QStringLiteral("2026-12-06 20:00:00"));
    QCOMPARE(f->box("Text2")->text(), QStringLiteral("system"));
    QVERIFY(!clock->isActive());

    board.show();
    board.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&board));
    QTRY_VERIFY(clock->isActive() && refresh->isActive());

    QDialog other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QTRY_VERIFY(!clock->isActive() && !refresh->isActive());

    other.close();
    f->clock.advanceMinutes(3);
    board.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&board));
    QTRY_VERIFY(clock->isActive() && refresh->isActive());
    QCOMPARE(f->box("Text3")->text(), QStringLiteral("2026-12-06 20:03:00"));
}

void TestFormMenu::toolbarAndMenus()
{
    Form_menu& board = f->board();
    const QList<std::pair<const char*, const char*>> buttons = {
        {"js", "开始计时"}, {"jz", "结账计时停止"}, {"Sd", "锁定计算机"},
        {"Refh", "刷新"},   {"Showtp", "显示桌面"}, {"print", "选中后结账后自动打印账单"}};
    for (const auto& [key, tip] : buttons) {
        QAction* action = f->find<QAction>(QLatin1String(key));
        QVERIFY2(action && action->isEnabled(), key);
        QCOMPARE(action->toolTip(), QString::fromUtf8(tip));
    }
    // Commands that do nothing yet are not offered.
    for (const char* key : {"Js", "zhuantai", "Xs", "tx", "yj", "hh"})
        QVERIFY2(!f->find<QAction>(QLatin1String(key)), key);

    QAction* print = f->find<QAction>(QStringLiteral("print"));
    QAction* autoPrint = f->find<QAction>(QStringLiteral("menu_yygl_6"));
    QVERIFY(print->isChecked() && autoPrint->isChecked() && board.autoPrint());
    autoPrint->trigger();
    QVERIFY(!print->isChecked() && !board.autoPrint());
    print->trigger();
    QVERIFY(autoPrint->isChecked());

    // The counter works without the mouse: F2 opens the current table.
    board.show();
    board.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&board));
    QCOMPARE(f->find<QAction>(QStringLiteral("menu_yygl_1"))->shortcut(), QKeySequence(Qt::Key_F2));
    QCOMPARE(f->find<QAction>(QStringLiteral("menu_yygl_4"))->shortcut(), QKeySequence(Qt::Key_F5));
    QCOMPARE(f->grid()->currentRow(), 0);
    QCOMPARE(f->board().focusWidget(), f->grid());
    QTest::keyClick(f->grid(), Qt::Key_Down);
    QCOMPARE(f->current(), QStringLiteral("2"));
    QCOMPARE(f->box("TxtHs")->text(), QStringLiteral("2"));
    QTest::keyClick(f->grid(), Qt::Key_Return);
    QCOMPARE(f->board().focusWidget(), f->box("Txtkhao"));
    QTest::keyClick(f->box("Txtkhao"), Qt::Key_F2);
    QCOMPARE(f->openVisits(2), 1);
    QCOMPARE(f->colour(1, 0), InUse);

    // The background picture takes the place of the working panel and back.
    auto* panel = f->find<QWidget>(QStringLiteral("Picture1"));
    auto* image = f->find<QWidget>(QStringLiteral("Image1"));
    f->find<QAction>(QStringLiteral("menu_yygl_5"))->trigger();
    QVERIFY(!panel->isVisible() && image->isVisible());
    f->run("Showtp");
    QVERIFY(panel->isVisible() && !image->isVisible());
}

QTEST_MAIN(TestFormMenu)
#include "test_form_menu.moc"
