// SPDX-License-Identifier: GPL-3.0-or-later
// The live evaluation on an in-memory form: both modes, the silent exits,
// ties, error tolerance and the inconsistent table.

#include "support/memoryform.h"

#include "eval/liveevaluation.h"

#include <QtTest>

namespace {

const QString kStale = QStringLiteral("stale");

// A key as "index=text|index=text", for example "0=100|10=90".
void enterKey(MemoryForm &form, KeyArray array, const QString &key)
{
    for (const QString &entry : key.split(u'|', Qt::SkipEmptyParts)) {
        const qsizetype at = entry.indexOf(u'=');
        form.setKeyText(array, entry.left(at).toInt(), entry.mid(at + 1));
    }
}

const QString kGradeKey = QStringLiteral("0=100|5=95|10=90|20=75|30=60|40=40|50=20");
const QString kMssKey = QStringLiteral("0=100|5=75|10=50|15=20");
const QString kHugeNumber = u'1' + QString(300, u'0'); // 1e300 still reads
const QString kTooLarge = u'1' + QString(400, u'0');   // beyond a double: does not read

// One run on the row's key in the given mode, with the other array holding
// a key of its own, hidden: the result as expected, no message, and neither
// the inputs nor the key touched.
void checkEvaluation(KeyArray array)
{
    QFETCH(QString, key);
    QFETCH(QString, maximum);
    QFETCH(QString, achieved);
    QFETCH(QString, expected);

    MemoryForm form;
    form.setMode(array);
    enterKey(form, KeyArray::Grades, array == KeyArray::Grades ? key : kGradeKey);
    enterKey(form, KeyArray::Mss, array == KeyArray::Mss ? key : kMssKey);
    form.maximum = maximum;
    form.achieved = achieved;
    form.result = kStale;
    const MemoryForm before = form;

    const bool wrote = eval::liveEvaluation(form);

    QCOMPARE(form.result, expected);
    QCOMPARE(wrote, expected != kStale); // says whether it reached its end
    QVERIFY(form.messages.isEmpty());
    QCOMPARE(form.grades, before.grades);
    QCOMPARE(form.mss, before.mss);
    QCOMPARE(form.maximum, maximum);
    QCOMPARE(form.achieved, achieved);
}

} // namespace

class TestLiveEvaluation : public QObject
{
    Q_OBJECT
private slots:
    void gradeMode_data();
    void gradeMode();
    void mssMode_data();
    void mssMode();
    void unreadableFieldActsAsEmpty_data();
    void unreadableFieldActsAsEmpty();
    void modeIsToldByElementZero();
    void inconsistentTableShowsMessage();
    void hugeTextsInEveryField();
};

