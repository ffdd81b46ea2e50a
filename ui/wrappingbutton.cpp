// SPDX-License-Identifier: GPL-3.0-or-later
#include "wrappingbutton.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

void WrappingButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear(); // the style draws the bevel and focus frame, we the caption
    painter.drawControl(QStyle::CE_PushButton, option);

    // The whole width of the face: the style's contents rect leaves too
    // little for the long captions of the narrow key buttons, which are set
    // to wrap onto two or three lines.
    const int bevel = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    QRect area = rect().adjusted(0, bevel, 0, -bevel);
    if (isDown())
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap, option.palette, isEnabled(),
                         caption, QPalette::ButtonText);
}

void WrappingButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}
