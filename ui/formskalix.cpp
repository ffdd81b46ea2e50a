// SPDX-License-Identifier: GPL-3.0-or-later
#include "formskalix.h"

#include "accessibleinterfaces.h"
#include "announcer.h"
#include "controlfactory.h"
#include "desktopcolours.h"
#include "focusring.h"
#include "messagebox.h"
#include "programicon.h"
#include "screenfit.h"

#include "form/controltable.h"
#include "form/events.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

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
    m_screenFit = new ScreenFit(this, m_scroller, m_client);
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
    m_screenFit->bringIntoView(focused);
}

// --- Handlers ---------------------------------------------------------------
// What each runs is said once, for the window and the web page alike, in
// form/events.cpp.

void FormSkalix::Form_Load() { events::Form_Load(*this); }

// "Ende"
void FormSkalix::Command1_Click() { events::commandClicked(*this, 1); }

// "Standard- Notenschlüssel eintragen"
void FormSkalix::Command2_Click() { events::commandClicked(*this, 2); }

// "Linearen Notenschlüsel eintragen"
void FormSkalix::Command3_Click() { events::commandClicked(*this, 3); }

// "Werte aller Kommanoten löschen"
void FormSkalix::Command4_Click() { events::commandClicked(*this, 4); }

// "?"
void FormSkalix::Command5_Click() { events::commandClicked(*this, 5); }

// "Werte aller Noten löschen"
void FormSkalix::Command6_Click() { events::commandClicked(*this, 6); }

// "Standard MSS-Punkte- Schlüssel eintragen"
void FormSkalix::Command7_Click() { events::commandClicked(*this, 7); }

// "Berechnen"
void FormSkalix::Command8_Click() { events::commandClicked(*this, 8); }

// "IHK- Notenschlüssel"
void FormSkalix::Command9_Click() { events::commandClicked(*this, 9); }

void FormSkalix::HScroll1_Change()
{
    events::sliderChanged(*this, PointsField::Maximum, m_hscroll1->value());
}

void FormSkalix::HScroll2_Change()
{
    events::sliderChanged(*this, PointsField::Achieved, m_hscroll2->value());
}

void FormSkalix::Text1_Change() { events::pointsChanged(*this, PointsField::Maximum); }

void FormSkalix::Text2_Change() { events::pointsChanged(*this, PointsField::Achieved); }

// --- KeyForm ----------------------------------------------------------------

std::string FormSkalix::maximumText() const { return m_text1->text().toStdString(); }

std::string FormSkalix::achievedText() const { return m_text2->text().toStdString(); }

std::string FormSkalix::resultText() const { return m_text3->text().toStdString(); }

void FormSkalix::setResultText(const std::string &text)
{
    m_text3->setText(QString::fromStdString(text));
}

void FormSkalix::setPointsText(PointsField field, const std::string &text)
{
    // The field's textChanged runs its change handler.
    (field == PointsField::Maximum ? m_text1 : m_text2)->setText(QString::fromStdString(text));
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

void FormSkalix::announce(const std::string &words)
{
    m_announcer->announce(QString::fromStdString(words));
}

void FormSkalix::closeWindow() { close(); }

void FormSkalix::showMessage(const std::string &text)
{
    messagebox::show(this, QString::fromStdString(text));
}
