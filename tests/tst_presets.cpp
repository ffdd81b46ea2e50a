// SPDX-License-Identifier: GPL-3.0-or-later
// The presets and clearing commands on an in-memory form: the keys they
// write, the mode they leave, the focus, and when they evaluate.

#include "support/memoryform.h"

#include "eval/calculate.h"
#include "key/presets.h"

#include "support/suites.h"

#include <string>

using namespace std::string_literals;

#include <algorithm>
#include <functional>

using Command = std::function<void(KeyForm &)>;
Q_DECLARE_METATYPE(Command)

namespace {

// The standard key by tenths row (0..9) and whole grade column (1..6).
const int kStandardKey[10][6] = {
    {100, 86, 71, 56, 37, 7}, {97, 83, 68, 53, 32, -1}, {97, 83, 68, 53, 32, -1},
    {95, 80, 65, 50, 27, -1}, {95, 80, 65, 50, 27, -1}, {92, 77, 62, 47, 22, -1},
    {92, 77, 62, 47, 22, -1}, {89, 74, 59, 42, 15, -1}, {89, 74, 59, 42, 15, -1},
    {86, 71, 56, 37, 7, -1},
};

const int kStandardMssKey[16] = {100, 95, 90, 86, 81, 77, 72, 68, 63, 59, 54, 50, 45, 38, 29, 22};

std::vector<std::string> standardKey()
{
    std::vector<std::string> key;
    for (int i = 0; i < 51; ++i)
        key.push_back(std::to_string(kStandardKey[i % 10][i / 10]));
    return key;
}

std::vector<std::string> linearKey()
{
    std::vector<std::string> key;
    for (int i = 0; i < 51; ++i)
        key.push_back(std::to_string(100 - 2 * i));
    return key;
}

std::vector<std::string> ihkKey()
{
    std::vector<std::string> key(51);
    const char *limits[] = {"100", "91,99", "80,99", "66,99", "49,99", "29,99"};
    for (int w = 0; w < 6; ++w)
        key[10 * w] = limits[w];
    return key;
}

std::vector<std::string> mssKey()
{
    std::vector<std::string> key;
    for (int limit : kStandardMssKey)
        key.push_back(std::to_string(limit));
    return key;
}

std::vector<std::string> texts(const auto &fields)
{
    return std::vector<std::string>(fields.begin(), fields.end());
}

std::vector<std::string> typedMss()
{
    std::vector<std::string> key;
    for (int k = 0; k < 16; ++k)
        key.push_back(std::to_string(k).insert(0, 1, 't'));
    return key;
}

void typeMss(MemoryForm &form)
{
    const std::vector<std::string> typed = typedMss();
    for (int k = 0; k < 16; ++k)
        form.mss[std::size_t(k)] = typed[k];
}

// Every grade field and label 0..31 shown and every MSS field and label
// 32..57 hidden (grade mode), or the reverse (MSS mode).
bool inMode(const MemoryForm &form, bool gradeMode)
{
    const auto all = [](const auto &flags, bool value) {
        return std::all_of(flags.begin(), flags.end(), [=](bool f) { return f == value; });
    };
    for (int i = 0; i < 58; ++i)
        if (form.labelVisible[std::size_t(i)] != ((i < 32) == gradeMode))
            return false;
    return all(form.gradeVisible, gradeMode) && all(form.mssVisible, !gradeMode);
}

bool inGradeMode(const MemoryForm &form) { return inMode(form, true); }
bool inMssMode(const MemoryForm &form) { return inMode(form, false); }

} // namespace

class TestPresets : public QObject
{
    Q_OBJECT
private slots:
    void gradePresets_data();
    void gradePresets();
    void mssPreset_data();
    void mssPreset();
    void evaluateOnlyWithNumericReached_data();
    void evaluateOnlyWithNumericReached();
    void resultsUnderEachKey_data();
    void resultsUnderEachKey();
    void clearIntermediateGrades_data();
    void clearIntermediateGrades();
    void clearAll_data();
    void clearAll();
    void ihkThenCalculate();
    void calculateFocusesVisibleKey_data();
    void calculateFocusesVisibleKey();
    void focusOnInconsistentTable();
    void presetsAreRepeatable_data();
    void presetsAreRepeatable();
};

