// SPDX-License-Identifier: GPL-3.0-or-later
#include "formskalix.h"

#include "accessibleinterfaces.h"
#include "announcer.h"
#include "controlfactory.h"
#include "controltable.h"
#include "desktopcolours.h"
#include "focusring.h"
#include "helptext.h"
#include "messagebox.h"
#include "programicon.h"

#include "eval/announcement.h"
#include "eval/calculate.h"
#include "eval/liveevaluation.h"
#include "key/presets.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyle>
#include <QWindow>

namespace {

struct ButtonHandler
{
    const char *button;
    void (FormSkalix::*handler)();
};

constexpr ButtonHandler kButtonHandlers[] = {
    {"Command1", &FormSkalix::Command1_Click}, {"Command2", &FormSkalix::Command2_Click},
    {"Command3", &FormSkalix::Command3_Click}, {"Command4", &FormSkalix::Command4_Click},
    {"Command5", &FormSkalix::Command5_Click}, {"Command6", &FormSkalix::Command6_Click},
    {"Command7", &FormSkalix::Command7_Click}, {"Command8", &FormSkalix::Command8_Click},
    {"Command9", &FormSkalix::Command9_Click},
};

} // namespace

FormSkalix::FormSkalix(QWidget *parent) : QWidget(parent)
{
    accessibleinterfaces::install();
    setObjectName(QStringLiteral("FormSkalix"));
    setWindowTitle(QString::fromUtf8(controls::kWindowTitle));
    setWindowIcon(programIcon());
    const QSize clientSize(controls::kWindowWidthTwips / controls::kTwipsPerPixel,
                           controls::kWindowHeightTwips / controls::kTwipsPerPixel);
    resize(clientSize);
    setFont(controls::windowFont());
    QPalette background = palette();
    background.setColor(QPalette::Window,
                        controls::desktopColour(controls::Colour::ButtonFace, background));
    setPalette(background);
    setAutoFillBackground(true);

    m_scroller = new QScrollArea(this);
    m_scroller->setObjectName(QStringLiteral("scrollArea"));
    m_scroller->setFrameShape(QFrame::NoFrame);
    m_scroller->setFocusPolicy(Qt::NoFocus); // the tab order is the controls' alone
    m_scroller->viewport()->setBackgroundRole(QPalette::Window);
    m_client = new QWidget;
    m_client->setObjectName(QStringLiteral("clientArea"));
    m_client->setFixedSize(clientSize);
    m_scroller->setWidget(m_client);
    m_scroller->resize(clientSize);

    const Controls byName = createControls();
    // Made last, so that it starts at the top of the stack, and hidden.
    m_focusRing = new FocusRing(m_client);
    m_announcer = new Announcer(this);
    m_frameWatch.setInterval(kFrameWatchIntervalMs);
    connect(&m_frameWatch, &QTimer::timeout, this, [this] {
        if (++m_frameWatchTicks >= kFrameWatchTicks) {
            m_frameWatch.stop();
            m_frameWatchTicks = 0;
        }
        fitAgainOnceFramed();
    });
    connect(qApp, &QApplication::focusChanged, this, &FormSkalix::followFocus);
    wireEvents(byName);
    Form_Load();
}

FormSkalix::~FormSkalix()
{
    // Hiding the window as it goes reports a focus change, which must not
    // reach this half-destroyed window.
    disconnect(qApp, &QApplication::focusChanged, this, &FormSkalix::followFocus);
}

namespace {

QString elementName(const char *arrayName, std::size_t index)
{
    return QString::fromStdString(controls::elementName(arrayName, int(index)));
}

} // namespace

