// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The core's suites (number texts, percentage keys, live evaluation,
// presets) run under Qt Test on the desktop and, in the browser, where
// there is no Qt, under the part of Qt Test's interface they use
// (browsertest.h): the same sources, the same tables, the same report.
//
// A suite is written as any Qt Test suite, in standard C++ types, and ends
// with SKALIX_CORE_TEST_MAIN(Class, test1, test2, ...), naming every test
// function; on the desktop a test function missing from that list (so not
// run in the browser) fails the suite.

#if defined(SKALIX_BROWSER_TEST)

#include "browsertest.h"

#else

#include <QtTest>

#include <string>
#include <string_view>

namespace QTest {
// Failed comparisons of texts show both texts.
template <>
inline char *toString(const std::string &text)
{
    return qstrdup(text.c_str());
}
} // namespace QTest

namespace coretest {
// Whether the comma-separated names are exactly the suite's test functions.
bool namesEveryTest(const QMetaObject &suite, std::string_view names);
} // namespace coretest

#define SKALIX_CORE_TEST_MAIN(Class, ...)                                    \
    int main(int argc, char **argv)                                          \
    {                                                                        \
        QCoreApplication app(argc, argv);                                    \
        Class suite;                                                         \
        if (!coretest::namesEveryTest(suite.staticMetaObject, #__VA_ARGS__)) \
            return 1;                                                        \
        QTEST_SET_MAIN_SOURCE_PATH                                           \
        return QTest::qExec(&suite, argc, argv);                             \
    }

#endif
