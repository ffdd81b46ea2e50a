// SPDX-License-Identifier: GPL-3.0-or-later
#include "focusring.h"

#include "contrast.h"

#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace {

constexpr int kRingWidth = 2;

} // namespace

void FocusRing::follow(QWidget *focused)
{
    const auto *field = qobject_cast<QLineEdit *>(focused);
    const bool ringed = qobject_cast<QPushButton *>(focused) || (field && !field->isReadOnly());
    setWidget(ringed ? focused : nullptr);
}

void FocusRing::paintEvent(QPaintEvent *)
{
    if (!widget())
        return;
    // The frame reaches as far beyond the button as the style's focus
    // frame margins; the ring is its outermost two pixels.
    QPainterPath ring;
    ring.addRect(rect());
    ring.addRect(rect().adjusted(kRingWidth, kRingWidth, -kRingWidth, -kRingWidth));
    const QColor colour = contrast::standingOut(palette().color(QPalette::Highlight),
                                                palette().color(QPalette::Window), contrast::kText);
    QPainter(this).fillPath(ring, colour);
}