FormSkalix::Controls FormSkalix::createControls()
{
    Controls byName;
    byName.reserve(qsizetype(controls::controlTable().size()));
    for (const controls::ControlSpec &row : controls::controlTable())
        byName.insert(QString::fromStdString(row.name), controls::createControl(row, m_client));
    const auto control = [&byName]<typename T>(const QString &name, T *&member) {
        member = qobject_cast<T *>(byName.value(name));
        Q_ASSERT(member);
    };

    control(QStringLiteral("Text1"), m_text1);
    control(QStringLiteral("Text2"), m_text2);
    control(QStringLiteral("Text3"), m_text3);
    control(QStringLiteral("HScroll1"), m_hscroll1);
    control(QStringLiteral("HScroll2"), m_hscroll2);
    for (std::size_t i = 0; i < m_text4.size(); ++i)
        control(elementName("Text4", i), m_text4[i]);
    for (std::size_t k = 0; k < m_text5.size(); ++k)
        control(elementName("Text5", k), m_text5[k]);
    for (std::size_t i = 0; i < m_label8.size(); ++i)
        control(elementName("Label8", i), m_label8[i]);

    QWidget *previous = nullptr;
    for (const std::string &name : controls::tabOrder()) {
        QWidget *next = byName.value(QString::fromStdString(name));
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
    return byName;
}

void FormSkalix::wireEvents(const Controls &byName)
{
    for (const ButtonHandler &entry : kButtonHandlers) {
        auto *button = qobject_cast<QPushButton *>(byName.value(QLatin1String(entry.button)));
        connect(button, &QPushButton::clicked, this, entry.handler);
    }
    connect(m_hscroll1, &QScrollBar::valueChanged, this, &FormSkalix::HScroll1_Change);
    connect(m_hscroll2, &QScrollBar::valueChanged, this, &FormSkalix::HScroll2_Change);
    connect(m_text1, &QLineEdit::textChanged, this, &FormSkalix::Text1_Change);
    connect(m_text2, &QLineEdit::textChanged, this, &FormSkalix::Text2_Change);
}

void FormSkalix::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_scroller->resize(size()); // fills the window
    fitAgainOnceFramed();
}

void FormSkalix::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        fitIntoScreen();
        m_fittedFrame = frameMarginsNow();
        // Where the frame comes with no move or resize to tell (Wayland,
        // where Qt draws it), it is looked for a few times as the window
        // first appears.
        m_frameWatch.start();
    }
}

void FormSkalix::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    fitAgainOnceFramed();
}

// The frame around the window: the window manager's title bar and border.
QMargins FormSkalix::frameMarginsNow() const
{
    const QRect framed = frameGeometry();
    const QRect inner = geometry();
    return {inner.left() - framed.left(), inner.top() - framed.top(),
            framed.right() - inner.right(), framed.bottom() - inner.bottom()};
}

