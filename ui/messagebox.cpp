// SPDX-License-Identifier: GPL-3.0-or-later
#include "messagebox.h"

#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

namespace messagebox {

namespace {

Answerer &answerer()
{
    static Answerer instance;
    return instance;
}

} // namespace

void show(QWidget *parent, const QString &text)
{
    if (answerer()) {
        answerer()(text);
        return;
    }
    QString shown = text;
    shown.replace(u'\r', u'\n');
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf16(kTitle), shown, QMessageBox::Ok,
                    parent);
    box.setTextFormat(Qt::PlainText);
    // Desktop themes that put pictures on dialog buttons would put one
    // beside "OK"; the program's boxes have a plain OK button everywhere.
    box.button(QMessageBox::Ok)->setIcon(QIcon());
    box.exec();
}

void setAnswerer(Answerer replacement) { answerer() = std::move(replacement); }

} // namespace messagebox
