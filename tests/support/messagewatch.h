// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// For tests of the real window: every message the program shows is taken
// by the message-box seam and recorded. Should a real modal box open anyway,
// a watchdog closes it and the test fails, instead of hanging.

#include <QObject>
#include <QStringList>
#include <QTimer>

class MessageWatch : public QObject
{
    Q_OBJECT
public:
    MessageWatch();
    ~MessageWatch() override;

    QStringList messages;
    // A real modal widget was found and closed: the test must fail.
    bool strayModalSeen = false;

private:
    void closeStrayModal();
    QTimer m_watchdog;
};
