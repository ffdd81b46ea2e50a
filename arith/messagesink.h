// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Where the logic shows its messages. A message is modal, has one OK button
// and no icon, and carries the program's title; its answer is never used.
// The window shows a real message box, the web page a dialog; tests record
// the text instead. Texts are UTF-8; a line break is a carriage return.
class MessageSink
{
public:
    virtual ~MessageSink() = default;
    virtual void showMessage(const std::string &text) = 0;
};
