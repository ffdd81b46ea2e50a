// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing numbers as texts with the German decimal comma, and
// what a field keeps of a pasted text.

#include "arith/numbertext.h"
#include "arith/pastedtext.h"

#include "support/suites.h"

#include <string>

using namespace std::string_literals;

#include <cmath>
#include <cstdio>
#include <limits>
#include <numbers>
#include <string>

namespace {

std::string exactly(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

} // namespace

// QCOMPARE compares doubles fuzzily; these rules are about exact values.
#define COMPARE_EXACT(actual, expected) \
    QVERIFY2((actual) == (expected), (exactly(actual) + " != " + exactly(expected)).c_str())

class TestNumberText : public QObject
{
    Q_OBJECT
private slots:
    void readsNumbers_data();
    void readsNumbers();
    void rejectsTexts_data();
    void rejectsTexts();
    void writesShortestForm_data();
    void writesShortestForm();
    void writtenTextReadsBack_data();
    void writtenTextReadsBack();
    void roundsHalvesToEven_data();
    void roundsHalvesToEven();
    void hugeTextsStayCheap();
    void keepsOfPastedTexts_data();
    void keepsOfPastedTexts();
};

void TestNumberText::readsNumbers_data()
{
    QTest::addColumn<std::string>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("whole") << "100"s << 100.0;
    QTest::newRow("zero") << "0"s << 0.0;
    QTest::newRow("decimal comma") << "91,99"s << 91.99;
    QTest::newRow("plus sign") << "+7"s << 7.0;
    QTest::newRow("minus sign") << "-2,5"s << -2.5;
    QTest::newRow("zero with decimals") << "0,0"s << 0.0;
    QTest::newRow("leading zeros") << "007"s << 7.0;
    QTest::newRow("no digit before comma") << ",5"s << 0.5;
    QTest::newRow("no digit after comma") << "7,"s << 7.0;
    QTest::newRow("decimal point") << "45.5"s << 45.5;
    QTest::newRow("surrounding spaces") << "  75 "s << 75.0;
    QTest::newRow("surrounding tabs") << "\t12,5\t"s << 12.5;
    QTest::newRow("no-break space after") << std::string("95\u00a0") << 95.0;
    QTest::newRow("narrow no-break space before") << std::string("\u202f12,5") << 12.5;
    QTest::newRow("ideographic spaces around") << std::string("\u300075\u3000") << 75.0;
    QTest::newRow("mixed blanks around a sign") << std::string("\u00a0\t-3 \u2009") << -3.0;
    QTest::newRow("copied cell, line feed") << "45\n"s << 45.0;
    QTest::newRow("copied cell, CR LF") << "45,5\r\n"s << 45.5;
    QTest::newRow("vertical tab and form feed around") << "\v7\f"s << 7.0;
    QTest::newRow("line and paragraph separators around") << std::string("\u2028-5\u2029") << -5.0;
    QTest::newRow("largest double")
        << "17976931348623157"s + std::string(292, '0') << std::numeric_limits<double>::max();
    QTest::newRow("too small to tell from zero") << "0,"s + std::string(400, '0') + "1" << 0.0;
    QTest::newRow("negative too small") << "-0,"s + std::string(400, '0') + "1" << 0.0;
    QTest::newRow("smallest subnormal")
        << "0,"s + std::string(323, '0') + "494065645841246544" << 4.9406564584124654e-324;
    QTest::newRow("many digits") << std::string(300, '1') << std::stod(std::string(300, '1'));
}

void TestNumberText::readsNumbers()
{
    QFETCH(std::string, text);
    QFETCH(double, value);
    const std::optional<double> read = numbertext::read(text);
    QVERIFY2(read.has_value(), text.substr(0, 40).c_str());
    COMPARE_EXACT(*read, value);
    QVERIFY(numbertext::isNumeric(text));
}

void TestNumberText::rejectsTexts_data()
{
    QTest::addColumn<std::string>("text");

    QTest::newRow("empty") << ""s;
    QTest::newRow("only spaces") << "   "s;
    QTest::newRow("letters") << "abc"s;
    QTest::newRow("digits then letters") << "12a"s;
    QTest::newRow("only a sign") << "-"s;
    QTest::newRow("only a comma") << ","s;
    QTest::newRow("sign and comma") << "+,"s;
    QTest::newRow("two signs") << "--5"s;
    QTest::newRow("sign after digits") << "5-"s;
    QTest::newRow("space after sign") << "- 5"s;
    QTest::newRow("inner space") << "1 000"s;
    QTest::newRow("two commas") << "1,2,3"s;
    QTest::newRow("thousands point and comma") << "1.000,5"s;
    QTest::newRow("two points") << "1.000.000"s;
    QTest::newRow("exponent") << "1e5"s;
    QTest::newRow("exponent with comma") << "1,5E3"s;
    QTest::newRow("hex") << "0x1A"s;
    QTest::newRow("infinity") << "inf"s;
    QTest::newRow("infinity word") << "Infinity"s;
    QTest::newRow("not a number") << "nan"s;
    QTest::newRow("currency") << "5€"s;
    QTest::newRow("percent") << "50%"s;
    QTest::newRow("arabic-indic digits") << std::string("٧٥");
    QTest::newRow("fullwidth digits") << std::string("７５");
    QTest::newRow("unicode minus") << std::string("−5");
    QTest::newRow("no-break space inside") << std::string("7\u00a05");
    QTest::newRow("narrow no-break space as thousands separator") << std::string("1\u202f000");
    QTest::newRow("no-break space after the sign") << std::string("-\u00a05");
    QTest::newRow("only no-break spaces") << std::string("\u00a0\u202f");
    QTest::newRow("zero-width space is no space") << std::string("\u200b5");
    QTest::newRow("newline inside") << "7\n5"s;
    QTest::newRow("two copied cells") << "45\r\n50\r\n"s;
    QTest::newRow("nul character") << std::string(1, '\0') + "5";
    QTest::newRow("too large for a double") << "1"s + std::string(400, '0');
    QTest::newRow("too large negative") << "-1"s + std::string(400, '0') + ",5";
}

void TestNumberText::rejectsTexts()
{
    QFETCH(std::string, text);
    QVERIFY(!numbertext::read(text).has_value());
    QVERIFY(!numbertext::isNumeric(text));
}

void TestNumberText::writesShortestForm_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<std::string>("text");

