// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every message of the program goes through here: a modal box titled
// "Skalix" with one OK button and no icon. Tests install an answerer that
// takes the text instead of opening a box.
namespace messagebox {

inline constexpr auto kTitle = u"Skalix";

using Answerer = std::function<void(const QString &text)>;

// Line breaks in the text are carriage returns (character 13), as the
// program holds them; they become the platform's line breaks in the box.
void show(QWidget *parent, const QString &text);

// Replaces the real box; an empty answerer brings it back.
void setAnswerer(Answerer answerer);

} // namespace messagebox
