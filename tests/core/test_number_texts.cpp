#include "core/arithmetic_error.h"
#include "core/checked.h"
#include "core/display_pattern.h"
#include "core/number_parse.h"
#include "core/plain_number.h"
#include "core/rounding.h"
#include "program/typed_text.h"

#include <QtTest>

#include <cmath>
#include <limits>

using namespace kandelo::core;

namespace {
const double Inf = std::numeric_limits<double>::infinity();
const double NaN = std::numeric_limits<double>::quiet_NaN();

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}
} // namespace

class TestNumberTexts : public QObject {
    Q_OBJECT

private slots:
    void leadingNumber_data();
    void leadingNumber();
    void parseNumber_data();
    void parseNumber();
    void parseSignedNumber_data();
    void parseSignedNumber();
    void readTypedNumber_data();
    void readTypedNumber();
    void typedTextIsOneLine_data();
    void typedTextIsOneLine();
    void plainNumberText_data();
    void plainNumberText();
    void formatNumber_data();
    void formatNumber();
    void formatNumberRefusesNonFinite();
    void groupedNumberText_data();
    void groupedNumberText();
    void formatText_data();
    void formatText();
    void roundHalfEven_data();
    void roundHalfEven();
    void addHalfAndTruncate_data();
    void addHalfAndTruncate();
    void checkedArithmetic();
};

void TestNumberTexts::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("integer") << "1000" << 1000.0;
    QTest::newRow("leading spaces") << "   750" << 750.0;
    QTest::newRow("decimal") << "484.3" << 484.3;
    QTest::newRow("negative") << "-250" << -250.0;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("point last") << "5." << 5.0;
    QTest::newRow("second point ends it") << "1.2.3" << 1.2;
    QTest::newRow("trailing letters ignored") << "12abc" << 12.0;
    QTest::newRow("lone minus") << "-" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("letters first") << "abc12" << 0.0;
    QTest::newRow("minus after digits ignored") << "12-3" << 12.0;
    QTest::newRow("plus sign is not a number") << "+5" << 0.0;
    QTest::newRow("grouping stops it") << "1,000" << 1.0;
    QTest::newRow("exponent stops it") << "1e3" << 1.0;
    QTest::newRow("full-width digits") << "１２" << 0.0;
    QTest::newRow("long run of digits") << QString(400, '9') << Inf;
    QTest::newRow("long negative run") << "-" + QString(400, '9') << -Inf;
    QTest::newRow("too small to tell from zero") << "0." + QString(400, '0') + "1" << 0.0;
    QTest::newRow("a tab is not a space") << "\t12" << 0.0;
}

void TestNumberTexts::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(kandelo::core::leadingNumber(text.toStdString()), value);
}

void TestNumberTexts::parseNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");
    QTest::newRow("integer") << "1000" << true << 1000.0;
    QTest::newRow("spaces around") << "  -250  " << true << -250.0;
    QTest::newRow("converted power factor") << " 750" << true << 750.0;
    QTest::newRow("point first") << ".5" << true << 0.5;
    QTest::newRow("point last") << "5." << true << 5.0;
    QTest::newRow("minus zero") << "-0" << true << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("spaces only") << "   " << false << 0.0;
    QTest::newRow("two points") << "1.2.3" << false << 0.0;
    QTest::newRow("lone minus") << "-" << false << 0.0;
    QTest::newRow("lone point") << "." << false << 0.0;
    QTest::newRow("plus sign") << "+5" << false << 0.0;
    QTest::newRow("grouping") << "1,000" << false << 0.0;
    QTest::newRow("exponent") << "1e3" << false << 0.0;
    QTest::newRow("full-width digits") << "１２" << false << 0.0;
    QTest::newRow("inner space") << "1 2" << false << 0.0;
    QTest::newRow("minus inside") << "1-2" << false << 0.0;
    QTest::newRow("letter after") << "2a" << false << 0.0;
    QTest::newRow("beyond a double") << QString(400, '9') << false << 0.0;
    QTest::newRow("tab before") << "\t12" << false << 0.0;
    QTest::newRow("tab after") << "12\t" << false << 0.0;
}

