// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The part of Qt Test's interface the core's suites use, for the browser,
// where there is no Qt: data tables (addColumn, newRow, addRow, QFETCH),
// QCOMPARE (fuzzy for doubles, as Qt's), QVERIFY, QVERIFY2, and a report
// in Qt Test's words ("PASS   :", "FAIL!  :", "Totals: ..."), which
// scripts/web/run-test.mjs reads. Included through coretest.h only.

#include <algorithm>
#include <any>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <type_traits>
#include <vector>

// Each suite's runner, made by SKALIX_CORE_TEST_MAIN; a friend of the
// suite, so that it may call its private test functions.
template <typename Suite>
struct BrowserTestRunner;

class QObject
{};
#define Q_OBJECT        \
    template <typename> \
    friend struct ::BrowserTestRunner;
#define slots
#define Q_DECLARE_METATYPE(Type)

namespace browsertest {

struct Column
{
    std::string name;
    bool (*holds)(const std::any &value); // a value of the column's type
};

struct Row
{
    std::string name;
    std::vector<std::any> values;
    template <typename Value>
    Row &operator<<(const Value &value);
};

struct State
{
    std::string suite;
    std::string function;
    std::vector<Column> columns;
    std::vector<Row> rows;
    const Row *row = nullptr;
    bool rowFailed = false;
    int passed = 0;
    int failed = 0;
};

inline State &state()
{
    static State current;
    return current;
}

inline std::string where()
{
    std::string name = state().suite + "::" + state().function;
    if (state().row)
        name += "(" + state().row->name + ")";
    return name;
}

inline void fail(const std::string &message, const char *file, int line)
{
    state().rowFailed = true;
    std::printf("FAIL!  : %s %s\n   Loc: [%s(%d)]\n", where().c_str(), message.c_str(), file, line);
}

template <typename Value>
Row &Row::operator<<(const Value &value)
{
    // Of exactly the column's type, as Qt Test wants it.
    std::any held = value;
    const std::size_t column = values.size();
    if (column >= state().columns.size() || !state().columns[column].holds(held)) {
        std::printf("FAIL!  : %s::%s row '%s': value %zu does not fit its column\n",
                    state().suite.c_str(), state().function.c_str(), name.c_str(), column + 1);
        state().failed += 1;
    }
    values.push_back(std::move(held));
    return *this;
}

template <typename T>
T fetch(const char *name)
{
    const State &now = state();
    for (std::size_t i = 0; i < now.columns.size() && now.row; ++i) {
        if (now.columns[i].name == name && i < now.row->values.size())
            if (const T *value = std::any_cast<T>(&now.row->values[i]))
                return *value;
    }
    std::printf("FAIL!  : %s: no column '%s' of that type\n", where().c_str(), name);
    std::fflush(stdout);
    std::abort();
}

inline std::string describe(const std::string &text) { return '"' + text + '"'; }
inline std::string describe(const char *text) { return describe(std::string(text)); }
inline std::string describe(bool value) { return value ? "true" : "false"; }
template <typename T>
std::string describe(const T &value)
{
    if constexpr (std::is_floating_point_v<T>) {
        char number[40];
        std::snprintf(number, sizeof number, "%.17g", double(value));
        return number;
    } else if constexpr (std::is_arithmetic_v<T> || std::is_enum_v<T>) {
        return std::to_string(static_cast<long long>(value));
    } else {
        return "(a value)";
    }
}

// Doubles compare as Qt Test compares them: alike to about 12 digits.
inline bool same(double actual, double expected)
{
    if (std::isinf(expected))
        return std::isinf(actual) && (actual < 0) == (expected < 0);
    if (std::isnan(expected))
        return std::isnan(actual);
    if (std::fabs(expected) <= 1e-12)
        return std::fabs(actual) <= 1e-12;
    return std::fabs(actual - expected) * 1e12 <= std::min(std::fabs(actual), std::fabs(expected));
}
template <typename A, typename E>
bool same(const A &actual, const E &expected)
{
    return actual == expected;
}

template <typename A, typename E>
bool compare(const A &actual, const E &expected, const char *actualText, const char *expectedText,
             const char *file, int line)
{
    if (same(actual, expected))
        return true;
    fail(std::string("Compared values are not the same\n   Actual   (") + actualText + "): "
             + describe(actual) + "\n   Expected (" + expectedText + "): " + describe(expected),
         file, line);
    return false;
}

// Runs one test function: for each row of its table, or once without one.
template <typename Data, typename Test>
void run(const char *function, Data data, Test test)
{
    State &now = state();
    now.function = function;
    now.columns.clear();
    now.rows.clear();
    now.row = nullptr;
    data();
    const int failedBefore = now.failed;
    const auto once = [&] {
        now.rowFailed = false;
        test();
        now.rowFailed ? ++now.failed : ++now.passed;
    };
    if (now.rows.empty()) {
        once();
    } else {
        for (const Row &row : now.rows) {
            now.row = &row;
            once();
        }
    }
    now.row = nullptr;
    if (now.failed == failedBefore)
        std::printf("PASS   : %s::%s\n", now.suite.c_str(), function);
}

inline void begin(const char *suite)
{
    state().suite = suite;
    std::printf("********* Start testing of %s *********\n", suite);
}

inline int end()
{
    const State &now = state();
    std::printf("Totals: %d passed, %d failed, 0 skipped, 0 blacklisted\n", now.passed, now.failed);
    std::printf("********* Finished testing of %s *********\n", now.suite.c_str());
    std::fflush(stdout);
    return now.failed;
}

} // namespace browsertest

