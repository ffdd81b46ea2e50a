// SPDX-License-Identifier: GPL-3.0-or-later
// The test program of the window, as Qt Test's own main sets one up.

#include "suites.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    QTEST_SET_MAIN_SOURCE_PATH
    return suites::run(argc, argv);
}
