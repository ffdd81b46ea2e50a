// SPDX-License-Identifier: GPL-3.0-or-later
#include "messagewatch.h"

#include "ui/messagebox.h"

#include <QApplication>
#include <QWidget>

MessageWatch::MessageWatch()
{
    messagebox::setAnswerer([this](const QString &text) { messages << text; });
    connect(&m_watchdog, &QTimer::timeout, this, &MessageWatch::closeStrayModal);
    m_watchdog.start(200);
}

MessageWatch::~MessageWatch() { messagebox::setAnswerer({}); }

void MessageWatch::closeStrayModal()
{
    if (QWidget *modal = QApplication::activeModalWidget()) {
        strayModalSeen = true;
        modal->close();
    }
}
