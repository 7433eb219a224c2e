#include "base/Sql.h"
#include "data/FrmstcsSET.h"
#include "support/MessageRecorder.h"
#include "support/TestHall.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

namespace {

QString element(const char* name, int i)
{
    return QString::fromLatin1(name) + QLatin1Char('_') + QString::number(i);
}

QVariant storedValue(TestHall& hall, const QString& name)
{
    return Sql::scalar(hall.db(), QStringLiteral("select valuenr from stcs where sm=? and lx='st'"), {name});
}

} // namespace

class FrmstcsSETTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void listsVisibleRowsWithHelp();
    void savesEditedValues();

private:
    QLineEdit* box(const QString& name) const;
    void typeInto(const QString& name, const QString& text);

    std::unique_ptr<TestHall> m_hall;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<FrmstcsSET> m_screen;
    QStringList m_names;
    QList<QLineEdit*> m_boxes;
};

void FrmstcsSETTest::init()
{
    m_hall = std::make_unique<TestHall>();
    QVERIFY2(m_hall->isValid(), qPrintable(m_hall->error()));
    if (!m_hall->addShippedRows()) {
        for (const char* row : {"公司名称|台球俱乐部|st", "灯光控制|0|st", "传输速率|1200,n,8,1|dk"}) {
            const QStringList parts = QString::fromUtf8(row).split(QLatin1Char('|'));
            QVERIFY(m_hall->exec(QStringLiteral("insert into stcs(sm,valuenr,lx) values (?,?,?)"),
                                 {parts[0], parts[1], parts[2]}));
        }
    }
    QVERIFY(m_hall->exec(QStringLiteral("insert into stcs(sm,valuenr,lx) values ('隐藏','1','dkset')")));
    m_messages = std::make_unique<MessageRecorder>();
    m_screen = std::make_unique<FrmstcsSET>(m_hall->state);
    QCOMPARE(m_messages->texts(), QStringList{});
    for (int i = 0; auto* edit = m_screen->findChild<QLineEdit*>(element("Txtspzd", i)); ++i) {
        auto* name = m_screen->findChild<QLabel*>(element("Labspzd", i));
        QVERIFY(name);
        m_names.append(name->text());
        m_boxes.append(edit);
    }
}

void FrmstcsSETTest::cleanup()
{
    m_screen.reset();
    m_messages.reset();
    m_hall.reset();
    m_names.clear();
    m_boxes.clear();
}

QLineEdit* FrmstcsSETTest::box(const QString& name) const
{
    const qsizetype i = m_names.indexOf(name);
    return i < 0 ? nullptr : m_boxes.at(i);
}

void FrmstcsSETTest::typeInto(const QString& name, const QString& text)
{
    QLineEdit* edit = box(name);
    QVERIFY2(edit, qPrintable(name));
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void FrmstcsSETTest::listsVisibleRowsWithHelp()
{
    const int visible =
        Sql::scalar(m_hall->db(), QStringLiteral("select count(*) from stcs where lx<>'dkset'")).toInt();
    QCOMPARE(m_boxes.size(), visible);
    QVERIFY(!m_names.contains(QStringLiteral("隐藏")));
    QVERIFY(m_names.contains(QStringLiteral("传输速率")));
    QCOMPARE(box(QStringLiteral("网格高度"))->text(), QStringLiteral("450"));
    QCOMPARE(box(QStringLiteral("网格高度"))->toolTip(), QStringLiteral("设置显示网格高度"));
    const int row = box(QStringLiteral("网格高度"))->objectName().section(QLatin1Char('_'), 1).toInt();
    QCOMPARE(m_screen->findChild<QLabel*>(element("Labsm", row))->text(), QStringLiteral("设置显示网格高度"));

    m_screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    QVERIFY(m_screen->findChild<QScrollArea*>(QStringLiteral("Picture1"))->verticalScrollBar()->maximum() > 0);
}

void FrmstcsSETTest::savesEditedValues()
{
    for (QLineEdit* edit : std::as_const(m_boxes)) {
        if (edit->text().isEmpty())
            QTest::keyClicks(edit, QStringLiteral("-"));
    }
    typeInto(QStringLiteral("网格高度"), QStringLiteral("520"));
    typeInto(QStringLiteral("会员卡号长度"), QString());
    typeInto(QStringLiteral("公司名称"), QStringLiteral("King's Hall"));
    QTest::mouseClick(m_screen->findChild<QPushButton*>(QStringLiteral("Cmduser")), Qt::LeftButton);

    QCOMPARE(m_messages->texts(),
             (QStringList{QStringLiteral("会员卡号长度参数不能为空！"), QStringLiteral("正确参数保存完成！")}));
    for (const auto& message : m_messages->messages())
        QCOMPARE(message.icon, Messages::Icon::Exclamation);
    QCOMPARE(storedValue(*m_hall, QStringLiteral("网格高度")), QVariant(QStringLiteral("520")));
    QCOMPARE(storedValue(*m_hall, QStringLiteral("会员卡号长度")), QVariant(QStringLiteral("10")));
    QCOMPARE(storedValue(*m_hall, QStringLiteral("公司名称")), QVariant(QStringLiteral("King's Hall")));
}

QTEST_MAIN(FrmstcsSETTest)
#include "test_frmstcsset.moc"
