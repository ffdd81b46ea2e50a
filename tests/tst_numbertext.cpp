// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing numbers as texts with the German decimal comma.

#include "arith/numbertext.h"

#include <QtTest>

#include <cmath>
#include <limits>

// QCOMPARE compares doubles fuzzily; these rules are about exact values.
#define COMPARE_EXACT(actual, expected)                                          \
    QVERIFY2((actual) == (expected), qPrintable(QString::number(actual, 'g', 17) \
                                                + " != " + QString::number(expected, 'g', 17)))

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
    void shortWayReadsAsQtDoes_data();
    void shortWayReadsAsQtDoes();
};

void TestNumberText::readsNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("whole") << "100" << 100.0;
    QTest::newRow("zero") << "0" << 0.0;
    QTest::newRow("decimal comma") << "91,99" << 91.99;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("minus sign") << "-2,5" << -2.5;
    QTest::newRow("zero with decimals") << "0,0" << 0.0;
    QTest::newRow("leading zeros") << "007" << 7.0;
    QTest::newRow("no digit before comma") << ",5" << 0.5;
    QTest::newRow("no digit after comma") << "7," << 7.0;
    QTest::newRow("decimal point") << "45.5" << 45.5;
    QTest::newRow("surrounding spaces") << "  75 " << 75.0;
    QTest::newRow("surrounding tabs") << "\t12,5\t" << 12.5;
    QTest::newRow("no-break space after") << QString::fromUtf8("95\u00a0") << 95.0;
    QTest::newRow("narrow no-break space before") << QString::fromUtf8("\u202f12,5") << 12.5;
    QTest::newRow("ideographic spaces around") << QString::fromUtf8("\u300075\u3000") << 75.0;
    QTest::newRow("mixed blanks around a sign") << QString::fromUtf8("\u00a0\t-3 \u2009") << -3.0;
    QTest::newRow("copied cell, line feed") << "45\n" << 45.0;
    QTest::newRow("copied cell, CR LF") << "45,5\r\n" << 45.5;
    QTest::newRow("vertical tab and form feed around") << "\v7\f" << 7.0;
    QTest::newRow("line and paragraph separators around")
        << QString::fromUtf8("\u2028-5\u2029") << -5.0;
    QTest::newRow("largest double")
        << QString::fromLatin1(QByteArray::number(std::numeric_limits<double>::max(), 'f', 0))
        << std::numeric_limits<double>::max();
    QTest::newRow("too small to tell from zero") << "0," + QString(400, u'0') + "1" << 0.0;
    QTest::newRow("negative too small") << "-0," + QString(400, u'0') + "1" << 0.0;
    QTest::newRow("smallest subnormal")
        << "0," + QString(323, u'0') + "494065645841246544" << 4.9406564584124654e-324;
    QTest::newRow("many digits") << QString(300, u'1') << std::stod(std::string(300, '1'));
}

void TestNumberText::readsNumbers()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    const std::optional<double> read = numbertext::read(text);
    QVERIFY2(read.has_value(), qPrintable(text.left(40)));
    COMPARE_EXACT(*read, value);
    QVERIFY(numbertext::isNumeric(text));
}

