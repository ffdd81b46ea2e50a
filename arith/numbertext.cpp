// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbertext.h"

#include <QByteArrayView>
#include <QLocale>

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

namespace numbertext {

namespace {

// White space of every kind: the space and the tab, the line breaks a
// pasted spreadsheet cell ends with (line feed, carriage return), vertical
// tab and form feed, the next-line, line and paragraph separators, and
// every Unicode space separator (the no-break space, the narrow no-break
// space, the ideographic space and the rest of their kind).
bool isBlank(QChar c) { return c.isSpace(); }
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The text without the blanks around it.
QStringView trimmed(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return QStringView(text).sliced(begin, end - begin);
}

// Powers of ten that a double holds exactly.
constexpr std::array<double, 23> kExactPowersOfTen{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The value of plain decimal digits with at most one separator (comma or
// point) and no sign, or nothing.
//
// Every platform reads alike: the browser's C++ library has no
// floating-point std::from_chars, so the general case goes through Qt's
// conversion (Google's double-conversion inside), which is the same on
// Linux, Windows and the web. The short numbers of the fields, read on
// every keystroke, take a shorter way that gives the very same double: up
// to 15 digits are a whole number a double holds exactly, as it does the
// powers of ten up to 10^22, and one correctly rounded division of the two
// is the correctly rounded value of the text.
std::optional<double> unsignedValue(QStringView digits)
{
    // The digits in plain ASCII with a '.' separator. Key fields hold short
    // texts: those stay on the stack; only pasted giants need the heap.
    std::array<char, 64> shortBuffer;
    std::string longBuffer;
    const std::size_t length = static_cast<std::size_t>(digits.size()) + 1;
    char *ascii = shortBuffer.data();
    if (length > shortBuffer.size()) {
        longBuffer.resize(length);
        ascii = longBuffer.data();
    }
    std::size_t used = 0;
    ascii[used++] = '0'; // makes ",5" read as "0,5"
    bool separatorSeen = false;
    bool digitSeen = false;
    bool nonZeroBeforeSeparator = false;
    int significant = 0; // digits from the first non-zero one on
    int decimals = 0;
    std::int64_t whole = 0; // all digits as one whole number, while short
    for (const QChar c : digits) {
        if (isDigit(c)) {
            digitSeen = true;
            const int digit = c.digitValue();
            if (!separatorSeen && digit != 0)
                nonZeroBeforeSeparator = true;
            if (significant > 0 || digit != 0)
                ++significant;
            if (separatorSeen)
                ++decimals;
            if (significant <= 15)
                whole = whole * 10 + digit;
            ascii[used++] = static_cast<char>(c.unicode());
        } else if ((c == u',' || c == u'.') && !separatorSeen) {
            separatorSeen = true;
            ascii[used++] = '.';
        } else {
            return std::nullopt;
        }
    }
    if (!digitSeen)
        return std::nullopt;
    if (significant <= 15 && decimals < int(kExactPowersOfTen.size()))
        return double(whole) / kExactPowersOfTen[std::size_t(decimals)];

    bool ok = false;
    const double value = QByteArrayView(ascii, qsizetype(used)).toDouble(&ok);
    if (ok)
        return value;
    // Qt refuses what a double cannot hold, overflow and underflow alike:
    // with a non-zero digit before the separator the number is at least 1
    // and too large, and does not read; otherwise it is too small to tell
    // from zero, and reads as zero.
    if (nonZeroBeforeSeparator)
        return std::nullopt;
    return 0.0;
}

} // namespace

std::optional<double> read(const QString &text)
{
    QStringView number = trimmed(text);
    bool negative = false;
    if (!number.isEmpty() && (number.front() == u'+' || number.front() == u'-')) {
        negative = number.front() == u'-';
        number = number.sliced(1);
    }
    const std::optional<double> value = unsignedValue(number);
    if (!value)
        return std::nullopt;
    return negative ? -*value : *value;
}

QString write(double value)
{
    if (value == 0.0)
        return QStringLiteral("0"); // also for -0
    if (!std::isfinite(value))
        return QString();
    QString text = QString::number(value, 'f', QLocale::FloatingPointShortest);
    text.replace(u'.', u',');
    return text;
}

double roundToOneDecimal(double value)
{
    const double tenths = value * 10.0;
    if (!std::isfinite(tenths))
        return value; // so large that it has no decimals to round
    // rint rounds halves to even under the default rounding mode.
    return std::rint(tenths) / 10.0;
}

} // namespace numbertext
