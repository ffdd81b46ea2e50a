// SPDX-License-Identifier: GPL-3.0-or-later
// Every text, slider thumb and field stays readable and findable under the
// desktop's palette: measured on the pixels the window system shows, each
// text stands out from its background by 4.5:1 (3:1 for large text), each
// thumb from its trough by 3:1, each text field's frame from the window
// around it by 3:1, and a focused field is marked by a change of 3:1, two
// pixels wide, around it. Run once per palette, which a platform theme
// applies as a desktop would (SKALIX_PALETTE names the one expected:
// light, dark or highcontrast).

#include "support/suites.h"
#include "support/windowfixture.h"

#include "form/controltable.h"
#include "ui/contrast.h"
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
    void frames_data();
    void frames();
    void focusedFields_data();
    void focusedFields();

private:
    QImage shot();
    // Points on each edge of the control whose neighbour just outside
    // is the window itself, no other control, with that neighbour's offset.
    QList<std::pair<QPoint, QPoint>> edgesOnWindow(QWidget *control) const;
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

QList<std::pair<QPoint, QPoint>> TestContrast::edgesOnWindow(QWidget *control) const
{
    const QRect box = place(control);
    QList<std::pair<QPoint, QPoint>> found;
    const std::pair<QPoint, QPoint> sides[] = {{box.topLeft(), QPoint(0, -1)},
                                               {box.bottomLeft(), QPoint(0, 1)},
                                               {box.topLeft(), QPoint(-1, 0)},
                                               {box.topRight(), QPoint(1, 0)}};
    for (const auto &[corner, outward] : sides) {
        const QPoint along = outward.x() == 0 ? QPoint(1, 0) : QPoint(0, 1);
        const int length = outward.x() == 0 ? box.width() : box.height();
        // From the middle out, the first point with only the window beside it.
        for (int step = 0; step < length / 2 - 2; ++step) {
            for (const int sign : {1, -1}) {
                const QPoint edge = corner + along * (length / 2 + sign * step);
                const QWidget *beside = m_form->childAt(edge + outward * 2);
                if (!beside || beside == clientArea() || beside->objectName() == "Shape2") {
                    found.append({edge, outward});
                    step = length;
                    break;
                }
            }
        }
    }
    return found;
}

void TestContrast::frames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("mssMode");
    for (const controls::ControlSpec &row : controls::controlTable()) {
        if (row.kind == controls::Kind::TextBox && row.framed)
            QTest::newRow(row.name.c_str()) << QString::fromStdString(row.name) << !row.visible;
    }
}

void TestContrast::frames()
{
    QFETCH(QString, name);
    QFETCH(bool, mssMode);
    const QImage &image = mssMode ? m_mssMode : m_gradeMode;
    const QList<std::pair<QPoint, QPoint>> edges = edgesOnWindow(control(name));
    QVERIFY(!edges.isEmpty());
    for (const auto &[edge, outward] : edges) {
        const QColor frame = image.pixelColor(edge);
        const QColor around = image.pixelColor(edge + outward * 2);
        const double ratio = contrast::ratio(frame, around);
        QVERIFY2(ratio >= contrast::kGraphics,
                 qPrintable(QStringLiteral("frame %1 on %2 at %3,%4: %5:1")
                                .arg(frame.name(), around.name())
                                .arg(edge.x())
                                .arg(edge.y())
                                .arg(ratio, 0, 'f', 2)));
    }
}

void TestContrast::focusedFields_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("mssMode");
    for (const char *name : {"Text1", "Text2", "Text4(0)", "Text4(1)", "Text4(50)", "Text6(0)"})
        QTest::addRow("%s", name) << name << false;
    QTest::newRow("Text5(0)") << "Text5(0)" << true;
}

void TestContrast::focusedFields()
{
    QFETCH(QString, name);
    QFETCH(bool, mssMode);
    if (mssMode)
        m_form->Command7_Click();
    QWidget *field = control(name);
    control("Command1")->setFocus(Qt::MouseFocusReason);
    const QImage unfocused = shot();
    field->setFocus(Qt::TabFocusReason);
    const QImage focused = shot();
    if (mssMode)
        m_form->Command2_Click();
    // On every side, out from the field's edge, the pixels the focus turned
    // into a colour standing out by 3:1 from what they were: two at least.
    for (const auto &[edge, outward] : edgesOnWindow(field)) {
        int marked = 0;
        for (int out = 1; out <= 5 && marked < 2; ++out) {
            const QPoint at = edge + outward * out;
            const bool changed = contrast::ratio(unfocused.pixelColor(at), focused.pixelColor(at))
                                 >= contrast::kGraphics;
            marked = changed ? marked + 1 : 0;
        }
        QVERIFY2(marked >= 2, qPrintable(QStringLiteral("at %1,%2 the focus shows %3 pixels wide")
                                             .arg(edge.x())
                                             .arg(edge.y())
                                             .arg(marked)));
    }
}

SKALIX_TEST_SUITE(TestContrast)
#include "tst_contrast.moc"
