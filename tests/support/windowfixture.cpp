// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowfixture.h"

#include <QtTest>

void WindowFixture::startWindow()
{
    m_watch = std::make_unique<MessageWatch>();
    m_form = std::make_unique<FormSkalix>();
}

void WindowFixture::endWindow()
{
    m_form.reset();
    const bool strayModal = m_watch->strayModalSeen;
    m_watch.reset();
    QVERIFY2(!strayModal, "a real message box opened");
}

void WindowFixture::showActive()
{
    m_form->show();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}