// A window manager frames the window only once it is on the screen: its
// frame is known from then on. A window fitted without it is fitted
// again, with it; one that fits the screen either way stays as it is.
void FormSkalix::fitAgainOnceFramed()
{
    if (!m_fittedFrame || !isVisible()
        || (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    const QMargins frame = frameMarginsNow();
    if (frame == *m_fittedFrame)
        return;
    m_fittedFrame = frame;
    fitIntoScreen();
}

// Nothing of the window may lie beyond its screen's free area (the desktop
// less its panels and task bar): where the window with its frame would,
// it is made as large as the area allows, with room for the scroll bar
// that then appears, and moved inside it. A window that fits stays as it
// is.
void FormSkalix::fitIntoScreen()
{
    const QScreen *on = screen();
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
    QSize wanted = fits ? laidOut : size();
    // Room for the scroll bar beside the controls, and a pixel more for a
    // window manager's rounding.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scroller) + 1;
    if (!fits && wanted.height() > most.height())
        wanted.rwidth() = std::max(wanted.width(), laidOut.width() + bar);
    if (!fits && wanted.width() > most.width())
        wanted.rheight() = std::max(wanted.height(), laidOut.height() + bar);
    wanted = wanted.boundedTo(most);
    if (wanted != size())
        resize(wanted);

    const QRect framed = frameGeometry();
    const QSize outer = wanted.grownBy(frame);
    const QPoint inside(qBound(room.left(), framed.left(), room.right() + 1 - outer.width()),
                        qBound(room.top(), framed.top(), room.bottom() + 1 - outer.height()));
    if (inside != framed.topLeft())
        move(inside);
}

// A control that takes the focus (by Tab, or when a command moves it
// there) is scrolled wholly into view on a screen too small for the
// window, with the focus ring a button or a text field shows around it.
void FormSkalix::followFocus(QWidget *, QWidget *focused)
{
    if (!focused || !m_client->isAncestorOf(focused)) {
        m_focusRing->follow(nullptr);
        return;
    }
    m_focusRing->follow(focused);
    // The whole control and the ring around it. (The scroll area's own
    // ensureWidgetVisible would bring a text field's cursor into view, and
    // leave the rest of the field cut at the edge.)
    constexpr int kRingRoom = 4;
    const QRect whole = QRect(focused->mapTo(m_client, QPoint()), focused->size())
                            .marginsAdded(QMargins(kRingRoom, kRingRoom, kRingRoom, kRingRoom));
    m_scroller->ensureVisible(whole.right(), whole.bottom(), 0, 0);
    m_scroller->ensureVisible(whole.left(), whole.top(), 0, 0);
}

// --- Handlers ---------------------------------------------------------------

void FormSkalix::Form_Load() { Command2_Click(); }

// "Ende"
void FormSkalix::Command1_Click() { close(); }

// "Standard- Notenschlüssel eintragen"
void FormSkalix::Command2_Click() { presets::standardKey(*this); }

// "Linearen Notenschlüsel eintragen"
void FormSkalix::Command3_Click() { presets::linearKey(*this); }

// "Werte aller Kommanoten löschen"
void FormSkalix::Command4_Click() { presets::clearIntermediateGrades(*this); }

// "?"
void FormSkalix::Command5_Click() { showMessage(helpText()); }

// "Werte aller Noten löschen"
void FormSkalix::Command6_Click() { presets::clearAll(*this); }

// "Standard MSS-Punkte- Schlüssel eintragen"
void FormSkalix::Command7_Click() { presets::mssPointsKey(*this); }

// "Berechnen"
void FormSkalix::Command8_Click() { eval::calculate(*this); }

// "IHK- Notenschlüssel"
void FormSkalix::Command9_Click() { presets::ihkKey(*this); }

void FormSkalix::HScroll1_Change() { m_text1->setText(QString::number(m_hscroll1->value())); }

void FormSkalix::HScroll2_Change() { m_text2->setText(QString::number(m_hscroll2->value())); }

void FormSkalix::Text1_Change() { Text2_Change(); }

void FormSkalix::Text2_Change()
{
    if (!eval::liveEvaluation(*this))
        announceResult(std::string()); // no grade for these points
}

// --- KeyForm ----------------------------------------------------------------

std::string FormSkalix::maximumText() const { return m_text1->text().toStdString(); }

std::string FormSkalix::achievedText() const { return m_text2->text().toStdString(); }

std::string FormSkalix::resultText() const { return m_text3->text().toStdString(); }

void FormSkalix::setResultText(const std::string &text)
{
    m_text3->setText(QString::fromStdString(text));
    announceResult(text);
}

// "Note 3,6", in MSS mode "12 Punkte", or plainly that there is none.
void FormSkalix::announceResult(const std::string &result)
{
    m_announcer->announce(QString::fromStdString(eval::announcement(*this, result)));
}

QLineEdit *FormSkalix::keyField(KeyArray array, int index) const
{
    return array == KeyArray::Grades ? m_text4.at(std::size_t(index))
                                     : m_text5.at(std::size_t(index));
}

std::string FormSkalix::keyText(KeyArray array, int index) const
{
    return keyField(array, index)->text().toStdString();
}

void FormSkalix::setKeyText(KeyArray array, int index, const std::string &text)
{
    keyField(array, index)->setText(QString::fromStdString(text));
}

bool FormSkalix::isKeyFieldVisible(KeyArray array, int index) const
{
    // The field's own flag: true for a shown field of a window not yet on screen.
    return !keyField(array, index)->isHidden();
}

void FormSkalix::setKeyFieldVisible(KeyArray array, int index, bool visible)
{
    keyField(array, index)->setVisible(visible);
}

void FormSkalix::setKeyLabelVisible(int index, bool visible)
{
    m_label8.at(std::size_t(index))->setVisible(visible);
}

void FormSkalix::focusKeyField(KeyArray array, int index)
{
    // On a window not yet shown this marks the field to get the focus when it is.
    keyField(array, index)->setFocus(Qt::OtherFocusReason);
}

void FormSkalix::evaluate() { Text2_Change(); }

void FormSkalix::showMessage(const std::string &text)
{
    messagebox::show(this, QString::fromStdString(text));
}
