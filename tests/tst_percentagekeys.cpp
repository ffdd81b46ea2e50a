// The standard and MSS percentage keys and the searches built on them.

#include "support/memoryform.h"

#include "arith/skalix.h"

#include <QtTest>

using Skalix::KeyValue;

Q_DECLARE_METATYPE(KeyValue)

namespace {

// "" for the empty text, "unset", or the number written out.
QString describe(const KeyValue &value)
{
    if (const double *number = std::get_if<double>(&value))
        return QString::number(*number, 'g', 17);
    if (const QString *text = std::get_if<QString>(&value))
        return u'"' + *text + u'"';
    return QStringLiteral("unset");
}

const QString kNegative = QStringLiteral("Es wurden weniger als 0 Punkte erreicht!");

} // namespace

class TestPercentageKeys : public QObject
{
    Q_OBJECT
private slots:
    void prozentnote_data();
    void prozentnote();
    void prozentpunkte_data();
    void prozentpunkte();
    void notengrenze_data();
    void notengrenze();
    void punktegrenze_data();
    void punktegrenze();
    void searchesShowNoMessage();
};

void TestPercentageKeys::prozentnote_data()
{
    QTest::addColumn<KeyValue>("percentage");
    QTest::addColumn<KeyValue>("grade");
    QTest::addColumn<bool>("message");

    const KeyValue none = QString();
    QTest::newRow("100") << KeyValue(100.0) << KeyValue(1.0) << false;
    QTest::newRow("98") << KeyValue(98.0) << KeyValue(1.0) << false;
    QTest::newRow("97.9") << KeyValue(97.9) << KeyValue(1.2) << false;
    QTest::newRow("100.05 still 1") << KeyValue(100.05) << KeyValue(1.0) << false;
    QTest::newRow("100.1 top bound") << KeyValue(100.1) << KeyValue(1.0) << false;
    QTest::newRow("100.2 above") << KeyValue(100.2) << none << false;
    QTest::newRow("75") << KeyValue(75.0) << KeyValue(2.6) << false;
    QTest::newRow("74.99") << KeyValue(74.99) << KeyValue(2.8) << false;
    QTest::newRow("77.99") << KeyValue(77.99) << KeyValue(2.6) << false;
    QTest::newRow("78") << KeyValue(78.0) << KeyValue(2.4) << false;
    QTest::newRow("43") << KeyValue(43.0) << KeyValue(4.6) << false;
    QTest::newRow("8") << KeyValue(8.0) << KeyValue(5.8) << false;
    QTest::newRow("7") << KeyValue(7.0) << KeyValue(6.0) << false;
    QTest::newRow("0 without message") << KeyValue(0.0) << KeyValue(6.0) << false;
    QTest::newRow("-1 with message") << KeyValue(-1.0) << KeyValue(6.0) << true;
    QTest::newRow("empty text") << KeyValue(QString()) << none << false;
    QTest::newRow("unset") << KeyValue() << none << false;
    QTest::newRow("number text") << KeyValue(QStringLiteral("97,9")) << KeyValue(1.2) << false;
    QTest::newRow("letters") << KeyValue(QStringLiteral("abc")) << none << false;
}

void TestPercentageKeys::prozentnote()
{
    QFETCH(KeyValue, percentage);
    QFETCH(KeyValue, grade);
    QFETCH(bool, message);
    MemoryForm form;
    const KeyValue result = Skalix::prozentnote(percentage, form);
    QVERIFY2(result == grade, qPrintable(describe(result)));
    QCOMPARE(form.messages, message ? QStringList{kNegative} : QStringList{});
}

