// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader can say about every control, and the window icon.

#include "support/messagewatch.h"
#include "support/suites.h"

#include "ui/formskalix.h"

#include <QAccessible>
#include <QApplication>
#include <QFocusFrame>
#include <QSet>
#include <QtTest>

class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void everyControlHasAName();
    void keyFieldsAreToldApart();
    void spokenNames_data();
    void spokenNames();
    void windowIconSizes();

private:
    static QString spokenName(QWidget *widget)
    {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        return accessible ? accessible->text(QAccessible::Name) : QString();
    }
    FormSkalix m_form;
    MessageWatch m_watch;
};

void TestAccessibility::everyControlHasAName()
{
    const QWidget *client = m_form.findChild<QWidget *>(QStringLiteral("Text1"))->parentWidget();
    const QList<QWidget *> controls = client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    QVERIFY(!controls.isEmpty());
    for (QWidget *control : controls) {
        if (!qobject_cast<QFocusFrame *>(control)) // no control, and never told
            QVERIFY2(!spokenName(control).trimmed().isEmpty(), qPrintable(control->objectName()));
    }
}

void TestAccessibility::keyFieldsAreToldApart()
{
    QSet<QString> names;
    for (int i = 0; i < 51; ++i)
        names << spokenName(m_form.findChild<QWidget *>(QStringLiteral("Text4(%1)").arg(i)));
    for (int k = 0; k < 16; ++k)
        names << spokenName(m_form.findChild<QWidget *>(QStringLiteral("Text5(%1)").arg(k)));
    QCOMPARE(names.size(), 67);
}

void TestAccessibility::spokenNames_data()
{
    // clang-format off
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");

    QTest::newRow("grade 1,0") << "Text4(0)" << "Obergrenze für Note 1,0";
    QTest::newRow("grade 2,3") << "Text4(13)" << "Obergrenze für Note 2,3";
    QTest::newRow("grade 6,0") << "Text4(50)" << "Obergrenze für Note 6,0";
    QTest::newRow("15 points") << "Text5(0)" << "Obergrenze für 15 Punkte";
    QTest::newRow("12 points") << "Text5(3)" << "Obergrenze für 12 Punkte";
    QTest::newRow("1 point") << "Text5(14)" << "Obergrenze für 1 Punkt";
    QTest::newRow("maximum") << "Text1" << "Maximalpunkte";
    QTest::newRow("reached") << "Text2" << "Erreichte Punkte";
    QTest::newRow("result") << "Text3" << "Erreichte Note";
    QTest::newRow("help button") << "Command5" << "Hilfe";
    QTest::newRow("button caption") << "Command8" << "Berechnen";
    QTest::newRow("points caption") << "Label8(49)" << "15 Punkte";
    // clang-format on
}

void TestAccessibility::spokenNames()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QCOMPARE(spokenName(m_form.findChild<QWidget *>(control)), name);
}

void TestAccessibility::windowIconSizes()
{
    const QList<QSize> sizes = m_form.windowIcon().availableSizes();
    QVERIFY(sizes.contains(QSize(16, 16)));
    QVERIFY(sizes.contains(QSize(32, 32)));
    QVERIFY(sizes.contains(QSize(64, 64))); // 32 at twice the scale
}

SKALIX_TEST_SUITE(TestAccessibility)
#include "tst_accessibility.moc"
