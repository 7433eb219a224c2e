#include "base/ModCWCl.h"

#include <QSqlError>
#include <QTest>

// A failing statement is worded by what went wrong: only what really is bad
// data asks the operator to type again.
class TestErrorText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wordedByCause_data();
    void wordedByCause();
};

void TestErrorText::wordedByCause_data()
{
    QTest::addColumn<int>("code"); // SQLite's, 0 where the driver passes none on
    QTest::addColumn<QString>("said");
    QTest::addColumn<QString>("shown");
    QTest::newRow("busy") << 5 << "database is locked" << QStringLiteral("数据文件被其他程序锁定");
    QTest::newRow("read-only") << 8 << "attempt to write a readonly database" << QStringLiteral("数据文件是只读的");
    QTest::newRow("disk full") << 13 << "database or disk is full" << QStringLiteral("磁盘已满");
    QTest::newRow("disk full at commit") << 0 << "database or disk is full" << QStringLiteral("磁盘已满");
    QTest::newRow("damaged") << 11 << "database disk image is malformed" << QStringLiteral("数据文件已损坏");
    QTest::newRow("not a database") << 26 << "file is not a database" << QStringLiteral("不是 Tavoro 数据库");
    QTest::newRow("bad data") << 19 << "UNIQUE constraint failed: hyk.khao" << QStringLiteral("数据有误，请重新输入!");
}

void TestErrorText::wordedByCause()
{
    QFETCH(int, code);
    QFETCH(QString, said);
    QFETCH(QString, shown);
    const Result result =
        Result::fromSqlError(QSqlError(QStringLiteral("Unable to fetch row"), said, QSqlError::StatementError,
                                       code ? QString::number(code) : QString()));
    const QString text = errorText(result.number(), result.message());
    QVERIFY2(text.startsWith(shown) && text.contains(said), qPrintable(text));
}

QTEST_GUILESS_MAIN(TestErrorText)
#include "test_errortext.moc"
