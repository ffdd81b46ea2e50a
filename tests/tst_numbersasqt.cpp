// SPDX-License-Identifier: GPL-3.0-or-later
// The number texts read and write exactly as Qt's own conversions, which
// the program used before its core became standard C++: the same blanks,
// the same doubles read, the same shortest texts written.

#include "arith/numbertext.h"

#include "support/suites.h"

#include <QRandomGenerator>

#include <bit>
#include <cmath>
#include <limits>

namespace {

// What the program wrote before: Qt's shortest form, with a comma.
QString qtWritten(double value)
{
    if (value == 0.0)
        return QStringLiteral("0");
    return QString::number(value, 'f', QLocale::FloatingPointShortest).replace(u'.', u',');
}

// What the program read before, for plain digits with a comma: Qt's
// conversion of the same digits with a point.
std::optional<double> qtRead(const QString &text)
{
    bool ok = false;
    const double value = QString(text).replace(u',', u'.').toLatin1().toDouble(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

} // namespace

class TestNumbersAsQt : public QObject
{
    Q_OBJECT
private slots:
    void blanksAreQtsSpaces();
    void readsAsQt_data();
    void readsAsQt();
    void writesAsQt_data();
    void writesAsQt();
};

void TestNumbersAsQt::blanksAreQtsSpaces()
{
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (numbertext::isBlank(c) != QChar::isSpace(c))
            QFAIL(qPrintable(QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0'))));
    }
}

void TestNumbersAsQt::readsAsQt_data()
{
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
    QTest::newRow("third, 17 digits") << "0,33333333333333333";
    QTest::newRow("halfway between two doubles") << "9007199254740993,0000000000001";
    QTest::newRow("largest double") << QString::number(std::numeric_limits<double>::max(), 'f', 0);
    QTest::newRow("smallest subnormal") << "0," + QString(323, u'0') + "494065645841246544";
    // clang-format on
    // Random decimal texts of every length a field sees and more.
    QRandomGenerator random(20261209);
    for (int i = 0; i < 20000; ++i) {
        QString text;
        const int whole = random.bounded(1, 25);
        const int decimals = random.bounded(0, 25);
        for (int d = 0; d < whole; ++d)
            text += QChar(u'0' + random.bounded(10));
        if (decimals)
            text += u',';
        for (int d = 0; d < decimals; ++d)
            text += QChar(u'0' + random.bounded(10));
        QTest::addRow("random %d: %s", i, qPrintable(text)) << text;
    }
}

void TestNumbersAsQt::readsAsQt()
{
    QFETCH(QString, text);
    const std::optional<double> expected = qtRead(text);
    const std::optional<double> read = numbertext::read(text.toStdString());
    QCOMPARE(read.has_value(), expected.has_value());
    if (read)
        QVERIFY2(std::bit_cast<quint64>(*read) == std::bit_cast<quint64>(*expected),
                 qPrintable(QString::number(*read, 'g', 17)));
}

void TestNumbersAsQt::writesAsQt_data()
{
    QTest::addColumn<double>("value");
    // clang-format off
    QTest::newRow("whole") << 100.0;
    QTest::newRow("limit") << 91.99;
    QTest::newRow("negative") << -0.5;
    QTest::newRow("sum with residue") << 0.1 + 0.2;
    QTest::newRow("1e16") << 1e16;
    QTest::newRow("1e21") << 1e21;
    QTest::newRow("1e-7") << 1e-7;
    QTest::newRow("largest") << std::numeric_limits<double>::max();
    QTest::newRow("smallest normal") << std::numeric_limits<double>::min();
    QTest::newRow("smallest subnormal") << std::numeric_limits<double>::denorm_min();
    // clang-format on
    // Random doubles of every size, and random scores with a few decimals.
    QRandomGenerator random(20261208);
    for (int i = 0; i < 20000; ++i) {
        double value = 0;
        do
            value = std::bit_cast<double>(random.generate64());
        while (!std::isfinite(value));
        QTest::addRow("bits %d", i) << value;
        QTest::addRow("score %d", i) << double(random.bounded(0, 1000000)) / 100.0;
    }
}

void TestNumbersAsQt::writesAsQt()
{
    QFETCH(double, value);
    QCOMPARE(QString::fromStdString(numbertext::write(value)), qtWritten(value));
}

SKALIX_TEST_SUITE(TestNumbersAsQt)
#include "tst_numbersasqt.moc"
