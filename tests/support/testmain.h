#pragma once

#include <QtTest>

// Like QTEST_MAIN, but headless on the offscreen platform unless the caller
// has chosen a platform (QT_QPA_PLATFORM) already.
#define SKALIX_WIDGET_TEST_MAIN(TestClass)                  \
    int main(int argc, char *argv[])                        \
    {                                                       \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) \
            qputenv("QT_QPA_PLATFORM", "offscreen");        \
        QApplication app(argc, argv);                       \
        TestClass test;                                     \
        QTEST_SET_MAIN_SOURCE_PATH                          \
        return QTest::qExec(&test, argc, argv);             \
    }
