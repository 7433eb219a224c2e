#include "core/admin/UnlockCode.h"
#include "support/HallFixture.h"
#include "ui/admin/DateDialog.h"
#include "ui/admin/LockScreen.h"
#include "ui/admin/PasswordDialog.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

void addAnswers()
{
    QTest::addColumn<bool>("confirmed");
    QTest::newRow("confirmed") << true;
    QTest::newRow("cancelled") << false;
}

// The screen's timers are driven by hand: a test never waits on real time.
void tick(const LockScreen& screen, const char* timer)
{
    auto* found = control<QTimer>(&screen, QLatin1String(timer));
    QVERIFY(found->isActive());
    QVERIFY(QMetaObject::invokeMethod(found, "timeout"));
}

void pressEnterAndType(LockScreen& screen, const QString& text)
{
    QTest::keyClick(&screen, Qt::Key_Return);
    QTest::keyClicks(control<QLineEdit>(&screen, QStringLiteral("passwordEdit")), text);
}

} // namespace

// The password prompt and the date dialog hand their answer back only when
// confirmed; the lock screen opens only to the operator's code.
class TestSmallDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void passwordPrompt();
    void passwordPrompt_data() { addAnswers(); }
    void dateDialog();
    void dateDialog_data() { addAnswers(); }
    void unlockCode_data();
    void unlockCode();
    void locksAgainWhenFiveSecondsPassWithoutTheCode();
};

void TestSmallDialogs::passwordPrompt()
{
    QFETCH(bool, confirmed);
    PasswordDialog prompt;
    prompt.show();
    auto* passwordEdit = control<QLineEdit>(&prompt, QStringLiteral("passwordEdit"));
    QCOMPARE(passwordEdit->echoMode(), QLineEdit::Password);
    QTest::keyClicks(passwordEdit, QStringLiteral(" Secret "));
    QTest::mouseClick(
        control<QPushButton>(&prompt, confirmed ? QStringLiteral("confirmButton") : QStringLiteral("exitButton")),
        Qt::LeftButton);
    QCOMPARE(prompt.answer(), confirmed ? std::optional<QString>(QStringLiteral(" Secret ")) : std::nullopt);
    QCOMPARE(prompt.result(), int(confirmed ? QDialog::Accepted : QDialog::Rejected));
}

void TestSmallDialogs::dateDialog()
{
    QFETCH(bool, confirmed);
    const QDate shown(2026, 3, 15);
    DateDialog dialog(shown);
    dialog.show();
    auto* calendar = control<QCalendarWidget>(&dialog, QStringLiteral("calendar"));
    QCOMPARE(calendar->selectedDate(), shown);
    calendar->setSelectedDate(QDate(2026, 3, 20));
    QTest::mouseClick(
        control<QPushButton>(&dialog, confirmed ? QStringLiteral("okButton") : QStringLiteral("cancelButton")),
        Qt::LeftButton);
    QCOMPARE(dialog.answer(), confirmed ? std::optional<QDate>(QDate(2026, 3, 20)) : std::nullopt);
    QVERIFY(!dialog.isVisible());
}

void TestSmallDialogs::unlockCode_data()
{
    QTest::addColumn<QString>("operatorName");
    QTest::addColumn<bool>("unlocks");
    QTest::addColumn<QString>("typed");
    QTest::newRow("own password, case and blanks do not count") << "system" << true << " 1234 ";
    QTest::newRow("wrong password") << "system" << false << "123";
    QTest::newRow("program code is no password") << "system" << false << UnlockCode::FallbackCode;
    QTest::newRow("no password: empty box") << "nopass" << false << "";
    QTest::newRow("no password: program code") << "nopass" << true << "tavoro";
    QTest::newRow("nobody logged in: program code") << "" << true << "TAVORO";
}

void TestSmallDialogs::unlockCode()
{
    QFETCH(QString, operatorName);
    QFETCH(bool, unlocks);
    QFETCH(QString, typed);
    HallFixture f;
    QVERIFY(f.hall.exec(QStringLiteral("insert into czyzd (czy_name, czy_pass) values ('nopass', null)")));
    f.hall.loginAs(operatorName);
    LockScreen screen(f.hall.state);
    screen.show();
    // Only the unlock button closes the screen.
    QTest::keyClick(&screen, Qt::Key_Escape);
    screen.close();
    QVERIFY(screen.isVisible());
    pressEnterAndType(screen, typed);
    tick(screen, "countdownTimer");

    auto* unlock = control<QPushButton>(&screen, QStringLiteral("unlockButton"));
    QCOMPARE(unlock->isEnabled(), unlocks);
    QCOMPARE(control<QLineEdit>(&screen, QStringLiteral("passwordEdit"))->isEnabled(), !unlocks);
    if (unlocks) {
        QTest::mouseClick(unlock, Qt::LeftButton);
        QVERIFY(!screen.isVisible());
        QCOMPARE(screen.result(), int(QDialog::Accepted));
    }
}

void TestSmallDialogs::locksAgainWhenFiveSecondsPassWithoutTheCode()
{
    HallFixture f;
    LockScreen screen(f.hall.state);
    auto* text1 = control<QLineEdit>(&screen, QStringLiteral("passwordEdit"));
    QVERIFY(!text1->isEnabled());
    pressEnterAndType(screen, QStringLiteral("wrong"));
    for (int second = 0; second < 5; ++second)
        tick(screen, "countdownTimer");
    QVERIFY(text1->text().isEmpty());
    QVERIFY(!text1->isEnabled());
    tick(screen, "frontTimer");

    // The next Enter gives five full seconds again.
    pressEnterAndType(screen, QStringLiteral("1234"));
    tick(screen, "countdownTimer");
    QVERIFY(control<QPushButton>(&screen, QStringLiteral("unlockButton"))->isEnabled());
}

QTEST_MAIN(TestSmallDialogs)
#include "test_small_dialogs.moc"
