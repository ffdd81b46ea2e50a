// SPDX-License-Identifier: GPL-3.0-or-later
// The window as built: its controls, places, looks, tab order, the slider
// coupling and closing.

#include "support/suites.h"
#include "support/windowfixture.h"

#include "form/helptext.h"
#include "ui/formskalix.h"
#include "ui/picturebox.h"

#include <QApplication>
#include <QFocusFrame>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <memory>

namespace {

QString element(const char *array, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

// Twips of the layout to pixels.
QRect px(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

QStringList gradeFields()
{
    QStringList names;
    for (int i = 0; i < 51; ++i)
        names << element("Text4", i);
    return names;
}

QStringList mssFields()
{
    QStringList names;
    for (int k = 0; k < 16; ++k)
        names << element("Text5", k);
    return names;
}

} // namespace

class TestWindow : public QObject, public WindowFixture
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void windowItself();
    void everyControlOnce();
    void controlPlaces_data();
    void controlPlaces();
    void keyLabels_data();
    void keyLabels();
    void keyFieldColours_data();
    void keyFieldColours();
    void fonts_data();
    void fonts();
    void buttonCaptionsWrap_data();
    void buttonCaptionsWrap();
    void keyFieldsShowLimitsWhole_data();
    void keyFieldsShowLimitsWhole();
    void stackingOrder();
    void pictures_data();
    void pictures();
    void startState();
    void resultReadableWhileDisabled();
    void tabOrder_data();
    void tabOrder();
    void sliderCoupling();
    void sliderDragReportsOnRelease();
    void sliderKeyboard();
    void typedPointsLeaveSlider();
    void typingIntoKeyOrTitleChangesNothing_data();
    void typingIntoKeyOrTitleChangesNothing();
    void buttonsRunTheirCommands_data();
    void buttonsRunTheirCommands();
    void calculateAfterTypingIntoKey();
    void helpFromEitherMode_data();
    void helpFromEitherMode();
    void endeCloses();
    void closeBoxCloses();
};

void TestWindow::init() { startWindow(); }

void TestWindow::cleanup() { endWindow(); }

void TestWindow::windowItself()
{
    QCOMPARE(m_form->objectName(), QStringLiteral("FormSkalix"));
    QCOMPARE(m_form->size(), QSize(444, 666));
    QVERIFY(m_form->windowTitle().startsWith(QStringLiteral("Skalix - von ")));
    QVERIFY(m_form->windowTitle().size() > 13);
    QVERIFY(m_form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint)
            || m_form->windowFlags() == Qt::Window);

    // Nothing moves when the window is resized.
    const QRect before = control("Command7")->geometry();
    m_form->resize(800, 900);
    QCOMPARE(control("Command7")->geometry(), before);
}

void TestWindow::everyControlOnce()
{
    QStringList names;
    for (QObject *child : clientArea()->children()) {
        // The focus ring around the focused button is no control.
        if (child->isWidgetType() && !qobject_cast<QFocusFrame *>(child))
            names << child->objectName();
    }
    // 26 single controls, 51 grade fields, 16 MSS fields, 58 key labels;
    // with the window itself 152 named widgets.
    QCOMPARE(names.size(), 151);
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 151);
    QVERIFY(!names.contains(QString()));
}

