// SPDX-License-Identifier: GPL-3.0-or-later
#include "textfield.h"

#include "contrast.h"

#include "arith/pastedtext.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QStyleOptionFrame>
#include <QValidator>

namespace {

// What Qt keeps between a text box's contents and its text on either side.
constexpr int kQtTextMargin = 2;

// How many UTF-16 units of the text are breaks at its start and at its end
// (arith/pastedtext.h). (The text is cut as it is, not made anew from its
// UTF-8, which would lose a byte order mark at its start.)
std::pair<qsizetype, qsizetype> endBreaks(const QString &text)
{
    const std::string utf8 = text.toStdString();
    const pastedtext::Span span = pastedtext::withoutEndBreaks(utf8);
    const auto units = [&utf8](std::size_t from, std::size_t to) {
        return QString::fromUtf8(utf8.data() + from, qsizetype(to - from)).size();
    };
    return {units(0, span.begin), units(span.end, utf8.size())};
}

// What the field keeps of a pasted or dropped text.
QString cleaned(const QString &pasted)
{
    const auto [atStart, atEnd] = endBreaks(pasted);
    return pasted.sliced(atStart, pasted.size() - atStart - atEnd);
}

// Every change of a field's text passes its validator, so breaks that come
// some other way (set through the accessibility bus, say) are taken off
// here as well. Pasted and dropped texts are trimmed before they go in, so
// that the field keeps its undo history, which a validator's change would
// clear. It accepts every text.
class BreakTrimmer : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &text, int &position) const override
    {
        const auto [atStart, atEnd] = endBreaks(text);
        if (atStart > 0 || atEnd > 0) {
            text = text.sliced(atStart, text.size() - atStart - atEnd);
            position = int(qBound(qsizetype(0), position - atStart, text.size()));
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

void TextField::insertTrimmed(const QString &text)
{
    if (!isReadOnly())
        insert(cleaned(text)); // one step of the undo history
}

void TextField::pasteTrimmed() { insertTrimmed(QGuiApplication::clipboard()->text()); }

void TextField::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        pasteTrimmed();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// The middle button pastes the selection where the window system has one,
// where the press put the cursor.
void TextField::mouseReleaseEvent(QMouseEvent *event)
{
    const QClipboard *clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection()) {
        deselect();
        insertTrimmed(clipboard->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

// Qt's own menu, its "Paste" ("Einfügen") pasting as the keyboard does.
// Qt names that action only by its caption, which ends in its shortcut.
void TextField::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QString pasteKey =
        u'\t' + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    for (QAction *action : menu->actions()) {
        if (action->text().endsWith(pasteKey)) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, &TextField::pasteTrimmed);
        }
    }
    menu->popup(event->globalPos());
}

void TextField::dropEvent(QDropEvent *event)
{
    if (!event->mimeData()->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    QMimeData trimmed;
    trimmed.setText(cleaned(event->mimeData()->text()));
    QDropEvent drop(event->position(), event->possibleActions(), &trimmed, event->buttons(),
                    event->modifiers(), event->type());
    drop.setDropAction(event->dropAction());
    QLineEdit::dropEvent(&drop);
    event->setDropAction(drop.dropAction());
    event->setAccepted(drop.isAccepted());
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
    if (hasFrame()) {
        // Over the style's outer line, which the text never reaches.
        QPainter painter(this);
        painter.setPen(frameColour());
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

// The style's own line (Fusion's, the window colour darkened) where it
// stands out from the window around the field by 3:1, otherwise that line
// made dark or light enough.
QColor TextField::frameColour() const
{
    const QColor around = parentWidget() ? parentWidget()->palette().color(QPalette::Window)
                                         : palette().color(QPalette::Window);
    return contrast::standingOut(around.darker(140), around, contrast::kGraphics);
}

void TextField::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange)
        update();
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
