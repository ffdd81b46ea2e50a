// The presets and clearing commands on an in-memory form: the keys they
// write, the mode they leave, the focus, and when they evaluate.

#include "support/memoryform.h"

#include "eval/calculate.h"
#include "key/presets.h"

#include <QtTest>

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

const int kMssKey[16] = {100, 95, 90, 86, 81, 77, 72, 68, 63, 59, 54, 50, 45, 38, 29, 22};

QStringList standardKey()
{
    QStringList key;
    for (int i = 0; i < 51; ++i)
        key << QString::number(kStandardKey[i % 10][i / 10]);
    return key;
}

QStringList linearKey()
{
    QStringList key;
    for (int i = 0; i < 51; ++i)
        key << QString::number(100 - 2 * i);
    return key;
}

QStringList ihkKey()
{
    QStringList key(51);
    const char *limits[] = {"100", "91,99", "80,99", "66,99", "49,99", "29,99"};
    for (int w = 0; w < 6; ++w)
        key[10 * w] = limits[w];
    return key;
}

QStringList mssKey()
{
    QStringList key;
    for (int limit : kMssKey)
        key << QString::number(limit);
    return key;
}

QStringList texts(const auto &fields)
{
    return QStringList(fields.begin(), fields.end());
}

QStringList typedMss()
{
    QStringList key;
    for (int k = 0; k < 16; ++k)
        key << QStringLiteral("t%1").arg(k);
    return key;
}

void typeMss(MemoryForm &form)
{
    const QStringList typed = typedMss();
    for (int k = 0; k < 16; ++k)
        form.mss[std::size_t(k)] = typed[k];
}

bool inGradeMode(const MemoryForm &form)
{
    for (bool v : form.gradeVisible)
        if (!v)
            return false;
    for (bool v : form.mssVisible)
        if (v)
            return false;
    for (int i = 0; i < 58; ++i)
        if (form.labelVisible[std::size_t(i)] != (i < 32))
            return false;
    return true;
}

bool inMssMode(const MemoryForm &form)
{
    for (bool v : form.gradeVisible)
        if (v)
            return false;
    for (bool v : form.mssVisible)
        if (!v)
            return false;
    for (int i = 0; i < 58; ++i)
        if (form.labelVisible[std::size_t(i)] != (i >= 32))
            return false;
    return true;
}

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
    void standardKeyGrades_data();
    void standardKeyGrades();
    void linearKeyGrades_data();
    void linearKeyGrades();
    void ihkKeyGrades_data();
    void ihkKeyGrades();
    void mssKeyPoints_data();
    void mssKeyPoints();
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
    QTest::addColumn<QStringList>("key");
    QTest::addColumn<bool>("keepsMss");
    QTest::addColumn<QString>("result");

    QTest::newRow("standard") << Command(presets::standardKey) << standardKey() << true << "2,6";
    QTest::newRow("linear") << Command(presets::linearKey) << linearKey() << true << "2,2";
    QTest::newRow("IHK") << Command(presets::ihkKey) << ihkKey() << false << "";
}

void TestPresets::gradePresets()
{
    QFETCH(Command, command);
    QFETCH(QStringList, key);
    QFETCH(bool, keepsMss);
    QFETCH(QString, result);

    // Run from MSS mode with typed MSS values and a typed grade key.
    MemoryForm form;
    presets::mssPointsKey(form);
    typeMss(form);
    form.grades.fill(QStringLiteral("typed"));
    form.focus.reset();

    command(form);

    QCOMPARE(texts(form.grades), key);
    QVERIFY(inGradeMode(form));
    QCOMPARE(texts(form.mss), keepsMss ? typedMss() : QStringList(16));
    QCOMPARE(form.result, result);
    QCOMPARE(form.focus, std::make_optional(std::pair{KeyArray::Grades, 0}));
    QVERIFY(form.messages.isEmpty());
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
    form.grades[26] = QStringLiteral("typed");
    if (fromMssMode)
        form.setMode(KeyArray::Mss);
    typeMss(form);

    presets::mssPointsKey(form);

    QCOMPARE(texts(form.mss), mssKey());
    QVERIFY(inMssMode(form));
    QCOMPARE(form.grades[26], QStringLiteral("typed")); // grade key untouched, hidden
    QCOMPARE(form.result, QStringLiteral("10"));         // 75 % earns 10 points
    QCOMPARE(form.focus, std::make_optional(std::pair{KeyArray::Mss, 0}));
}

