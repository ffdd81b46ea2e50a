// SPDX-License-Identifier: GPL-3.0-or-later
// Every text and slider thumb stays readable under the desktop's palette:
// measured on the pixels the window system shows, each text stands out
// from its background by 4.5:1 (3:1 for large text), each thumb from its
// trough by 3:1. Run once per palette, which a platform theme applies as a
// desktop would (SKALIX_PALETTE names the one expected: light, dark or
// highcontrast).

#include "support/windowfixture.h"

#include "ui/contrast.h"
#include "ui/controltable.h"
#include "ui/slider.h"

#include <QApplication>
#include <QScreen>
#include <QStyleOptionSlider>
#include <QtTest>

namespace {

struct Measured
{
    QColor background;
    QColor ink;
    double ratio;
};

// The commonest colour of the area is its background; the drawn text is
// the colour that stands out most from it (anti-aliased edges lie between
// the two).
Measured measure(const QImage &image, const QRect &area)
{
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    }
    QRgb background = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            background = it.key();
        }
    }
    Measured measured{QColor(background), QColor(background), 1.0};
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const double ratio = contrast::ratio(QColor(background), QColor(it.key()));
        if (ratio > measured.ratio)
            measured = {QColor(background), QColor(it.key()), ratio};
    }
    return measured;
}

bool isLarge(const controls::ControlSpec &row)
{
    return row.fontPoints >= 18 || (row.bold && row.fontPoints >= 14);
}

} // namespace

class TestContrast : public QObject, public WindowFixture
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void texts_data();
    void texts();
    void thumbs_data();
    void thumbs();

private:
    QImage shot();
    QRect place(QWidget *control) const
    {
        return {control->mapTo(m_form.get(), QPoint()), control->size()};
    }
    QImage m_gradeMode;
    QImage m_mssMode;
};

void TestContrast::initTestCase()
{
    startWindow();
    showActive();
    const QByteArray expected = qgetenv("SKALIX_PALETTE");
    const int window = QApplication::palette().color(QPalette::Window).lightness();
    if (expected == "dark" || expected == "highcontrast")
        QVERIFY2(window < 100, "the desktop's dark palette was not applied");
    else
        QVERIFY2(window > 200, "the palette is not a light one");

    control("Command1")->setFocus(Qt::MouseFocusReason);
    m_gradeMode = shot();
    m_form->Command7_Click();
    control("Command1")->setFocus(Qt::MouseFocusReason);
    m_mssMode = shot();
    m_form->Command2_Click();
}

void TestContrast::cleanupTestCase() { endWindow(); }

// The window as the window system shows it.
QImage TestContrast::shot()
{
    QTest::qWait(100);
    return m_form->screen()->grabWindow(m_form->winId()).toImage();
}

void TestContrast::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("mssMode");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<int>("inset"); // pixels of frame or bevel around the text
    for (const controls::ControlSpec &row : controls::controlTable()) {
        using controls::Kind;
        if (row.kind != Kind::Button && row.kind != Kind::TextBox && row.kind != Kind::Label)
            continue;
        const int inset = row.kind == Kind::Button                  ? 3
                          : row.kind == Kind::TextBox && row.framed ? 2
                                                                    : 0;
        // The MSS half of the key is hidden at start and shown in MSS mode.
        QTest::newRow(row.name.c_str())
            << QString::fromStdString(row.name) << !row.visible
            << (isLarge(row) ? contrast::kLargeText : contrast::kText) << inset;
    }
}

void TestContrast::texts()
{
    QFETCH(QString, name);
    QFETCH(bool, mssMode);
    QFETCH(double, minimum);
    QFETCH(int, inset);
    const QImage &image = mssMode ? m_mssMode : m_gradeMode;
    QWidget *widget = control(name);
    const Measured measured = measure(image, place(widget).adjusted(inset, inset, -inset, -inset));
    QVERIFY2(measured.ratio >= minimum,
             qPrintable(QStringLiteral("%1 on %2: %3:1")
                            .arg(measured.ink.name(), measured.background.name())
                            .arg(measured.ratio, 0, 'f', 2)));
}

void TestContrast::thumbs_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("focused");
    for (const char *name : {"HScroll1", "HScroll2"}) {
        QTest::addRow("%s", name) << name << false;
        QTest::addRow("%s, focused", name) << name << true;
    }
}

void TestContrast::thumbs()
{
    QFETCH(QString, name);
    QFETCH(bool, focused);
    auto *slider = control<Slider>(name);
    if (focused)
        slider->setFocus(Qt::TabFocusReason);
    else
        control("Command1")->setFocus(Qt::MouseFocusReason);
    const QImage image = shot();

    QStyleOptionSlider option;
    option.initFrom(slider);
    const QRect groove = slider->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                         QStyle::SC_ScrollBarGroove, slider);
    const QRect thumb = slider->thumbRect();
    // A point of the trough on the side away from the thumb.
    const QPoint trough(thumb.center().x() > groove.center().x() ? groove.left() + 3
                                                                 : groove.right() - 3,
                        groove.center().y());
    QVERIFY(!thumb.contains(trough));
    const QPoint origin = place(slider).topLeft();
    const QColor thumbColour = image.pixelColor(origin + thumb.center());
    const QColor troughColour = image.pixelColor(origin + trough);
    const double ratio = contrast::ratio(thumbColour, troughColour);
    QVERIFY2(ratio >= contrast::kGraphics,
             qPrintable(QStringLiteral("thumb %1 on trough %2: %3:1")
                            .arg(thumbColour.name(), troughColour.name())
                            .arg(ratio, 0, 'f', 2)));
}

QTEST_MAIN(TestContrast)
#include "tst_contrast.moc"
