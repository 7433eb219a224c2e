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

QTEST_MAIN(TestSmallDialogs)
#include "test_small_dialogs.moc"