void TestPresets::evaluateOnlyWithNumericReached_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<QString>("achieved");
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
            const bool numeric = QByteArray(achieved) == "75";
            const int evaluations = entry.evaluates && (numeric || !entry.conditional) ? 1 : 0;
            QTest::addRow("%s, reached '%s'", entry.name, achieved)
                << entry.command << QString(achieved) << evaluations;
        }
    }
}

void TestPresets::evaluateOnlyWithNumericReached()
{
    QFETCH(Command, command);
    QFETCH(QString, achieved);
    QFETCH(int, evaluations);
    MemoryForm form;
    presets::standardKey(form);
    form.achieved = achieved;
    form.evaluations = 0;
    command(form);
    QCOMPARE(form.evaluations, evaluations);
}

void TestPresets::standardKeyGrades_data()
{
    QTest::addColumn<QString>("achieved");
    QTest::addColumn<QString>("grade");
    QTest::newRow("98") << "98" << "1,0";
    QTest::newRow("97 ties 1,1 and 1,2") << "97" << "1,2";
    QTest::newRow("75") << "75" << "2,6";
    QTest::newRow("60") << "60" << "3,6";
    QTest::newRow("7,5 above a limit") << "7,5" << "5,8";
    QTest::newRow("7") << "7" << "6,0";
    QTest::newRow("0") << "0" << "6,0";
    QTest::newRow("100,5") << "100,5" << "";
}

void TestPresets::standardKeyGrades()
{
    QFETCH(QString, achieved);
    QFETCH(QString, grade);
    MemoryForm form;
    form.achieved = achieved;
    presets::standardKey(form);
    QCOMPARE(form.result, grade);
}

void TestPresets::linearKeyGrades_data()
{
    QTest::addColumn<QString>("maximum");
    QTest::addColumn<QString>("achieved");
    QTest::addColumn<QString>("grade");
    QTest::newRow("100 of 100") << "100" << "100" << "1,0";
    QTest::newRow("75 of 100") << "100" << "75" << "2,2";
    QTest::newRow("30 of 40") << "40" << "30" << "2,2";
    QTest::newRow("1 of 100") << "100" << "1" << "5,9";
    QTest::newRow("0 of 100") << "100" << "0" << "6,0";
}

void TestPresets::linearKeyGrades()
{
    QFETCH(QString, maximum);
    QFETCH(QString, achieved);
    QFETCH(QString, grade);
    MemoryForm form;
    form.maximum = maximum;
    form.achieved = achieved;
    presets::linearKey(form);
    QCOMPARE(form.result, grade);
}

void TestPresets::ihkKeyGrades_data()
{
    QTest::addColumn<QString>("maximum");
    QTest::addColumn<QString>("achieved");
    QTest::addColumn<QString>("grade");
    const struct
    {
        const char *achieved;
        const char *grade;
    } rows[] = {{"100", "1,0"}, {"92", "1,0"}, {"91", "2,0"}, {"81", "2,0"}, {"80", "3,0"},
                {"67", "3,0"},  {"66", "4,0"}, {"50", "4,0"}, {"49", "5,0"}, {"30", "5,0"},
                {"29", "6,0"},  {"0", "6,0"}};
    for (const auto &row : rows)
        QTest::addRow("%s of 100", row.achieved) << "100" << row.achieved << row.grade;
    QTest::newRow("46 of 50") << "50" << "46" << "1,0";
    QTest::newRow("45,5 of 50") << "50" << "45,5" << "2,0";
}

void TestPresets::ihkKeyGrades()
{
    QFETCH(QString, maximum);
    QFETCH(QString, achieved);
    QFETCH(QString, grade);
    MemoryForm form;
    form.maximum = maximum;
    form.achieved = achieved;
    presets::ihkKey(form);
    QCOMPARE(form.result, QString()); // no evaluation of its own
    eval::calculate(form);
    QCOMPARE(form.result, grade);
}

