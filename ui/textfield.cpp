// SPDX-License-Identifier: GPL-3.0-or-later
#include "textfield.h"

#include <QFontMetricsF>
#include <QStyleOptionFrame>

namespace {

// What Qt keeps between a text box's contents and its text on either side.
constexpr int kQtTextMargin = 2;

} // namespace

TextField::TextField(bool framed, QWidget *parent) : QLineEdit(parent) { setFrame(framed); }

void TextField::paintEvent(QPaintEvent *event)
{
    // Decided as the field is drawn, so a text that is set but never shown
    // (the program writes key fields and results far more often than a
    // screen can show them) costs nothing here.
    if (hasFrame())
        fitTextArea();
    QLineEdit::paintEvent(event);
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