void TestWindow::controlPlaces_data()
{
    // clang-format off
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("text"); // caption or start text
    QTest::addColumn<QString>("toolTip");

    const struct
    {
        const char *name;
        int left, top, width, height;
        const char *text;
        const char *toolTip;
    } table[] = {
        {"Command1", 120, 120, 855, 615, "Ende", "Beendet den Skalix"},
        {"Text6(0)", 1080, 120, 3735, 615, "Skalix", ""},
        {"Text6(1)", 3840, 720, 375, 255, "von", ""},
        {"Picture1", 4200, 120, 2250, 1455, nullptr, ""},
        {"Command5", 6000, 120, 375, 375, "?", "Zeigt eine kurze Hilfe an"},
        {"Label2", 1080, 960, 1815, 375, "Maximalpunkte", ""},
        {"Text1", 3000, 1080, 1215, 495, "100", "Hier stehen die Maximalpunkte der Arbeit"},
        {"Label3", 0, 1320, 2895, 615,
         "Geben Sie an, wieviele Punkte man in Ihrer Arbeit maximal erreichen konnte:", ""},
        {"HScroll1", 3000, 1560, 1215, 135, nullptr, ""},
        {"Label4", 1080, 1800, 1815, 375, "Erreichte Punkte", ""},
        {"Text2", 3000, 1920, 1215, 495, "75",
         "Hier steht, wieviele Punkte ein Schüler tatsächlich erreicht hat"},
        {"Command8", 4680, 1920, 1695, 615, "Berechnen", ""},
        {"Label5", 120, 2160, 2775, 375,
         "Geben Sie hier an, wieviele Punkte die SchülerIn erreicht hat", ""},
        {"HScroll2", 3000, 2400, 1215, 135, nullptr, ""},
        {"Label7", 1080, 2640, 1815, 375, "Erreichte Note", ""},
        {"Text3", 3000, 2760, 1215, 495, "2,6", "Hier das Ergebnis"},
        {"Shape1", 3000, 2760, 1215, 495, nullptr, ""},
        {"Label6", 0, 3000, 2895, 375, "Hier gibt das Programm den Notenvorschlag aus", ""},
        {"Shape2", 240, 3480, 6135, 5535, nullptr, ""},
        {"Command9", 360, 3960, 1335, 495, "IHK- Notenschlüssel", ""},
        {"Command3", 360, 4560, 1335, 735, "Linearen Notenschlüsel eintragen", ""},
        {"Command2", 360, 5400, 1335, 735, "Standard- Notenschlüssel eintragen", ""},
        {"Command4", 360, 6240, 1335, 735, "Werte aller Kommanoten löschen", ""},
        {"Command6", 360, 7080, 1335, 735, "Werte aller Noten löschen", ""},
        {"Command7", 360, 7920, 1335, 975, "Standard MSS-Punkte- Schlüssel eintragen", ""},
        {"Image1", 1560, 9120, 3075, 780, nullptr, ""},
    };
    for (const auto &row : table) {
        QTest::newRow(row.name) << row.name << px(row.left, row.top, row.width, row.height)
                                << (row.text ? QString(row.text) : QString()) << row.toolTip;
    }

    for (int i = 0; i < 51; ++i) {
        QTest::newRow(qPrintable(element("Text4", i)))
            << element("Text4", i) << px(2280 + 600 * (i / 10), 3840 + 480 * (i % 10), 500, 400)
            << QString() << "";
    }
    const int mssRowTop[] = {3840, 5760, 8160};
    for (int k = 0; k < 16; ++k) {
        QTest::newRow(qPrintable(element("Text5", k)))
            << element("Text5", k) << px(2280 + 600 * (k / 3), mssRowTop[k % 3], 500, 400)
            << "" << "";
    }
    // clang-format on
}

void TestWindow::controlPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    QWidget *widget = control(name);
    QCOMPARE(widget->geometry(), place);
    QCOMPARE(widget->toolTip(), toolTip);
    if (auto *button = qobject_cast<QPushButton *>(widget))
        QCOMPARE(button->text(), text);
    else if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), text);
    else if (auto *field = qobject_cast<QLineEdit *>(widget); field && !text.isNull())
        QCOMPARE(field->text(), text);
}

void TestWindow::keyLabels_data()
{
    // clang-format off
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<bool>("gradeMode");

    const auto add = [](int index, const QString &caption, int left, int top, bool gradeMode) {
        QTest::addRow("Label8(%d) %s", index, qPrintable(caption))
            << index << caption << px(left, top, 375, 255) << gradeMode;
    };
    const int topHeaders[] = {2, 3, 4, 5, 6, 7};
    const int bottomHeaders[] = {8, 9, 10, 11, 12, 13};
    const int mssHeaders[] = {38, 46, 47, 48, 57, 52};
    for (int c = 0; c < 6; ++c) {
        const QString caption = QStringLiteral("%1,x").arg(c + 1);
        add(topHeaders[c], caption, 2280 + 600 * c, 3600, true);
        add(bottomHeaders[c], caption, 2280 + 600 * c, 8640, true);
        add(mssHeaders[c], caption, 2280 + 600 * c, 3600, false);
    }
    const int leftRows[] = {0, 19, 18, 17, 16, 15, 14, 1, 20, 21};
    const int rightRows[] = {22, 28, 27, 26, 25, 24, 23, 29, 30, 31};
    for (int r = 0; r < 10; ++r) {
        const QString caption = QStringLiteral("x,%1").arg(r);
        add(leftRows[r], caption, r == 0 ? 1800 : 1920, 3840 + 480 * r, true);
        add(rightRows[r], caption, 5760, 3840 + 480 * r, true);
    }
    add(45, "+", 1800, 3840, false);
    add(41, "+", 5760, 3840, false);
    add(42, "-", 1920, 8160, false);
    add(37, "-", 5760, 8160, false);
    const int points[] = {49, 40, 51, 50, 34, 53, 44, 32, 56, 43, 35, 55, 39, 36, 54, 33};
    const int mssRowTop[] = {3840, 5760, 8160};
    for (int k = 0; k < 16; ++k)
        add(points[k], QString::number(15 - k), 2280 + 600 * (k / 3) + 120,
            mssRowTop[k % 3] + 480, false);
    // clang-format on
}