void TestLiveEvaluation::gradeMode_data()
{
    // clang-format off
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("maximum");
    QTest::addColumn<QString>("achieved");
    QTest::addColumn<QString>("expected");

    QTest::newRow("several limits match, worst wins") << kGradeKey << "50" << "40" << "2,0";
    QTest::newRow("score equal to a limit") << kGradeKey << "50" << "30" << "4,0";
    QTest::newRow("score below every limit") << kGradeKey << "50" << "5" << "6,0";
    QTest::newRow("score zero") << kGradeKey << "50" << "0" << "6,0";
    QTest::newRow("score above the top clears") << kGradeKey << "50" << "55" << "";
    QTest::newRow("decimal comma inputs") << kGradeKey << "50,0" << "40,5" << "2,0";
    QTest::newRow("negative reached") << kGradeKey << "100" << "-10" << "6,0";
    QTest::newRow("negative maximum and reached") << kGradeKey << "-50" << "-40" << "2,0";
    QTest::newRow("negative maximum") << kGradeKey << "-50" << "40" << "6,0";
    QTest::newRow("tie: the worse of equal limits") << "0=100|1=97|2=97|3=95" << "100" << "97"
                                                     << "1,2";
    QTest::newRow("key on a 50-point scale") << "0=50|10=45|20=35" << "100" << "80" << "2,0";
    QTest::newRow("unreadable field passed over") << "0=100|5=95|10=90|20=abc|30=60|40=40|50=20"
                                                  << "50" << "40" << "2,0";
    QTest::newRow("unreadable last field passed over") << "0=100|10=90|50=x" << "100" << "10"
                                                       << "2,0";
    QTest::newRow("limits out of order: last match") << "0=100|10=50|20=90" << "100" << "60"
                                                     << "3,0";
    QTest::newRow("huge limit matches") << "0=100|10=" + kHugeNumber << "100" << "99" << "2,0";
    QTest::newRow("fraction just above a limit") << "0=100|10=50" << "100" << "50,0000001"
                                                 << "1,0";

    // The run ends silently and Text3 keeps its text.
    QTest::newRow("maximum empty") << kGradeKey << "" << "40" << kStale;
    QTest::newRow("maximum not a number") << kGradeKey << "abc" << "40" << kStale;
    QTest::newRow("reached empty") << kGradeKey << "50" << "" << kStale;
    QTest::newRow("reached not a number") << kGradeKey << "50" << "4x" << kStale;
    QTest::newRow("maximum zero") << kGradeKey << "0" << "40" << kStale;
    QTest::newRow("maximum zero with decimals") << kGradeKey << "0,0" << "40" << kStale;
    QTest::newRow("maximum negative zero") << kGradeKey << "-0" << "40" << kStale;
    QTest::newRow("top field empty") << "10=90|20=75" << "50" << "40" << kStale;
    QTest::newRow("top field not a number") << "0=hundert|10=90" << "50" << "40" << kStale;
    QTest::newRow("top field too large to read") << "0=" + kTooLarge << "50" << "40" << kStale;
    QTest::newRow("scaled score overflows") << kGradeKey << "0," + QString(300, u'0') + "1"
                                            << kHugeNumber << kStale;
    QTest::newRow("product overflows") << "0=" + kHugeNumber << "1" << kHugeNumber << kStale;
    // clang-format on
}

void TestLiveEvaluation::gradeMode() { checkEvaluation(KeyArray::Grades); }

void TestLiveEvaluation::mssMode_data()
{
    // clang-format off
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("maximum");
    QTest::addColumn<QString>("achieved");
    QTest::addColumn<QString>("expected");

    QTest::newRow("walks up to 10 points") << kMssKey << "60" << "45" << "10";
    QTest::newRow("only the 0-points field") << kMssKey << "60" << "6" << "0";
    QTest::newRow("score above every limit") << kMssKey << "60" << "70" << "15";
    QTest::newRow("score just above a limit") << kMssKey << "100" << "75,5" << "15";
    // The first field with a limit is taken whatever the score.
    QTest::newRow("score zero earns the lowest field") << kMssKey << "60" << "0" << "0";
    QTest::newRow("negative score earns the lowest field") << kMssKey << "60" << "-6" << "0";
    QTest::newRow("lowest field above 0 points") << "0=100|5=75|10=50" << "100" << "0" << "5";
    QTest::newRow("unreadable 0-points field passed over") << "0=100|5=75|10=50|15=abc" << "60"
                                                           << "6" << "5";
    QTest::newRow("unreadable middle field passed over") << "0=100|5=75|10=x|15=20" << "100"
                                                         << "30" << "10";
    QTest::newRow("only the top field") << "0=100" << "100" << "50" << "15";

    QTest::newRow("maximum zero") << kMssKey << "0" << "45" << kStale;
    QTest::newRow("reached not a number") << kMssKey << "60" << "abc" << kStale;
    QTest::newRow("top field empty") << "5=75|10=50|15=20" << "60" << "45" << kStale;
    QTest::newRow("top field not a number") << "0=x|5=75|10=50|15=20" << "60" << "45" << kStale;
    QTest::newRow("scaled score overflows") << "0=" + kHugeNumber << "1" << kHugeNumber << kStale;
    // clang-format on
}

void TestLiveEvaluation::mssMode() { checkEvaluation(KeyArray::Mss); }