    QTest::newRow("whole") << 100.0 << "100"s;
    QTest::newRow("zero") << 0.0 << "0"s;
    QTest::newRow("negative zero") << -0.0 << "0"s;
    QTest::newRow("fraction") << 91.99 << "91,99"s;
    QTest::newRow("negative fraction") << -0.5 << "-0,5"s;
    QTest::newRow("one tenth") << 0.1 << "0,1"s;
    QTest::newRow("sum with residue") << 0.1 + 0.2 << "0,30000000000000004"s;
    QTest::newRow("large whole, no exponent") << 1e21 << "1000000000000000000000"s;
    QTest::newRow("small, no exponent") << 1e-7 << "0,0000001"s;
}

void TestNumberText::writesShortestForm()
{
    QFETCH(double, value);
    QFETCH(std::string, text);
    QCOMPARE(numbertext::write(value), text);
}

void TestNumberText::writtenTextReadsBack_data()
{
    QTest::addColumn<double>("value");

    QTest::newRow("largest") << std::numeric_limits<double>::max();
    QTest::newRow("lowest") << std::numeric_limits<double>::lowest();
    QTest::newRow("smallest normal") << std::numeric_limits<double>::min();
    QTest::newRow("smallest subnormal") << std::numeric_limits<double>::denorm_min();
    QTest::newRow("third") << 1.0 / 3.0;
    QTest::newRow("pi") << std::numbers::pi;
    QTest::newRow("grade") << 2.6;
}

