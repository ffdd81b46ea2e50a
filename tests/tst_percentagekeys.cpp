// SPDX-License-Identifier: GPL-3.0-or-later
// The standard and MSS percentage keys and the searches built on them.

#include "support/memoryform.h"

#include "arith/percentagekeys.h"

#include "support/suites.h"

#include <string>

using namespace std::string_literals;

using Skalix::KeyValue;

Q_DECLARE_METATYPE(KeyValue)

namespace {

// "" for the empty text, "unset", or the number written out.
std::string describe(const KeyValue &value)
{
    if (const double *number = std::get_if<double>(&value)) {
        char text[32];
        std::snprintf(text, sizeof text, "%.17g", *number);
        return text;
    }
    if (const std::string *text = std::get_if<std::string>(&value))
        return '"' + *text + '"';
    return std::string("unset");
}

const std::string kNegative = std::string("Es wurden weniger als 0 Punkte erreicht!");

} // namespace

using Key = KeyValue (*)(const KeyValue &, MessageSink &);
using Search = std::optional<int> (*)(double, MessageSink &);
Q_DECLARE_METATYPE(Key)
Q_DECLARE_METATYPE(Search)

class TestPercentageKeys : public QObject
{
    Q_OBJECT
private slots:
    void keys_data();
    void keys();
    void searches_data();
    void searches();
    void searchesShowNoMessage();
};

void TestPercentageKeys::keys_data()
{
    // clang-format off
    QTest::addColumn<Key>("key");
    QTest::addColumn<KeyValue>("percentage");
    QTest::addColumn<KeyValue>("result");
    QTest::addColumn<bool>("message");

    const KeyValue none = std::string();
    const Key grade = Skalix::prozentnote;
    QTest::newRow("grade of 100") << grade << KeyValue(100.0) << KeyValue(1.0) << false;
    QTest::newRow("grade of 98") << grade << KeyValue(98.0) << KeyValue(1.0) << false;
    QTest::newRow("grade of 97.9") << grade << KeyValue(97.9) << KeyValue(1.2) << false;
    QTest::newRow("grade of 100.05") << grade << KeyValue(100.05) << KeyValue(1.0) << false;
    QTest::newRow("grade of 100.1, the top bound")
        << grade << KeyValue(100.1) << KeyValue(1.0) << false;
    QTest::newRow("grade of 100.2, above") << grade << KeyValue(100.2) << none << false;
    QTest::newRow("grade of 75") << grade << KeyValue(75.0) << KeyValue(2.6) << false;
    QTest::newRow("grade of 74.99") << grade << KeyValue(74.99) << KeyValue(2.8) << false;
    QTest::newRow("grade of 77.99") << grade << KeyValue(77.99) << KeyValue(2.6) << false;
    QTest::newRow("grade of 78") << grade << KeyValue(78.0) << KeyValue(2.4) << false;
    QTest::newRow("grade of 43") << grade << KeyValue(43.0) << KeyValue(4.6) << false;
    QTest::newRow("grade of 8") << grade << KeyValue(8.0) << KeyValue(5.8) << false;
    QTest::newRow("grade of 7") << grade << KeyValue(7.0) << KeyValue(6.0) << false;
    QTest::newRow("grade of 0, no message") << grade << KeyValue(0.0) << KeyValue(6.0) << false;
    QTest::newRow("grade of -1, message") << grade << KeyValue(-1.0) << KeyValue(6.0) << true;
    QTest::newRow("grade of the empty text") << grade << KeyValue(std::string()) << none << false;
    QTest::newRow("grade of unset") << grade << KeyValue() << none << false;
    QTest::newRow("grade of a number text")
        << grade << KeyValue(std::string("97,9")) << KeyValue(1.2) << false;
    QTest::newRow("grade of letters") << grade << KeyValue(std::string("abc")) << none << false;

    const Key points = Skalix::prozentpunkte;
    QTest::newRow("points of 150") << points << KeyValue(150.0) << KeyValue(15.0) << false;
    QTest::newRow("points of 100") << points << KeyValue(100.0) << KeyValue(15.0) << false;
    QTest::newRow("points of 95.5") << points << KeyValue(95.5) << KeyValue(15.0) << false;
    QTest::newRow("points of 95") << points << KeyValue(95.0) << KeyValue(14.0) << false;
    QTest::newRow("points of 46") << points << KeyValue(46.0) << KeyValue(4.0) << false;
    QTest::newRow("points of 45") << points << KeyValue(45.0) << KeyValue(3.0) << false;
    QTest::newRow("points of 38.5") << points << KeyValue(38.5) << KeyValue(3.0) << false;
    QTest::newRow("points of 22.5") << points << KeyValue(22.5) << KeyValue(1.0) << false;
    QTest::newRow("points of 22") << points << KeyValue(22.0) << KeyValue(0.0) << false;
    QTest::newRow("points of 0") << points << KeyValue(0.0) << KeyValue(0.0) << false;
    QTest::newRow("points of -0.5, message")
        << points << KeyValue(-0.5) << KeyValue(0.0) << true;
    QTest::newRow("points of the empty text") << points << KeyValue(std::string()) << none << false;
    QTest::newRow("points of unset") << points << KeyValue() << none << false;
    // clang-format on
}

