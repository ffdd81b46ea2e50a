// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// For tests of the real window: a fresh FormSkalix for each test function,
// every message it shows taken by a MessageWatch (whose watchdog fails the
// test if a real modal box opens), and its controls found by objectName.
// A test class derives from it and calls startWindow() in init() and
// endWindow() in cleanup().

#include "messagewatch.h"

#include "ui/formskalix.h"

#include <QString>

#include <memory>

class WindowFixture
{
protected:
    void startWindow();
    void endWindow();
    // Shown and active, so that it takes the keyboard focus.
    void showActive();

    template <typename T = QWidget>
    T *control(const QString &name) const
    {
        T *widget = m_form->findChild<T *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }

    // What holds the controls: the window's client area.
    QWidget *clientArea() const { return control("Text1")->parentWidget(); }

    std::unique_ptr<MessageWatch> m_watch;
    std::unique_ptr<FormSkalix> m_form;
};
