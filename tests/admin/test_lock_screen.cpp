#include "core/admin/UnlockCode.h"
#include "support/HallFixture.h"
#include "ui/admin/LockScreen.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

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

class TestFormstop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void unlockCode_data();
    void unlockCode();
    void locksAgainWhenFiveSecondsPassWithoutTheCode();
};

void TestFormstop::unlockCode_data()
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

void TestFormstop::unlockCode()
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

void TestFormstop::locksAgainWhenFiveSecondsPassWithoutTheCode()
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

QTEST_MAIN(TestFormstop)
#include "test_lock_screen.moc"
