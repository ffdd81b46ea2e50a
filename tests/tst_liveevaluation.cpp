// SPDX-License-Identifier: GPL-3.0-or-later
// The live evaluation on an in-memory form: both modes, the silent exits,
// ties, error tolerance and the inconsistent table.

#include "support/memoryform.h"

#include "eval/liveevaluation.h"

#include "support/suites.h"

#include <string>

using namespace std::string_literals;

namespace {

const std::string kStale = std::string("stale");

// A key as "index=text|index=text", for example "0=100|10=90".
void enterKey(MemoryForm &form, KeyArray array, const std::string &key)
{
    for (std::size_t begin = 0; begin < key.size();) {
        const std::size_t end = std::min(key.find('|', begin), key.size());
        const std::size_t at = key.find('=', begin);
        form.setKeyText(array, std::stoi(key.substr(begin, at - begin)),
                        key.substr(at + 1, end - at - 1));
        begin = end + 1;
    }
}

const std::string kGradeKey = std::string("0=100|5=95|10=90|20=75|30=60|40=40|50=20");
const std::string kMssKey = std::string("0=100|5=75|10=50|15=20");
const std::string kHugeNumber = '1' + std::string(300, '0'); // 1e300 still reads
const std::string kTooLarge = '1' + std::string(400, '0');   // beyond a double: does not read

// One run on the row's key in the given mode, with the other array holding
// a key of its own, hidden: the result as expected, no message, and neither
// the inputs nor the key touched.
void checkEvaluation(KeyArray array)
{
    QFETCH(std::string, key);
    QFETCH(std::string, maximum);
    QFETCH(std::string, achieved);
    QFETCH(std::string, expected);

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
    QVERIFY(form.messages.empty());
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
    QTest::addColumn<std::string>("key");
    QTest::addColumn<std::string>("maximum");
    QTest::addColumn<std::string>("achieved");
    QTest::addColumn<std::string>("expected");

    QTest::newRow("several limits match, worst wins") << kGradeKey << "50"s << "40"s << "2,0"s;
    QTest::newRow("score equal to a limit") << kGradeKey << "50"s << "30"s << "4,0"s;
    QTest::newRow("score below every limit") << kGradeKey << "50"s << "5"s << "6,0"s;
    QTest::newRow("score zero") << kGradeKey << "50"s << "0"s << "6,0"s;
    QTest::newRow("score above the top clears") << kGradeKey << "50"s << "55"s << ""s;
    QTest::newRow("decimal comma inputs") << kGradeKey << "50,0"s << "40,5"s << "2,0"s;
    QTest::newRow("negative reached") << kGradeKey << "100"s << "-10"s << "6,0"s;
    QTest::newRow("negative maximum and reached") << kGradeKey << "-50"s << "-40"s << "2,0"s;
    QTest::newRow("negative maximum") << kGradeKey << "-50"s << "40"s << "6,0"s;
    QTest::newRow("tie: the worse of equal limits") << "0=100|1=97|2=97|3=95"s << "100"s << "97"s
                                                     << "1,2"s;
    QTest::newRow("key on a 50-point scale") << "0=50|10=45|20=35"s << "100"s << "80"s << "2,0"s;
    QTest::newRow("unreadable field passed over") << "0=100|5=95|10=90|20=abc|30=60|40=40|50=20"s
                                                  << "50"s << "40"s << "2,0"s;
    QTest::newRow("unreadable last field passed over") << "0=100|10=90|50=x"s << "100"s << "10"s
                                                       << "2,0"s;
    QTest::newRow("limits out of order: last match") << "0=100|10=50|20=90"s << "100"s << "60"s
                                                     << "3,0"s;
    QTest::newRow("huge limit matches") << "0=100|10="s + kHugeNumber << "100"s << "99"s << "2,0"s;
    QTest::newRow("fraction just above a limit") << "0=100|10=50"s << "100"s << "50,0000001"s
                                                 << "1,0"s;

    // The run ends silently and Text3 keeps its text.
    QTest::newRow("maximum empty") << kGradeKey << ""s << "40"s << kStale;
    QTest::newRow("maximum not a number") << kGradeKey << "abc"s << "40"s << kStale;
    QTest::newRow("reached empty") << kGradeKey << "50"s << ""s << kStale;
    QTest::newRow("reached not a number") << kGradeKey << "50"s << "4x"s << kStale;
    QTest::newRow("maximum zero") << kGradeKey << "0"s << "40"s << kStale;
    QTest::newRow("maximum zero with decimals") << kGradeKey << "0,0"s << "40"s << kStale;
    QTest::newRow("maximum negative zero") << kGradeKey << "-0"s << "40"s << kStale;
    QTest::newRow("top field empty") << "10=90|20=75"s << "50"s << "40"s << kStale;
    QTest::newRow("top field not a number") << "0=hundert|10=90"s << "50"s << "40"s << kStale;
    QTest::newRow("top field too large to read") << "0="s + kTooLarge << "50"s << "40"s << kStale;
    QTest::newRow("scaled score overflows") << kGradeKey << "0,"s + std::string(300, '0') + "1"
                                            << kHugeNumber << kStale;
    QTest::newRow("product overflows") << "0="s + kHugeNumber << "1"s << kHugeNumber << kStale;
    // clang-format on
}

void TestLiveEvaluation::gradeMode() { checkEvaluation(KeyArray::Grades); }

void TestLiveEvaluation::mssMode_data()
{
    // clang-format off
    QTest::addColumn<std::string>("key");
    QTest::addColumn<std::string>("maximum");
    QTest::addColumn<std::string>("achieved");
    QTest::addColumn<std::string>("expected");

    QTest::newRow("walks up to 10 points") << kMssKey << "60"s << "45"s << "10"s;
    QTest::newRow("only the 0-points field") << kMssKey << "60"s << "6"s << "0"s;
    QTest::newRow("score above every limit") << kMssKey << "60"s << "70"s << "15"s;
    QTest::newRow("score just above a limit") << kMssKey << "100"s << "75,5"s << "15"s;
    // The first field with a limit is taken whatever the score.
    QTest::newRow("score zero earns the lowest field") << kMssKey << "60"s << "0"s << "0"s;
    QTest::newRow("negative score earns the lowest field") << kMssKey << "60"s << "-6"s << "0"s;
    QTest::newRow("lowest field above 0 points") << "0=100|5=75|10=50"s << "100"s << "0"s << "5"s;
    QTest::newRow("unreadable 0-points field passed over") << "0=100|5=75|10=50|15=abc"s << "60"s
                                                           << "6"s << "5"s;
    QTest::newRow("unreadable middle field passed over") << "0=100|5=75|10=x|15=20"s << "100"s
                                                         << "30"s << "10"s;
    QTest::newRow("only the top field") << "0=100"s << "100"s << "50"s << "15"s;

    QTest::newRow("maximum zero") << kMssKey << "0"s << "45"s << kStale;
    QTest::newRow("reached not a number") << kMssKey << "60"s << "abc"s << kStale;
    QTest::newRow("top field empty") << "5=75|10=50|15=20"s << "60"s << "45"s << kStale;
    QTest::newRow("top field not a number") << "0=x|5=75|10=50|15=20"s << "60"s << "45"s << kStale;
    QTest::newRow("scaled score overflows") << "0="s + kHugeNumber << "1"s << kHugeNumber << kStale;
    // clang-format on
}

void TestLiveEvaluation::mssMode() { checkEvaluation(KeyArray::Mss); }

void TestLiveEvaluation::unreadableFieldActsAsEmpty_data()
{
    QTest::addColumn<bool>("mssMode");
    QTest::addColumn<int>("field");
    QTest::addColumn<std::string>("text");

    const std::vector<std::string> texts{"abc", "1.000,5", "1e5", "nan", "inf", "--1", kTooLarge};
    for (const std::string &text : texts) {
        for (int field : {5, 10, 20, 50})
            QTest::addRow("grade field %d holds %s", field, text.substr(0, 8).c_str())
                << false << field << text;
        for (int field : {5, 10, 15})
            QTest::addRow("MSS field %d holds %s", field, text.substr(0, 8).c_str())
                << true << field << text;
    }
}

void TestLiveEvaluation::unreadableFieldActsAsEmpty()
{
    QFETCH(bool, mssMode);
    QFETCH(int, field);
    QFETCH(std::string, text);

    const KeyArray array = mssMode ? KeyArray::Mss : KeyArray::Grades;
    for (int reached = -10; reached <= 110; reached += 5) {
        MemoryForm withText;
        MemoryForm emptied;
        for (MemoryForm *form : {&withText, &emptied}) {
            form->setMode(array);
            enterKey(*form, array, mssMode ? kMssKey : kGradeKey);
            form->achieved = std::to_string(reached);
        }
        withText.setKeyText(array, field, text);
        emptied.setKeyText(array, field, std::string());
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
    QCOMPARE(form.result, std::string("3,0"));

    // Text5(0) shown and Text4(0) hidden means MSS mode.
    form.setMode(KeyArray::Mss);
    form.mssVisible[15] = false;
    eval::liveEvaluation(form);
    QCOMPARE(form.result, std::string("10"));
}

void TestLiveEvaluation::inconsistentTableShowsMessage()
{
    MemoryForm form;
    enterKey(form, KeyArray::Grades, kGradeKey);
    form.mssVisible[0] = true; // both element-0 fields shown
    form.result = kStale;
    eval::liveEvaluation(form);
    QCOMPARE(form.messages, std::vector<std::string>{"Fehler! Starten Sie das Programm neu!"});
    QCOMPARE(form.result, std::string());

    // The input checks come first: no message when they end the run.
    form.messages.clear();
    form.result = kStale;
    form.achieved = std::string("x");
    eval::liveEvaluation(form);
    QVERIFY(form.messages.empty());
    QCOMPARE(form.result, kStale);
}

void TestLiveEvaluation::hugeTextsInEveryField()
{
    const std::string pasted = std::string(100000, '7') + ',' + std::string(100, '3');
    std::string garbage;
    for (int i = 0; i < 100000; ++i)
        garbage += "\U0001F600";
    MemoryForm form;
    for (int i = 0; i < keytable::kGradeFieldCount; ++i)
        form.grades[std::size_t(i)] = i % 2 ? pasted : garbage;
    form.grades[0] = std::string("100");
    form.maximum = pasted;
    form.achieved = pasted;
    form.result = kStale;
    eval::liveEvaluation(form); // 100 000 digits are too large to read
    QCOMPARE(form.result, kStale);

    form.maximum = std::string("100");
    form.achieved = std::string("50");
    form.result = kStale;
    eval::liveEvaluation(form);
    QCOMPARE(form.result, std::string("1,0")); // the only readable field is the top
}

SKALIX_TEST_SUITE(TestLiveEvaluation)
#include "tst_liveevaluation.moc"
