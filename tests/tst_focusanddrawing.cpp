// SPDX-License-Identifier: GPL-3.0-or-later
// What a person sees and presses: Return on a focused button, a slider that
// shows its focus and a thumb that stands out, title fields drawn whole, and
// key fields whose frame no value draws over.

#include "support/suites.h"
#include "support/windowfixture.h"

#include "ui/contrast.h"
#include "ui/formskalix.h"
#include "ui/slider.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleOptionSlider>
#include <QtTest>

#include <memory>

namespace {

// The first and last column holding a pixel clearly apart from the
// background, or {-1, -1} for none.
std::pair<int, int> inkColumns(const QImage &image, const QColor &background)
{
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            const QColor pixel = image.pixelColor(x, y);
            if (qAbs(pixel.lightness() - background.lightness()) > 60) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

} // namespace

class TestFocusAndDrawing : public QObject, public WindowFixture
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void returnPressesFocusedButton_data();
    void returnPressesFocusedButton();
    void returnInTextFieldPressesNothing();
    void sliderShowsFocus_data();
    void sliderShowsFocus();
    void titleFieldsDrawnWhole_data();
    void titleFieldsDrawnWhole();
    void frameStaysOverLongValues_data();
    void frameStaysOverLongValues();
    void longValueShowsItsBeginning_data();
    void longValueShowsItsBeginning();
    void focusRingStandsOut_data();
    void focusRingStandsOut();
};

void TestFocusAndDrawing::init() { startWindow(); }

void TestFocusAndDrawing::cleanup() { endWindow(); }

void TestFocusAndDrawing::returnPressesFocusedButton_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    for (int n = 1; n <= 9; ++n) {
        const QString name = QStringLiteral("Command%1").arg(n);
        QTest::addRow("%s, Return", qPrintable(name))
            << name << int(Qt::Key_Return) << Qt::KeyboardModifiers();
        QTest::addRow("%s, keypad Enter", qPrintable(name))
            << name << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier);
    }
}

void TestFocusAndDrawing::returnPressesFocusedButton()
{
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    showActive();
    auto *pressed = m_form->findChild<QPushButton *>(button);
    pressed->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), pressed);
    QSignalSpy clicks(pressed, &QAbstractButton::clicked);
    QTest::keyClick(pressed, Qt::Key(key), modifiers);
    QCOMPARE(clicks.count(), 1);
}

void TestFocusAndDrawing::returnInTextFieldPressesNothing()
{
    showActive();
    QList<std::shared_ptr<QSignalSpy>> clicks;
    for (QPushButton *button : m_form->findChildren<QPushButton *>())
        clicks << std::make_shared<QSignalSpy>(button, &QAbstractButton::clicked);
    for (const char *field : {"Text1", "Text2", "Text4(0)"}) {
        control(field)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(control(field), Qt::Key_Return);
        QTest::keyClick(control(field), Qt::Key_Enter, Qt::KeypadModifier);
    }
    for (const auto &spy : std::as_const(clicks))
        QCOMPARE(spy->count(), 0);
    QCOMPARE(control<QLineEdit>("Text3")->text(), QStringLiteral("2,6"));
}

void TestFocusAndDrawing::sliderShowsFocus_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("maximum points") << "HScroll1";
    QTest::newRow("reached points") << "HScroll2";
}

void TestFocusAndDrawing::sliderShowsFocus()
{
    QFETCH(QString, name);
    showActive();
    auto *slider = m_form->findChild<Slider *>(name);
    control("Text2")->setFocus(Qt::TabFocusReason);
    const QImage unfocused = slider->grab().toImage();
    slider->setFocus(Qt::TabFocusReason);
    QVERIFY(slider->hasFocus());
    const QImage focused = slider->grab().toImage();
    QVERIFY2(focused != unfocused, "the slider looks the same with and without the focus");

    // The thumb stands out from the trough beside it, focused or not.
    QStyleOptionSlider option;
    option.initFrom(slider);
    const QRect groove = slider->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                         QStyle::SC_ScrollBarGroove, slider);
    const QRect thumb = slider->thumbRect();
    const QPoint trough(groove.left() + 2, groove.center().y());
    QVERIFY(!thumb.contains(trough));
    for (const QImage &image : {unfocused, focused}) {
        const int difference = qAbs(image.pixelColor(thumb.center()).lightness()
                                    - image.pixelColor(trough).lightness());
        QVERIFY2(difference >= 40,
                 qPrintable(QStringLiteral("lightness apart: %1").arg(difference)));
    }
}

void TestFocusAndDrawing::titleFieldsDrawnWhole_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("Skalix") << "Text6(0)";
    QTest::newRow("von") << "Text6(1)";
}