void TestPresets::mssKeyPoints_data()
{
    QTest::addColumn<QString>("achieved");
    QTest::addColumn<QString>("points");
    QTest::newRow("96") << "96" << "15";
    QTest::newRow("95") << "95" << "14";
    QTest::newRow("50") << "50" << "4";
    QTest::newRow("23") << "23" << "1";
    QTest::newRow("22") << "22" << "0";
    QTest::newRow("0") << "0" << "0";
}

void TestPresets::mssKeyPoints()
{
    QFETCH(QString, achieved);
    QFETCH(QString, points);
    MemoryForm form;
    form.achieved = achieved;
    presets::mssPointsKey(form);
    QCOMPARE(form.result, points);
}

void TestPresets::clearIntermediateGrades_data()
{
    QTest::addColumn<Command>("preset");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QStringList>("wholeGrades");

    QTest::newRow("linear key: 2,2 becomes 2,0")
        << Command(presets::linearKey) << "2,0" << QStringList{"100", "80", "60", "40", "20", "0"};
    QTest::newRow("standard key")
        << Command(presets::standardKey) << "2,0" << QStringList{"100", "86", "71", "56", "37", "7"};
    QTest::newRow("IHK key unchanged, result filled")
        << Command(presets::ihkKey) << "3,0"
        << QStringList{"100", "91,99", "80,99", "66,99", "49,99", "29,99"};
}

void TestPresets::clearIntermediateGrades()
{
    QFETCH(Command, preset);
    QFETCH(QString, result);
    QFETCH(QStringList, wholeGrades);
    MemoryForm form;
    preset(form);
    form.focus.reset();

    presets::clearIntermediateGrades(form);

    for (int i = 0; i < 51; ++i) {
        const QString expected = i % 10 ? QString() : wholeGrades[i / 10];
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

    QCOMPARE(texts(form.grades), QStringList(51));
    QCOMPARE(texts(form.mss), QStringList(16));
    QCOMPARE(form.result, QString());
    QVERIFY(mssMode ? inMssMode(form) : inGradeMode(form));
    QCOMPARE(form.focus,
             std::make_optional(std::pair{mssMode ? KeyArray::Mss : KeyArray::Grades, 0}));

    // With the top field empty the result stays empty.
    form.achieved = QStringLiteral("50");
    form.evaluate();
    QCOMPARE(form.result, QString());

    // Clearing the intermediate grades in MSS mode leaves the MSS fields alone.
    if (mssMode) {
        presets::mssPointsKey(form);
        presets::clearIntermediateGrades(form);
        QCOMPARE(texts(form.mss), mssKey());
        QCOMPARE(form.result, QStringLiteral("4"));
        QCOMPARE(form.focus, std::make_optional(std::pair{KeyArray::Mss, 0}));
    }
}

void TestPresets::ihkThenCalculate()
{
    MemoryForm form;
    presets::standardKey(form);
    QCOMPARE(form.result, QStringLiteral("2,6"));
    presets::ihkKey(form);
    QCOMPARE(form.result, QString());
    eval::calculate(form);
    QCOMPARE(form.result, QStringLiteral("3,0"));
}

void TestPresets::calculateFocusesVisibleKey_data()
{
    QTest::addColumn<bool>("mssMode");
    QTest::addColumn<QString>("achieved");
    QTest::addColumn<QString>("result");
    QTest::newRow("grade mode") << false << "75" << "6,0";
    QTest::newRow("MSS mode") << true << "75" << "0";
    QTest::newRow("reached not a number: result kept, focus moves") << false << "x" << "stale";
}

void TestPresets::calculateFocusesVisibleKey()
{
    QFETCH(bool, mssMode);
    QFETCH(QString, achieved);
    QFETCH(QString, result);
    MemoryForm form;
    mssMode ? presets::mssPointsKey(form) : presets::standardKey(form);
    // A limit typed by hand into the worst field counts at once on "Berechnen".
    if (mssMode)
        form.setKeyText(KeyArray::Mss, 15, QStringLiteral("100"));
    else
        form.setKeyText(KeyArray::Grades, 50, QStringLiteral("100"));
    form.achieved = achieved;
    form.result = QStringLiteral("stale");
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
    QCOMPARE(form.messages.size(), 1);
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

QTEST_GUILESS_MAIN(TestPresets)
#include "tst_presets.moc"
