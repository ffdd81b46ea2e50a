// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "key/announcement.h"

#include <QTimer>
#include <QWidget>

// Tells a screen reader something it would not otherwise say, without
// moving the focus: the new grade after typing, a slider step, a preset,
// a clearing or "Berechnen", whose field a screen reader neither watches
// nor reaches by Tab. Screen readers speak an object of the notification
// role when it is shown (Orca 43 and later); the announcer is such an
// object, of no size, that takes its message as its name and is shown
// anew for each. Messages in quick succession (typing, a held arrow key)
// are spoken once, the last, when they pause, and none while a message box
// is open.
class Announcer : public QWidget
{
    Q_OBJECT
public:
    explicit Announcer(QWidget *parent);

    // How long messages must pause before the last one is spoken.
    static constexpr int kPauseMs = announcement::kPauseMs;

    void announce(const QString &message);

private:
    void speak();
    QTimer m_pause;
    QString m_message;
};