namespace QTest {

template <typename T>
void addColumn(const char *name)
{
    browsertest::state().columns.push_back(
        {name, [](const std::any &value) { return std::any_cast<T>(&value) != nullptr; }});
}

inline browsertest::Row &newRow(const char *name)
{
    return browsertest::state().rows.emplace_back(browsertest::Row{name, {}});
}

template <typename... Args>
browsertest::Row &addRow(const char *format, Args... args)
{
    char name[256];
    std::snprintf(name, sizeof name, format, args...);
    return newRow(name);
}

} // namespace QTest

#define QFETCH(Type, name) Type name = browsertest::fetch<Type>(#name)
#define QCOMPARE(actual, expected)                                                               \
    do {                                                                                         \
        if (!browsertest::compare((actual), (expected), #actual, #expected, __FILE__, __LINE__)) \
            return;                                                                              \
    } while (false)
#define QVERIFY2(condition, message)                                                               \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            browsertest::fail(std::string("'" #condition "' returned FALSE. (") + (message) + ")", \
                              __FILE__, __LINE__);                                                 \
            return;                                                                                \
        }                                                                                          \
    } while (false)
#define QVERIFY(condition) QVERIFY2(condition, "")

// SKALIX_CORE_TEST_MAIN(Class, test1, test2, ...): each test function with
// its table, when it has one, in the order named.
#define SKALIX_PARENS ()
#define SKALIX_EXPAND(...) \
    SKALIX_EXPAND3(SKALIX_EXPAND3(SKALIX_EXPAND3(SKALIX_EXPAND3(__VA_ARGS__))))
#define SKALIX_EXPAND3(...) \
    SKALIX_EXPAND2(SKALIX_EXPAND2(SKALIX_EXPAND2(SKALIX_EXPAND2(__VA_ARGS__))))
#define SKALIX_EXPAND2(...) \
    SKALIX_EXPAND1(SKALIX_EXPAND1(SKALIX_EXPAND1(SKALIX_EXPAND1(__VA_ARGS__))))
#define SKALIX_EXPAND1(...) __VA_ARGS__
#define SKALIX_FOR_EACH(macro, ...) \
    __VA_OPT__(SKALIX_EXPAND(SKALIX_FOR_EACH_NEXT(macro, __VA_ARGS__)))
#define SKALIX_FOR_EACH_NEXT(macro, first, ...) \
    macro(first) __VA_OPT__(SKALIX_FOR_EACH_AGAIN SKALIX_PARENS(macro, __VA_ARGS__))
#define SKALIX_FOR_EACH_AGAIN() SKALIX_FOR_EACH_NEXT

#define SKALIX_BROWSER_RUN(name)                                \
    browsertest::run(                                           \
        #name,                                                  \
        [&] {                                                   \
            [](auto &test) {                                    \
                if constexpr (requires { test.name##_data(); }) \
                    test.name##_data();                         \
            }(suite);                                           \
        },                                                      \
        [&] { suite.name(); });

#define SKALIX_CORE_TEST_MAIN(Class, ...)                    \
    template <>                                              \
    struct BrowserTestRunner<Class>                          \
    {                                                        \
        static int run()                                     \
        {                                                    \
            Class suite;                                     \
            browsertest::begin(#Class);                      \
            SKALIX_FOR_EACH(SKALIX_BROWSER_RUN, __VA_ARGS__) \
            return browsertest::end();                       \
        }                                                    \
    };                                                       \
    int main() { return BrowserTestRunner<Class>::run(); }
