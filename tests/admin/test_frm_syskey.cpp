#include "base/PasswordHash.h"
#include "admin/frm_syskey.h"
#include "support/MessageRecorder.h"
#include "support/TestClock.h"
#include "support/TestHall.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

const QString Illegal = QStringLiteral("操作员口令不合法！");
const QString NoRight = QStringLiteral("对不起，您无权进入本系统！");
const QString BadDate = QStringLiteral("业务日期不正确，请按 yyyy-mm-dd 的格式输入！");
const QString NoOperators = QStringLiteral("系统中没有操作员，无法登录！");

} // namespace

class TestFrmSyskey : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void passwordCheck_data();
    void passwordCheck();
    void loginFillsState();
    void thirdWrongPasswordEndsProgram();
    void badBusinessDateIsRefusedAndNotCounted_data();
    void badBusinessDateIsRefusedAndNotCounted();
    void emptyOperatorTable();
    void passwordFocusSelectsAll();
    void givingUpEndsProgram_data();
    void givingUpEndsProgram();
    void shiftPreselection_data();
    void shiftPreselection();
    void timerClosesSplash();

private:
    void addOperator(const QString& name, const QVariant& password, bool system = false);
    void addShift(const QString& name, const QString& start, const QString& end);
    frm_syskey* open();
    void tryPassword(const QString& password);
    template <typename T>
    T* control(const char* name)
    {
        T* found = m_screen->findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }

    QString m_hashedSecret;
    std::unique_ptr<TestHall> m_hall;
    std::unique_ptr<TestClock> m_clock;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<frm_syskey> m_screen;
};

void TestFrmSyskey::initTestCase()
{
    m_hashedSecret = PasswordHash::hash(QStringLiteral("Secret"));
    QVERIFY(PasswordHash::isHash(m_hashedSecret));
}

void TestFrmSyskey::init()
{
    m_hall = std::make_unique<TestHall>();
    QVERIFY2(m_hall->isValid(), qPrintable(m_hall->error()));
    m_clock = std::make_unique<TestClock>(QDateTime(QDate(2026, 12, 6), QTime(10, 0)));
    m_messages = std::make_unique<MessageRecorder>();
}

void TestFrmSyskey::cleanup()
{
    m_screen.reset();
    m_messages.reset();
    m_clock.reset();
    m_hall.reset();
}

void TestFrmSyskey::addOperator(const QString& name, const QVariant& password, bool system)
{
    QVERIFY2(m_hall->exec(QStringLiteral("insert into czyzd(czy_name, czy_pass, sys_tag) values (?, ?, ?)"),
                          {name, password, system ? 1 : 0}),
             qPrintable(m_hall->error()));
}

void TestFrmSyskey::addShift(const QString& name, const QString& start, const QString& end)
{
    QVERIFY2(m_hall->exec(QStringLiteral("insert into bclx(lxname, kssj, jssj) values (?, ?, ?)"), {name, start, end}),
             qPrintable(m_hall->error()));
}

frm_syskey* TestFrmSyskey::open()
{
    m_screen = std::make_unique<frm_syskey>(m_hall->state);
    m_screen->show();
    return m_screen.get();
}

void TestFrmSyskey::tryPassword(const QString& password)
{
    auto* text = control<QLineEdit>("text");
    text->clear();
    QTest::keyClicks(text, password);
    QTest::mouseClick(control<QPushButton>("Com_key_0"), Qt::LeftButton);
}

