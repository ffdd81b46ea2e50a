// SPDX-License-Identifier: GPL-3.0-or-later
#include "messagebox.h"

#include <QMessageBox>

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
    box.exec();
}

void setAnswerer(Answerer replacement) { answerer() = std::move(replacement); }

} // namespace messagebox
