// SPDX-License-Identifier: GPL-3.0-or-later
// Any text, of any length, in any field of the real window: no crash, no
// hang, no message, and Text3 as the evaluation's rules say.

#include "support/messagewatch.h"
#include "support/suites.h"

#include "ui/formskalix.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

const QString kUnchanged = QStringLiteral("(unchanged)");

QString digits(int zeros, const char *head = "1")
{
    return QString::fromLatin1(head) + QString(zeros, u'0');
}

QString tiny(int zeros) { return QStringLiteral("0,") + QString(zeros, u'0') + u'1'; }

} // namespace

class TestBadInput : public QObject
{
    Q_OBJECT
private slots:
    void anyTextAnyField_data();
    void anyTextAnyField();
    void everyCodePointInPointsFields();
    void blanksAroundNumbers_data();
    void blanksAroundNumbers();
    void pastedCells_data();
    void pastedCells();
};

void TestBadInput::anyTextAnyField_data()
{
    // clang-format off
    QTest::addColumn<bool>("mssMode");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");

    const struct
    {
        const char *name;
        QString text;
    } nonsense[] = {
        {"100 000 nines", QString(100000, u'9')},
        {"100 000 letters", QString(100000, u'x')},
        {"100 000 commas", QString(100000, u',')},
        {"emoji", QString::fromUtf8("😀")},
        {"combining accent", QString::fromUtf8("7\u0301")},
        {"arabic-indic digits", QString::fromUtf8("٧٥")},
        {"fullwidth digits", QString::fromUtf8("１００")},
        {"zero-width space", QString::fromUtf8("\u200b100")},
        {"byte order mark", QChar(0xFEFF) + QStringLiteral("100")},
        {"right-to-left mark", QString::fromUtf8("\u200f75")},
        {"lone surrogate", QString(QChar(0xD800)) + u'5'},
        {"nul", QString(QChar(0)) + QStringLiteral("75")},
        {"control character", QStringLiteral("\x01") + QStringLiteral("75")},
        {"line break", QStringLiteral("7\n5")},
        {"too large for a double", digits(400)},
    };
    for (const auto &entry : nonsense) {
        QTest::addRow("Text1: %s", entry.name) << false << "Text1" << entry.text << kUnchanged;
        QTest::addRow("Text2: %s", entry.name) << false << "Text2" << entry.text << kUnchanged;
        QTest::addRow("MSS Text2: %s", entry.name) << true << "Text2" << entry.text << kUnchanged;
        // In the top field the run ends; elsewhere the field is passed over.
        QTest::addRow("Text4(0): %s", entry.name) << false << "Text4(0)" << entry.text
                                                  << kUnchanged;
        QTest::addRow("Text4(16): %s", entry.name) << false << "Text4(16)" << entry.text
                                                   << "2,5"; // 2,6 passed over

        QTest::addRow("Text5(0): %s", entry.name) << true << "Text5(0)" << entry.text
                                                  << kUnchanged;
        QTest::addRow("Text5(5): %s", entry.name) << true << "Text5(5)" << entry.text
                                                  << "11"; // 10 points passed over
    }

    // Numbers at the limits of a double, with maximum 100 and reached 75.
    QTest::newRow("maximum 1e308") << false << "Text1" << digits(308) << "6,0";
    QTest::newRow("maximum tiny: score overflows") << false << "Text1" << tiny(320) << kUnchanged;
    QTest::newRow("maximum too small to tell from 0") << false << "Text1" << tiny(400)
                                                       << kUnchanged;
    QTest::newRow("maximum zero") << false << "Text1" << "0" << kUnchanged;
    QTest::newRow("maximum minus zero") << false << "Text1" << "-0,0" << kUnchanged;
    QTest::newRow("maximum negative") << false << "Text1" << "-100" << "6,0";
    QTest::newRow("MSS maximum negative") << true << "Text1" << "-100" << "0";
    QTest::newRow("reached 1e306") << false << "Text2" << digits(306) << "";
    QTest::newRow("reached -1e306") << false << "Text2" << digits(306, "-1") << "6,0";
    QTest::newRow("reached 1e308: product overflows") << false << "Text2" << digits(308)
                                                      << kUnchanged;
    QTest::newRow("reached tiny") << false << "Text2" << tiny(320) << "6,0";
    QTest::newRow("MSS reached 1e306") << true << "Text2" << digits(306) << "15";
    QTest::newRow("MSS reached 1e308") << true << "Text2" << digits(308) << kUnchanged;
    QTest::newRow("MSS reached tiny") << true << "Text2" << tiny(320) << "0";
    QTest::newRow("limit 1e308 for 2,7") << false << "Text4(17)" << digits(308) << "2,7";
    QTest::newRow("top field 1e308: product overflows") << false << "Text4(0)" << digits(308)
                                                        << kUnchanged;
    QTest::newRow("top field tiny") << false << "Text4(0)" << tiny(320) << "6,0";
    // clang-format on
}

void TestBadInput::anyTextAnyField()
{
    QFETCH(bool, mssMode);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, result);

    MessageWatch watch;
    FormSkalix form;
    if (mssMode)
        form.Command7_Click();
    auto *result3 = form.findChild<QLineEdit *>(QStringLiteral("Text3"));
    const QString before = result3->text();

    form.findChild<QLineEdit *>(field)->setText(text);
    form.Command8_Click(); // key fields count only once evaluated

    QCOMPARE(result3->text(), result == kUnchanged ? before : result);
    QVERIFY(watch.messages.isEmpty());
    QVERIFY(!watch.strayModalSeen);
}

