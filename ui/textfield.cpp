// SPDX-License-Identifier: GPL-3.0-or-later
#include "textfield.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QStyleOptionFrame>

namespace {

// What Qt keeps between a text box's contents and its text on either side.
constexpr int kQtTextMargin = 2;

} // namespace

TextField::TextField(bool framed, QWidget *parent) : QLineEdit(parent)
{
    setFrame(framed);
    if (framed)
        connect(this, &QLineEdit::textChanged, this, &TextField::fitTextArea);
}

void TextField::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange && hasFrame())
        fitTextArea();
}

void TextField::fitTextArea()
{
    // The text is clipped to the contents less the margins set here. Lent
    // the frame's width and Qt's margin, the text may reach over the frame's
    // pixels; that is allowed only while all of it fits, so that it is not
    // scrolled and its ink stays clear of the frame lines.
    QStyleOptionFrame option;
    initStyleOption(&option);
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    const int lent = frame + kQtTextMargin;
    // Lent that much on either side, the text has the field's whole width;
    // Qt wants one pixel more for the cursor.
    const int cursor = 1;
    const bool fits = qRound(QFontMetricsF(font()).horizontalAdvance(text())) + cursor <= width();
    const int margin = fits ? -lent : 0;
    if (textMargins().left() != margin)
        setTextMargins(margin, 0, margin, 0);
}
