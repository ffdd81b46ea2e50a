// SPDX-License-Identifier: GPL-3.0-or-later
#include "slider.h"

#include "contrast.h"

#include <QEvent>
#include <QImage>
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
    const QColor preferred =
        hasFocus() ? palette().color(QPalette::Highlight) : palette().color(QPalette::Mid);
    QPainter painter(this);
    painter.fillRect(thumbRect(),
                     contrast::standingOut(preferred, troughColour(), contrast::kGraphics));
}

void Slider::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::PaletteChange)
        m_trough = QColor();
    QScrollBar::changeEvent(event);
}

QColor Slider::troughColour() const
{
    if (m_trough.isValid())
        return m_trough;
    // The style draws the trough alone, without thumb and arrows, and its
    // colour is read in the middle.
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.subControls =
        QStyle::SC_ScrollBarGroove | QStyle::SC_ScrollBarAddPage | QStyle::SC_ScrollBarSubPage;
    option.state &= ~QStyle::State_HasFocus;
    QImage trough(size(), QImage::Format_RGB32);
    trough.fill(palette().color(QPalette::Window));
    QPainter painter(&trough);
    style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &painter, this);
    painter.end();
    const QRect groove =
        style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, this);
    m_trough = trough.pixelColor(groove.center());
    return m_trough;
}
