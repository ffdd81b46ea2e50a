// SPDX-License-Identifier: GPL-3.0-or-later
#include "slider.h"

#include <QPainter>
#include <QStyleOptionSlider>

Slider::Slider(QWidget *parent) : QScrollBar(Qt::Horizontal, parent) {}

QRect Slider::thumbRect() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
}

void Slider::paintEvent(QPaintEvent *event)
{
    QScrollBar::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.setBrush(hasFocus() ? palette().highlight() : palette().mid());
    painter.drawRect(thumbRect().adjusted(0, 0, -1, -1));
}
