// SPDX-License-Identifier: GPL-3.0-or-later
// Skalix: which grade does a pupil get for the points reached in a test,
// under a given grading key, when a given number of points was the maximum?

#include "windowsystem.h"

#include "ui/formskalix.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    if (!windowsystem::isConfigured())
        return windowsystem::refuseToStart();
    windowsystem::StartGuard guard;
    QApplication app(argc, argv);
    guard.release();

    QApplication::setApplicationName(QStringLiteral("Skalix"));
    QApplication::setApplicationVersion(QStringLiteral(SKALIX_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(SKALIX_APP_ID));

    // The program speaks German whatever the desktop's language, so Qt's own
    // texts (the fields' context menus) do too, where Qt's German
    // translation is installed.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    FormSkalix window;
    window.show();
    return app.exec();
}