void TestNumberTexts::parseNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    const auto parsed = kandelo::core::parseNumber(text.toStdString());
    QCOMPARE(parsed.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*parsed, value);
}

void TestNumberTexts::parseSignedNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");
    QTest::newRow("plus sign") << "+200" << true << 200.0;
    QTest::newRow("minus sign") << "-200" << true << -200.0;
    QTest::newRow("spaces around a plus") << " +5. " << true << 5.0;
    QTest::newRow("beyond a double") << "1" + QString(400, '0') << true << Inf;
    QTest::newRow("too small to tell from zero") << "0." + QString(399, '0') + "1" << true << 0.0;
    QTest::newRow("lone plus") << "+" << false << 0.0;
    QTest::newRow("two signs") << "+-5" << false << 0.0;
    QTest::newRow("plus after") << "5+" << false << 0.0;
    QTest::newRow("letter") << "+2a" << false << 0.0;
}

void TestNumberTexts::parseSignedNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    const auto parsed = kandelo::core::parseSignedNumber(text.toStdString());
    QCOMPARE(parsed.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*parsed, value);
}

void TestNumberTexts::readTypedNumber_data()
{
    using Kind = TypedNumber::Kind;
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << "1800" << int(Kind::Number) << 1800.0;
    QTest::newRow("grouped") << "1,800" << int(Kind::Number) << 1800.0;
    QTest::newRow("grouped twice, decimals") << "1,234,567.25" << int(Kind::Number) << 1234567.25;
    QTest::newRow("negative grouped") << "-12,000" << int(Kind::Number) << -12000.0;
    QTest::newRow("a decimal alone") << ".5" << int(Kind::Number) << 0.5;
    QTest::newRow("a spreadsheet cell, line break after") << "200\r\n" << int(Kind::Number) << 200.0;
    QTest::newRow("tab and ideographic space around") << "\t1,512.5\u3000" << int(Kind::Number) << 1512.5;
    QTest::newRow("no-break space around") << "\u00A0200\u00A0" << int(Kind::Number) << 200.0;
    QTest::newRow("only white space") << " \t\u3000\n" << int(Kind::Empty) << 0.0;
    QTest::newRow("letters") << "abc" << int(Kind::NotHalfWidth) << 0.0;
    QTest::newRow("letters for zeros") << "2OO" << int(Kind::NotHalfWidth) << 0.0;
    QTest::newRow("hexadecimal") << "0x1F" << int(Kind::NotHalfWidth) << 0.0;
    QTest::newRow("full-width digits") << "１８００" << int(Kind::NotHalfWidth) << 0.0;
    QTest::newRow("a full-width comma") << "1，800" << int(Kind::NotHalfWidth) << 0.0;
    QTest::newRow("an exponent") << "1e3" << int(Kind::OtherForm) << 0.0;
    QTest::newRow("a plus sign") << "+5" << int(Kind::OtherForm) << 0.0;
    QTest::newRow("a group of two") << "1,80" << int(Kind::OtherForm) << 0.0;
    QTest::newRow("a group of four") << "1,8000" << int(Kind::OtherForm) << 0.0;
    QTest::newRow("four before the first comma") << "1800,000" << int(Kind::OtherForm) << 0.0;
    QTest::newRow("a comma after the point") << "1.800,5" << int(Kind::OtherForm) << 0.0;
    QTest::newRow("a comma first") << ",800" << int(Kind::OtherForm) << 0.0;
    QTest::newRow("two points") << "1.2.3" << int(Kind::OtherForm) << 0.0;
    QTest::newRow("a blank inside") << "1 800" << int(Kind::OtherForm) << 0.0;
    QTest::newRow("400 digits") << QString(400, u'9') << int(Kind::TooLarge) << 0.0;
    QTest::newRow("400 zeros, then 1") << "0." + QString(400, u'0') + "1" << int(Kind::TooSmall) << 0.0;
    QTest::newRow("zero is a number") << "0" << int(Kind::Number) << 0.0;
}