void TestPresets::gradePresets_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<std::vector<std::string>>("key");
    QTest::addColumn<bool>("keepsMss");
    QTest::addColumn<std::string>("result");

    QTest::newRow("standard") << Command(presets::standardKey) << standardKey() << true << "2,6"s;
    QTest::newRow("linear") << Command(presets::linearKey) << linearKey() << true << "2,2"s;
    QTest::newRow("IHK") << Command(presets::ihkKey) << ihkKey() << false << ""s;
}

void TestPresets::gradePresets()
{
    QFETCH(Command, command);
    QFETCH(std::vector<std::string>, key);
    QFETCH(bool, keepsMss);
    QFETCH(std::string, result);

    // Run from MSS mode with typed MSS values and a typed grade key.
    MemoryForm form;
    presets::mssPointsKey(form);
    typeMss(form);
    form.grades.fill(std::string("typed"));
    form.focus.reset();

    command(form);

    QCOMPARE(texts(form.grades), key);
    QVERIFY(inGradeMode(form));
    QCOMPARE(texts(form.mss), keepsMss ? typedMss() : std::vector<std::string>(16));
    QCOMPARE(form.result, result);
    QCOMPARE(form.focus, std::make_optional(std::pair{KeyArray::Grades, 0}));
    QVERIFY(form.messages.empty());
}

void TestPresets::mssPreset_data()
{
    QTest::addColumn<bool>("fromMssMode");
    QTest::newRow("from grade mode") << false;
    QTest::newRow("from MSS mode") << true;
}

void TestPresets::mssPreset()
{
    QFETCH(bool, fromMssMode);
    MemoryForm form;
    presets::standardKey(form);
    form.grades[26] = std::string("typed");
    if (fromMssMode)
        form.setMode(KeyArray::Mss);
    typeMss(form);

    presets::mssPointsKey(form);

    QCOMPARE(texts(form.mss), mssKey());
    QVERIFY(inMssMode(form));
    QCOMPARE(form.grades[26], std::string("typed")); // grade key untouched, hidden
    QCOMPARE(form.result, std::string("10"));        // 75 % earns 10 points
    QCOMPARE(form.focus, std::make_optional(std::pair{KeyArray::Mss, 0}));
}

void TestPresets::evaluateOnlyWithNumericReached_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<std::string>("achieved");
    QTest::addColumn<int>("evaluations");

    const struct
    {
        const char *name;
        Command command;
        bool conditional; // evaluates only when the reached points are numeric
        bool evaluates;
    } commands[] = {
        {"standard", presets::standardKey, true, true},
        {"linear", presets::linearKey, true, true},
        {"MSS", presets::mssPointsKey, true, true},
        {"IHK", presets::ihkKey, false, false},
        {"clear intermediate", presets::clearIntermediateGrades, false, true},
        {"clear all", presets::clearAll, false, false},
        {"calculate", eval::calculate, false, true},
    };
    for (const auto &entry : commands) {
        for (const char *achieved : {"75", "", "abc"}) {
            const bool numeric = std::string_view(achieved) == "75";
            const int evaluations = entry.evaluates && (numeric || !entry.conditional) ? 1 : 0;
            QTest::addRow("%s, reached '%s'", entry.name, achieved)
                << entry.command << std::string(achieved) << evaluations;
        }
    }
}

void TestPresets::evaluateOnlyWithNumericReached()
{
    QFETCH(Command, command);
    QFETCH(std::string, achieved);
    QFETCH(int, evaluations);
    MemoryForm form;
    presets::standardKey(form);
    form.achieved = achieved;
    form.evaluations = 0;
    command(form);
    QCOMPARE(form.evaluations, evaluations);
}

