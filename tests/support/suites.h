// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Several Qt Test classes in one test program, each run in a process of its
// own by CTest, which names the class: "tst_desktop TestWindow [Qt Test
// options]". Without a name the program runs every class, one after the
// other. A test file ends with SKALIX_TEST_SUITE(Class) where a program of
// its own would have QTEST_MAIN(Class).

#include <QtTest>

#include <string>

namespace suites {

using Run = int (*)(int argc, char **argv);

// Registers a class; called by SKALIX_TEST_SUITE as the program starts.
bool add(const char *name, Run run);

// Runs the class argv[1] names, or every class.
int run(int argc, char **argv);

} // namespace suites

#define SKALIX_TEST_SUITE(Class)                                                   \
    namespace {                                                                    \
    const bool registered##Class = suites::add(#Class, [](int argc, char **argv) { \
        Class suite;                                                               \
        return QTest::qExec(&suite, argc, argv);                                   \
    });                                                                            \
    }

namespace QTest {
// Failed comparisons of standard texts show both texts.
template <>
inline char *toString(const std::string &text)
{
    return qstrdup(text.c_str());
}
} // namespace QTest