void TestPercentageKeys::prozentpunkte_data()
{
    QTest::addColumn<KeyValue>("percentage");
    QTest::addColumn<KeyValue>("points");
    QTest::addColumn<bool>("message");

    const KeyValue none = QString();
    QTest::newRow("150 keeps 15") << KeyValue(150.0) << KeyValue(15.0) << false;
    QTest::newRow("100") << KeyValue(100.0) << KeyValue(15.0) << false;
    QTest::newRow("95.5") << KeyValue(95.5) << KeyValue(15.0) << false;
    QTest::newRow("95") << KeyValue(95.0) << KeyValue(14.0) << false;
    QTest::newRow("46") << KeyValue(46.0) << KeyValue(4.0) << false;
    QTest::newRow("45") << KeyValue(45.0) << KeyValue(3.0) << false;
    QTest::newRow("38.5") << KeyValue(38.5) << KeyValue(3.0) << false;
    QTest::newRow("22.5") << KeyValue(22.5) << KeyValue(1.0) << false;
    QTest::newRow("22") << KeyValue(22.0) << KeyValue(0.0) << false;
    QTest::newRow("0") << KeyValue(0.0) << KeyValue(0.0) << false;
    QTest::newRow("-0.5 with message") << KeyValue(-0.5) << KeyValue(0.0) << true;
    QTest::newRow("empty text") << KeyValue(QString()) << none << false;
    QTest::newRow("unset") << KeyValue() << none << false;
}

void TestPercentageKeys::prozentpunkte()
{
    QFETCH(KeyValue, percentage);
    QFETCH(KeyValue, points);
    QFETCH(bool, message);
    MemoryForm form;
    const KeyValue result = Skalix::prozentpunkte(percentage, form);
    QVERIFY2(result == points, qPrintable(describe(result)));
    QCOMPARE(form.messages, message ? QStringList{kNegative} : QStringList{});
}

void TestPercentageKeys::notengrenze_data()
{
    QTest::addColumn<double>("grade");
    QTest::addColumn<int>("limit"); // -1: no value

    QTest::newRow("1,0") << 1.0 << 100;
    QTest::newRow("below 1") << 0.5 << 100;
    QTest::newRow("1,1") << 1.1 << 97;
    QTest::newRow("1,2") << 1.2 << 97;
    QTest::newRow("2,0") << 2.0 << 86;
    QTest::newRow("2,6") << 2.6 << 77;
    QTest::newRow("4,8") << 4.8 << 42;
    QTest::newRow("5,9") << 5.9 << 7;
    QTest::newRow("6,0") << 6.0 << 7;
    QTest::newRow("6,1") << 6.1 << -1;
    // 1,1 + 0,1 is a hair above the key's 1,2, so 96 and 97 no longer count.
    QTest::newRow("1,2 summed in floating point") << 1.1 + 0.1 << 95;
}

void TestPercentageKeys::notengrenze()
{
    QFETCH(double, grade);
    QFETCH(int, limit);
    MemoryForm form;
    QCOMPARE(Skalix::notengrenze(grade, form).value_or(-1), limit);
    QVERIFY(form.messages.isEmpty());
}

void TestPercentageKeys::punktegrenze_data()
{
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("limit");

    QTest::newRow("15") << 15.0 << 100;
    QTest::newRow("above 15") << 20.0 << 100;
    QTest::newRow("14") << 14.0 << 95;
    QTest::newRow("4") << 4.0 << 50;
    QTest::newRow("1") << 1.0 << 29;
    QTest::newRow("0") << 0.0 << 22;
    QTest::newRow("-1") << -1.0 << -1;
}

void TestPercentageKeys::punktegrenze()
{
    QFETCH(double, points);
    QFETCH(int, limit);
    MemoryForm form;
    QCOMPARE(Skalix::punktegrenze(points, form).value_or(-1), limit);
    QVERIFY(form.messages.isEmpty());
}

void TestPercentageKeys::searchesShowNoMessage()
{
    MemoryForm form;
    for (int i = -10; i <= 70; ++i) {
        Skalix::notengrenze(i / 10.0, form);
        Skalix::punktegrenze(i / 4.0, form);
    }
    QVERIFY(form.messages.isEmpty());
}

QTEST_GUILESS_MAIN(TestPercentageKeys)
#include "tst_percentagekeys.moc"
