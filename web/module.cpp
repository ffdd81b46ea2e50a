// SPDX-License-Identifier: GPL-3.0-or-later
// The WebAssembly module of the web page: the window's handlers, as the
// page's script calls them (web/skalix.js), each running the same core as
// the desktop window's handler of that name.

#include "webform.h"

#include "eval/calculate.h"
#include "key/presets.h"
#include "ui/helptext.h"

#include <string>

#define SKALIX_EXPORT(name) extern "C" __attribute__((export_name(name)))

namespace {

web::WebForm form;

} // namespace

// CommandN_Click for the buttons that run the program's logic, by their
// number; "Ende" (1) is the page's own.
SKALIX_EXPORT("click") void click(int command)
{
    switch (command) {
    case 2:
        presets::standardKey(form);
        break;
    case 3:
        presets::linearKey(form);
        break;
    case 4:
        presets::clearIntermediateGrades(form);
        break;
    case 5:
        form.showMessage(helpText());
        break;
    case 6:
        presets::clearAll(form);
        break;
    case 7:
        presets::mssPointsKey(form);
        break;
    case 8:
        eval::calculate(form);
        break;
    case 9:
        presets::ihkKey(form);
        break;
    default:
        break;
    }
}

// Text1_Change and Text2_Change: the live evaluation.
SKALIX_EXPORT("change") void change(int) { form.evaluate(); }

// HScroll1_Change and HScroll2_Change: the slider's value into Text1 or
// Text2, whose change then evaluates.
SKALIX_EXPORT("slide") void slide(int slider, int value)
{
    const web::Control field = slider == 1 ? web::Control::Text1 : web::Control::Text2;
    form.setPointsText(field, std::to_string(value));
    change(static_cast<int>(field));
}