// A figure typed or pasted into the selection window: white space of any kind
// around it goes, digit grouping as the program writes numbers is taken, and
// what is not taken is named for what it is.
void TestNumberTexts::readTypedNumber()
{
    QFETCH(QString, typed);
    QFETCH(int, kind);
    QFETCH(double, value);
    const TypedNumber read = kandelo::core::readTypedNumber(typed.toStdString());
    QCOMPARE(int(read.kind), kind);
    if (read.kind == TypedNumber::Kind::Number)
        QCOMPARE(read.value, value);
}

void TestNumberTexts::typedTextIsOneLine_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("oneLine");
    QTest::addColumn<QString>("text");
    QTest::newRow("as typed") << "山田商店" << "山田商店" << "山田商店";
    QTest::newRow("a tab and a line break") << "山田\t商店\n本社" << "山田 商店 本社" << "山田 商店 本社";
    QTest::newRow("CR LF is one line break") << "山田\r\n商店" << "山田 商店" << "山田 商店";
    QTest::newRow("a lone CR") << "山田\r商店" << "山田 商店" << "山田 商店";
    QTest::newRow("a cell with its line break") << "山田商店\r\n" << "山田商店 " << "山田商店";
    QTest::newRow("only full-width spaces") << "\u3000\u3000" << "\u3000\u3000" << "";
    QTest::newRow("blanks around") << " 第二工場\u3000" << " 第二工場\u3000" << "第二工場";
    QTest::newRow("beyond 100 characters")
        << QString(150, u'山') << QString(150, u'山') << QString(int(kandelo::program::MaxTypedTextLength), u'山');
}

// A free text stays one line, one cell of a table; one of only blanks is none.
void TestNumberTexts::typedTextIsOneLine()
{
    QFETCH(QString, typed);
    QFETCH(QString, oneLine);
    QFETCH(QString, text);
    QCOMPARE(q(kandelo::program::oneLine(typed.toStdString())), oneLine);
    QCOMPARE(q(kandelo::program::typedText(typed.toStdString())), text);
}

void TestNumberTexts::plainNumberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("spaceForSign");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 392.0 << false << "392";
    QTest::newRow("one decimal") << 392.5 << false << "392.5";
    QTest::newRow("binary noise") << 14.3 << false << "14.3";
    QTest::newRow("zero") << 0.0 << false << "0";
    QTest::newRow("minus zero") << -0.0 << false << "0";
    QTest::newRow("negative") << -5.25 << false << "-5.25";
    QTest::newRow("fifteen digits") << 1.0 / 3.0 << false << "0.333333333333333";
    QTest::newRow("rounded at 15 digits") << 2.0 / 3.0 << false << "0.666666666666667";
    QTest::newRow("seventeen shortest digits") << 0.1 + 0.2 << false << "0.3";
    QTest::newRow("large, rounded at 15 digits") << 123456789012345678.0 << false << "123456789012346000";
    QTest::newRow("no exponent when small") << 0.00001 << false << "0.00001";
    QTest::newRow("no exponent when large") << 1e20 << false << "100000000000000000000";
    QTest::newRow("power factor 80 % of 1000 kWh") << 1000.0 / 0.8 * std::sqrt(1 - 0.8 * 0.8) << true << " 750";
    QTest::newRow("space for sign") << 12.5 << true << " 12.5";
    QTest::newRow("minus keeps its place") << -12.5 << true << "-12.5";
}

void TestNumberTexts::plainNumberText()
{
    QFETCH(double, value);
    QFETCH(bool, spaceForSign);
    QFETCH(QString, text);
    QCOMPARE(q(kandelo::core::plainNumberText(value, spaceForSign ? SignPlace::SpaceOrMinus : SignPlace::None)), text);
}

