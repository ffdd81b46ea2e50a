// SPDX-License-Identifier: GPL-3.0-or-later
// Skalix: which grade does a pupil get for the points reached in a test,
// under a given grading key, when a given number of points was the maximum?

#include "windowsystem.h"

#include "ui/application.h"
#include "ui/formskalix.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    windowsystem::choosePlatform();
    if (!windowsystem::isConfigured())
        return windowsystem::refuseToStart();
    windowsystem::StartGuard guard;
    QApplication app(argc, argv);
    guard.release();

    application::setUp();
    FormSkalix window;
    window.show();
    return app.exec();
}