void TestWindow::keyLabels()
{
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(QRect, place);
    QFETCH(bool, gradeMode);

    auto *label = control<QLabel>(element("Label8", index));
    QCOMPARE(label->text(), caption);
    QCOMPARE(label->geometry(), place);
    QCOMPARE(label->isHidden(), !gradeMode);
    m_form->Command7_Click(); // MSS mode shows the other half
    QCOMPARE(label->isHidden(), gradeMode);
    m_form->Command2_Click();
    QCOMPARE(label->isHidden(), !gradeMode);
}

void TestWindow::keyFieldColours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("text");

    const QColor black(0, 0, 0), white(255, 255, 255), grey(224, 224, 224);
    for (int i : {0, 1, 2, 9, 10, 13, 48, 49, 50})
        QTest::newRow(qPrintable(element("Text4", i)))
            << element("Text4", i) << (i % 2 ? grey : black) << (i % 2 ? black : white);
    for (int k : {0, 7, 15})
        QTest::newRow(qPrintable(element("Text5", k))) << element("Text5", k) << black << white;
    QTest::newRow("Text6(0)") << "Text6(0)" << QColor(212, 208, 200) << QColor();
    QTest::newRow("Label8(0) workspace") << "Label8(0)" << QColor(128, 128, 128) << QColor();
}

void TestWindow::keyFieldColours()
{
    QFETCH(QString, name);
    QFETCH(QColor, background);
    QFETCH(QColor, text);
    QWidget *widget = control(name);
    const bool isLabel = qobject_cast<QLabel *>(widget) != nullptr;
    QCOMPARE(widget->palette().color(isLabel ? QPalette::Window : QPalette::Base), background);
    if (text.isValid())
        QCOMPARE(widget->palette().color(QPalette::Text), text);
}

void TestWindow::fonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");

    QTest::newRow("window font on a button") << "Command1" << 11 << false;
    QTest::newRow("title") << "Text6(0)" << 32 << true;
    QTest::newRow("von") << "Text6(1)" << 11 << true;
    QTest::newRow("heading") << "Label2" << 16 << false;
    QTest::newRow("bold heading") << "Label7" << 16 << true;
    QTest::newRow("points field") << "Text1" << 18 << false;
    QTest::newRow("result") << "Text3" << 24 << true;
    QTest::newRow("grade field") << "Text4(0)" << 13 << false;
    QTest::newRow("MSS field") << "Text5(0)" << 13 << false;
    QTest::newRow("points label") << "Label8(49)" << 13 << true;
    QTest::newRow("row label") << "Label8(0)" << 11 << false;
}

void TestWindow::fonts()
{
    QFETCH(QString, name);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    const QFont font = control(name)->font();
    QCOMPARE(font.pixelSize(), pixelSize);
    QCOMPARE(font.bold(), bold);
}

void TestWindow::buttonCaptionsWrap_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("lines");
    QTest::newRow("Ende") << "Command1" << 1;
    QTest::newRow("Berechnen") << "Command8" << 1;
    QTest::newRow("IHK") << "Command9" << 2;
    QTest::newRow("linear") << "Command3" << 3;
    QTest::newRow("standard") << "Command2" << 3;
    QTest::newRow("clear intermediate") << "Command4" << 3;
    QTest::newRow("clear all") << "Command6" << 2;
    QTest::newRow("MSS points") << "Command7" << 3;
}

void TestWindow::buttonCaptionsWrap()
{
    QFETCH(QString, name);
    QFETCH(int, lines);
    auto *button = control<QPushButton>(name);
    const QFontMetrics metrics(button->font());
    const QRect wrapped = metrics.boundingRect(QRect(0, 0, button->width(), 1000),
                                               Qt::AlignCenter | Qt::TextWordWrap, button->text());
    QCOMPARE(wrapped.height() / metrics.lineSpacing(), lines);
    QVERIFY(wrapped.height() <= button->height());
}