void TestFrmSyskey::passwordCheck_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");

    const QVariant plain(QStringLiteral("abc"));
    const QVariant hashed(m_hashedSecret);
    QTest::newRow("plain, other letter case") << plain << QStringLiteral("AbC") << true;
    QTest::newRow("hashed, other letter case") << hashed << QStringLiteral("sECRET") << true;
    QTest::newRow("plain, blanks typed around") << plain << QStringLiteral("  abc ") << true;
    QTest::newRow("hashed, blanks typed around") << hashed << QStringLiteral(" secret  ") << true;
    QTest::newRow("plain stored with blanks") << QVariant(QStringLiteral(" abc  ")) << QStringLiteral("abc") << true;
    QTest::newRow("null password, nothing typed") << QVariant() << QString() << true;
    QTest::newRow("null password, blanks typed") << QVariant() << QStringLiteral("   ") << true;
    QTest::newRow("null password, something typed") << QVariant() << QStringLiteral("x") << false;
    QTest::newRow("plain, wrong") << plain << QStringLiteral("abd") << false;
    QTest::newRow("plain, inner blank") << plain << QStringLiteral("a bc") << false;
    QTest::newRow("hashed, wrong") << hashed << QStringLiteral("Secre") << false;
}

// Enter in the password box logs in, as the button does.
void TestFrmSyskey::passwordCheck()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    addOperator(QStringLiteral("system"), QStringLiteral("1234"), true);
    addOperator(QStringLiteral("clerk "), stored);
    open();
    QSignalSpy loggedIn(m_screen.get(), &frm_syskey::loggedIn);
    control<QComboBox>("Comb")->setCurrentIndex(1);
    auto* text = control<QLineEdit>("text");
    QTest::keyClicks(text, typed);
    QTest::keyClick(text, Qt::Key_Return);

    QCOMPARE(loggedIn.count(), accepted ? 1 : 0);
    QCOMPARE(m_screen->isVisible(), !accepted);
    if (accepted) {
        QCOMPARE(m_messages->texts(), QStringList{});
        QCOMPARE(m_hall->state.OperatorName, QStringLiteral("clerk"));
        QVERIFY(!m_hall->state.IsSystemOperator);
    } else {
        QCOMPARE(m_messages->texts(), QStringList{Illegal});
        QCOMPARE(m_messages->last().icon, Messages::Icon::Critical);
        QCOMPARE(m_messages->last().caption, QStringLiteral("系统登录"));
        QCOMPARE(text->text(), QString());
        QCOMPARE(m_hall->state.OperatorName, QString());
    }
}

void TestFrmSyskey::loginFillsState()
{
    addShift(QStringLiteral(" 早班 "), QStringLiteral("08:00:00"), QStringLiteral("16:00:00"));
    addOperator(QStringLiteral("system"), QStringLiteral("1234"), true);
    open();
    auto* date = control<QLineEdit>("Txtdate");
    QCOMPARE(date->text(), QStringLiteral("2026-12-06"));
    date->clear();
    QTest::keyClicks(date, QStringLiteral("2026-3-5"));
    tryPassword(QStringLiteral("1234"));

    QCOMPARE(m_messages->texts(), QStringList{});
    QCOMPARE(m_hall->state.OperatorName, QStringLiteral("system"));
    QCOMPARE(m_hall->state.ShiftName, QStringLiteral("早班"));
    QCOMPARE(m_hall->state.BusinessDate, QDate(2026, 3, 5));
    QVERIFY(m_hall->state.IsSystemOperator);
}

void TestFrmSyskey::thirdWrongPasswordEndsProgram()
{
    addOperator(QStringLiteral("system"), QStringLiteral("1234"), true);
    open();
    QSignalSpy ended(m_screen.get(), &frm_syskey::endProgram);
    tryPassword(QStringLiteral("1"));
    tryPassword(QStringLiteral("2"));
    QCOMPARE(ended.count(), 0);
    QVERIFY(m_screen->isVisible());
    tryPassword(QStringLiteral("3"));

    QCOMPARE(m_messages->texts(), (QStringList{Illegal, Illegal, NoRight}));
    QCOMPARE(m_messages->last().icon, Messages::Icon::Critical);
    QCOMPARE(m_messages->last().caption, QStringLiteral("系统登录"));
    QCOMPARE(ended.count(), 1);
    QVERIFY(!m_screen->isVisible());
    QCOMPARE(m_hall->state.OperatorName, QString());
}

