// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window as the page generator sees it: every control's text and
// visibility as the control table starts them, as KeyForm, so that the
// start-up (Form_Load) runs on it when the page is made and the page opens
// showing its result, with no script needed for the first grade.

#include "form/controltable.h"
#include "key/keyform.h"

#include <map>
#include <string>
#include <vector>

namespace web {

class PageForm final : public KeyForm
{
public:
    PageForm();

    // A control's text and visibility by its name.
    std::string text(const std::string &name) const;
    bool visible(const std::string &name) const;
    // The control the start-up left the focus in.
    const std::string &focused() const { return m_focused; }
    const std::vector<std::string> &messages() const { return m_messages; }

    std::string maximumText() const override { return text("Text1"); }
    std::string achievedText() const override { return text("Text2"); }
    std::string resultText() const override { return text("Text3"); }
    void setResultText(const std::string &text) override { m_texts["Text3"] = text; }
    void setPointsText(PointsField field, const std::string &text) override;
    std::string keyText(KeyArray array, int index) const override;
    void setKeyText(KeyArray array, int index, const std::string &text) override;
    bool isKeyFieldVisible(KeyArray array, int index) const override;
    void setKeyFieldVisible(KeyArray array, int index, bool visible) override;
    void setKeyLabelVisible(int index, bool visible) override;
    void focusKeyField(KeyArray array, int index) override;
    void evaluate() override;
    // Nobody listens while the page is made, and it has no window to close.
    void announce(const std::string &) override {}
    void closeWindow() override {}
    void showMessage(const std::string &text) override { m_messages.push_back(text); }

private:
    std::map<std::string, std::string> m_texts;
    std::map<std::string, bool> m_visible;
    std::string m_focused;
    std::vector<std::string> m_messages;
};

} // namespace web
