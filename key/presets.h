// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands that fill or clear the grading key. Each runs to its end on
// the form it is given; the ones that evaluate call the form's evaluation
// (Text2_Change) directly, as the buttons' handlers do.

#include "keyform.h"

namespace presets {

// Standard key: grade mode, every grade field gets notengrenze of its grade,
// evaluate when Text2 is numeric, focus each shown top field.
void standardKey(KeyForm &form);

// Linear key: grade mode, grade field i gets 100 - 2i, evaluate when Text2 is
// numeric, focus the visible key.
void linearKey(KeyForm &form);

// IHK key: grade mode, clear all, then the six whole grades. No evaluation.
void ihkKey(KeyForm &form);

// MSS points key: MSS mode, MSS field k gets punktegrenze of 15 - k points,
// evaluate when Text2 is numeric, focus the visible key.
void mssPointsKey(KeyForm &form);

// Empty the 45 intermediate grade fields, evaluate, focus the visible key.
void clearIntermediateGrades(KeyForm &form);

// Empty every grade and MSS field and Text3, focus the visible key.
void clearAll(KeyForm &form);

} // namespace presets
