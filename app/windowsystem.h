// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Starting without a window system: a clear word instead of Qt's abort.
//
// Where no window system can be reached, Qt ends the process with abort()
// and advises reinstalling the program, which is wrong. Skalix instead
// writes one German line to stderr and exits with status 1.

#include <QtMessageHandler>

namespace windowsystem {

inline constexpr char kMissingMessage[] =
    "Skalix braucht eine grafische Oberfläche (X11 oder Wayland).";

// Chooses how Qt draws on this system, before the application is made: on
// Windows text is drawn by FreeType as on Linux, unless QT_QPA_PLATFORM says
// otherwise (the system's own font engine spaces the built-in Liberation
// Sans differently and, under Wine, finds no bold face in it).
void choosePlatform();

// Whether there is a window system to try: on Linux and the other Unix
// desktops DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM is set; on other
// systems (Windows) always.
bool isConfigured();

// Writes kMissingMessage to stderr and returns the exit status, 1.
int refuseToStart();

// Held while the application object is made: should Qt find the window
// system unreachable after all (a DISPLAY with no server behind it), the
// process writes kMissingMessage and exits with status 1 instead of
// aborting. Qt's own messages of that time are held back and passed on
// by release(), once the application object is there.
class StartGuard
{
public:
    StartGuard();
    ~StartGuard() { release(); }
    void release();
    StartGuard(const StartGuard &) = delete;
    StartGuard &operator=(const StartGuard &) = delete;

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &text);
    QtMessageHandler m_previous;
    bool m_released = false;
};

} // namespace windowsystem
