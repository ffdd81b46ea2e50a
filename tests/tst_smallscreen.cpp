// SPDX-License-Identifier: GPL-3.0-or-later
// On any screen the whole window can be reached: where it fits it is exactly
// its size with nothing added; on a screen too small for it (a netbook, a
// laptop at 125 or 150 %) it stays within the screen with the window
// manager's frame around it, and every control, a button's focus ring
// included, can be brought into view by Tab as by the scroll bars, which
// show whole. Run on virtual X screens of several sizes and scales, with
// a window manager and without.

#include "support/suites.h"
#include "support/windowfixture.h"

#include "form/controltable.h"

#include <QApplication>
#include <QFocusFrame>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

class TestSmallScreen : public QObject, public WindowFixture
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void windowWithinScreen();
    void tabShowsEveryControl_data();
    void tabShowsEveryControl();
    void scrollBarsReachEveryCorner();

private:
    bool fitsScreen() const
    {
        const QRect framed = m_form->frameGeometry();
        const int frame = framed.height() - m_form->geometry().height();
        return m_form->screen()->availableGeometry().height()
               >= controls::kWindowHeightTwips / controls::kTwipsPerPixel + frame;
    }
    // Whether the control is seen whole: within the part of the window that
    // shows its controls, and on the screen's free area.
    bool wholeInView(QWidget *control) const
    {
        const auto *scroller = m_form->findChild<QScrollArea *>();
        const QWidget *shown = scroller ? scroller->viewport() : m_form.get();
        const QRect visible = QRect(shown->mapToGlobal(QPoint()), shown->size())
                                  .intersected(m_form->screen()->availableGeometry());
        return visible.contains(QRect(control->mapToGlobal(QPoint()), control->size()));
    }
    // Whether a part of the window itself (a scroll bar) is seen whole.
    bool onScreen(QWidget *part) const
    {
        const QRect rect(part->mapToGlobal(QPoint()), part->size());
        return m_form->screen()->availableGeometry().contains(rect)
               && QRect(m_form->mapToGlobal(QPoint()), m_form->size()).contains(rect);
    }
    // The ring around the focused button, where one is drawn.
    QWidget *focusRing() const
    {
        auto *ring = m_form->findChild<QFocusFrame *>();
        return ring && ring->isVisible() && ring->widget() ? ring : nullptr;
    }
};

void TestSmallScreen::init()
{
    startWindow();
    showActive();
}

void TestSmallScreen::cleanup() { endWindow(); }

void TestSmallScreen::windowWithinScreen()
{
    const QRect available = m_form->screen()->availableGeometry();
    // On Wayland only the compositor knows where windows are: there the
    // framed window must fit the screen's free area.
    const bool placed = QGuiApplication::platformName() != QLatin1String("wayland");
    const auto within = [&] {
        const QRect framed = m_form->frameGeometry();
        return placed ? available.contains(framed)
                      : available.size().expandedTo(framed.size()) == available.size();
    };
    // Fitted again once the frame is known, which may come a moment later.
    QTRY_VERIFY2(within(), qPrintable(QStringLiteral("window %1×%2 on a screen of %3×%4")
                                          .arg(m_form->frameGeometry().width())
                                          .arg(m_form->frameGeometry().height())
                                          .arg(available.width())
                                          .arg(available.height())));
    auto *scroller = m_form->findChild<QScrollArea *>();
    QVERIFY(scroller);
    if (fitsScreen()) {
        // As laid out, or (at 150 %, framed by a window manager that sizes
        // windows in steps of two of the screen's pixels) a pixel less.
        const QSize size = m_form->size();
        QVERIFY2(size.width() == 444 && (size.height() == 666 || size.height() == 665),
                 qPrintable(QStringLiteral("%1×%2").arg(size.width()).arg(size.height())));
        QVERIFY(!scroller->verticalScrollBar()->isVisible());
    } else {
        QVERIFY(scroller->verticalScrollBar()->isVisible());
        QVERIFY(onScreen(scroller->verticalScrollBar()));
    }
    QVERIFY(!scroller->horizontalScrollBar()->isVisible());
}

void TestSmallScreen::tabShowsEveryControl_data()
{
    QTest::addColumn<bool>("mssMode");
    QTest::newRow("grade mode") << false;
    QTest::newRow("MSS mode") << true;
}

void TestSmallScreen::tabShowsEveryControl()
{
    QFETCH(bool, mssMode);
    if (!QApplication::focusWidget())
        QSKIP("the window has no keyboard focus here (a headless Wayland compositor gives none)");
    if (mssMode)
        m_form->Command7_Click();
    QWidget *first = QApplication::focusWidget();
    QVERIFY(first);
    QStringList seen;
    do {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focused = QApplication::focusWidget();
        QVERIFY2(wholeInView(focused), qPrintable(focused->objectName()));
        if (QWidget *ring = focusRing())
            QVERIFY2(wholeInView(ring), qPrintable(focused->objectName() + " (its focus ring)"));
        seen << focused->objectName();
    } while (QApplication::focusWidget() != first && seen.size() < 200);
    QVERIFY(seen.contains(QStringLiteral("Command7")));
}

void TestSmallScreen::scrollBarsReachEveryCorner()
{
    auto *scroller = m_form->findChild<QScrollArea *>();
    QVERIFY(scroller);
    const auto scrollTo = [scroller](bool end) {
        for (QScrollBar *bar : {scroller->verticalScrollBar(), scroller->horizontalScrollBar()})
            bar->setValue(end ? bar->maximum() : bar->minimum());
    };
    scrollTo(false);
    for (const char *topCorner : {"Command1", "Command5"})
        QVERIFY2(wholeInView(control(topCorner)), topCorner);
    scrollTo(true);
    for (const char *bottomCorner : {"Command7", "Image1"})
        QVERIFY2(wholeInView(control(bottomCorner)), bottomCorner);
}

SKALIX_TEST_SUITE(TestSmallScreen)
#include "tst_smallscreen.moc"
