// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the logic shows its messages. A message is modal, has one OK button
// and no icon, and carries the program's title; its answer is never used.
// The window shows a real message box; tests record the text instead.
class MessageSink
{
public:
    virtual ~MessageSink() = default;
    virtual void showMessage(const QString &text) = 0;
};
