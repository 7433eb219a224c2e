#include "support/HallFixture.h"
#include "ui/data/ParametersScreen.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class FrmstcsSETTest : public QObject
{
    Q_OBJECT

private slots:
    void editsReachTheTable();
};

// Each box shows its row and saves into it; an emptied box is named and kept.
void FrmstcsSETTest::editsReachTheTable()
{
    HallFixture hall;
    QVERIFY2(hall.ready(), qPrintable(hall.error()));
    QVERIFY(hall.hall.exec(QStringLiteral("insert into stcs(sm,valuenr,lx) values ('隐藏','1','dkset')")));
    ParametersScreen screen(hall.hall.state);
    QHash<QString, QLineEdit*> boxes;
    int count = 0;
    for (; auto* box = screen.findChild<QLineEdit*>(QStringLiteral("Txtspzd_") + QString::number(count)); ++count)
        boxes.insert(control<QLabel>(&screen, QStringLiteral("Labspzd_") + QString::number(count))->text(), box);
    QCOMPARE(count, hall.value(QStringLiteral("select count(*) from stcs where lx<>'dkset'")).toInt());
    QCOMPARE(boxes.value(QStringLiteral("网格高度"))->text(), QStringLiteral("450"));

    boxes.value(QStringLiteral("网格高度"))->setText(QStringLiteral("520"));
    boxes.value(QStringLiteral("会员卡号长度"))->clear();
    QTest::mouseClick(control<QPushButton>(&screen, QStringLiteral("Cmduser")), Qt::LeftButton);
    QCOMPARE(hall.messages.texts(),
             (QStringList{QStringLiteral("会员卡号长度参数不能为空！"), QStringLiteral("正确参数保存完成！")}));
    const QString stored = QStringLiteral("select valuenr from stcs where sm=? and lx='st'");
    QCOMPARE(hall.value(stored, {QStringLiteral("网格高度")}).toString(), QStringLiteral("520"));
    QCOMPARE(hall.value(stored, {QStringLiteral("会员卡号长度")}).toString(), QStringLiteral("10"));
}

QTEST_MAIN(FrmstcsSETTest)
#include "test_parameters_screen.moc"