void TestPercentageKeys::keys()
{
    QFETCH(Key, key);
    QFETCH(KeyValue, percentage);
    QFETCH(KeyValue, result);
    QFETCH(bool, message);
    MemoryForm form;
    const KeyValue actual = key(percentage, form);
    QVERIFY2(actual == result, describe(actual).c_str());
    QCOMPARE(form.messages,
             message ? std::vector<std::string>{kNegative} : std::vector<std::string>{});
}

void TestPercentageKeys::searches_data()
{
    QTest::addColumn<Search>("search");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("limit"); // -1: no value

    const Search grade = Skalix::notengrenze;
    QTest::newRow("limit of 1,0") << grade << 1.0 << 100;
    QTest::newRow("limit below 1") << grade << 0.5 << 100;
    QTest::newRow("limit of 1,1") << grade << 1.1 << 97;
    QTest::newRow("limit of 1,2") << grade << 1.2 << 97;
    QTest::newRow("limit of 2,0") << grade << 2.0 << 86;
    QTest::newRow("limit of 2,6") << grade << 2.6 << 77;
    QTest::newRow("limit of 4,8") << grade << 4.8 << 42;
    QTest::newRow("limit of 5,9") << grade << 5.9 << 7;
    QTest::newRow("limit of 6,0") << grade << 6.0 << 7;
    QTest::newRow("limit of 6,1") << grade << 6.1 << -1;
    // 1,1 + 0,1 is a hair above the key's 1,2, so 96 and 97 no longer count.
    QTest::newRow("limit of 1,2 summed in floating point") << grade << 1.1 + 0.1 << 95;

    const Search points = Skalix::punktegrenze;
    QTest::newRow("limit of 15 points") << points << 15.0 << 100;
    QTest::newRow("limit above 15 points") << points << 20.0 << 100;
    QTest::newRow("limit of 14 points") << points << 14.0 << 95;
    QTest::newRow("limit of 4 points") << points << 4.0 << 50;
    QTest::newRow("limit of 1 point") << points << 1.0 << 29;
    QTest::newRow("limit of 0 points") << points << 0.0 << 22;
    QTest::newRow("limit of -1 points") << points << -1.0 << -1;
}

void TestPercentageKeys::searches()
{
    QFETCH(Search, search);
    QFETCH(double, value);
    QFETCH(int, limit);
    MemoryForm form;
    QCOMPARE(search(value, form).value_or(-1), limit);
    QVERIFY(form.messages.empty());
}

void TestPercentageKeys::searchesShowNoMessage()
{
    MemoryForm form;
    for (int i = -10; i <= 70; ++i) {
        Skalix::notengrenze(i / 10.0, form);
        Skalix::punktegrenze(i / 4.0, form);
    }
    QVERIFY(form.messages.empty());
}

SKALIX_TEST_SUITE(TestPercentageKeys)
#include "tst_percentagekeys.moc"
