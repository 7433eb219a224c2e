#include "admin/Form_datecz.h"
#include "admin/Form_kl.h"
#include "base/AppState.h"
#include "support/TestClock.h"

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
    void dateDialogWithoutADateShowsToday();
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
    auto* text1 = prompt.findChild<QLineEdit*>(QStringLiteral("Text1"));
    QCOMPARE(text1->echoMode(), QLineEdit::Password);
    QTest::keyClicks(text1, QStringLiteral(" Secret "));

    QTest::mouseClick(prompt.findChild<QPushButton*>(button), Qt::LeftButton);

    QCOMPARE(state.EnteredPassword, expected);
    QCOMPARE(prompt.result(), result);
    QVERIFY(!prompt.isVisible());
}

void TestSmallDialogs::dateDialogReturnsOnlyWhenAccepted_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("accept") << "Cmddate_0" << QDate(2026, 3, 20);
    QTest::newRow("cancel") << "Cmddate_1" << QDate(2026, 3, 15);
}

void TestSmallDialogs::dateDialogReturnsOnlyWhenAccepted()
{
    QFETCH(QString, button);
    QFETCH(QDate, expected);
    AppState state;
    state.PickedDate = QDate(2026, 3, 15);
    Form_datecz dialog(state);
    dialog.show();
    auto* calendar = dialog.findChild<QCalendarWidget*>(QStringLiteral("monthdate"));
    QCOMPARE(calendar->selectedDate(), QDate(2026, 3, 15));
    calendar->setSelectedDate(QDate(2026, 3, 20));

    QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);

    QCOMPARE(state.PickedDate, expected);
    QVERIFY(!dialog.isVisible());
}

void TestSmallDialogs::dateDialogWithoutADateShowsToday()
{
    TestClock clock(QDateTime(QDate(2031, 7, 9), QTime(12, 0)));
    AppState state;
    Form_datecz dialog(state);
    QCOMPARE(dialog.findChild<QCalendarWidget*>(QStringLiteral("monthdate"))->selectedDate(), QDate(2031, 7, 9));
}

QTEST_MAIN(TestSmallDialogs)
#include "test_small_dialogs.moc"
