// SPDX-License-Identifier: GPL-3.0-or-later
#include "webform.h"

#include "eval/announcement.h"
#include "eval/liveevaluation.h"

// What the page's script gives the module (the "skalix" imports of
// web/skalix.js). Texts cross as UTF-8 in the module's memory.
#define SKALIX_IMPORT(name) __attribute__((import_module("skalix"), import_name(name)))
extern "C" {
// Encodes the control's text and returns its length in bytes; copyText
// then copies it to where the module has room for it.
SKALIX_IMPORT("text") int skalixText(int control, int index);
SKALIX_IMPORT("copyText") void skalixCopyText(char *into);
SKALIX_IMPORT("setText") void skalixSetText(int control, int index, const char *text, int length);
SKALIX_IMPORT("visible") int skalixVisible(int control, int index);
SKALIX_IMPORT("setVisible") void skalixSetVisible(int control, int index, int visible);
SKALIX_IMPORT("focus") void skalixFocus(int control, int index);
SKALIX_IMPORT("message") void skalixMessage(const char *text, int length);
SKALIX_IMPORT("announce") void skalixAnnounce(const char *text, int length);
}

namespace web {

namespace {

int number(Control control) { return static_cast<int>(control); }

Control controlOf(KeyArray array)
{
    return array == KeyArray::Grades ? Control::Text4 : Control::Text5;
}

std::string textOf(Control control, int index = 0)
{
    std::string text(std::size_t(skalixText(number(control), index)), '\0');
    skalixCopyText(text.data());
    return text;
}

void setTextOf(Control control, int index, const std::string &text)
{
    skalixSetText(number(control), index, text.data(), int(text.size()));
}

void announce(const KeyForm &form, const std::string &result)
{
    const std::string words = eval::announcement(form, result);
    skalixAnnounce(words.data(), int(words.size()));
}

} // namespace

std::string WebForm::maximumText() const { return textOf(Control::Text1); }

std::string WebForm::achievedText() const { return textOf(Control::Text2); }

std::string WebForm::resultText() const { return textOf(Control::Text3); }

void WebForm::setResultText(const std::string &text)
{
    setTextOf(Control::Text3, 0, text);
    announce(*this, text);
}

std::string WebForm::keyText(KeyArray array, int index) const
{
    return textOf(controlOf(array), index);
}

void WebForm::setKeyText(KeyArray array, int index, const std::string &text)
{
    setTextOf(controlOf(array), index, text);
}

bool WebForm::isKeyFieldVisible(KeyArray array, int index) const
{
    return skalixVisible(number(controlOf(array)), index) != 0;
}

void WebForm::setKeyFieldVisible(KeyArray array, int index, bool visible)
{
    skalixSetVisible(number(controlOf(array)), index, visible);
}

void WebForm::setKeyLabelVisible(int index, bool visible)
{
    skalixSetVisible(number(Control::Label8), index, visible);
}

void WebForm::focusKeyField(KeyArray array, int index)
{
    skalixFocus(number(controlOf(array)), index);
}

// Text2_Change, as the window runs it: the evaluation, and where it ends
// without a result, that there is no grade for these points.
void WebForm::evaluate()
{
    if (!eval::liveEvaluation(*this))
        announce(*this, std::string());
}

void WebForm::showMessage(const std::string &text) { skalixMessage(text.data(), int(text.size())); }

void WebForm::setPointsText(Control field, const std::string &text) { setTextOf(field, 0, text); }

} // namespace web
