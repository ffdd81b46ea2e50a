// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A plain in-memory stand-in for the window: the texts and visibility flags
// the logic works on, the focus it moved last, the messages it showed and
// what it told a screen reader.
// Starts as the window does before its load handler runs: maximum "100",
// reached "75", grade mode, every key field empty.

#include "key/keyform.h"
#include "key/keytable.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class MemoryForm : public KeyForm
{
public:
    std::string maximum = "100";
    std::string achieved = "75";
    std::string result;
    std::array<std::string, keytable::kGradeFieldCount> grades;
    std::array<std::string, keytable::kMssFieldCount> mss;
    std::array<bool, keytable::kGradeFieldCount> gradeVisible;
    std::array<bool, keytable::kMssFieldCount> mssVisible;
    std::array<bool, keytable::kLabelCount> labelVisible;
    std::optional<std::pair<KeyArray, int>> focus;
    std::vector<std::string> messages;
    std::vector<std::string> announcements;
    int evaluations = 0;
    bool closed = false;

    MemoryForm();

    // Grade mode or MSS mode, as the mode switches leave it.
    void setMode(KeyArray visible);

    std::string maximumText() const override { return maximum; }
    std::string achievedText() const override { return achieved; }
    std::string resultText() const override { return result; }
    void setResultText(const std::string &text) override { result = text; }
    void setPointsText(PointsField field, const std::string &text) override;
    std::string keyText(KeyArray array, int index) const override;
    void setKeyText(KeyArray array, int index, const std::string &text) override;
    bool isKeyFieldVisible(KeyArray array, int index) const override;
    void setKeyFieldVisible(KeyArray array, int index, bool visible) override;
    void setKeyLabelVisible(int index, bool visible) override;
    void focusKeyField(KeyArray array, int index) override { focus = {array, index}; }
    void evaluate() override;
    void announce(const std::string &words) override { announcements.push_back(words); }
    void closeWindow() override { closed = true; }
    void showMessage(const std::string &text) override { messages.push_back(text); }
};
