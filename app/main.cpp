// Skalix: which grade does a pupil get for the points reached in a test,
// under a given grading key, when a given number of points was the maximum?

#include "ui/formskalix.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FormSkalix window;
    window.show();
    return app.exec();
}
