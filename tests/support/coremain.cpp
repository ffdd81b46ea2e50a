// SPDX-License-Identifier: GPL-3.0-or-later
// The test program of the core and the texts: no window system needed.

#include "suites.h"

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTEST_SET_MAIN_SOURCE_PATH
    return suites::run(argc, argv);
}
