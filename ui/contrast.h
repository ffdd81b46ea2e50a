// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How well one colour stands out from another, as WCAG 2.1 measures it: the
// contrast ratio of their relative luminances, from 1:1 (the same) to 21:1
// (black on white). Text needs 4.5:1, large text (18 pt, or 14 pt bold)
// 3:1, and so do the parts of a control one must see to use it, such as a
// slider's thumb against its trough or a focus ring against what it
// surrounds.

#include <QColor>

namespace contrast {

inline constexpr double kText = 4.5;
inline constexpr double kLargeText = 3.0;
inline constexpr double kGraphics = 3.0;

double ratio(const QColor &a, const QColor &b);

// The preferred colour where it stands out from the background by the
// minimum ratio; otherwise the preferred colour mixed towards black or
// white (whichever stands out more from the background) just far enough.
QColor standingOut(const QColor &preferred, const QColor &background, double minimum);

} // namespace contrast
