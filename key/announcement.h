// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader is told of each new result, on the desktop and in
// the browser alike: a screen reader neither watches the result field nor
// reaches it by Tab, so each face speaks these words once the result has
// stopped changing for a moment (kAnnouncementPauseMs).

#include "key/keyform.h"

#include <string>
#include <string_view>

namespace eval {

// How long results must pause before the last one is told: long enough
// that typing "60" is told as one grade, not as "6" and then "60".
inline constexpr int kAnnouncementPauseMs = 500;

// "Note 3,6" in grade mode, "12 Punkte" (or "1 Punkt") in MSS mode, and
// "Keine Note" for an empty result or none at all.
std::string announcement(const KeyForm &form, std::string_view result);

} // namespace eval
