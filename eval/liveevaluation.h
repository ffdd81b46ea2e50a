// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The live evaluation (Text2_Change): maximum points (Text1) and reached
// points (Text2) are scaled to the key scale of the visible grading key and
// looked up in it; the suggested grade or MSS points go into Text3.
//
//   Text1, Text2 ──read──▶ checks ──▶ mode (Text5(0) / Text4(0) shown?)
//        grade mode: worst grade whose limit is at least the scaled score
//        MSS mode:   walk up from 0 points while the limit accepted last
//                    stays below the scaled score
//   ──▶ Text3 (grade text, points, or empty)
//
// A run whose inputs are incomplete ends silently and leaves Text3 as it was:
// Text1 empty or not numeric, Text2 not numeric, a maximum of 0, a top field
// (Text4(0) / Text5(0)) that is empty or not numeric, or a scaled score that
// is not a finite number. Key fields that are empty or not numeric are passed
// over. Nothing is kept from one run to the next.

#include "key/keyform.h"

#include <string_view>

namespace eval {

inline constexpr std::string_view kInconsistentTableMessage =
    "Fehler! Starten Sie das Programm neu!";

// Whether the run reached its end and wrote Text3; false when it ended
// silently on incomplete inputs. Either way a screen reader is told the
// result, or that these points give no grade.
bool liveEvaluation(KeyForm &form);

} // namespace eval