void TestFocusAndDrawing::titleFieldsDrawnWhole()
{
    QFETCH(QString, name);
    auto *field = m_form->findChild<QLineEdit *>(name);
    const QColor background = field->palette().color(QPalette::Base);
    const auto [first, last] = inkColumns(field->grab().toImage(), background);

    // The same text drawn whole, with room on both sides.
    const QFontMetrics metrics(field->font());
    QImage whole(metrics.horizontalAdvance(field->text()) + 20, field->height(),
                 QImage::Format_RGB32);
    whole.fill(background);
    QPainter painter(&whole);
    painter.setFont(field->font());
    painter.setPen(field->palette().color(QPalette::Text));
    painter.drawText(QPoint(10, metrics.ascent()), field->text());
    painter.end();
    const auto [wholeFirst, wholeLast] = inkColumns(whole, background);

    QVERIFY2(first > 0, "the text touches the field's left edge");
    QVERIFY2(last < field->width() - 1, "the text touches the field's right edge");
    QVERIFY(qAbs((last - first) - (wholeLast - wholeFirst)) <= 1);
}

void TestFocusAndDrawing::frameStaysOverLongValues_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("dark grade field") << "Text4(0)";
    QTest::newRow("grey grade field") << "Text4(1)";
    QTest::newRow("points field") << "Text1";
}

void TestFocusAndDrawing::frameStaysOverLongValues()
{
    QFETCH(QString, name);
    auto *field = m_form->findChild<QLineEdit *>(name);
    field->clear();
    const QImage empty = field->grab().toImage();
    field->setText(QString(40, u'8'));
    const QImage full = field->grab().toImage();
    for (const int x : {0, field->width() - 1}) {
        for (int y = 0; y < field->height(); ++y)
            QCOMPARE(full.pixel(x, y), empty.pixel(x, y));
    }
}

void TestFocusAndDrawing::longValueShowsItsBeginning_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("sameBeginning"); // as long, ending otherwise
    QTest::addColumn<bool>("typed");            // or written by the program
    // clang-format off
    QTest::newRow("key field, typed") << "Text4(0)" << "91,995" << "91,99588" << true;
    QTest::newRow("key field, written") << "Text4(1)" << "91,995" << "91,99588" << false;
    QTest::newRow("points field, typed") << "Text1" << "1234567,125" << "1234567,999999" << true;
    // clang-format on
}

void TestFocusAndDrawing::longValueShowsItsBeginning()
{
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(QString, sameBeginning);
    QFETCH(bool, typed);
    showActive();
    auto *field = control<QLineEdit>(name);
    const auto shownAfterEditing = [&](const QString &text) -> QImage {
        if (typed) {
            field->setFocus(Qt::TabFocusReason);
            field->selectAll();
            QTest::keyClicks(field, text);
            control("Command1")->setFocus(Qt::TabFocusReason);
        } else {
            field->setText(text);
        }
        return field->grab().toImage();
    };
    const QImage shown = shownAfterEditing(value);
    const QImage other = shownAfterEditing(sameBeginning);
    QVERIFY(!field->hasFocus());
    // Both show their common beginning: the left half is drawn alike.
    for (int x = 0; x < field->width() / 2; ++x) {
        for (int y = 0; y < field->height(); ++y)
            QCOMPARE(shown.pixel(x, y), other.pixel(x, y));
    }
}

void TestFocusAndDrawing::focusRingStandsOut_data()
{
    QTest::addColumn<QString>("name");
    for (int n = 1; n <= 9; ++n)
        QTest::addRow("Command%d", n) << QStringLiteral("Command%1").arg(n);
}

void TestFocusAndDrawing::focusRingStandsOut()
{
    // A focused button shows a ring at least two pixels wide along every
    // side that stands out 3:1 from the same pixels without the focus.
    QFETCH(QString, name);
    showActive();
    QWidget *button = control(name);
    const QRect around = button->geometry().adjusted(-4, -4, 4, 4);
    control("Text1")->setFocus(Qt::TabFocusReason);
    const QImage without = clientArea()->grab(around).toImage();
    button->setFocus(Qt::TabFocusReason);
    const QImage with = clientArea()->grab(around).toImage();
    const auto changed = [&](QPoint p) {
        return contrast::ratio(without.pixelColor(p), with.pixelColor(p)) >= contrast::kGraphics;
    };
    const QPoint centre = QRect(QPoint(), around.size()).center();
    const struct
    {
        const char *side;
        QPoint edge;
        QPoint inwards;
    } sides[] = {
        {"left", {0, centre.y()}, {1, 0}},
        {"right", {around.width() - 1, centre.y()}, {-1, 0}},
        {"top", {centre.x(), 0}, {0, 1}},
        {"bottom", {centre.x(), around.height() - 1}, {0, -1}},
    };
    for (const auto &side : sides) {
        int ring = 0;
        for (int step = 0; step < 6; ++step)
            ring += changed(side.edge + side.inwards * step);
        QVERIFY2(ring >= 2,
                 qPrintable(QStringLiteral("%1 side: %2 pixels").arg(side.side).arg(ring)));
    }
}

SKALIX_TEST_SUITE(TestFocusAndDrawing)
#include "tst_focusanddrawing.moc"
