// SPDX-License-Identifier: GPL-3.0-or-later
#include "textfield.h"

#include <QFontMetricsF>
#include <QStyleOptionFrame>
#include <QValidator>

namespace {

// What Qt keeps between a text box's contents and its text on either side.
constexpr int kQtTextMargin = 2;

// Characters that cannot be typed into a one-line field: they come only
// with a pasted or dropped text.
bool isPastedBreak(QChar c)
{
    switch (c.unicode()) {
    case u'\t':
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
    case 0x0085: // next line
    case 0x2028: // line separator
    case 0x2029: // paragraph separator
        return true;
    default:
        return false;
    }
}

// Every change of a field's text passes its validator, whether typed,
// pasted, dropped, set by the program or through the accessibility bus, so
// this is the one place where breaks at either end are taken off. It
// accepts every text.
class BreakTrimmer : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &text, int &position) const override
    {
        qsizetype begin = 0;
        qsizetype end = text.size();
        while (begin < end && isPastedBreak(text[begin]))
            ++begin;
        while (end > begin && isPastedBreak(text[end - 1]))
            --end;
        if (begin > 0 || end < text.size()) {
            text = text.sliced(begin, end - begin);
            position = int(qBound(qsizetype(0), position - begin, text.size()));
        }
        return Acceptable;
    }
};

} // namespace

TextField::TextField(bool framed, QWidget *parent) : QLineEdit(parent)
{
    setFrame(framed);
    setValidator(new BreakTrimmer(this));
}

void TextField::paintEvent(QPaintEvent *event)
{
    // Decided as the field is drawn, so a text that is set but never shown
    // (the program writes key fields and results far more often than a
    // screen can show them) costs nothing here.
    const bool fits = textFits();
    if (hasFrame())
        lendMargins(fits);
    // Qt scrolls a long text so that the cursor is seen, and after typing
    // or setText the cursor stands at its end; outside editing the field
    // shows where the text begins.
    if (!fits && !hasFocus() && cursorPosition() != 0)
        setCursorPosition(0);
    QLineEdit::paintEvent(event);
}

bool TextField::textFits() const
{
    // A framed field lends its text its whole width (lendMargins), a
    // frameless one keeps Qt's margins; Qt wants one pixel more than the
    // text for the cursor.
    const int room = hasFrame() ? width() : width() - 2 * kQtTextMargin;
    const int cursor = 1;
    return qRound(QFontMetricsF(font()).horizontalAdvance(text())) + cursor <= room;
}

void TextField::lendMargins(bool fits)
{
    // The text is clipped to the contents less the margins set here. Lent
    // the frame's width and Qt's margin on either side, the text has the
    // field's whole width and may reach over the frame's pixels; that is
    // allowed only while all of it fits, so that it is not scrolled and its
    // ink stays clear of the frame lines.
    QStyleOptionFrame option;
    initStyleOption(&option);
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    const int lent = frame + kQtTextMargin;
    const int margin = fits ? -lent : 0;
    if (textMargins().left() != margin)
        setTextMargins(margin, 0, margin, 0);
}