void TestPresets::resultsUnderEachKey_data()
{
    QTest::addColumn<Command>("preset");
    QTest::addColumn<std::string>("maximum");
    QTest::addColumn<std::string>("achieved");
    QTest::addColumn<std::string>("result");

    const struct
    {
        const char *key;
        Command preset;
        const char *maximum;
        const char *achieved;
        const char *result;
    } rows[] = {
        {"standard", presets::standardKey, "100", "98", "1,0"},
        {"standard", presets::standardKey, "100", "97", "1,2"}, // 1,1 and 1,2 tie
        {"standard", presets::standardKey, "100", "75", "2,6"},
        {"standard", presets::standardKey, "100", "60", "3,6"},
        {"standard", presets::standardKey, "100", "7,5", "5,8"}, // above a limit
        {"standard", presets::standardKey, "100", "7", "6,0"},
        {"standard", presets::standardKey, "100", "0", "6,0"},
        {"standard", presets::standardKey, "100", "100,5", ""},
        {"linear", presets::linearKey, "100", "100", "1,0"},
        {"linear", presets::linearKey, "100", "75", "2,2"},
        {"linear", presets::linearKey, "40", "30", "2,2"},
        {"linear", presets::linearKey, "100", "1", "5,9"},
        {"linear", presets::linearKey, "100", "0", "6,0"},
        {"IHK", presets::ihkKey, "100", "100", "1,0"},
        {"IHK", presets::ihkKey, "100", "92", "1,0"},
        {"IHK", presets::ihkKey, "100", "91", "2,0"},
        {"IHK", presets::ihkKey, "100", "81", "2,0"},
        {"IHK", presets::ihkKey, "100", "80", "3,0"},
        {"IHK", presets::ihkKey, "100", "67", "3,0"},
        {"IHK", presets::ihkKey, "100", "66", "4,0"},
        {"IHK", presets::ihkKey, "100", "50", "4,0"},
        {"IHK", presets::ihkKey, "100", "49", "5,0"},
        {"IHK", presets::ihkKey, "100", "30", "5,0"},
        {"IHK", presets::ihkKey, "100", "29", "6,0"},
        {"IHK", presets::ihkKey, "100", "0", "6,0"},
        {"IHK", presets::ihkKey, "50", "46", "1,0"},
        {"IHK", presets::ihkKey, "50", "45,5", "2,0"},
        {"MSS", presets::mssPointsKey, "100", "96", "15"},
        {"MSS", presets::mssPointsKey, "100", "95", "14"},
        {"MSS", presets::mssPointsKey, "100", "50", "4"},
        {"MSS", presets::mssPointsKey, "100", "23", "1"},
        {"MSS", presets::mssPointsKey, "100", "22", "0"},
        {"MSS", presets::mssPointsKey, "100", "0", "0"},
    };
    for (const auto &row : rows) {
        QTest::addRow("%s key, %s of %s", row.key, row.achieved, row.maximum)
            << row.preset << std::string(row.maximum) << std::string(row.achieved)
            << std::string(row.result);
    }
}

void TestPresets::resultsUnderEachKey()
{
    QFETCH(Command, preset);
    QFETCH(std::string, maximum);
    QFETCH(std::string, achieved);
    QFETCH(std::string, result);
    MemoryForm form;
    form.maximum = maximum;
    form.achieved = achieved;
    preset(form);
    eval::calculate(form); // the IHK key does not evaluate by itself
    QCOMPARE(form.result, result);
}

void TestPresets::clearIntermediateGrades_data()
{
    // clang-format off
    QTest::addColumn<Command>("preset");
    QTest::addColumn<std::string>("result");
    QTest::addColumn<std::vector<std::string>>("wholeGrades");

    QTest::newRow("linear key: 2,2 becomes 2,0")
        << Command(presets::linearKey) << "2,0"s << std::vector<std::string>{"100", "80", "60", "40", "20", "0"};
    QTest::newRow("standard key")
        << Command(presets::standardKey) << "2,0"s
        << std::vector<std::string>{"100", "86", "71", "56", "37", "7"};
    QTest::newRow("IHK key unchanged, result filled")
        << Command(presets::ihkKey) << "3,0"s
        << std::vector<std::string>{"100", "91,99", "80,99", "66,99", "49,99", "29,99"};
    // clang-format on
}

void TestPresets::clearIntermediateGrades()
{
    QFETCH(Command, preset);
    QFETCH(std::string, result);
    QFETCH(std::vector<std::string>, wholeGrades);
    MemoryForm form;
    preset(form);
    form.focus.reset();

    presets::clearIntermediateGrades(form);

    for (int i = 0; i < 51; ++i) {
        const std::string expected = i % 10 ? std::string() : wholeGrades[i / 10];
        QCOMPARE(form.grades[std::size_t(i)], expected);
    }
    QCOMPARE(form.result, result);
    QCOMPARE(form.focus, std::make_optional(std::pair{KeyArray::Grades, 0}));
}

