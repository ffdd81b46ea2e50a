// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbertext.h"

#include <array>
#include <charconv>
#include <cmath>
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

// The value of plain decimal digits with at most one separator (comma or
// point) and no sign, or nothing.
std::optional<double> unsignedValue(QStringView digits)
{
    // The digits in plain ASCII with a '.' separator, for std::from_chars.
    // Key fields hold short texts, read on every keystroke: those stay on
    // the stack; only pasted giants need the heap.
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
    for (const QChar c : digits) {
        if (isDigit(c)) {
            digitSeen = true;
            if (!separatorSeen && c != u'0')
                nonZeroBeforeSeparator = true;
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

    double value = 0.0;
    const char *last = ascii + used;
    const auto [ptr, ec] = std::from_chars(ascii, last, value, std::chars_format::fixed);
    if (ec == std::errc::result_out_of_range) {
        // Out of range is an overflow when a non-zero digit stands before the
        // separator (the value is at least 1); otherwise the value is too small
        // to tell from zero.
        if (nonZeroBeforeSeparator)
            return std::nullopt;
        return 0.0;
    }
    if (ec != std::errc() || ptr != last || !std::isfinite(value))
        return std::nullopt;
    return value;
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
    // Fixed notation of the largest or smallest double needs some 330 digits.
    std::array<char, 400> buffer{};
    const auto [ptr, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                         std::chars_format::fixed);
    if (ec != std::errc())
        return QString();
    QString text = QString::fromLatin1(buffer.data(), ptr - buffer.data());
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
