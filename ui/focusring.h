// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFocusFrame>

// The ring around the push button or text field that has the keyboard
// focus, so that a keyboard user sees at a glance which button Space or
// Return will press and where typing goes (the styles' own focus frames
// are a faint line, a dotted one, or a frame a pixel wide that on a dark
// desktop hardly differs from the unfocused one): two pixels wide, right
// outside the control's edge, all around it, in the highlight colour made
// dark or light enough to stand out by 4.5:1 from the window behind it.
// Lying outside the control it never covers the caption, which on the
// narrow key buttons spans their whole width, or a field's text. As a
// focus frame it follows its control and is no control of its own,
// neither in the tab order nor to a screen reader.
class FocusRing : public QFocusFrame
{
    Q_OBJECT
public:
    using QFocusFrame::QFocusFrame;

    // Around the button or field that now has the focus; hidden for any
    // other control.
    void follow(QWidget *focused);

protected:
    void paintEvent(QPaintEvent *event) override;
};
