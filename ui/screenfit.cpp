// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenfit.h"

#include <QEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QWidget>

ScreenFit::ScreenFit(QWidget *window, QScrollArea *scroller, QWidget *client)
    : QObject(window), m_window(window), m_scroller(scroller), m_client(client)
{
    m_frameWatch.setInterval(kFrameWatchIntervalMs);
    connect(&m_frameWatch, &QTimer::timeout, this, [this] {
        if (++m_frameWatchTicks >= kFrameWatchTicks) {
            m_frameWatch.stop();
            m_frameWatchTicks = 0;
        }
        fitAgainOnceFramed();
    });
    window->installEventFilter(this);
}

bool ScreenFit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::Resize:
        m_scroller->resize(m_window->size()); // fills the window
        fitAgainOnceFramed();
        break;
    case QEvent::Move:
        fitAgainOnceFramed();
        break;
    case QEvent::Show:
        if (!event->spontaneous()) {
            fit();
            m_fittedFrame = frameMarginsNow();
            // Where the frame comes with no move or resize to tell (Wayland,
            // where Qt draws it), it is looked for a few times as the window
            // first appears.
            m_frameWatch.start();
        }
        break;
    default:
        break;
    }
    return false;
}

// The frame around the window: the window manager's title bar and border.
QMargins ScreenFit::frameMarginsNow() const
{
    const QRect framed = m_window->frameGeometry();
    const QRect inner = m_window->geometry();
    return {inner.left() - framed.left(), inner.top() - framed.top(),
            framed.right() - inner.right(), framed.bottom() - inner.bottom()};
}

// A window manager frames the window only once it is on the screen: its
// frame is known from then on. A window fitted without it is fitted
// again, with it; one that fits the screen either way stays as it is.
void ScreenFit::fitAgainOnceFramed()
{
    if (!m_fittedFrame || !m_window->isVisible()
        || (m_window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    const QMargins frame = frameMarginsNow();
    if (frame == *m_fittedFrame)
        return;
    m_fittedFrame = frame;
    fit();
}

// Nothing of the window may lie beyond its screen's free area (the desktop
// less its panels and task bar): where the window with its frame would,
// it is made as large as the area allows, with room for the scroll bar
// that then appears, and moved inside it. A window that fits stays as it
// is.
void ScreenFit::fit()
{
    const QScreen *on = m_window->screen();
    if (!on)
        return;
    const QRect room = on->availableGeometry();
    const QMargins frame = frameMarginsNow();
    const QSize most = room.size().shrunkBy(frame);
    const QSize laidOut = m_client->size();
    const bool fits = most.expandedTo(laidOut) == most;
    // Where the window fits, no scroll bar shows, not even where a window
    // manager rounds its size down by a pixel of the screen (at 150 %, one
    // that sizes windows in steps of two): that pixel is the window's
    // empty margin.
    const Qt::ScrollBarPolicy bars = fits ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
    m_scroller->setVerticalScrollBarPolicy(bars);
    m_scroller->setHorizontalScrollBarPolicy(bars);
    QSize wanted = fits ? laidOut : m_window->size();
    // Room for the scroll bar beside the controls, and a pixel more for a
    // window manager's rounding.
    const int bar =
        m_window->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scroller) + 1;
    if (!fits && wanted.height() > most.height())
        wanted.rwidth() = std::max(wanted.width(), laidOut.width() + bar);
    if (!fits && wanted.width() > most.width())
        wanted.rheight() = std::max(wanted.height(), laidOut.height() + bar);
    wanted = wanted.boundedTo(most);
    if (wanted != m_window->size())
        m_window->resize(wanted);

    const QRect framed = m_window->frameGeometry();
    const QSize outer = wanted.grownBy(frame);
    const QPoint inside(qBound(room.left(), framed.left(), room.right() + 1 - outer.width()),
                        qBound(room.top(), framed.top(), room.bottom() + 1 - outer.height()));
    if (inside != framed.topLeft())
        m_window->move(inside);
}

void ScreenFit::bringIntoView(const QWidget *control)
{
    // The whole control and the ring around it. (The scroll area's own
    // ensureWidgetVisible would bring a text field's cursor into view, and
    // leave the rest of the field cut at the edge.)
    constexpr int kRingRoom = 4;
    const QRect whole = QRect(control->mapTo(m_client, QPoint()), control->size())
                            .marginsAdded(QMargins(kRingRoom, kRingRoom, kRingRoom, kRingRoom));
    m_scroller->ensureVisible(whole.right(), whole.bottom(), 0, 0);
    m_scroller->ensureVisible(whole.left(), whole.top(), 0, 0);
}
