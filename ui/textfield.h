// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

// A text box. A framed one lends its text the width of its frame and of
// Qt's margin while the text fits that way, since the narrow key fields
// need every pixel to show limits such as 91,99 whole; a value too long for
// the field is kept inside the frame, which it never draws over. A
// frameless one (the title fields) keeps Qt's own margin, so its first
// letter is drawn whole.
class TextField : public QLineEdit
{
    Q_OBJECT
public:
    TextField(bool framed, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void fitTextArea();
};
