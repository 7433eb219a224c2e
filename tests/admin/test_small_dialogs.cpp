#include "admin/Form_datecz.h"
#include "admin/Form_kl.h"
#include "base/AppState.h"
#include "support/HallFixture.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestSmallDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void passwordPromptStoresOnlyWhenConfirmed_data();
    void passwordPromptStoresOnlyWhenConfirmed();
    void dateDialogReturnsOnlyWhenAccepted_data();
    void dateDialogReturnsOnlyWhenAccepted();
};

void TestSmallDialogs::passwordPromptStoresOnlyWhenConfirmed_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("result");
    QTest::newRow("confirm") << "Command1"
                             << " Secret " << int(QDialog::Accepted);
    QTest::newRow("exit") << "Command2"
                          << "earlier" << int(QDialog::Rejected);
}

void TestSmallDialogs::passwordPromptStoresOnlyWhenConfirmed()
{
    QFETCH(QString, button);
    QFETCH(QString, expected);
    QFETCH(int, result);
    AppState state;
    state.EnteredPassword = QStringLiteral("earlier");
    Form_kl prompt(state);
    prompt.show();
    auto* text1 = control<QLineEdit>(&prompt, QStringLiteral("Text1"));
    QCOMPARE(text1->echoMode(), QLineEdit::Password);
    QTest::keyClicks(text1, QStringLiteral(" Secret "));

    QTest::mouseClick(control<QPushButton>(&prompt, button), Qt::LeftButton);

    QCOMPARE(state.EnteredPassword, expected);
    QCOMPARE(prompt.result(), result);
    QVERIFY(!prompt.isVisible());
}

void TestSmallDialogs::dateDialogReturnsOnlyWhenAccepted_data()
{
    QTest::addColumn<QDate>("picked"); // before the dialog; none shows today
    QTest::addColumn<QString>("button");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("accept") << QDate(2026, 3, 15) << "Cmddate_0" << QDate(2026, 3, 20);
    QTest::newRow("cancel") << QDate(2026, 3, 15) << "Cmddate_1" << QDate(2026, 3, 15);
    QTest::newRow("no date yet, cancel") << QDate() << "Cmddate_1" << QDate();
}

void TestSmallDialogs::dateDialogReturnsOnlyWhenAccepted()
{
    QFETCH(QDate, picked);
    QFETCH(QString, button);
    QFETCH(QDate, expected);
    TestClock clock(QDateTime(QDate(2031, 7, 9), QTime(12, 0)));
    AppState state;
    state.PickedDate = picked;
    Form_datecz dialog(state);
    dialog.show();
    auto* calendar = control<QCalendarWidget>(&dialog, QStringLiteral("monthdate"));
    QCOMPARE(calendar->selectedDate(), picked.isValid() ? picked : QDate(2031, 7, 9));
    calendar->setSelectedDate(QDate(2026, 3, 20));

    QTest::mouseClick(control<QPushButton>(&dialog, button), Qt::LeftButton);

    QCOMPARE(state.PickedDate, expected);
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(TestSmallDialogs)
#include "test_small_dialogs.moc"
