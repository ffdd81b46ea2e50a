// SPDX-License-Identifier: GPL-3.0-or-later
#include "announcer.h"

#include <QApplication>

Announcer::Announcer(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFixedSize(0, 0);
    hide();
    m_pause.setSingleShot(true);
    m_pause.setInterval(kPauseMs);
    connect(&m_pause, &QTimer::timeout, this, &Announcer::speak);
}

void Announcer::announce(const QString &message)
{
    // What the window does before it is shown (the standard key entered
    // as it opens) is no news.
    if (!window()->isVisible())
        return;
    m_message = message;
    m_pause.start();
}

void Announcer::speak()
{
    // While a message box is open the screen reader reads the box; the
    // grade is told once it is closed.
    if (QApplication::activeModalWidget()) {
        m_pause.start();
        return;
    }
    setAccessibleName(m_message);
    hide();
    show();
}