void TestNumberText::writtenTextReadsBack()
{
    QFETCH(double, value);
    const std::string text = numbertext::write(value);
    QVERIFY(text.find_first_of("eE.") == std::string::npos);
    const std::optional<double> read = numbertext::read(text);
    QVERIFY(read.has_value());
    COMPARE_EXACT(*read, value);
}

void TestNumberText::roundsHalvesToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");

    QTest::newRow("grade stays") << 1.2 << 1.2;
    QTest::newRow("half down to even") << 0.25 << 0.2;
    QTest::newRow("half up to even") << 0.75 << 0.8;
    QTest::newRow("negative half") << -0.25 << -0.2;
    QTest::newRow("hair below whole") << 91.99999999999999 << 92.0;
    QTest::newRow("hair above whole") << 98.00000000000001 << 98.0;
    QTest::newRow("sum of tenths") << 1.1 + 0.1 << 1.2;
    QTest::newRow("huge stays") << 1e308 << 1e308;
}

void TestNumberText::roundsHalvesToEven()
{
    QFETCH(double, value);
    QFETCH(double, rounded);
    COMPARE_EXACT(numbertext::roundToOneDecimal(value), rounded);
}

void TestNumberText::hugeTextsStayCheap()
{
    // Pasted nonsense of any length reads (or not) without trouble.
    QVERIFY(!numbertext::isNumeric(std::string(100000, '9')));
    COMPARE_EXACT(numbertext::read("0," + std::string(100000, '9')).value_or(0), 1.0);
    QVERIFY(!numbertext::isNumeric(std::string(100000, 'x')));
}

void TestNumberText::keepsOfPastedTexts_data()
{
    QTest::addColumn<std::string>("pasted");
    QTest::addColumn<std::string>("window"); // what a field of the window keeps
    QTest::addColumn<std::string>("page");   // what a field of the web page keeps

    // clang-format off
    const std::pair<const char *, std::string> breaks[] = {
        {"tab", "\t"}, {"line feed", "\n"}, {"vertical tab", "\v"}, {"form feed", "\f"},
        {"carriage return", "\r"}, {"next line", "\u0085"}, {"line separator", "\u2028"},
        {"paragraph separator", "\u2029"},
    };
    for (const auto &[name, brk] : breaks) {
        QTest::addRow("%s before", name) << brk + "45" << "45"s << "45"s;
        QTest::addRow("%s after", name) << "45" + brk << "45"s << "45"s;
        QTest::addRow("%s around, twice", name) << brk + brk + "45" + brk + brk << "45"s << "45"s;
    }
    QTest::newRow("cell with CR LF") << "45\r\n"s << "45"s << "45"s;
    QTest::newRow("two cells") << "45\r\n50\r\n"s << "45\r\n50"s << "45 50"s;
    QTest::newRow("two cells, line feeds") << "45\n50"s << "45\n50"s << "45 50"s;
    QTest::newRow("two cells, carriage returns") << "45\r50"s << "45\r50"s << "45 50"s;
    QTest::newRow("tab inside stays") << "45\t50"s << "45\t50"s << "45\t50"s;
    QTest::newRow("line separator inside stays") << "45\u202850"s << "45\u202850"s
                                                 << "45\u202850"s;
    QTest::newRow("blanks around stay") << " 45 "s << " 45 "s << " 45 "s;
    QTest::newRow("no-break space is no break") << "45\u00a0"s << "45\u00a0"s << "45\u00a0"s;
    QTest::newRow("only breaks") << "\r\n\t\u2028"s << ""s << ""s;
    QTest::newRow("empty") << ""s << ""s << ""s;
    // clang-format on
}

void TestNumberText::keepsOfPastedTexts()
{
    QFETCH(std::string, pasted);
    QFETCH(std::string, window);
    QFETCH(std::string, page);
    QCOMPARE(pastedtext::clean(pasted), window);
    QCOMPARE(pastedtext::clean(pasted, pastedtext::InnerBreaks::AsBlanks), page);
}

SKALIX_TEST_SUITE(TestNumberText)
#include "tst_numbertext.moc"
