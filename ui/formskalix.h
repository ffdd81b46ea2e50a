// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// FormSkalix, the program's only window.
//
// The whole state of the program lives in its controls: the points in Text1
// and Text2, the grading key in the grade fields Text4(0..50) and the MSS
// fields Text5(0..15), the mode in which of the two is visible, the result in
// Text3. The controls are built from the tables of controltable.h; the logic
// behind the handlers lives in key/ and eval/ and reaches the controls only
// through the KeyForm interface this window implements.
//
//   slider ──▶ HScrollN_Change ──▶ TextN text ──▶ Text1_Change ──▶ Text2_Change
//   buttons ──▶ CommandN_Click ──▶ presets / clearing / calculate / help
//   Text2_Change ──▶ live evaluation ──▶ Text3
//
// Only Text1 and Text2 have change handlers; typing into a key field or a
// title field runs nothing. Each new result is also told to a screen
// reader (Announcer), which would not otherwise say it.
//
// The controls stand at their fixed places on a client area of 444 × 666
// pixels inside a frameless scroll area that fills the window, which
// ScreenFit keeps within the screen.

#include "key/keyform.h"
#include "key/keytable.h"

#include <QHash>
#include <QWidget>

#include <array>

class Announcer;
class FocusRing;
class QLabel;
class QLineEdit;
class QScrollArea;
class QScrollBar;
class ScreenFit;

class FormSkalix : public QWidget, public KeyForm
{
    Q_OBJECT
public:
    explicit FormSkalix(QWidget *parent = nullptr);
    ~FormSkalix() override;

    // The handlers, one per control event, callable as plain operations.
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void HScroll1_Change();
    void HScroll2_Change();
    void Text1_Change();
    void Text2_Change();

    // KeyForm: the controls' texts, converted to and from UTF-8 here.
    std::string maximumText() const override;
    std::string achievedText() const override;
    std::string resultText() const override;
    void setResultText(const std::string &text) override;
    void setPointsText(PointsField field, const std::string &text) override;
    std::string keyText(KeyArray array, int index) const override;
    void setKeyText(KeyArray array, int index, const std::string &text) override;
    bool isKeyFieldVisible(KeyArray array, int index) const override;
    void setKeyFieldVisible(KeyArray array, int index, bool visible) override;
    void setKeyLabelVisible(int index, bool visible) override;
    void focusKeyField(KeyArray array, int index) override;
    void evaluate() override;
    void announce(const std::string &words) override;
    void closeWindow() override;
    void showMessage(const std::string &text) override;

private:
    // Every control by its objectName, as made from the control table.
    using Controls = QHash<QString, QWidget *>;
    Controls createControls();
    void wireEvents(const Controls &byName);
    QLineEdit *keyField(KeyArray array, int index) const;
    void followFocus(QWidget *previous, QWidget *focused);

    QScrollArea *m_scroller = nullptr;
    QWidget *m_client = nullptr;
    FocusRing *m_focusRing = nullptr;
    ScreenFit *m_screenFit = nullptr;
    Announcer *m_announcer = nullptr;

    QLineEdit *m_text1 = nullptr;
    QLineEdit *m_text2 = nullptr;
    QLineEdit *m_text3 = nullptr;
    QScrollBar *m_hscroll1 = nullptr;
    QScrollBar *m_hscroll2 = nullptr;
    std::array<QLineEdit *, keytable::kGradeFieldCount> m_text4{};
    std::array<QLineEdit *, keytable::kMssFieldCount> m_text5{};
    std::array<QLabel *, keytable::kLabelCount> m_label8{};
};