void TestWindow::keyFieldsShowLimitsWhole_data()
{
    // clang-format off
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("limit");
    QTest::newRow("IHK 2,0") << "Text4(10)" << "91,99";
    QTest::newRow("IHK 6,0") << "Text4(50)" << "29,99";
    QTest::newRow("top") << "Text4(0)" << "100";
    // clang-format on
}

void TestWindow::keyFieldsShowLimitsWhole()
{
    QFETCH(QString, name);
    QFETCH(QString, limit);
    auto *field = control<QLineEdit>(name);
    field->setText(limit);
    // A text that fits does not scroll: moving the cursor from its start to
    // its end moves it by the width of the text (less at most the pixel the
    // cursor itself takes at the end, which is the digit's side bearing).
    // (The field scrolls when it paints.)
    const auto cursorAt = [field](int position) {
        field->setCursorPosition(position);
        field->grab();
        return field->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    };
    const int start = cursorAt(0);
    const int end = cursorAt(int(limit.size()));
    const qreal width = QFontMetricsF(field->font()).horizontalAdvance(limit);
    QVERIFY2(qAbs(end - start - width) <= 2,
             qPrintable(QStringLiteral("cursor moved %1 px over a text %2 px wide")
                            .arg(end - start)
                            .arg(width)));
}

void TestWindow::stackingOrder()
{
    QList<QWidget *> stack;
    for (QObject *child : clientArea()->children()) {
        if (auto *widget = qobject_cast<QWidget *>(child))
            stack << widget;
    }
    const auto level = [&](const char *name) { return stack.indexOf(control(name)); };
    QCOMPARE(level("Shape2"), 0);
    for (const char *above : {"Command5", "Text6(0)", "Text6(1)"})
        QVERIFY2(level(above) > level("Picture1"), above);
    QVERIFY(level("Text3") > level("Shape1"));
    QVERIFY(level("Picture1") > level("Label8(57)"));
    QVERIFY(level("Text4(0)") > level("Label8(0)"));
}

void TestWindow::pictures_data()
{
    // clang-format off
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("Picture1") << "Picture1" << "jpeg" << QSize(150, 97) << false;
    QTest::newRow("Image1") << "Image1" << "gif" << QSize(205, 52) << true;
    // clang-format on
}

void TestWindow::pictures()
{
    QFETCH(QString, name);
    QFETCH(QString, format);
    QFETCH(QSize, size);
    QFETCH(bool, enabled);
    auto *picture = control<PictureBox>(name);
    QCOMPARE(picture->pixmap().size(), size);
    QCOMPARE(picture->size(), size); // natural size is the control's size
    QCOMPARE(picture->isEnabled(), enabled);

    const QString resource = name == "Picture1" ? ":/images/picture1.jpg" : ":/images/image1.gif";
    QImageReader reader(resource);
    QCOMPARE(QString::fromLatin1(reader.format()), format);
    QCOMPARE(reader.size(), size);

    // A disabled picture box still shows its picture unchanged.
    const QImage shown = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage original = QImage(resource).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.pixel(75, 50), original.pixel(75, 50));
}

void TestWindow::startState()
{
    QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("100"));
    QCOMPARE(control<QLineEdit>("Text2")->text(), QStringLiteral("75"));
    QCOMPARE(control<QScrollBar>("HScroll1")->value(), 100);
    QCOMPARE(control<QScrollBar>("HScroll2")->value(), 75);
    QCOMPARE(control<QScrollBar>("HScroll1")->maximum(), 100);
    QCOMPARE(control<QScrollBar>("HScroll2")->minimum(), 0);
    for (const QString &name : mssFields()) {
        QVERIFY(control(name)->isHidden());
        QCOMPARE(control<QLineEdit>(name)->text(), QString());
    }
    for (const QString &name : gradeFields())
        QVERIFY(!control(name)->isHidden());
    QVERIFY(!control("Text3")->isEnabled());

    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QCOMPARE(QApplication::focusWidget(), control("Text4(0)"));
}

