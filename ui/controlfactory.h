// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/controltable.h"

#include <QFont>

class QWidget;

namespace controls {

// The window's font at the given size: a plain sans-serif face standing in
// for the classic dialog font. Sizes are points of a 96-dpi screen, turned
// into pixels so text keeps its proportion to the pixel-placed controls.
QFont windowFont(double points = kWindowFontPoints, bool bold = false);

// One control as its row describes it, placed in its parent.
QWidget *createControl(const ControlSpec &row, QWidget *parent);

} // namespace controls
