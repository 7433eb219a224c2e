#include "support/HallFixture.h"
#include "ui/admin/OperatorLogScreen.h"
#include "ui/admin/OperatorRightsScreen.h"
#include "ui/admin/PasswordChangeDialog.h"

#include <QTest>

#include <memory>

namespace {

std::unique_ptr<QDialog> openScreen(const QString& screen, AppState& state)
{
    if (screen == QLatin1String("OperatorRightsScreen"))
        return std::make_unique<OperatorRightsScreen>(state);
    if (screen == QLatin1String("OperatorLogScreen"))
        return std::make_unique<OperatorLogScreen>(state);
    return std::make_unique<PasswordChangeDialog>(state);
}

} // namespace

// Every screen that keeps an operator-log entry: written on opening, closed
// once on closing, and a failure of either shown to the operator.
class TestScreenLogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writtenOnOpenClosedOnce_data();
    void writtenOnOpenClosedOnce();
    void closingFailureIsShown();
};

void TestScreenLogs::writtenOnOpenClosedOnce_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("entry");
    QTest::newRow("rights") << "OperatorRightsScreen" << QStringLiteral("操作员权限设置");
    QTest::newRow("log viewer") << "OperatorLogScreen" << QStringLiteral("操作员日志");
    QTest::newRow("password change") << "PasswordChangeDialog" << QStringLiteral("操作员口令变更");
}

void TestScreenLogs::writtenOnOpenClosedOnce()
{
    QFETCH(QString, screen);
    QFETCH(QString, entry);
    HallFixture f(today("09:30:00"));
    f.hall.state.CounterName = QStringLiteral("二号吧台");
    std::unique_ptr<QDialog> dialog = openScreen(screen, f.hall.state);
    dialog->show();
    const QString rows = QStringLiteral(
        "select czyname, czyxm, init_time, coalesce(last_time, 'open'), zdname from czyrzh order by tag");
    QCOMPARE(f.hall.rows(rows),
             QStringList{QStringLiteral("system|") + entry + QStringLiteral("|2026-12-06 09:30:00|open|二号吧台")});

    f.clock.set(today("09:45:00"));
    dialog->reject();
    f.clock.set(today("09:50:00"));
    dialog.reset();
    QCOMPARE(f.hall.rows(rows), QStringList{QStringLiteral("system|") + entry +
                                            QStringLiteral("|2026-12-06 09:30:00|2026-12-06 09:45:00|二号吧台")});
    QCOMPARE(f.messages.count(), 0);
}

// The entry is closed from the destructor too, where a failure is easily lost.
void TestScreenLogs::closingFailureIsShown()
{
    HallFixture f;
    QVERIFY(f.hall.refuse(QStringLiteral("refuse"), QStringLiteral("before update on czyrzh"),
                          QStringLiteral("log refused")));
    OperatorLogScreen screen(f.hall.state);
    screen.reject();
    QCOMPARE(f.messages.count(), 1);
    QVERIFY2(f.messages.last().text.contains(QStringLiteral("log refused")), qPrintable(f.messages.last().text));
}

QTEST_MAIN(TestScreenLogs)
#include "test_screen_logs.moc"