void TestWindow::resultReadableWhileDisabled()
{
    auto *result = control<QLineEdit>("Text3");
    QVERIFY(!result->isEnabled());
    QCOMPARE(result->palette().color(QPalette::Disabled, QPalette::Base),
             result->palette().color(QPalette::Active, QPalette::ToolTipBase));
    QCOMPARE(result->palette().color(QPalette::Disabled, QPalette::Text), QColor(0, 0, 0));

    // On screen: dark result text on the tooltip background.
    const QImage image = result->grab().toImage();
    const QColor middleLeft = image.pixelColor(8, image.height() / 2);
    QCOMPARE(middleLeft, result->palette().color(QPalette::Active, QPalette::ToolTipBase));
    int darkPixels = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 20; x < image.width() - 20; ++x)
            darkPixels += image.pixelColor(x, y).lightness() < 60;
    QVERIFY2(darkPixels > 30, "the result text is not drawn dark");
}

void TestWindow::tabOrder_data()
{
    QTest::addColumn<bool>("mssMode");
    QTest::addColumn<QStringList>("cycle");

    const QStringList middle{"Command1", "Text1",    "Text2",    "Command3", "Command2",
                             "Command4", "HScroll1", "HScroll2", "Text6(0)", "Text6(1)",
                             "Command5", "Command6", "Command7"};
    const QStringList end{"Command8", "Command9"};
    QTest::newRow("grade mode") << false << gradeFields() + middle + end;
    QTest::newRow("MSS mode") << true << middle + mssFields() + end;
}

void TestWindow::tabOrder()
{
    QFETCH(bool, mssMode);
    QFETCH(QStringList, cycle);

    if (mssMode)
        m_form->Command7_Click();
    showActive();
    control(cycle.first())->setFocus(Qt::TabFocusReason);

    QStringList visited;
    for (int step = 0; step <= cycle.size(); ++step) {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        visited << focus->objectName();
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    QCOMPARE(visited, cycle + QStringList{cycle.first()});
}

void TestWindow::sliderCoupling()
{
    auto *maximum = control<QScrollBar>("HScroll1");
    auto *reached = control<QScrollBar>("HScroll2");

    reached->setValue(60);
    QCOMPARE(control<QLineEdit>("Text2")->text(), QStringLiteral("60"));
    QCOMPARE(control<QLineEdit>("Text3")->text(), QStringLiteral("3,6"));

    // A maximum of 0 leaves the last result standing.
    maximum->setValue(0);
    QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("0"));
    QCOMPARE(control<QLineEdit>("Text3")->text(), QStringLiteral("3,6"));

    maximum->setValue(80);
    QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("80"));
    QCOMPARE(control<QLineEdit>("Text3")->text(), QStringLiteral("2,6")); // 60 of 80 = 75 %
    QVERIFY(m_watch->messages.isEmpty());
}

void TestWindow::sliderDragReportsOnRelease()
{
    auto *reached = control<QScrollBar>("HScroll2");
    reached->setSliderDown(true);
    reached->setSliderPosition(30);
    reached->setSliderPosition(40);
    QCOMPARE(control<QLineEdit>("Text2")->text(), QStringLiteral("75"));
    reached->setSliderDown(false);
    QCOMPARE(control<QLineEdit>("Text2")->text(), QStringLiteral("40"));
    QCOMPARE(control<QLineEdit>("Text3")->text(), QStringLiteral("4,8"));
}

void TestWindow::sliderKeyboard()
{
    auto *reached = control<QScrollBar>("HScroll2");
    QVERIFY(reached->focusPolicy() & Qt::TabFocus);
    QTest::keyClick(reached, Qt::Key_Right);
    QCOMPARE(control<QLineEdit>("Text2")->text(), QStringLiteral("76"));
    QTest::keyClick(reached, Qt::Key_PageUp);
    QCOMPARE(control<QLineEdit>("Text2")->text(), QStringLiteral("86"));
    QCOMPARE(control<QLineEdit>("Text3")->text(), QStringLiteral("2,0"));
}

void TestWindow::typedPointsLeaveSlider()
{
    auto *text1 = control<QLineEdit>("Text1");
    auto *maximum = control<QScrollBar>("HScroll1");
    text1->selectAll();
    QTest::keyClicks(text1, "250");
    QCOMPARE(text1->text(), QStringLiteral("250"));
    QCOMPARE(maximum->value(), 100);
    QCOMPARE(control<QLineEdit>("Text3")->text(), QStringLiteral("5,2")); // 75 of 250 = 30 %

    maximum->setValue(90);
    QCOMPARE(text1->text(), QStringLiteral("90"));
}

