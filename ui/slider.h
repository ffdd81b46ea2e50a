// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QScrollBar>

// A horizontal scroll bar used as a slider. Whatever the style and the
// desktop's colours, its thumb stands out from the trough by at least 3:1
// (some styles draw it nearly as light as the trough, dark desktops nearly
// as dark), and it is drawn in the highlight colour while the slider has
// the keyboard focus, as the classic scroll bar shows its focus, so a Tab
// stop on it is seen and the user knows where the arrow keys go.
class Slider : public QScrollBar
{
    Q_OBJECT
public:
    explicit Slider(QWidget *parent);

    // Where the thumb is drawn, in the slider's own coordinates.
    QRect thumbRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QColor troughColour() const;
    // The trough as the style draws it, found once per style and palette.
    mutable QColor m_trough;
};
