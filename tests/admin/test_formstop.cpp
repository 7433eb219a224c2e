#include "admin/Formstop.h"
#include "base/PasswordHash.h"
#include "admin/UnlockCode.h"
#include "support/MessageRecorder.h"
#include "support/TestClock.h"
#include "support/TestHall.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// The screen's timers are driven by hand: a test never waits on real time.
void tick(QTimer* timer)
{
    QVERIFY(timer->isActive());
    QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
}

} // namespace

class TestFormstop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void locksAgainWhenFiveSecondsPassWithoutTheCode();
    void unlockCode_data();
    void unlockCode();
    void onlyTheUnlockButtonCloses();

private:
    void open(const QString& operatorName);
    void pressEnterAndType(const QString& text);
    template <typename T>
    T* control(const char* name)
    {
        T* found = m_screen->findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }

    QString m_hashedSecret;
    QString m_hashedEmpty;
    std::unique_ptr<TestHall> m_hall;
    std::unique_ptr<TestClock> m_clock;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<Formstop> m_screen;
};

void TestFormstop::initTestCase()
{
    m_hashedSecret = PasswordHash::hash(QStringLiteral("Secret"));
    m_hashedEmpty = PasswordHash::hash(QString());
    QVERIFY(PasswordHash::isHash(m_hashedSecret));
    QVERIFY(PasswordHash::isHash(m_hashedEmpty));
}

void TestFormstop::init()
{
    m_hall = std::make_unique<TestHall>();
    QVERIFY2(m_hall->isValid(), qPrintable(m_hall->error()));
    m_clock = std::make_unique<TestClock>();
    m_messages = std::make_unique<MessageRecorder>();
    const QList<QVariantList> operators{{QStringLiteral("system"), m_hashedSecret},
                                        {QStringLiteral("plain"), QStringLiteral("abc")},
                                        {QStringLiteral("nopass"), QVariant()},
                                        {QStringLiteral("hashedempty"), m_hashedEmpty}};
    for (const QVariantList& row : operators)
        QVERIFY2(m_hall->exec(QStringLiteral("insert into czyzd (czy_name, czy_pass) values (?, ?)"), row),
                 qPrintable(m_hall->error()));
}

void TestFormstop::cleanup()
{
    m_screen.reset();
    m_messages.reset();
    m_clock.reset();
    m_hall.reset();
}

void TestFormstop::open(const QString& operatorName)
{
    m_hall->loginAs(operatorName);
    m_screen = std::make_unique<Formstop>(m_hall->state);
}

void TestFormstop::pressEnterAndType(const QString& text)
{
    QTest::keyClick(m_screen.get(), Qt::Key_Return);
    QVERIFY(control<QLineEdit>("Text1")->isEnabled());
    QTest::keyClicks(control<QLineEdit>("Text1"), text);
}

void TestFormstop::locksAgainWhenFiveSecondsPassWithoutTheCode()
{
    open(QStringLiteral("system"));
    auto* timer1 = control<QTimer>("Timer1");
    auto* timer2 = control<QTimer>("Timer2");
    auto* label2 = control<QLabel>("Label2");
    auto* text1 = control<QLineEdit>("Text1");
    QCOMPARE(timer1->interval(), 10);
    QCOMPARE(timer2->interval(), 1000);
    QVERIFY(timer1->isActive());
    QVERIFY(!timer2->isActive());
    QVERIFY(!text1->isEnabled());

    pressEnterAndType(QStringLiteral("wrong"));
    QVERIFY(!timer1->isActive());
    QVERIFY(timer2->isActive());
    for (int left = 4; left >= 1; --left) {
        tick(timer2);
        QCOMPARE(label2->text(), QString::number(left) + QStringLiteral("  Seconds time to write a password."));
        QVERIFY(timer2->isActive());
    }
    tick(timer2);

    QVERIFY(timer1->isActive());
    QVERIFY(!timer2->isActive());
    QVERIFY(text1->text().isEmpty());
    QVERIFY(!text1->isEnabled());
    QVERIFY(!control<QPushButton>("Command1")->isEnabled());
    tick(timer1);
    QCOMPARE(label2->text(), QStringLiteral("5"));

    // The next Enter gives five full seconds again.
    pressEnterAndType(QStringLiteral("Secret"));
    tick(timer2);
    QVERIFY(control<QPushButton>("Command1")->isEnabled());
}

void TestFormstop::unlockCode_data()
{
    QTest::addColumn<QString>("operatorName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("unlocks");
    QTest::addColumn<bool>("fallback");
    QTest::newRow("own password") << "system"
                                  << "Secret" << true << false;
    QTest::newRow("letter case and blanks do not count") << "system"
                                                         << " sECRET " << true << false;
    QTest::newRow("wrong password") << "system"
                                    << "Secre" << false << false;
    QTest::newRow("program code is no password") << "system" << UnlockCode::FallbackCode << false << false;
    QTest::newRow("plain password of an older file") << "plain"
                                                     << "ABC" << true << false;
    QTest::newRow("no password: empty box") << "nopass"
                                            << "" << false << true;
    QTest::newRow("no password: program code") << "nopass"
                                               << "tavoro" << true << true;
    QTest::newRow("hashed empty password: empty box") << "hashedempty"
                                                      << "   " << false << true;
    QTest::newRow("hashed empty password: program code") << "hashedempty"
                                                         << "TAVORO" << true << true;
    QTest::newRow("nobody logged in: program code") << ""
                                                    << "TAVORO" << true << true;
}

void TestFormstop::unlockCode()
{
    QFETCH(QString, operatorName);
    QFETCH(QString, typed);
    QFETCH(bool, unlocks);
    QFETCH(bool, fallback);
    QCOMPARE(UnlockCode::forOperator(m_hall->db(), operatorName).usesFallback(), fallback);

    open(operatorName);
    pressEnterAndType(typed);
    tick(control<QTimer>("Timer2"));

    QCOMPARE(control<QPushButton>("Command1")->isEnabled(), unlocks);
    QCOMPARE(control<QTimer>("Timer2")->isActive(), !unlocks);
    QCOMPARE(control<QLineEdit>("Text1")->isEnabled(), !unlocks);
    if (unlocks) {
        QVERIFY(!control<QTimer>("Timer1")->isActive());
        QCOMPARE(control<QLabel>("Label2")->text(), QStringLiteral("5"));
    }
}

void TestFormstop::onlyTheUnlockButtonCloses()
{
    open(QStringLiteral("system"));
    QVERIFY(m_screen->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    m_screen->show();
    QTest::keyClick(m_screen.get(), Qt::Key_Escape);
    m_screen->close();
    QVERIFY(m_screen->isVisible());

    pressEnterAndType(QStringLiteral("secret"));
    tick(control<QTimer>("Timer2"));
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    QVERIFY(!m_screen->isVisible());
    QCOMPARE(m_screen->result(), int(QDialog::Accepted));
    QVERIFY(!control<QTimer>("Timer1")->isActive());
    QVERIFY(!control<QTimer>("Timer2")->isActive());
}

QTEST_MAIN(TestFormstop)
#include "test_formstop.moc"