void TestNumberTexts::formatNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::newRow("grouped two decimals") << 12345.678 << "##,##0.00" << "12,345.68";
    QTest::newRow("negative grouped") << -1234.5 << "##,##0.00" << "-1,234.50";
    QTest::newRow("below one") << 0.5 << "##,##0.00" << "0.50";
    QTest::newRow("zero") << 0.0 << "##,##0.00" << "0.00";
    QTest::newRow("millions") << 1234567.0 << "##,##0.00" << "1,234,567.00";
    QTest::newRow("half away from zero") << 2.675 << "0.00" << "2.68";
    QTest::newRow("negative half away from zero") << -2.675 << "0.00" << "-2.68";
    QTest::newRow("tiny negative keeps its sign") << -0.001 << "0.00" << "-0.00";
    QTest::newRow("reactive energy rounding to zero") << -0.004 << "##,##0.00" << "-0.00";
    QTest::newRow("minus zero has no sign") << -0.0 << "##,##0.00" << "0.00";
    QTest::newRow("power factor") << 87.456 << "0.00" << "87.46";
    QTest::newRow("hundred") << 100.0 << "0.00" << "100.00";
    QTest::newRow("no grouping without comma") << 12345.0 << "0.00" << "12345.00";
    QTest::newRow("carry into a new digit") << 99.995 << "0.00" << "100.00";
    QTest::newRow("whole grouped") << 31800.0 << "#,###,0" << "31,800";
    QTest::newRow("whole small") << 100.0 << "#,###,0" << "100";
    QTest::newRow("one decimal") << 29.2 << "#,###,0.0" << "29.2";
    QTest::newRow("one decimal keeps zero") << 100.0 << "#,###,0.0" << "100.0";
    QTest::newRow("two decimals") << 7.31 << "#,###,0.00" << "7.31";
    QTest::newRow("three decimals") << 0.046 << "#,###,0.000" << "0.046";
    QTest::newRow("three decimals zero") << 0.0 << "#,###,0.000" << "0.000";
    QTest::newRow("empty pattern is plain text") << 392.5 << "" << "392.5";
    QTest::newRow("empty pattern negative") << -5.0 << "" << "-5";
    QTest::newRow("large grouped") << 123000000.0 << "#,###,0" << "123,000,000";
}

void TestNumberTexts::formatNumber()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QCOMPARE(q(kandelo::core::formatNumber(value, pattern.toStdString())), text);
}

void TestNumberTexts::formatNumberRefusesNonFinite()
{
    QVERIFY_THROWS_EXCEPTION(ArithmeticError, kandelo::core::formatNumber(Inf, "0.00"));
    QVERIFY_THROWS_EXCEPTION(ArithmeticError, kandelo::core::formatNumber(NaN, ""));
    QVERIFY_THROWS_EXCEPTION(ArithmeticError, kandelo::core::plainNumberText(-Inf));
}

void TestNumberTexts::groupedNumberText_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("text");
    QTest::newRow("small") << 200.0 << "200";
    QTest::newRow("thousands") << 1800.0 << "1,800";
    QTest::newRow("decimals kept") << 1512.5 << "1,512.5";
    QTest::newRow("negative") << -12345.25 << "-12,345.25";
    QTest::newRow("a fraction") << 0.125 << "0.125";
}

void TestNumberTexts::groupedNumberText()
{
    QFETCH(double, x);
    QFETCH(QString, text);
    QCOMPARE(q(kandelo::core::groupedNumberText(x)), text);
}

void TestNumberTexts::formatText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("aligned");
    QTest::newRow("grouped number") << "31,800" << 9 << "   31,800";
    QTest::newRow("short number") << "7.31" << 9 << "     7.31";
    QTest::newRow("exact width") << "123456789" << 9 << "123456789";
    QTest::newRow("longer than width") << "1,234,567,890" << 9 << "1,234,567,890";
    QTest::newRow("empty text") << "" << 3 << "   ";
    QTest::newRow("zero width") << "12" << 0 << "12";
    QTest::newRow("negative width") << "12" << -4 << "12";
    QTest::newRow("counts characters, not bytes") << "μF" << 4 << "  μF";
}

