// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The module Skalix, the grade arithmetic: the fixed standard percentage key,
// the fixed MSS percentage key, and the two searches that turn them into the
// upper limits of a grading key. Stateless free functions; nothing here
// touches a control.

#include "messagesink.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace Skalix {

// The argument and result of the keys: a number, a text, or unset.
using KeyValue = std::variant<std::monostate, double, std::string>;

inline constexpr std::string_view kNegativePercentageMessage =
    "Es wurden weniger als 0 Punkte erreicht!";

// Decimal grade 1 ... 6 for a percentage under the standard percentage key,
// or the empty text. A negative percentage gives 6 after a message.
// A text argument is read by the number-text rules; one that does not read,
// like the empty text, gives the empty text.
KeyValue prozentnote(const KeyValue &percentage, MessageSink &messages);

// MSS points 0 ... 15 for a percentage under the MSS percentage key, or the
// empty text. A negative percentage gives 0 after a message.
KeyValue prozentpunkte(const KeyValue &percentage, MessageSink &messages);

// The highest whole percentage 0 ... 100 whose standard grade is the given
// grade or worse, or nothing. The grade must be the double nearest to its
// one-decimal value for it to match the key's own grades.
std::optional<int> notengrenze(double grade, MessageSink &messages);

// The highest whole percentage 0 ... 100 that earns the given MSS points or
// fewer, or nothing.
std::optional<int> punktegrenze(double points, MessageSink &messages);

} // namespace Skalix
