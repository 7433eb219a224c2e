#include "core/base/AppState.h"
#include "support/HallFixture.h"
#include "ui/admin/DateDialog.h"
#include "ui/admin/PasswordDialog.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

void addAnswers()
{
    QTest::addColumn<bool>("confirmed");
    QTest::newRow("confirmed") << true;
    QTest::newRow("cancelled") << false;
}

} // namespace

// Both dialogs hand their answer back only when confirmed.
class TestSmallDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void passwordPrompt();
    void passwordPrompt_data() { addAnswers(); }
    void dateDialog();
    void dateDialog_data() { addAnswers(); }
};

void TestSmallDialogs::passwordPrompt()
{
    QFETCH(bool, confirmed);
    AppState state;
    state.EnteredPassword = QStringLiteral("earlier");
    PasswordDialog prompt(state);
    prompt.show();
    auto* text1 = control<QLineEdit>(&prompt, QStringLiteral("Text1"));
    QCOMPARE(text1->echoMode(), QLineEdit::Password);
    QTest::keyClicks(text1, QStringLiteral(" Secret "));
    QTest::mouseClick(
        control<QPushButton>(&prompt, confirmed ? QStringLiteral("Command1") : QStringLiteral("Command2")),
        Qt::LeftButton);
    QCOMPARE(state.EnteredPassword, confirmed ? QStringLiteral(" Secret ") : QStringLiteral("earlier"));
    QCOMPARE(prompt.result(), int(confirmed ? QDialog::Accepted : QDialog::Rejected));
}

void TestSmallDialogs::dateDialog()
{
    QFETCH(bool, confirmed);
    AppState state;
    state.PickedDate = QDate(2026, 3, 15);
    DateDialog dialog(state);
    dialog.show();
    auto* calendar = control<QCalendarWidget>(&dialog, QStringLiteral("monthdate"));
    QCOMPARE(calendar->selectedDate(), state.PickedDate);
    calendar->setSelectedDate(QDate(2026, 3, 20));
    QTest::mouseClick(
        control<QPushButton>(&dialog, confirmed ? QStringLiteral("Cmddate_0") : QStringLiteral("Cmddate_1")),
        Qt::LeftButton);
    QCOMPARE(state.PickedDate, confirmed ? QDate(2026, 3, 20) : QDate(2026, 3, 15));
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(TestSmallDialogs)
#include "test_small_dialogs.moc"