void TestNumberText::rejectsTexts_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << "";
    QTest::newRow("only spaces") << "   ";
    QTest::newRow("letters") << "abc";
    QTest::newRow("digits then letters") << "12a";
    QTest::newRow("only a sign") << "-";
    QTest::newRow("only a comma") << ",";
    QTest::newRow("sign and comma") << "+,";
    QTest::newRow("two signs") << "--5";
    QTest::newRow("sign after digits") << "5-";
    QTest::newRow("space after sign") << "- 5";
    QTest::newRow("inner space") << "1 000";
    QTest::newRow("two commas") << "1,2,3";
    QTest::newRow("thousands point and comma") << "1.000,5";
    QTest::newRow("two points") << "1.000.000";
    QTest::newRow("exponent") << "1e5";
    QTest::newRow("exponent with comma") << "1,5E3";
    QTest::newRow("hex") << "0x1A";
    QTest::newRow("infinity") << "inf";
    QTest::newRow("infinity word") << "Infinity";
    QTest::newRow("not a number") << "nan";
    QTest::newRow("currency") << "5€";
    QTest::newRow("percent") << "50%";
    QTest::newRow("arabic-indic digits") << QString::fromUtf8("٧٥");
    QTest::newRow("fullwidth digits") << QString::fromUtf8("７５");
    QTest::newRow("unicode minus") << QString::fromUtf8("−5");
    QTest::newRow("no-break space inside") << QString::fromUtf8("7\u00a05");
    QTest::newRow("narrow no-break space as thousands separator")
        << QString::fromUtf8("1\u202f000");
    QTest::newRow("no-break space after the sign") << QString::fromUtf8("-\u00a05");
    QTest::newRow("only no-break spaces") << QString::fromUtf8("\u00a0\u202f");
    QTest::newRow("zero-width space is no space") << QString::fromUtf8("\u200b5");
    QTest::newRow("newline inside") << "7\n5";
    QTest::newRow("two copied cells") << "45\r\n50\r\n";
    QTest::newRow("nul character") << QString(QChar(0)) + "5";
    QTest::newRow("too large for a double") << "1" + QString(400, u'0');
    QTest::newRow("too large negative") << "-1" + QString(400, u'0') + ",5";
}

void TestNumberText::rejectsTexts()
{
    QFETCH(QString, text);
    QVERIFY(!numbertext::read(text).has_value());
    QVERIFY(!numbertext::isNumeric(text));
}

void TestNumberText::writesShortestForm_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("whole") << 100.0 << "100";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("fraction") << 91.99 << "91,99";
    QTest::newRow("negative fraction") << -0.5 << "-0,5";
    QTest::newRow("one tenth") << 0.1 << "0,1";
    QTest::newRow("sum with residue") << 0.1 + 0.2 << "0,30000000000000004";
    QTest::newRow("large whole, no exponent") << 1e21 << "1000000000000000000000";
    QTest::newRow("small, no exponent") << 1e-7 << "0,0000001";
}

void TestNumberText::writesShortestForm()
{
    QFETCH(double, value);
    QFETCH(QString, text);
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
    QTest::newRow("pi") << M_PI;
    QTest::newRow("grade") << 2.6;
}

void TestNumberText::writtenTextReadsBack()
{
    QFETCH(double, value);
    const QString text = numbertext::write(value);
    QVERIFY(!text.contains(u'e') && !text.contains(u'E') && !text.contains(u'.'));
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
    QVERIFY(!numbertext::isNumeric(QString(100000, u'9')));
    COMPARE_EXACT(numbertext::read("0," + QString(100000, u'9')).value_or(0), 1.0);
    QVERIFY(!numbertext::isNumeric(QString(100000, u'x')));
}

void TestNumberText::shortWayReadsAsQtDoes_data()
{
    // Around the edges of the short way for short numbers (15 significant
    // digits, 22 decimals): it must give the very double Qt's conversion
    // gives for longer ones.
    QTest::addColumn<QString>("text");
    // clang-format off
    QTest::newRow("15 digits") << "999999999999999";
    QTest::newRow("16 digits") << "9999999999999999";
    QTest::newRow("2^53 + 1") << "9007199254740993";
    QTest::newRow("15 digits, 14 decimals") << "9,99999999999999";
    QTest::newRow("a tenth") << "0,1";
    QTest::newRow("grade") << "2,6";
    QTest::newRow("limit with hundredths") << "91,99";
    QTest::newRow("22 decimals") << "0,0000000000000000000001";
    QTest::newRow("23 decimals") << "0,00000000000000000000001";
    QTest::newRow("leading zeros") << "000000000000000000012,5";
    QTest::newRow("trailing zeros") << "12,500000000000000000000000";
    QTest::newRow("third, 15 digits") << "0,333333333333333";
    QTest::newRow("third, 17 digits") << "0,33333333333333333";
    // clang-format on
}

void TestNumberText::shortWayReadsAsQtDoes()
{
    QFETCH(QString, text);
    QString ascii = text;
    ascii.replace(u',', u'.');
    bool ok = false;
    const double qt = ascii.toLatin1().toDouble(&ok);
    QVERIFY(ok);
    const std::optional<double> read = numbertext::read(text);
    QVERIFY(read.has_value());
    COMPARE_EXACT(*read, qt);
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
