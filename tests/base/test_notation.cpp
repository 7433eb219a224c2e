#include "base/Notation.h"

#include <QTest>

using namespace Notation;

class TestNotation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void val_data();
    void val();
    void cint_data();
    void cint();
    void cbool_data();
    void cbool();
    void format_data();
    void format();
    void str();
    void text_data();
    void text();
    void roundHalfEven_data();
    void roundHalfEven();
};

void TestNotation::val_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("digits then letters") << "12ab" << 12.0;
    QTest::newRow("leading blanks") << "   7" << 7.0;
    QTest::newRow("decimal") << "8.5" << 8.5;
    QTest::newRow("negative") << "-3.25x" << -3.25;
    QTest::newRow("no number") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("point only") << "." << 0.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("dangling exponent") << "2e" << 2.0;
    QTest::newRow("full-width digits are not digits") << "１２" << 0.0;
}

void TestNotation::val()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(Val(text), expected);
}

void TestNotation::cint_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("converts");
    QTest::addColumn<int>("expected");
    QTest::newRow("half down to even") << 2.5 << true << 2;
    QTest::newRow("half up to even") << 3.5 << true << 4;
    QTest::newRow("negative half") << -2.5 << true << -2;
    QTest::newRow("below half") << 2.49 << true << 2;
    QTest::newRow("above half") << 2.51 << true << 3;
    QTest::newRow("largest") << 32767.0 << true << 32767;
    QTest::newRow("rounds to largest") << 32767.4 << true << 32767;
    QTest::newRow("overflow by rounding") << 32767.5 << false << 0;
    QTest::newRow("overflow") << 40000.0 << false << 0;
    QTest::newRow("smallest") << -32768.0 << true << -32768;
    QTest::newRow("underflow") << -32769.0 << false << 0;
}

void TestNotation::cint()
{
    QFETCH(double, value);
    QFETCH(bool, converts);
    QFETCH(int, expected);
    const auto result = CInt(value);
    QCOMPARE(result.has_value(), converts);
    if (converts)
        QCOMPARE(int(*result), expected);
}

void TestNotation::cbool_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -1: not a truth value
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("one") << "1" << 1;
    QTest::newRow("minus one") << "-1" << 1;
    QTest::newRow("blanks around") << " 1 " << 1;
    QTest::newRow("word") << "True" << 1;
    QTest::newRow("false word") << "FALSE" << 0;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("other text") << "yes" << -1;
}

void TestNotation::cbool()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    const auto value = CBool(text);
    QCOMPARE(value.has_value(), expected >= 0);
    if (value)
        QCOMPARE(int(*value), expected);
}

void TestNotation::format_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("expected");
    QTest::newRow("pads to two") << 5.0 << "00"
                                 << "05";
    QTest::newRow("two already") << 47.0 << "00"
                                 << "47";
    QTest::newRow("more than two") << 125.0 << "00"
                                   << "125";
    QTest::newRow("money") << 12.5 << "##0.00"
                           << "12.50";
    QTest::newRow("below one") << 0.5 << "##0.00"
                               << "0.50";
    QTest::newRow("zero") << 0.0 << "##0.00"
                          << "0.00";
    QTest::newRow("rounds half up") << 2.345 << "##0.00"
                                    << "2.35";
    QTest::newRow("negative") << -1.5 << "##0.00"
                              << "-1.50";
    QTest::newRow("negative rounding to zero") << -0.001 << "##0.00"
                                               << "0.00";
    QTest::newRow("wide picture") << 123456.789 << "#####0.00"
                                  << "123456.79";
    QTest::newRow("wider picture") << 3.0 << "##########0.00"
                                   << "3.00";
    QTest::newRow("widest picture") << 1234567.0 << "###########0.00"
                                    << "1234567.00";
}

void TestNotation::format()
{
    QFETCH(double, value);
    QFETCH(QString, picture);
    QFETCH(QString, expected);
    QCOMPARE(Format(value, picture), expected);
}

void TestNotation::str()
{
    QCOMPARE(Str(12), QStringLiteral(" 12"));
    QCOMPARE(Str(0), QStringLiteral(" 0"));
    QCOMPARE(Str(-4), QStringLiteral("-4"));
    QCOMPARE(Str(1.5), QStringLiteral(" 1.5"));
}

void TestNotation::text_data()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");
    QTest::newRow("trim blanks") << Trim(QStringLiteral("  台1  ")) << QStringLiteral("台1");
    QTest::newRow("trim keeps inner blanks") << Trim(QStringLiteral(" a b ")) << QStringLiteral("a b");
    QTest::newRow("left in characters") << Left(QStringLiteral("会员卡号123"), 4) << QStringLiteral("会员卡号");
    QTest::newRow("left beyond end") << Left(QStringLiteral("ab"), 5) << QStringLiteral("ab");
    QTest::newRow("left of none") << Left(QStringLiteral("ab"), 0) << QString();
    QTest::newRow("mid is one-based") << Mid(QStringLiteral("abcdef"), 2, 3) << QStringLiteral("bcd");
    QTest::newRow("mid to the end") << Mid(QStringLiteral("abcdef"), 4) << QStringLiteral("def");
    QTest::newRow("mid past the end") << Mid(QStringLiteral("abc"), 5, 2) << QString();
    QTest::newRow("mid of Chinese") << Mid(QStringLiteral("台位号码"), 2, 2) << QStringLiteral("位号");
    QTest::newRow("ucase") << UCase(QStringLiteral("abC1")) << QStringLiteral("ABC1");
}

void TestNotation::text()
{
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
}

void TestNotation::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("places");
    QTest::addColumn<double>("expected");
    QTest::newRow("22.5 to even below") << 22.5 << 0 << 22.0;
    QTest::newRow("23.5 to even above") << 23.5 << 0 << 24.0;
    QTest::newRow("thirds at one place") << 20.0 / 3.0 << 1 << 6.7;
    QTest::newRow("decimal half at cents") << 0.285 << 2 << 0.28;
    QTest::newRow("decimal half at cents, odd") << 0.275 << 2 << 0.28;
    QTest::newRow("not a half") << 2.6749 << 2 << 2.67;
    QTest::newRow("negative half") << -2.5 << 0 << -2.0;
    QTest::newRow("whole stays") << 15.0 << 1 << 15.0;
    QTest::newRow("float-widened half") << double(15.25f) << 1 << 15.2;
    QTest::newRow("three places") << 1.0005 << 3 << 1.0;
}

void TestNotation::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(int, places);
    QFETCH(double, expected);
    QCOMPARE(Notation::roundHalfEven(value, places), expected);
}

QTEST_GUILESS_MAIN(TestNotation)
#include "test_notation.moc"
