// SPDX-License-Identifier: GPL-3.0-or-later
// The help text, character by character.

#include "form/helptext.h"
#include "support/suites.h"

#include <QtTest>

class TestHelpText : public QObject
{
    Q_OBJECT
private slots:
    void lines_data();
    void lines();
    void lineBreaksAreCarriageReturnsOnly();
    void lifeLineKeepsItsSpaces();
};

void TestHelpText::lines_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");

    const char *lines[] = {
        "Tragen Sie in die Punktefelder unten Werte ein, die zu den",
        " Noten passen.. Diese werden vom Skalix zur",
        "Grundlage seiner Notenvorschläge herangezogen.",
        "",
        "Übrigens müssen Sie nicht jedes Punktefeld ausfüllen!",
        "",
        "Der Skalix bietet Ihnen zwei unterschiedliche",
        "voreingestellte Notenschlüssel an. Klicken Sie dazu nur auf",
        "die jeweiligen Buttons!",
        "Wenn Sie nun die Regler verstellen, können Sie",
        nullptr, // the 'life' line, checked on its own
        "verfolgen, wie sich die Veränderung der Parameter",
        "auf die Note auswirkt.",
        "",
        "Wendrisch",
    };
    for (int i = 0; i < 15; ++i) {
        if (lines[i])
            QTest::addRow("line %d", i + 1) << i << QString::fromUtf8(lines[i]);
    }
}

void TestHelpText::lines()
{
    QFETCH(int, line);
    QFETCH(QString, text);
    const QStringList lines = QString::fromStdString(helpText()).split(u'\r');
    QCOMPARE(lines.size(), 15);
    QCOMPARE(lines[line], text);
}

void TestHelpText::lineBreaksAreCarriageReturnsOnly()
{
    const QString text = QString::fromStdString(helpText());
    QCOMPARE(text.count(u'\r'), 14);
    QVERIFY(!text.contains(u'\n'));
    QVERIFY(!text.startsWith(u'\r'));
    QVERIFY(!text.endsWith(u'\r'));
}

void TestHelpText::lifeLineKeepsItsSpaces()
{
    const QString line = QString::fromStdString(helpText()).split(u'\r').at(10);
    QCOMPARE(line.size(), 102);
    QCOMPARE(line, QString(48, u' ') + QStringLiteral("'life'") + QString(48, u' '));
}

SKALIX_TEST_SUITE(TestHelpText)
#include "tst_helptext.moc"
