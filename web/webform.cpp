// SPDX-License-Identifier: GPL-3.0-or-later
#include "webform.h"

#include "imports.h"

#include "form/events.h"

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

} // namespace

std::string WebForm::maximumText() const { return textOf(Control::Text1); }

std::string WebForm::achievedText() const { return textOf(Control::Text2); }

std::string WebForm::resultText() const { return textOf(Control::Text3); }

void WebForm::setResultText(const std::string &text) { setTextOf(Control::Text3, 0, text); }

// A field's text set by a script raises no event in a page: the change
// handler runs here, as on the window, where the text changes.
void WebForm::setPointsText(PointsField field, const std::string &text)
{
    const Control control = field == PointsField::Maximum ? Control::Text1 : Control::Text2;
    if (textOf(control) == text)
        return;
    setTextOf(control, 0, text);
    events::pointsChanged(*this, field);
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

void WebForm::evaluate() { events::pointsChanged(*this, PointsField::Achieved); }

void WebForm::announce(const std::string &words)
{
    skalixAnnounce(words.data(), int(words.size()));
}

void WebForm::closeWindow() { skalixEnd(); }

void WebForm::showMessage(const std::string &text) { skalixMessage(text.data(), int(text.size())); }

} // namespace web
