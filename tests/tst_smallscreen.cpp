// SPDX-License-Identifier: GPL-3.0-or-later
// On any screen the whole window can be reached: where it fits it is exactly
// its size with nothing added; on a screen too small for it (a netbook, a
// laptop at 125 %) it stays within the screen, and every control can be
// brought into view by Tab as by the scroll bars. Run on virtual X screens
// of several sizes and scales.

#include "support/windowfixture.h"

#include "ui/controltable.h"

#include <QApplication>
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
        return m_form->screen()->availableGeometry().height() >= controls::kWindowHeightTwips / 15;
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
    QVERIFY2(available.contains(m_form->frameGeometry()),
             qPrintable(QStringLiteral("window %1×%2 on a screen of %3×%4")
                            .arg(m_form->frameGeometry().width())
                            .arg(m_form->frameGeometry().height())
                            .arg(available.width())
                            .arg(available.height())));
    auto *scroller = m_form->findChild<QScrollArea *>();
    QVERIFY(scroller);
    if (fitsScreen()) {
        QCOMPARE(m_form->size(), QSize(444, 666));
        QVERIFY(!scroller->verticalScrollBar()->isVisible());
    } else {
        QVERIFY(scroller->verticalScrollBar()->isVisible());
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
    if (mssMode)
        m_form->Command7_Click();
    QWidget *first = QApplication::focusWidget();
    QVERIFY(first);
    QStringList seen;
    do {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focused = QApplication::focusWidget();
        QVERIFY2(wholeInView(focused), qPrintable(focused->objectName()));
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

QTEST_MAIN(TestSmallScreen)
#include "tst_smallscreen.moc"
