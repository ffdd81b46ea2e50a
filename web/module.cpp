// SPDX-License-Identifier: GPL-3.0-or-later
// The WebAssembly module of the web page: the window's events, as the
// page's script hands them on (web/skalix.js), each running what it runs on
// the desktop window (form/events.h).

#include "imports.h"
#include "webform.h"

#include "arith/pastedtext.h"
#include "form/events.h"

#include <string>

#define SKALIX_EXPORT(name) extern "C" __attribute__((export_name(name)))

namespace {

web::WebForm form;

} // namespace

// CommandN_Click, by the button's number.
SKALIX_EXPORT("click") void click(int command) { events::commandClicked(form, command); }

// Text1_Change and Text2_Change.
SKALIX_EXPORT("change") void change(int field)
{
    events::pointsChanged(form, static_cast<PointsField>(field));
}

// HScroll1_Change and HScroll2_Change.
SKALIX_EXPORT("slide") void slide(int slider, int value)
{
    events::sliderChanged(form, static_cast<PointsField>(slider), value);
}

// A text pasted into or dropped on a field, as the field takes it in (the
// same rule as on the desktop; a line break inside becomes a blank, which a
// one-line field of a page can hold): the page has encoded the text, as
// for a control's text, and is given what the field keeps.
SKALIX_EXPORT("paste") void paste(int length)
{
    std::string text(std::size_t(length), '\0');
    skalixCopyText(text.data());
    const std::string kept = pastedtext::clean(text, pastedtext::InnerBreaks::AsBlanks);
    skalixGive(kept.data(), int(kept.size()));
}
