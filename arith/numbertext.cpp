// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbertext.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace numbertext {

namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

} // namespace

std::optional<double> read(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;

    bool negative = false;
    if (begin < end && (text[begin] == u'+' || text[begin] == u'-')) {
        negative = text[begin] == u'-';
        ++begin;
    }

    // The digits in plain ASCII with a '.' separator, for std::from_chars.
    // Key fields hold short texts, read on every keystroke: those stay on
    // the stack; only pasted giants need the heap.
    std::array<char, 64> shortBuffer;
    std::string longBuffer;
    const std::size_t length = static_cast<std::size_t>(end - begin) + 1;
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
    for (qsizetype i = begin; i < end; ++i) {
        const QChar c = text[i];
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
    const char *first = ascii;
    const char *last = ascii + used;
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (ec == std::errc::result_out_of_range) {
        // Out of range is an overflow when a non-zero digit stands before the
        // separator (the value is at least 1); otherwise the value is too small
        // to tell from zero.
        if (nonZeroBeforeSeparator)
            return std::nullopt;
        value = 0.0;
    } else if (ec != std::errc() || ptr != last || !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
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