void TestBadInput::everyCodePointInPointsFields()
{
    // Every character of the Basic Multilingual Plane, alone and after "7",
    // typed into the points fields: only digits and the accepted forms (a
    // separator, or white space of any kind after the number) ever give a
    // result other than the one already shown.
    MessageWatch watch;
    FormSkalix form;
    auto *maximum = form.findChild<QLineEdit *>(QStringLiteral("Text1"));
    auto *reached = form.findChild<QLineEdit *>(QStringLiteral("Text2"));
    auto *result = form.findChild<QLineEdit *>(QStringLiteral("Text3"));
    for (char16_t c = 1; c < 0xFFFF; ++c) {
        const QChar ch(c);
        if (ch.isDigit() && c < 0x80)
            continue;
        maximum->setText(QStringLiteral("100"));
        reached->setText(QStringLiteral("75"));
        maximum->setText(QStringLiteral("7") + ch);
        const bool readable = ch.isSpace() || c == u',' || c == u'.';
        QCOMPARE(result->text(), readable ? QString() : QStringLiteral("2,6"));
        reached->setText(QString(ch));
        QCOMPARE(result->text(), readable ? QString() : QStringLiteral("2,6"));
    }
    QVERIFY(watch.messages.isEmpty());
}

void TestBadInput::blanksAroundNumbers_data()
{
    // clang-format off
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result"); // with 100 maximum and 60 reached

    QTest::newRow("reached, no-break space after")
        << "Text2" << QString::fromUtf8("60\u00a0") << "3,6";
    QTest::newRow("maximum, narrow no-break space before")
        << "Text1" << QString::fromUtf8("\u202f100") << "3,6";
    QTest::newRow("key field 3,6, no-break space after: still read")
        << "Text4(26)" << QString::fromUtf8("62\u00a0") << "3,6";
    QTest::newRow("key field 3,6, no-break space inside: passed over")
        << "Text4(26)" << QString::fromUtf8("6\u00a02") << "3,5";
    // clang-format on
}

void TestBadInput::blanksAroundNumbers()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, result);
    MessageWatch watch;
    FormSkalix form;
    form.findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(QStringLiteral("60"));
    form.findChild<QLineEdit *>(field)->setText(text);
    form.Command8_Click(); // a key field counts once evaluated
    QCOMPARE(form.findChild<QLineEdit *>(QStringLiteral("Text3"))->text(), result);
}

void TestBadInput::pastedCells_data()
{
    // clang-format off
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("text");   // what the field then holds
    QTest::addColumn<QString>("result"); // with 100 maximum and 60 reached: 3,6
    QTest::addColumn<bool>("fromMenu");  // the context menu's "Paste", not the keys

    QTest::newRow("reached, cell with line feed") << "Text2" << "45\n" << "45" << "4,6" << false;
    QTest::newRow("reached, cell with CR LF") << "Text2" << "45\r\n" << "45" << "4,6" << false;
    QTest::newRow("maximum, cell with CR LF") << "Text1" << "120\r\n" << "120" << "4,4" << false;
    QTest::newRow("key field 3,6, cell with CR LF")
        << "Text4(26)" << "59\r\n" << "59" << "3,5" << false;
    QTest::newRow("reached, two cells: no number")
        << "Text2" << "45\r\n50\r\n" << "45\r\n50" << "3,6" << false;
    QTest::newRow("reached, cell with CR LF, from the menu")
        << "Text2" << "45\r\n" << "45" << "4,6" << true;
    // clang-format on
}

void TestBadInput::pastedCells()
{
    QFETCH(QString, field);
    QFETCH(QString, clipboard);
    QFETCH(QString, text);
    QFETCH(QString, result);
    QFETCH(bool, fromMenu);
    MessageWatch watch;
    FormSkalix form;
    form.findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(QStringLiteral("60"));
    QGuiApplication::clipboard()->setText(clipboard);
    auto *pasteInto = form.findChild<QLineEdit *>(field);
    pasteInto->selectAll();
    const QString before = pasteInto->text();
    if (fromMenu) {
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2),
                                pasteInto->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(pasteInto, &click);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        const auto actions = menu->actions();
        const auto paste = std::find_if(actions.begin(), actions.end(), [](QAction *action) {
            return action->text().contains(QKeySequence(QKeySequence::Paste).toString());
        });
        QVERIFY(paste != actions.end());
        (*paste)->trigger();
        menu->close();
    } else {
        QTest::keySequence(pasteInto, QKeySequence::Paste);
    }
    QCOMPARE(pasteInto->text(), text);
    // One step of the undo history, as any paste.
    QTest::keySequence(pasteInto, QKeySequence::Undo);
    QCOMPARE(pasteInto->text(), before);
    QTest::keySequence(pasteInto, QKeySequence::Redo);
    QCOMPARE(pasteInto->text(), text);
    form.Command8_Click(); // a key field counts once evaluated
    QCOMPARE(form.findChild<QLineEdit *>(QStringLiteral("Text3"))->text(), result);
}

SKALIX_TEST_SUITE(TestBadInput)
#include "tst_badinput.moc"
