// SPDX-License-Identifier: GPL-3.0-or-later
#include "pageform.h"

#include "form/events.h"

namespace web {

namespace {

std::string keyField(KeyArray array, int index)
{
    return controls::elementName(array == KeyArray::Grades ? "Text4" : "Text5", index);
}

} // namespace

PageForm::PageForm()
{
    for (const controls::ControlSpec &row : controls::controlTable()) {
        m_texts[row.name] = row.caption;
        m_visible[row.name] = row.visible;
    }
}

std::string PageForm::text(const std::string &name) const
{
    const auto found = m_texts.find(name);
    return found == m_texts.end() ? std::string() : found->second;
}

bool PageForm::visible(const std::string &name) const
{
    const auto found = m_visible.find(name);
    return found != m_visible.end() && found->second;
}

std::string PageForm::keyText(KeyArray array, int index) const
{
    return text(keyField(array, index));
}

void PageForm::setKeyText(KeyArray array, int index, const std::string &text)
{
    m_texts[keyField(array, index)] = text;
}

bool PageForm::isKeyFieldVisible(KeyArray array, int index) const
{
    return visible(keyField(array, index));
}

void PageForm::setKeyFieldVisible(KeyArray array, int index, bool visible)
{
    m_visible[keyField(array, index)] = visible;
}

void PageForm::setKeyLabelVisible(int index, bool visible)
{
    m_visible[controls::elementName("Label8", index)] = visible;
}

void PageForm::focusKeyField(KeyArray array, int index) { m_focused = keyField(array, index); }

void PageForm::setPointsText(PointsField field, const std::string &text)
{
    std::string &points = m_texts[field == PointsField::Maximum ? "Text1" : "Text2"];
    if (points == text)
        return;
    points = text;
    events::pointsChanged(*this, field);
}

void PageForm::evaluate() { events::pointsChanged(*this, PointsField::Achieved); }

} // namespace web
