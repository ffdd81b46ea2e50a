// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

// A push button whose caption wraps at word boundaries within the button,
// centred, as the long captions of the key buttons need. Return and the
// keypad's Enter press it while it has the focus, as Space does, as on
// Windows and the Linux desktops (Qt does that only in dialogs).
class WrappingButton : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
