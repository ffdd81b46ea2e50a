// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader is told of each new result, on the desktop and in
// the browser alike: a screen reader neither watches the result field nor
// reaches it by Tab, so each face tells these words once the results have
// stopped changing for a moment (kPauseMs).

#include "keyform.h"

#include <string>
#include <string_view>

namespace announcement {

// How long results must pause before the last one is told: long enough
// that typing "60" is told as one grade, not as "6" and then "60".
inline constexpr int kPauseMs = 500;

// "Note 3,6" in grade mode, "12 Punkte" (or "1 Punkt") in MSS mode, and
// "Keine Note" for an empty result or none at all.
std::string words(const KeyForm &form, std::string_view result);

} // namespace announcement
