// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbers as the user sees them: texts with the German decimal comma.
//
// Every number in Skalix lives as the text of a field and is read only when
// a computation needs it. These are the one place that reads and writes such
// texts, so every field follows the same rules, on the desktop and in the
// browser alike. Texts are UTF-8, as every face hands them over.
//
// What reads as a number (all other texts do not):
//   - optional blanks around the number: white space of every kind, so
//     the line break a copied spreadsheet cell ends with, tabs, and the
//     no-break space (U+00A0) and narrow no-break space (U+202F) that
//     spreadsheets and web pages put around numbers count like ordinary
//     spaces;
//   - an optional sign, "+" or "-";
//   - decimal digits 0-9 with at most one decimal separator, the comma;
//     a decimal point is taken as a decimal separator too, because pupils'
//     scores are often pasted from programs that write one. At least one
//     digit must stand on either side of the separator or before it
//     ("7,5", ",5" and "7," all read);
//   - nothing else: no thousands separators ("1.000,5" does not read, and a
//     point is never a thousands separator), no exponents, no hex, no
//     "inf" or "nan", no digits of other scripts, no spaces of any kind
//     inside the number;
//   - the value must fit a double: a number too large for one does not read
//     (so no field ever holds an infinite value); one too small to tell from
//     zero reads as zero.

#include <optional>
#include <string>
#include <string_view>

namespace numbertext {

// The value of a number text, or nothing when the text is not numeric.
std::optional<double> read(std::string_view text);

// Whether the whole text reads as a number; the empty text does not.
inline bool isNumeric(std::string_view text) { return read(text).has_value(); }

// The shortest text that reads back as exactly this value, with a decimal
// comma and no thousands separator or exponent: 100 -> "100",
// 91.99 -> "91,99", -0.5 -> "-0,5", 1e-7 -> "0,0000001". Negative zero is
// written "0"; a value that is not finite has no text.
std::string write(double value);

// The value rounded to one decimal place, halves to the even neighbour:
// the double nearest to the rounded decimal value.
double roundToOneDecimal(double value);

// Whether a character (a Unicode code point) is a blank around a number.
bool isBlank(char32_t c);

} // namespace numbertext