void TestLiveEvaluation::unreadableFieldActsAsEmpty_data()
{
    QTest::addColumn<bool>("mssMode");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");

    const QStringList texts{"abc", "1.000,5", "1e5", "nan", "inf", "--1", kTooLarge};
    for (const QString &text : texts) {
        for (int field : {5, 10, 20, 50})
            QTest::addRow("grade field %d holds %s", field, qPrintable(text.left(8)))
                << false << field << text;
        for (int field : {5, 10, 15})
            QTest::addRow("MSS field %d holds %s", field, qPrintable(text.left(8)))
                << true << field << text;
    }
}

void TestLiveEvaluation::unreadableFieldActsAsEmpty()
{
    QFETCH(bool, mssMode);
    QFETCH(int, field);
    QFETCH(QString, text);

    const KeyArray array = mssMode ? KeyArray::Mss : KeyArray::Grades;
    for (int reached = -10; reached <= 110; reached += 5) {
        MemoryForm withText;
        MemoryForm emptied;
        for (MemoryForm *form : {&withText, &emptied}) {
            form->setMode(array);
            enterKey(*form, array, mssMode ? kMssKey : kGradeKey);
            form->achieved = QString::number(reached);
        }
        withText.setKeyText(array, field, text);
        emptied.setKeyText(array, field, QString());
        eval::liveEvaluation(withText);
        eval::liveEvaluation(emptied);
        QCOMPARE(withText.result, emptied.result);
    }
}

void TestLiveEvaluation::modeIsToldByElementZero()
{
    // Text5(0) hidden means grade mode, whatever Text4(0) shows.
    MemoryForm form;
    form.setMode(KeyArray::Grades);
    form.gradeVisible[0] = false;
    enterKey(form, KeyArray::Grades, kGradeKey);
    enterKey(form, KeyArray::Mss, kMssKey);
    eval::liveEvaluation(form); // 75 of 100 under the grade key
    QCOMPARE(form.result, QStringLiteral("3,0"));

    // Text5(0) shown and Text4(0) hidden means MSS mode.
    form.setMode(KeyArray::Mss);
    form.mssVisible[15] = false;
    eval::liveEvaluation(form);
    QCOMPARE(form.result, QStringLiteral("10"));
}

void TestLiveEvaluation::inconsistentTableShowsMessage()
{
    MemoryForm form;
    enterKey(form, KeyArray::Grades, kGradeKey);
    form.mssVisible[0] = true; // both element-0 fields shown
    form.result = kStale;
    eval::liveEvaluation(form);
    QCOMPARE(form.messages, QStringList{"Fehler! Starten Sie das Programm neu!"});
    QCOMPARE(form.result, QString());

    // The input checks come first: no message when they end the run.
    form.messages.clear();
    form.result = kStale;
    form.achieved = QStringLiteral("x");
    eval::liveEvaluation(form);
    QVERIFY(form.messages.isEmpty());
    QCOMPARE(form.result, kStale);
}

void TestLiveEvaluation::hugeTextsInEveryField()
{
    const QString pasted = QString(100000, u'7') + u',' + QString(100, u'3');
    const QString garbage = QString(100000, QChar(0x1F600 & 0xFFFF));
    MemoryForm form;
    for (int i = 0; i < keytable::kGradeFieldCount; ++i)
        form.grades[std::size_t(i)] = i % 2 ? pasted : garbage;
    form.grades[0] = QStringLiteral("100");
    form.maximum = pasted;
    form.achieved = pasted;
    form.result = kStale;
    eval::liveEvaluation(form); // 100 000 digits are too large to read
    QCOMPARE(form.result, kStale);

    form.maximum = QStringLiteral("100");
    form.achieved = QStringLiteral("50");
    form.result = kStale;
    eval::liveEvaluation(form);
    QCOMPARE(form.result, QStringLiteral("1,0")); // the only readable field is the top
}

QTEST_GUILESS_MAIN(TestLiveEvaluation)
#include "tst_liveevaluation.moc"