void TestFrmSyskey::badBusinessDateIsRefusedAndNotCounted_data()
{
    QTest::addColumn<QString>("date");
    QTest::newRow("month 13") << QStringLiteral("2026-13-01");
    QTest::newRow("30 February") << QStringLiteral("2026-02-30");
    QTest::newRow("not a date") << QStringLiteral("today");
    QTest::newRow("day first") << QStringLiteral("06-12-2026");
    QTest::newRow("empty") << QString();
}

void TestFrmSyskey::badBusinessDateIsRefusedAndNotCounted()
{
    QFETCH(QString, date);
    addOperator(QStringLiteral("system"), QStringLiteral("1234"), true);
    open();
    QVERIFY(QTest::qWaitForWindowActive(m_screen.get()));
    QSignalSpy loggedIn(m_screen.get(), &frm_syskey::loggedIn);
    QSignalSpy ended(m_screen.get(), &frm_syskey::endProgram);
    auto* box = control<QLineEdit>("Txtdate");
    box->setText(date);

    for (int i = 0; i < 3; ++i)
        tryPassword(QStringLiteral("wrong"));
    QCOMPARE(m_messages->texts(), (QStringList{BadDate, BadDate, BadDate}));
    QCOMPARE(m_messages->last().icon, Messages::Icon::Exclamation);
    QCOMPARE(m_messages->last().caption, QStringLiteral("系统登录"));
    QVERIFY(box->hasFocus());
    QCOMPARE(ended.count(), 0);

    tryPassword(QStringLiteral("1234"));
    QCOMPARE(loggedIn.count(), 0);
    QCOMPARE(m_hall->state.OperatorName, QString());

    box->setText(QStringLiteral("2026-12-07"));
    tryPassword(QStringLiteral("1234"));
    QCOMPARE(loggedIn.count(), 1);
    QCOMPARE(m_hall->state.BusinessDate, QDate(2026, 12, 7));
}

void TestFrmSyskey::emptyOperatorTable()
{
    open();
    QCOMPARE(m_messages->texts(), QStringList{NoOperators});
    QCOMPARE(m_messages->last().icon, Messages::Icon::Critical);
    QSignalSpy loggedIn(m_screen.get(), &frm_syskey::loggedIn);
    QSignalSpy ended(m_screen.get(), &frm_syskey::endProgram);
    tryPassword(QString());
    QCOMPARE(m_messages->texts(), (QStringList{NoOperators, NoOperators}));
    QCOMPARE(loggedIn.count(), 0);
    QCOMPARE(ended.count(), 0);
    QCOMPARE(m_hall->state.OperatorName, QString());
}

void TestFrmSyskey::passwordFocusSelectsAll()
{
    addOperator(QStringLiteral("system"), QStringLiteral("1234"), true);
    open();
    QVERIFY(QTest::qWaitForWindowActive(m_screen.get()));
    auto* text = control<QLineEdit>("text");
    QTest::keyClicks(text, QStringLiteral("12"));
    control<QLineEdit>("Txtdate")->setFocus(Qt::OtherFocusReason);
    QVERIFY(!text->hasSelectedText());
    text->setFocus(Qt::OtherFocusReason);
    QTRY_COMPARE(text->selectedText(), QStringLiteral("12"));
}

void TestFrmSyskey::givingUpEndsProgram_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("give-up button") << 0;
    QTest::newRow("Escape") << 1;
    QTest::newRow("window closed") << 2;
}

void TestFrmSyskey::givingUpEndsProgram()
{
    QFETCH(int, how);
    addOperator(QStringLiteral("system"), QStringLiteral("1234"), true);
    open();
    QSignalSpy loggedIn(m_screen.get(), &frm_syskey::loggedIn);
    QSignalSpy ended(m_screen.get(), &frm_syskey::endProgram);
    QTest::keyClicks(control<QLineEdit>("text"), QStringLiteral("1234"));
    if (how == 0)
        QTest::mouseClick(control<QPushButton>("Com_key_1"), Qt::LeftButton);
    else if (how == 1)
        QTest::keyClick(control<QLineEdit>("text"), Qt::Key_Escape);
    else
        m_screen->close();
    QCOMPARE(ended.count(), 1);
    QCOMPARE(loggedIn.count(), 0);
    QVERIFY(!m_screen->isVisible());
    QCOMPARE(m_messages->texts(), QStringList{});
}

