// Skalix: which grade does a pupil get for the points reached in a test,
// under a given grading key, when a given number of points was the maximum?

#include "ui/formskalix.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Skalix"));
    QApplication::setApplicationVersion(QStringLiteral(SKALIX_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(SKALIX_APP_ID));

    FormSkalix window;
    window.show();
    return app.exec();
}
