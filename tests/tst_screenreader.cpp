// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told beyond the names of the controls: a text
// field's text as one run (so it is read whole), the result field as
// read-only, sliders as sliders, and every new result announced once the
// user pauses: the announcer shown with the message as its name.

#include "support/suites.h"
#include "support/windowfixture.h"

#include "ui/announcer.h"

#include <QAccessible>
#include <QLineEdit>
#include <QScrollBar>
#include <QtTest>

// What the announcer said, in order: its name each time it was shown.
class AnnouncerListener : public QObject
{
public:
    QStringList said;

protected:
    bool eventFilter(QObject *announcer, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            said << QAccessible::queryAccessibleInterface(announcer)->text(QAccessible::Name);
        return false;
    }
};

namespace {

QAccessibleInterface *accessible(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

enum class Action { TypeSixty, TypeNoNumber, SliderStep, MssPreset, IhkPreset, Calculate };

} // namespace

class TestScreenReader : public QObject, public WindowFixture
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void textIsOneRun_data();
    void textIsOneRun();
    void resultFieldIsReadOnly();
    void slidersAreSliders_data();
    void slidersAreSliders();
    void resultsAreAnnounced_data();
    void resultsAreAnnounced();

private:
    AnnouncerListener m_listener;
};

void TestScreenReader::init()
{
    startWindow();
    showActive();
    m_listener.said.clear();
    m_form->findChild<Announcer *>()->installEventFilter(&m_listener);
}

void TestScreenReader::cleanup() { endWindow(); }

void TestScreenReader::textIsOneRun_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("maximum points") << "Text1"
                                    << "100";
    QTest::newRow("title") << "Text6(0)"
                           << "Skalix";
    QTest::newRow("grade field") << "Text4(0)"
                                 << "100";
    QTest::newRow("result") << "Text3"
                            << "2,6";
}

void TestScreenReader::textIsOneRun()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QAccessibleTextInterface *field = accessible(control(name))->textInterface();
    QVERIFY(field);
    QCOMPARE(field->text(0, field->characterCount()), text);
    for (int offset = 0; offset < text.size(); ++offset) {
        int start = -1;
        int end = -1;
        field->attributes(offset, &start, &end);
        QCOMPARE(start, 0);
        QCOMPARE(end, int(text.size()));
    }
}

void TestScreenReader::resultFieldIsReadOnly()
{
    const QAccessible::State result = accessible(control("Text3"))->state();
    QVERIFY(result.readOnly);
    QVERIFY(!result.editable);
    QVERIFY(!result.focusable);
    QVERIFY(!accessible(control("Text3"))->editableTextInterface());
    const QAccessible::State maximum = accessible(control("Text1"))->state();
    QVERIFY(maximum.editable && maximum.focusable && !maximum.readOnly);
}

void TestScreenReader::slidersAreSliders_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("value");
    QTest::newRow("maximum points") << "HScroll1" << 100;
    QTest::newRow("reached points") << "HScroll2" << 75;
}

void TestScreenReader::slidersAreSliders()
{
    QFETCH(QString, name);
    QFETCH(int, value);
    QAccessibleInterface *slider = accessible(control(name));
    QCOMPARE(slider->role(), QAccessible::Slider);
    QCOMPARE(slider->text(QAccessible::Value), QString::number(value));
    QAccessibleValueInterface *range = slider->valueInterface();
    QVERIFY(range);
    QCOMPARE(range->currentValue().toInt(), value);
    QCOMPARE(range->minimumValue().toInt(), 0);
    QCOMPARE(range->maximumValue().toInt(), 100);
}

void TestScreenReader::resultsAreAnnounced_data()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("said"); // empty: "Note" and the grade shown
    QTest::newRow("typing 60") << Action::TypeSixty << "Note 3,6";
    QTest::newRow("typing no number") << Action::TypeNoNumber << "Keine Note";
    QTest::newRow("slider step") << Action::SliderStep << QString();
    QTest::newRow("MSS points key") << Action::MssPreset << "10 Punkte";
    QTest::newRow("IHK key: no grade yet") << Action::IhkPreset << "Keine Note";
    QTest::newRow("Berechnen") << Action::Calculate << "Note 2,6";
}

void TestScreenReader::resultsAreAnnounced()
{
    QFETCH(Action, action);
    QFETCH(QString, said);
    auto *reached = control<QLineEdit>("Text2");
    switch (action) {
    case Action::TypeSixty:
    case Action::TypeNoNumber:
        reached->setFocus(Qt::TabFocusReason);
        reached->selectAll();
        QTest::keyClicks(reached, action == Action::TypeSixty ? "60" : "6a");
        break;
    case Action::SliderStep:
        QTest::keyClick(control("HScroll2"), Qt::Key_Right);
        break;
    case Action::MssPreset:
        m_form->Command7_Click();
        break;
    case Action::IhkPreset:
        m_form->Command9_Click();
        break;
    case Action::Calculate:
        m_form->Command8_Click();
        break;
    }
    QVERIFY(m_listener.said.isEmpty()); // not yet: only once the user pauses
    QTRY_COMPARE_WITH_TIMEOUT(m_listener.said.size(), 1, Announcer::kPauseMs * 4);
    if (said.isEmpty())
        said = QStringLiteral("Note ") + control<QLineEdit>("Text3")->text();
    QCOMPARE(m_listener.said.first(), said);
    QTest::qWait(Announcer::kPauseMs * 2);
    QCOMPARE(m_listener.said.size(), 1); // once
}

SKALIX_TEST_SUITE(TestScreenReader)
#include "tst_screenreader.moc"
