// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QObject>
#include <QTimer>

#include <optional>

class QScrollArea;
class QWidget;

// Keeps a window of fixed layout within its screen. The window's controls
// stand at their places on a client area inside a frameless scroll area
// that fills the window. Where the window fits its screen nothing of the
// scroll area is seen; on a screen too small for it (a netbook, a laptop at
// 125 or 150 %) the window opens as large as the screen's free area allows,
// its window manager's frame included, and scroll bars bring the rest into
// view, as does moving the focus there (bringIntoView).
//
// The frame is known only once the window is on the screen (X11) or first
// drawn (Wayland, where Qt draws it), so the window is fitted again then;
// where it fits, that changes nothing.
class ScreenFit : public QObject
{
    Q_OBJECT
public:
    // Watches the window's showing, moving and resizing.
    ScreenFit(QWidget *window, QScrollArea *scroller, QWidget *client);

    // Scrolls the control wholly into view, with the focus ring around it.
    void bringIntoView(const QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fit();
    QMargins frameMarginsNow() const;
    void fitAgainOnceFramed();

    QWidget *m_window;
    QScrollArea *m_scroller;
    QWidget *m_client;
    // The window manager's frame the window was last fitted with, once it
    // has been shown.
    std::optional<QMargins> m_fittedFrame;
    static constexpr int kFrameWatchIntervalMs = 50;
    static constexpr int kFrameWatchTicks = 40; // two seconds
    QTimer m_frameWatch;
    int m_frameWatchTicks = 0;
};
