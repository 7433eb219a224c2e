#include "core/base/ErrorReporter.h"
#include "core/base/Notation.h"

#include <QSqlError>
#include <QTest>

using namespace Notation;

class TestNotation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void numbers_data();
    void numbers();
    void format_data();
    void format();
    void roundHalfEven_data();
    void roundHalfEven();
};

// Each conversion as "value" or "none", so that one table holds them all.
void TestNotation::numbers_data()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");
    const auto shown = [](const auto& value) {
        return value ? QString::number(double(*value)) : QStringLiteral("none");
    };
    QTest::newRow("Val stops at letters") << QString::number(Val(QStringLiteral("  12ab"))) << "12";
    QTest::newRow("Val of a leading point") << QString::number(Val(QStringLiteral(".5x"))) << "0.5";
    QTest::newRow("Val of nothing") << QString::number(Val(QStringLiteral("abc"))) << "0";
    QTest::newRow("Val of full-width digits") << QString::number(Val(QStringLiteral("１２"))) << "0";
    QTest::newRow("CInt half to even below") << shown(CInt(2.5)) << "2";
    QTest::newRow("CInt half to even above") << shown(CInt(3.5)) << "4";
    QTest::newRow("CInt largest") << shown(CInt(32767.4)) << "32767";
    QTest::newRow("CInt overflow by rounding") << shown(CInt(32767.5)) << "none";
    QTest::newRow("CInt underflow") << shown(CInt(-32769.0)) << "none";
    QTest::newRow("CInt of trailing text") << shown(CInt(QStringLiteral("12ab"))) << "none";
    QTest::newRow("CInt of blanks around") << shown(CInt(QStringLiteral(" 600 "))) << "600";
    QTest::newRow("CBool minus one") << shown(CBool(QStringLiteral("-1"))) << "1";
    QTest::newRow("CBool word") << shown(CBool(QStringLiteral("FALSE"))) << "0";
    QTest::newRow("CBool empty") << shown(CBool(QString())) << "none";
    QTest::newRow("CBool other word") << shown(CBool(QStringLiteral("yes"))) << "none";
    QTest::newRow("Mid is one-based") << Mid(QStringLiteral("台位号码"), 2, 2) << "位号";
    QTest::newRow("Mid past the end") << Mid(QStringLiteral("abc"), 5, 2) << "";
    QTest::newRow("Left beyond the end") << Left(QStringLiteral("ab"), 5) << "ab";
    // A failed statement's first line as the operator reads it (SQLite's code,
    // 0 where the driver passes none on): only bad data asks to type again.
    const auto worded = [](int code, const char* said) {
        const Result result = Result::fromSqlError(QSqlError(
            QString(), QString::fromLatin1(said), QSqlError::StatementError, code ? QString::number(code) : QString()));
        return errorText(result.number(), result.message()).section(QLatin1Char('\n'), 0, 0);
    };
    QTest::newRow("full disk at commit") << worded(0, "database or disk is full") << "磁盘已满，请先腾出磁盘空间";
    QTest::newRow("read-only file") << worded(8, "attempt to write a readonly database")
                                    << "数据文件是只读的，无法写入";
    QTest::newRow("bad data") << worded(19, "UNIQUE constraint failed: hyk.khao") << "数据有误，请重新输入!";
}

void TestNotation::numbers()
{
    QFETCH(QString, actual);
    QTEST(actual, "expected");
}

void TestNotation::format_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("expected");
    QTest::newRow("pads") << 5.0 << QStringLiteral("00") << QStringLiteral("05");
    QTest::newRow("grows") << 125.0 << QStringLiteral("00") << QStringLiteral("125");
    QTest::newRow("below one") << 0.5 << QStringLiteral("##0.00") << QStringLiteral("0.50");
    QTest::newRow("half away from zero") << 2.345 << QStringLiteral("##0.00") << QStringLiteral("2.35");
    QTest::newRow("negative") << -1.5 << QStringLiteral("##0.00") << QStringLiteral("-1.50");
    QTest::newRow("no negative zero") << -0.001 << QStringLiteral("##0.00") << QStringLiteral("0.00");
    QTest::newRow("wider than the picture") << 1234567.0 << QStringLiteral("#####0.00") << QStringLiteral("1234567.00");
}

void TestNotation::format()
{
    QFETCH(double, value);
    QFETCH(QString, picture);
    QTEST(Format(value, picture), "expected");
}

void TestNotation::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("places");
    QTest::addColumn<double>("expected");
    QTest::newRow("to even below") << 22.5 << 0 << 22.0;
    QTest::newRow("to even above") << 23.5 << 0 << 24.0;
    QTest::newRow("decimal half at cents") << 0.285 << 2 << 0.28;
    QTest::newRow("decimal half at cents, odd") << 0.275 << 2 << 0.28;
    QTest::newRow("not a half") << 2.6749 << 2 << 2.67;
    QTest::newRow("negative half") << -2.5 << 0 << -2.0;
    QTest::newRow("float-widened half") << double(15.25f) << 1 << 15.2;
}

void TestNotation::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(int, places);
    QTEST(Notation::roundHalfEven(value, places), "expected");
}

QTEST_GUILESS_MAIN(TestNotation)
#include "test_notation.moc"
