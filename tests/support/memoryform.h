// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A plain in-memory stand-in for the window: the texts and visibility flags
// the logic works on, the focus it moved last and the messages it showed.
// Starts as the window does before its load handler runs: maximum "100",
// reached "75", grade mode, every key field empty.

#include "key/keyform.h"
#include "key/keytable.h"

#include <QStringList>

#include <array>
#include <optional>
#include <utility>

class MemoryForm : public KeyForm
{
public:
    QString maximum = QStringLiteral("100");
    QString achieved = QStringLiteral("75");
    QString result;
    std::array<QString, keytable::kGradeFieldCount> grades;
    std::array<QString, keytable::kMssFieldCount> mss;
    std::array<bool, keytable::kGradeFieldCount> gradeVisible;
    std::array<bool, keytable::kMssFieldCount> mssVisible;
    std::array<bool, keytable::kLabelCount> labelVisible;
    std::optional<std::pair<KeyArray, int>> focus;
    QStringList messages;
    int evaluations = 0;

    MemoryForm();

    // Grade mode or MSS mode, as the mode switches leave it.
    void setMode(KeyArray visible);

    QString maximumText() const override { return maximum; }
    QString achievedText() const override { return achieved; }
    QString resultText() const override { return result; }
    void setResultText(const QString &text) override { result = text; }
    QString keyText(KeyArray array, int index) const override;
    void setKeyText(KeyArray array, int index, const QString &text) override;
    bool isKeyFieldVisible(KeyArray array, int index) const override;
    void setKeyFieldVisible(KeyArray array, int index, bool visible) override;
    void setKeyLabelVisible(int index, bool visible) override;
    void focusKeyField(KeyArray array, int index) override { focus = {array, index}; }
    void evaluate() override;
    void showMessage(const QString &text) override { messages << text; }
};
