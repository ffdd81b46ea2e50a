// SPDX-License-Identifier: GPL-3.0-or-later
// Any text: reading never misbehaves, a number read writes back to a text
// that reads as the very same number, white space of any kind around a text
// (spaces, tabs, line breaks, no-break spaces) never change what it reads
// as, and a number reads as the very double Qt's own conversion makes of it
// (which the program used before its core became standard C++).

#include "arith/numbertext.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void checkText(const std::string &text)
{
    const std::optional<double> value = numbertext::read(text);
    check(value.has_value() == numbertext::isNumeric(text));
    for (const char *blank :
         {" ", "\t", "\n", "\r", "\v", "\f", "\u0085", "\u00a0", "\u2028", "\u202f", "\u3000"}) {
        const std::optional<double> wrapped = numbertext::read(blank + text + blank);
        check(wrapped.has_value() == value.has_value() && (!value || *wrapped == *value));
    }
    if (!value)
        return;
    check(std::isfinite(*value));
    QString ascii = QString::fromStdString(text).trimmed();
    ascii.replace(u',', u'.');
    bool ok = false;
    const double qt = ascii.toLatin1().toDouble(&ok);
    check(!ok || qt == *value);

    const std::string written = numbertext::write(*value);
    check(!written.empty());
    check(written.find_first_of(".eE") == std::string::npos);
    const std::optional<double> back = numbertext::read(written);
    check(back.has_value() && *back == *value);

    const double rounded = numbertext::roundToOneDecimal(*value);
    check(std::isfinite(rounded));
    if (std::fabs(*value) < 1e15)
        check(std::fabs(rounded - *value) <= 0.05 + 1e-9 * std::fabs(*value));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto *chars = reinterpret_cast<const char *>(data);
    checkText(std::string(chars, size));
    checkText(QString::fromLatin1(chars, qsizetype(size)).toStdString());
    return 0;
}
