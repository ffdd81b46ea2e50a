// SPDX-License-Identifier: GPL-3.0-or-later
// Starts, shows one window, reports on the file descriptor given as its
// argument (one byte) as soon as the window is on screen, and ends. The
// window is Skalix's (PROBE_SKALIX), set up as the program sets it up; a
// bare Qt Widgets window of the same size; or that window with one label
// and one line edit (PROBE_LABEL_AND_FIELD), the smallest window that, like
// Skalix, loads a font and lays out text in a field. For comparing start-up
// time and peak memory side by side.

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <cstdlib>
#include <unistd.h>

#ifdef PROBE_SKALIX
#include "ui/application.h"
#include "ui/formskalix.h"
using Window = FormSkalix;
#else
#include <QLabel>
#include <QLineEdit>
struct Window : QWidget
{
    Window()
    {
        resize(444, 666);
#ifdef PROBE_LABEL_AND_FIELD
        new QLabel(QStringLiteral("Maximalpunkte"), this);
        (new QLineEdit(QStringLiteral("100"), this))->move(0, 30);
#endif
    }
};
#endif

int main(int argc, char *argv[])
{
    const int reportFd = argc > 1 ? std::atoi(argv[1]) : -1;
    QApplication app(argc, argv);
#ifdef PROBE_SKALIX
    application::setUp();
#endif
    Window window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    if (reportFd >= 0 && write(reportFd, "1", 1) != 1)
        return 1;
    return 0;
}
