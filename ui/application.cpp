// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"

#include "controlfactory.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace application {

void setUp()
{
    QApplication::setApplicationName(QStringLiteral("Skalix"));
    QApplication::setApplicationVersion(QStringLiteral(SKALIX_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(SKALIX_APP_ID));
    // The window's font for everything, the message boxes too; and the
    // desktop's default font is never loaded just to be replaced.
    QApplication::setFont(controls::windowFont());

    // The program speaks German whatever the desktop's language, so Qt's own
    // texts (the fields' context menus) do too, where Qt's German
    // translation is installed.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto *qtTexts = new QTranslator(qApp);
    if (qtTexts->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtTexts);
    else
        delete qtTexts;
}

} // namespace application
