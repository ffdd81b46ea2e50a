// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The web page's side of KeyForm, inside the WebAssembly module: every
// text, visibility and focus lives in the page's HTML elements, as on the
// desktop it lives in the window's controls, and is read and written
// through the few functions the page's script gives the module
// (web/skalix.js). The page names its controls by the same names as the
// window; the module names them by a number and an index.

#include "key/keyform.h"

namespace web {

// Text1, Text2 and Text3 by their number; the arrays Text4, Text5 and
// Label8 by theirs, with an index.
enum class Control { Text1 = 1, Text2 = 2, Text3 = 3, Text4 = 4, Text5 = 5, Label8 = 8 };

class WebForm final : public KeyForm
{
public:
    std::string maximumText() const override;
    std::string achievedText() const override;
    std::string resultText() const override;
    void setResultText(const std::string &text) override;
    void setPointsText(PointsField field, const std::string &text) override;
    std::string keyText(KeyArray array, int index) const override;
    void setKeyText(KeyArray array, int index, const std::string &text) override;
    bool isKeyFieldVisible(KeyArray array, int index) const override;
    void setKeyFieldVisible(KeyArray array, int index, bool visible) override;
    void setKeyLabelVisible(int index, bool visible) override;
    void focusKeyField(KeyArray array, int index) override;
    void evaluate() override;
    void announce(const std::string &words) override;
    void closeWindow() override;
    void showMessage(const std::string &text) override;
};

} // namespace web
