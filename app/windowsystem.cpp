// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowsystem.h"

#include <QList>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace windowsystem {

namespace {

struct HeldMessage
{
    QtMsgType type;
    QString text;
};

QList<HeldMessage> &heldMessages()
{
    static QList<HeldMessage> messages;
    return messages;
}

} // namespace

void choosePlatform()
{
#ifdef Q_OS_WIN
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
#endif
}

bool isConfigured()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    return !qEnvironmentVariableIsEmpty("DISPLAY")
           || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
           || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#else
    return true; // the system's own window system is always there
#endif
}

int refuseToStart()
{
    std::fprintf(stderr, "%s\n", kMissingMessage);
    return EXIT_FAILURE;
}

StartGuard::StartGuard() : m_previous(qInstallMessageHandler(&StartGuard::handle)) {}

void StartGuard::release()
{
    if (m_released)
        return;
    m_released = true;
    qInstallMessageHandler(m_previous);
    const QMessageLogContext noContext;
    for (const HeldMessage &message : std::as_const(heldMessages())) {
        if (m_previous)
            m_previous(message.type, noContext, message.text);
    }
    heldMessages().clear();
}

void StartGuard::handle(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type != QtFatalMsg) {
        heldMessages().append({type, text});
        return;
    }
    // Qt aborts once this returns; nothing of the half-made application
    // needs tidying, so the process ends here, at once.
    std::fflush(stdout);
    std::_Exit(refuseToStart());
}

} // namespace windowsystem
