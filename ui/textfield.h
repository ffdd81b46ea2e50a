// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

// A text box. A framed one lends its text the width of its frame and of
// Qt's margin while the text fits that way, since the narrow key fields
// need every pixel to show limits such as 91,99 whole; a value too long for
// the field is kept inside the frame, which it never draws over, and shows
// its beginning whenever the field is not being edited, as Windows' own
// fields do. A frameless one (the title fields) keeps Qt's own margin, so
// its first letter is drawn whole.
//
// Line breaks and tabs at either end of a text never stay in the field
// (arith/pastedtext.h). What is pasted or dropped is trimmed before it goes
// in, so it goes in as one step of the field's undo history, as any paste
// does.
//
// A framed field's outer frame line stands out from what surrounds the
// field by 3:1 under any palette (under a high-contrast one the style's own
// line would be black on black); the focus is shown by the focus ring
// around the field (FocusRing).
class TextField : public QLineEdit
{
    Q_OBJECT
public:
    TextField(bool framed, QWidget *parent);

    // Paste, with the breaks at either end taken off.
    void pasteTrimmed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void insertTrimmed(const QString &text);
    QColor frameColour() const;
    bool textFits() const;
    void lendMargins(bool fits);
};
