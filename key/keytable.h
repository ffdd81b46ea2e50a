// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The grading key table: what each field stands for, its two modes and
// moving the focus into it.

#include "keyform.h"

#include <string>

namespace keytable {

inline constexpr int kGradeFieldCount = 51; // Text4(0) ... Text4(50)
inline constexpr int kMssFieldCount = 16;   // Text5(0) ... Text5(15)
inline constexpr int kLabelCount = 58;      // Label8(0) ... Label8(57)
inline constexpr int kGradeLabelCount = 32; // Label8(0..31) belong to grade mode

// Grade text of grade field i: "1,0" for 0, "1,9" for 9, "6,0" for 50.
std::string gradeText(int index);

// MSS points of MSS field k: 15 - k.
constexpr int mssPoints(int index) { return kMssFieldCount - 1 - index; }

// A number of MSS points in words: "1 Punkt", "15 Punkte".
std::string pointsText(int points);

// Whether grade field i holds a whole grade (1,0, 2,0, ... 6,0).
constexpr bool isWholeGrade(int index) { return index % 10 == 0; }

// Shows the fields and labels of the given array's half of the key and
// hides the other half's: grade mode for Grades, MSS mode for Mss.
void switchToMode(KeyForm &form, KeyArray shown);
inline void switchToGradeMode(KeyForm &form) { switchToMode(form, KeyArray::Grades); }
inline void switchToMssMode(KeyForm &form) { switchToMode(form, KeyArray::Mss); }

// Focus the top field of the visible array: Text5(0) if Text4(0) is hidden,
// then Text4(0) if Text5(0) is hidden. With both shown nothing moves.
void focusVisibleKey(KeyForm &form);

// Writes the result into Text3 and tells a screen reader of it: "Note
// 3,6", "12 Punkte", or "Keine Note" for an empty one.
void showResult(KeyForm &form, const std::string &result);

// The standard key preset's own focus step: Text5(0) if it is shown, then
// Text4(0) if it is shown, so with both shown the focus ends on Text4(0).
void focusShownTopFields(KeyForm &form);

} // namespace keytable
