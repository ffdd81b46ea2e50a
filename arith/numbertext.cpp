// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbertext.h"

// Reading and writing doubles exactly is left to two well-kept libraries
// that behave the same wherever they are compiled (the browser's C++
// library has no floating-point std::from_chars or std::to_chars):
// fast_float reads a decimal text as the correctly rounded double, and
// fmt writes the shortest decimal digits that read back as the same
// double. Both are used as header-only libraries (cmake/thirdparty.cmake).
#include <fast_float/fast_float.h>
#include <fmt/compile.h>
#include <fmt/format.h>

#include <charconv>
#include <cmath>
#include <cstdint>

namespace numbertext {

namespace {

// The one code point that the whole text encodes in UTF-8, or nothing.
// Only the short sequences blanks are made of are of interest here.
std::optional<char32_t> singleCodePoint(std::string_view bytes)
{
    const auto byte = [&bytes](std::size_t i) { return static_cast<std::uint8_t>(bytes[i]); };
    const auto continues = [&byte](std::size_t i) { return (byte(i) & 0xC0) == 0x80; };
    switch (bytes.size()) {
    case 1:
        if (byte(0) < 0x80)
            return byte(0);
        break;
    case 2:
        if ((byte(0) & 0xE0) == 0xC0 && continues(1)) {
            const char32_t c = char32_t((byte(0) & 0x1F) << 6 | (byte(1) & 0x3F));
            if (c >= 0x80)
                return c;
        }
        break;
    case 3:
        if ((byte(0) & 0xF0) == 0xE0 && continues(1) && continues(2)) {
            const char32_t c =
                char32_t((byte(0) & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F));
            if (c >= 0x800)
                return c;
        }
        break;
    default:
        break;
    }
    return std::nullopt;
}

// How many bytes of blank the text begins (atFront) or ends with: one
// blank, or none.
std::size_t blankLength(std::string_view text, bool atFront)
{
    for (std::size_t length = 1; length <= 3 && length <= text.size(); ++length) {
        const std::string_view candidate =
            atFront ? text.substr(0, length) : text.substr(text.size() - length);
        const std::optional<char32_t> c = singleCodePoint(candidate);
        if (c && isBlank(*c))
            return length;
    }
    return 0;
}

std::string_view trimmed(std::string_view text)
{
    while (const std::size_t length = blankLength(text, true))
        text.remove_prefix(length);
    while (const std::size_t length = blankLength(text, false))
        text.remove_suffix(length);
    return text;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The value of plain decimal digits with at most one separator (comma or
// point) and no sign, or nothing.
std::optional<double> unsignedValue(std::string_view digits)
{
    char separator = 0;
    bool digitSeen = false;
    for (const char c : digits) {
        if (isDigit(c))
            digitSeen = true;
        else if ((c == ',' || c == '.') && separator == 0)
            separator = c;
        else
            return std::nullopt;
    }
    if (!digitSeen)
        return std::nullopt;
    double value = 0;
    const fast_float::parse_options options(fast_float::chars_format::fixed,
                                            separator ? separator : '.');
    const auto [end, error] = fast_float::from_chars_advanced(
        digits.data(), digits.data() + digits.size(), value, options);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    // Too large for a double: no number. Too small to tell from zero reads
    // as zero, as fast_float gives it.
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

bool isBlank(char32_t c)
{
    // The space, tab, line feed, vertical tab, form feed and carriage
    // return; next line; every Unicode space separator (the no-break space,
    // the Ogham space mark, the en quad to the hair space, the narrow
    // no-break space, the medium mathematical space and the ideographic
    // space); the line and paragraph separators.
    return c == U' ' || (c >= U'\t' && c <= U'\r') || c == 0x85 || c == 0xA0 || c == 0x1680
           || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F
           || c == 0x205F || c == 0x3000;
}

std::optional<double> read(std::string_view text)
{
    std::string_view number = trimmed(text);
    bool negative = false;
    if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    const std::optional<double> value = unsignedValue(number);
    if (!value)
        return std::nullopt;
    return negative ? -*value : *value;
}

std::string write(double value)
{
    if (value == 0.0)
        return "0"; // also for -0
    if (!std::isfinite(value))
        return {};
    // fmt gives the shortest digits, in plain or in exponent form
    // ("91.99", "1.2345678901234568e+17", "1e-07"); the digits are then
    // set out in plain form, with as many zeros as their place needs.
    char shortest[40];
    const char *end = fmt::format_to(shortest, FMT_COMPILE("{}"), value);
    std::string_view form(shortest, std::size_t(end - shortest));

    std::string text;
    if (form.front() == '-') {
        text += '-';
        form.remove_prefix(1);
    }
    int exponent = 0;
    if (const std::size_t e = form.find('e'); e != std::string_view::npos) {
        const std::string_view power = form.substr(e + 1);
        std::from_chars(power.data() + (power.front() == '+'), power.data() + power.size(),
                        exponent);
        form = form.substr(0, e);
    }
    std::string digits;
    int point = int(form.size()); // digits before the decimal point
    for (const char c : form) {
        if (c == '.')
            point = int(digits.size());
        else
            digits += c;
    }
    point += exponent;
    if (point <= 0)
        text += "0," + std::string(std::size_t(-point), '0') + digits;
    else if (point >= int(digits.size()))
        text += digits + std::string(std::size_t(point) - digits.size(), '0');
    else
        text += digits.substr(0, std::size_t(point)) + ',' + digits.substr(std::size_t(point));
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
