// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What screen readers are told about Skalix's own controls, beyond Qt's
// defaults:
//
//   - a text field (TextField) tells its text as one run of attributes.
//     Qt 6.4 reports an empty run for a line edit, [offset, offset), and
//     Orca 43, which builds the line it speaks from those runs, left out
//     the last character: "10" for 100, "Skali" for Skalix. A field that
//     cannot be used (the result field Text3, disabled) is read-only and
//     not focusable, not editable and focusable as Qt would report it.
//   - a slider (Slider) is a slider with its value and range, not a
//     scroll bar.
//   - the announcer (Announcer) is a notification, which screen readers
//     speak when it is shown.
//
// And what a text field tells of its caret and selection is told only
// while it has the focus and that focus has been told. Qt tells them first:
// on a Tab the field left is deselected, and the field reached selects its
// text, before Qt says the focus moved; Orca 43 then said "Text
// unselected" for the one and spoke the other's value twice, once before
// its name. After a command moved the focus, the caret of the field
// reached came first, and Orca took the focus as unchanged and said
// nothing of the field.
//
// The interfaces are made by a factory, and the events pass a filter, that
// install() registers with Qt once; the window calls it before it makes its
// controls.

namespace accessibleinterfaces {

void install();

} // namespace accessibleinterfaces