void TestFrmSyskey::shiftPreselection_data()
{
    QTest::addColumn<QStringList>("shifts");
    QTest::addColumn<QTime>("now");
    QTest::addColumn<QString>("expected");

    const QStringList dayAndNight{QStringLiteral("早班|08:00:00|16:00:00"), QStringLiteral("夜班|22:00:00|06:00:00")};
    QTest::newRow("shift over midnight, late evening") << dayAndNight << QTime(23, 30) << QString();
    QTest::newRow("shift over midnight, early morning") << dayAndNight << QTime(2, 0) << QString();
    QTest::newRow("day shift") << dayAndNight << QTime(9, 15) << QStringLiteral("早班");
    QTest::newRow("none covers the time") << dayAndNight << QTime(18, 0) << QString();

    const QStringList overlapping{QStringLiteral("中班|12:00:00|20:00:00"), QStringLiteral(" 全天 |00:00:00|23:59:59"),
                                  QStringLiteral("早班|08:00:00|16:00:00")};
    QTest::newRow("two match, the later wins") << overlapping << QTime(17, 0) << QStringLiteral("全天");
    QTest::newRow("three match, the last wins") << overlapping << QTime(13, 0) << QStringLiteral("早班");
    QTest::newRow("start is inclusive") << overlapping << QTime(8, 0) << QStringLiteral("早班");
    QTest::newRow("end is inclusive to the second") << overlapping << QTime(20, 0, 0, 900) << QStringLiteral("全天");
    QTest::newRow("last second of the day") << overlapping << QTime(23, 59, 59, 500) << QStringLiteral("全天");
    QTest::newRow("times without seconds")
        << QStringList{QStringLiteral("晚班|16:00|23:00")} << QTime(22, 59, 30) << QStringLiteral("晚班");
    QTest::newRow("time not readable") << QStringList{QStringLiteral("坏班|soon|23:00:00")} << QTime(12, 0)
                                       << QString();
}

void TestFrmSyskey::shiftPreselection()
{
    QFETCH(QStringList, shifts);
    QFETCH(QTime, now);
    QFETCH(QString, expected);
    for (const QString& shift : shifts) {
        const QStringList parts = shift.split(QLatin1Char('|'));
        addShift(parts[0], parts[1], parts[2]);
    }
    addOperator(QStringLiteral("system"), QStringLiteral("1234"), true);
    m_clock->set(QDateTime(QDate(2026, 12, 6), now));
    open();
    auto* list = control<QComboBox>("Cmbbc");
    QCOMPARE(list->count(), shifts.size());
    QCOMPARE(list->currentText(), expected);
    QCOMPARE(list->currentIndex() == -1, expected.isEmpty());
}

void TestFrmSyskey::timerClosesSplash()
{
    addOperator(QStringLiteral("system"), QStringLiteral("1234"), true);
    QWidget splash;
    m_screen = std::make_unique<frm_syskey>(m_hall->state, &splash);
    QVERIFY(splash.isVisible());
    QVERIFY(splash.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(m_screen->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QSignalSpy ended(m_screen.get(), &frm_syskey::endProgram);
    auto* timer = control<QTimer>("Timer1");
    QCOMPARE(timer->interval(), 1500);
    QVERIFY(timer->isSingleShot());
    timer->setInterval(0);
    QTRY_VERIFY(!splash.isVisible());
    QCOMPARE(ended.count(), 0);
}

QTEST_MAIN(TestFrmSyskey)
#include "test_frm_syskey.moc"
