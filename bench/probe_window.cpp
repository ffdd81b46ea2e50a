// SPDX-License-Identifier: GPL-3.0-or-later
// Starts, shows one window, reports on the file descriptor given as its
// argument (one byte) as soon as the window is on screen, and ends: the
// Skalix window (PROBE_SKALIX), a bare Qt Widgets window of the same size,
// or that window with one line of text (PROBE_TEXT), which has to load a
// font as every window with text does. For comparing start-up time and peak
// memory side by side.

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <cstdlib>
#include <unistd.h>

#ifdef PROBE_SKALIX
#include "ui/formskalix.h"
using Window = FormSkalix;
#else
#include <QLabel>
struct Window : QWidget
{
    Window()
    {
        resize(444, 666);
#ifdef PROBE_TEXT
        new QLabel(QStringLiteral("Skalix"), this);
#endif
    }
};
#endif

int main(int argc, char *argv[])
{
    const int reportFd = argc > 1 ? std::atoi(argv[1]) : -1;
    QApplication app(argc, argv);
    Window window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    if (reportFd >= 0 && write(reportFd, "1", 1) != 1)
        return 1;
    return 0;
}