void TestPresets::clearAll_data()
{
    QTest::addColumn<bool>("mssMode");
    QTest::newRow("grade mode") << false;
    QTest::newRow("MSS mode") << true;
}

void TestPresets::clearAll()
{
    QFETCH(bool, mssMode);
    MemoryForm form;
    presets::standardKey(form);
    if (mssMode)
        presets::mssPointsKey(form);
    presets::clearAll(form);

    QCOMPARE(texts(form.grades), std::vector<std::string>(51));
    QCOMPARE(texts(form.mss), std::vector<std::string>(16));
    QCOMPARE(form.result, std::string());
    QVERIFY(mssMode ? inMssMode(form) : inGradeMode(form));
    QCOMPARE(form.focus,
             std::make_optional(std::pair{mssMode ? KeyArray::Mss : KeyArray::Grades, 0}));

    // With the top field empty the result stays empty.
    form.achieved = std::string("50");
    form.evaluate();
    QCOMPARE(form.result, std::string());

    // Clearing the intermediate grades in MSS mode leaves the MSS fields alone.
    if (mssMode) {
        presets::mssPointsKey(form);
        presets::clearIntermediateGrades(form);
        QCOMPARE(texts(form.mss), mssKey());
        QCOMPARE(form.result, std::string("4"));
        QCOMPARE(form.focus, std::make_optional(std::pair{KeyArray::Mss, 0}));
    }
}

void TestPresets::ihkThenCalculate()
{
    MemoryForm form;
    presets::standardKey(form);
    QCOMPARE(form.result, std::string("2,6"));
    presets::ihkKey(form);
    QCOMPARE(form.result, std::string());
    eval::calculate(form);
    QCOMPARE(form.result, std::string("3,0"));
}

void TestPresets::calculateFocusesVisibleKey_data()
{
    // clang-format off
    QTest::addColumn<bool>("mssMode");
    QTest::addColumn<std::string>("achieved");
    QTest::addColumn<std::string>("result");
    QTest::newRow("grade mode") << false << "75"s << "6,0"s;
    QTest::newRow("MSS mode") << true << "75"s << "0"s;
    QTest::newRow("reached not a number: result kept, focus moves") << false << "x"s << "stale"s;
    // clang-format on
}

void TestPresets::calculateFocusesVisibleKey()
{
    QFETCH(bool, mssMode);
    QFETCH(std::string, achieved);
    QFETCH(std::string, result);
    MemoryForm form;
    mssMode ? presets::mssPointsKey(form) : presets::standardKey(form);
    // A limit typed by hand into the worst field counts at once on "Berechnen".
    if (mssMode)
        form.setKeyText(KeyArray::Mss, 15, std::string("100"));
    else
        form.setKeyText(KeyArray::Grades, 50, std::string("100"));
    form.achieved = achieved;
    form.result = std::string("stale");
    form.focus.reset();

    eval::calculate(form);

    QCOMPARE(form.result, result);
    QCOMPARE(form.focus,
             std::make_optional(std::pair{mssMode ? KeyArray::Mss : KeyArray::Grades, 0}));
}

void TestPresets::focusOnInconsistentTable()
{
    // Both tops shown: "Berechnen" reports and moves no focus.
    MemoryForm form;
    presets::standardKey(form);
    form.mssVisible[0] = true;
    form.focus.reset();
    eval::calculate(form);
    QCOMPARE(form.messages.size(), std::size_t(1));
    QVERIFY(!form.focus.has_value());
}

void TestPresets::presetsAreRepeatable_data()
{
    QTest::addColumn<Command>("command");
    QTest::newRow("standard") << Command(presets::standardKey);
    QTest::newRow("linear") << Command(presets::linearKey);
    QTest::newRow("IHK") << Command(presets::ihkKey);
    QTest::newRow("MSS") << Command(presets::mssPointsKey);
}

void TestPresets::presetsAreRepeatable()
{
    QFETCH(Command, command);
    MemoryForm once;
    command(once);
    MemoryForm twice;
    command(twice);
    command(twice);
    QCOMPARE(texts(twice.grades), texts(once.grades));
    QCOMPARE(texts(twice.mss), texts(once.mss));
    QCOMPARE(twice.result, once.result);
}

SKALIX_TEST_SUITE(TestPresets)
#include "tst_presets.moc"
