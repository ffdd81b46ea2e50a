// SPDX-License-Identifier: GPL-3.0-or-later
#include "formskalix.h"

#include "controlfactory.h"
#include "controltable.h"
#include "desktopcolours.h"
#include "helptext.h"
#include "messagebox.h"
#include "programicon.h"

#include "eval/calculate.h"
#include "eval/liveevaluation.h"
#include "key/presets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

// The caption names a domain of our own; it stands for no real publisher.
constexpr auto kWindowTitle = u"Skalix - von www.skalix.example";

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
    setObjectName(QStringLiteral("FormSkalix"));
    setWindowTitle(QString::fromUtf16(kWindowTitle));
    setWindowIcon(programIcon());
    resize(controls::kWindowWidthTwips / controls::kTwipsPerPixel,
           controls::kWindowHeightTwips / controls::kTwipsPerPixel);
    setFont(controls::windowFont());
    QPalette background = palette();
    background.setColor(QPalette::Window,
                        controls::desktopColour(controls::Colour::ButtonFace, background));
    setPalette(background);
    setAutoFillBackground(true);

    const Controls byName = createControls();
    wireEvents(byName);
    Form_Load();
}

FormSkalix::Controls FormSkalix::createControls()
{
    Controls byName;
    byName.reserve(qsizetype(controls::controlTable().size()));
    for (const controls::ControlSpec &row : controls::controlTable())
        byName.insert(row.name, controls::createControl(row, this));
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
        control(controls::elementName("Text4", int(i)), m_text4[i]);
    for (std::size_t k = 0; k < m_text5.size(); ++k)
        control(controls::elementName("Text5", int(k)), m_text5[k]);
    for (std::size_t i = 0; i < m_label8.size(); ++i)
        control(controls::elementName("Label8", int(i)), m_label8[i]);

    QWidget *previous = nullptr;
    for (const QString &name : controls::tabOrder()) {
        QWidget *next = byName.value(name);
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

void FormSkalix::Text2_Change() { eval::liveEvaluation(*this); }

// --- KeyForm ----------------------------------------------------------------

QString FormSkalix::maximumText() const { return m_text1->text(); }

QString FormSkalix::achievedText() const { return m_text2->text(); }

QString FormSkalix::resultText() const { return m_text3->text(); }

void FormSkalix::setResultText(const QString &text) { m_text3->setText(text); }

QLineEdit *FormSkalix::keyField(KeyArray array, int index) const
{
    return array == KeyArray::Grades ? m_text4.at(std::size_t(index))
                                     : m_text5.at(std::size_t(index));
}

QString FormSkalix::keyText(KeyArray array, int index) const
{
    return keyField(array, index)->text();
}

void FormSkalix::setKeyText(KeyArray array, int index, const QString &text)
{
    keyField(array, index)->setText(text);
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

void FormSkalix::showMessage(const QString &text) { messagebox::show(this, text); }