void TestNumberTexts::formatText()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QString, aligned);
    QCOMPARE(q(kandelo::core::formatText(text.toStdString(), placeholderPattern(width))), aligned);
}

void TestNumberTexts::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("rounded");
    QTest::newRow("current reduction") << 5.2623 << 1 << 5.3;
    QTest::newRow("half to even down") << 0.125 << 2 << 0.12;
    QTest::newRow("half to even up") << 0.135 << 2 << 0.14;
    QTest::newRow("decimal half, binary below") << 0.35 << 1 << 0.4;
    QTest::newRow("whole half down") << 84.5 << 0 << 84.0;
    QTest::newRow("whole half up") << 85.5 << 0 << 86.0;
    QTest::newRow("above half") << 2.5000001 << 0 << 3.0;
    QTest::newRow("carry") << 999.9995 << 3 << 1000.0;
    QTest::newRow("negative") << -2.5 << 0 << -2.0;
    QTest::newRow("far below") << 0.0004 << 0 << 0.0;
    QTest::newRow("zero") << 0.0 << 3 << 0.0;
    QTest::newRow("already round") << 39.7 << 3 << 39.7;
}

void TestNumberTexts::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(double, rounded);
    QCOMPARE(kandelo::core::roundHalfEven(value, decimals), rounded);
}

void TestNumberTexts::addHalfAndTruncate_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");
    QTest::newRow("half up") << 1234.5 << 1235.0;
    QTest::newRow("below half") << 99.4 << 99.0;
    QTest::newRow("negative toward zero") << -1.7 << -1.0;
    QTest::newRow("negative half") << -0.5 << 0.0;
}

void TestNumberTexts::addHalfAndTruncate()
{
    QFETCH(double, value);
    QFETCH(double, rounded);
    QCOMPARE(kandelo::core::addHalfAndTruncate(value), rounded);
}

void TestNumberTexts::checkedArithmetic()
{
    using Kind = ArithmeticError::Kind;
    const auto kindOf = [](auto&& computation) -> std::optional<Kind> {
        try {
            computation();
        } catch (const ArithmeticError& e) {
            return e.kind();
        }
        return std::nullopt;
    };
    QCOMPARE(checked::div(1.0, 4.0), 0.25);
    QCOMPARE(checked::sqrt(2.25), 1.5);
    QCOMPARE(kindOf([] { checked::div(1.0, 0.0); }), Kind::DivisionByZero);
    QCOMPARE(kindOf([] { checked::div(0.0, 0.0); }), Kind::DivisionByZero);
    QCOMPARE(kindOf([] { checked::sqrt(-1e-300); }), Kind::NegativeSquareRoot);
    QCOMPARE(kindOf([] { checked::mul(1e200, 1e200); }), Kind::Overflow);
    QCOMPARE(kindOf([] { checked::add(1.7e308, 1.7e308); }), Kind::Overflow);
    QCOMPARE(kindOf([] { checked::sub(-1.7e308, 1.7e308); }), Kind::Overflow);
    QCOMPARE(kindOf([] { checked::div(1e300, 1e-300); }), Kind::Overflow);
    QCOMPARE(kindOf([] { checked::finite(NaN); }), Kind::Overflow);
    QCOMPARE(kindOf([] { kandelo::core::roundHalfEven(Inf, 1); }), Kind::Overflow);
    QCOMPARE(kindOf([] { kandelo::core::addHalfAndTruncate(Inf); }), Kind::Overflow);
    QCOMPARE(kindOf([] { kandelo::core::roundHalfEven(1.7976931348623157e308, -308); }), Kind::Overflow);
}

QTEST_APPLESS_MAIN(TestNumberTexts)
#include "test_number_texts.moc"
