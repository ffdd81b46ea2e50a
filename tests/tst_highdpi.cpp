// SPDX-License-Identifier: GPL-3.0-or-later
// At twice the scale the window is exactly twice the size, every control at
// twice its place, and the pictures come from their high-resolution forms.

#include "support/messagewatch.h"
#include "support/suites.h"

#include "ui/formskalix.h"
#include "ui/picturebox.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QWindow>
#include <QtTest>

class TestHighDpi : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void windowTwiceTheSize();
    void controlsAtTwiceTheirPlace_data();
    void controlsAtTwiceTheirPlace();
    void picturesSharp_data();
    void picturesSharp();

private:
    FormSkalix m_form;
    MessageWatch m_watch;
    QImage m_shot;
};

void TestHighDpi::initTestCase()
{
    m_form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_form));
    QCOMPARE(m_form.windowHandle()->devicePixelRatio(), 2.0);
    m_shot = m_form.grab().toImage();
}

void TestHighDpi::windowTwiceTheSize()
{
    QCOMPARE(m_form.size(), QSize(444, 666)); // logical pixels stay
    QCOMPARE(m_shot.size(), QSize(888, 1332));
}

void TestHighDpi::controlsAtTwiceTheirPlace_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QPoint>("twipsInside"); // a point inside the control, in twips

    // The grade fields are striped black and grey; the MSS fields hidden.
    QTest::newRow("Text4(0)") << "Text4(0)" << QColor(0, 0, 0) << QPoint(2530, 4040);
    QTest::newRow("Text4(1)") << "Text4(1)" << QColor(224, 224, 224) << QPoint(2530, 4520);
    QTest::newRow("Text4(49)") << "Text4(49)" << QColor(224, 224, 224) << QPoint(4930, 8200);
    QTest::newRow("Text4(50)") << "Text4(50)" << QColor(0, 0, 0) << QPoint(5320, 3880);
    QTest::newRow("Label8(0)") << "Label8(0)" << QColor(128, 128, 128) << QPoint(1815, 3850);
}

void TestHighDpi::controlsAtTwiceTheirPlace()
{
    QFETCH(QString, control);
    QFETCH(QColor, colour);
    QFETCH(QPoint, twipsInside);
    QWidget *widget = m_form.findChild<QWidget *>(control);
    QVERIFY(widget);
    // The control's own image is twice its logical size...
    QCOMPARE(widget->grab().size(), widget->size() * 2);
    // ...and in the window's image it stands at twice its place. Points are
    // chosen clear of the text, on the control's background.
    const QPoint device = twipsInside / 15 * 2;
    QCOMPARE(m_shot.pixelColor(device), colour);
}

void TestHighDpi::picturesSharp_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QSize>("natural");
    QTest::newRow("Picture1") << "Picture1" << QSize(150, 97);
    QTest::newRow("Image1") << "Image1" << QSize(205, 52);
}

void TestHighDpi::picturesSharp()
{
    QFETCH(QString, control);
    QFETCH(QSize, natural);
    auto *picture = m_form.findChild<PictureBox *>(control);
    QCOMPARE(picture->size(), natural);
    const QPixmap &drawn = picture->pixmapFor(picture->devicePixelRatioF());
    QCOMPARE(drawn.size(), natural * 2);
    QCOMPARE(drawn.devicePixelRatio(), 2.0);
    // What the window shows is that pixmap, pixel for pixel.
    const QImage shown = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage source = drawn.toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), source.size());
    int differing = 0;
    for (int y = 0; y < source.height(); y += 3)
        for (int x = 0; x < source.width(); x += 3)
            differing += shown.pixel(x, y) != source.pixel(x, y);
    QCOMPARE(differing, 0);
}

// CTest runs this at QT_SCALE_FACTOR=2.
SKALIX_TEST_SUITE(TestHighDpi)
#include "tst_highdpi.moc"
