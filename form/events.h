// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What each event of the window runs, for both faces: the desktop window's
// handlers (FormSkalix::Command2_Click, Text1_Change, ...) and the web
// page's module call these, each face with itself as the form.
//
//   Form_Load ──▶ the standard key
//   Text1_Change ──▶ Text2_Change ──▶ the live evaluation
//   HScrollN_Change ──▶ the slider's value into TextN, whose change evaluates
//   CommandN_Click ──▶ a preset, a clearing, "Berechnen", the help, "Ende"

#include "key/keyform.h"

namespace events {

void Form_Load(KeyForm &form);

// Text1_Change and Text2_Change: a points field's text changed.
void pointsChanged(KeyForm &form, PointsField field);

// HScroll1_Change and HScroll2_Change: a slider's value changed.
void sliderChanged(KeyForm &form, PointsField field, int value);

// CommandN_Click: button CommandN was clicked. False where the window has
// no such button.
bool commandClicked(KeyForm &form, int number);

} // namespace events