void TestWindow::typingIntoKeyOrTitleChangesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("grade field") << "Text4(26)";
    QTest::newRow("top grade field") << "Text4(0)";
    QTest::newRow("title field") << "Text6(0)";
    QTest::newRow("von field") << "Text6(1)";
}

void TestWindow::typingIntoKeyOrTitleChangesNothing()
{
    QFETCH(QString, name);
    auto *field = control<QLineEdit>(name);
    auto *result = control<QLineEdit>("Text3");
    field->selectAll();
    QTest::keyClicks(field, "1");
    QCOMPARE(field->text(), QStringLiteral("1"));
    QCOMPARE(result->text(), QStringLiteral("2,6"));
    QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("100"));
    QCOMPARE(control<QLineEdit>("Text2")->text(), QStringLiteral("75"));
}

void TestWindow::buttonsRunTheirCommands_data()
{
    // clang-format off
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("mssMode");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("fieldText");
    QTest::addColumn<QString>("result");

    QTest::newRow("standard") << "Command2" << false << "Text4(1)" << "97" << "2,6";
    QTest::newRow("linear") << "Command3" << false << "Text4(1)" << "98" << "2,2";
    QTest::newRow("clear intermediate") << "Command4" << false << "Text4(1)" << "" << "2,0";
    QTest::newRow("clear all") << "Command6" << false << "Text4(0)" << "" << "";
    QTest::newRow("MSS points") << "Command7" << true << "Text5(3)" << "86" << "10";
    QTest::newRow("calculate") << "Command8" << false << "Text4(0)" << "100" << "2,6";
    QTest::newRow("IHK") << "Command9" << false << "Text4(10)" << "91,99" << "";
    // clang-format on
}

void TestWindow::buttonsRunTheirCommands()
{
    QFETCH(QString, button);
    QFETCH(bool, mssMode);
    QFETCH(QString, field);
    QFETCH(QString, fieldText);
    QFETCH(QString, result);

    showActive();
    control("Text2")->setFocus();
    QTest::mouseClick(control(button), Qt::LeftButton);

    QCOMPARE(control<QLineEdit>(field)->text(), fieldText);
    QCOMPARE(control<QLineEdit>("Text3")->text(), result);
    QCOMPARE(control("Text5(0)")->isVisible(), mssMode);
    QCOMPARE(control("Text4(0)")->isVisible(), !mssMode);
    QCOMPARE(control("Label8(49)")->isVisible(), mssMode);
    QCOMPARE(QApplication::focusWidget(), control(mssMode ? "Text5(0)" : "Text4(0)"));
    QVERIFY(m_watch->messages.isEmpty());
}

void TestWindow::calculateAfterTypingIntoKey()
{
    auto *field = control<QLineEdit>("Text4(50)");
    field->selectAll();
    QTest::keyClicks(field, "100");
    QCOMPARE(control<QLineEdit>("Text3")->text(), QStringLiteral("2,6"));
    QTest::mouseClick(control("Command8"), Qt::LeftButton);
    QCOMPARE(control<QLineEdit>("Text3")->text(), QStringLiteral("6,0"));
}

void TestWindow::helpFromEitherMode_data()
{
    QTest::addColumn<QString>("before");
    QTest::newRow("grade mode") << "Command2";
    QTest::newRow("MSS mode") << "Command7";
    QTest::newRow("empty key") << "Command6";
}

void TestWindow::helpFromEitherMode()
{
    QFETCH(QString, before);
    QTest::mouseClick(control(before), Qt::LeftButton);
    const QString result = control<QLineEdit>("Text3")->text();
    QTest::mouseClick(control("Command5"), Qt::LeftButton);
    QCOMPARE(m_watch->messages, QStringList{QString::fromStdString(helpText())});
    QCOMPARE(control<QLineEdit>("Text3")->text(), result);
}

void TestWindow::endeCloses()
{
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QTest::mouseClick(control("Command1"), Qt::LeftButton);
    QVERIFY(!m_form->isVisible());
    QVERIFY(m_watch->messages.isEmpty());
}

void TestWindow::closeBoxCloses()
{
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QVERIFY(m_form->close()); // what the close box asks for; nothing refuses it
    QVERIFY(!m_form->isVisible());
    QVERIFY(m_watch->messages.isEmpty());
}

SKALIX_TEST_SUITE(TestWindow)
#include "tst_window.moc"
