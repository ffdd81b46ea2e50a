// SPDX-License-Identifier: GPL-3.0-or-later
#include "percentagekeys.h"

#include "numbertext.h"

#include <array>

namespace Skalix {

namespace {

struct Row
{
    double below; // the row holds for percentages below this threshold
    double result;
};

// Standard percentage key after its first row (p <= 100.1 gives 1). The rows
// are tested in order and the last matching row wins.
// clang-format off
constexpr std::array<Row, 25> kStandardKey{{
    {98, 1.2}, {96, 1.4}, {93, 1.6}, {90, 1.8}, {87, 2},   {84, 2.2}, {81, 2.4},
    {78, 2.6}, {75, 2.8}, {72, 3},   {69, 3.2}, {66, 3.4}, {63, 3.6}, {60, 3.8},
    {57, 4},   {54, 4.2}, {51, 4.4}, {48, 4.6}, {43, 4.8}, {38, 5},   {33, 5.2},
    {28, 5.4}, {23, 5.6}, {16, 5.8}, {8, 6},
}};
// clang-format on

// MSS percentage key after its first row (every number gives 15).
// clang-format off
constexpr std::array<Row, 15> kMssKey{{
    {95.5, 14}, {91, 13}, {86.5, 12}, {82, 11}, {77.5, 10}, {73, 9}, {68.5, 8}, {64, 7},
    {59.5, 6},  {55, 5},  {50.5, 4},  {46, 3},  {38.5, 2},  {30, 1}, {22.5, 0},
}};
// clang-format on

constexpr double kStandardTopBound = 100.1;

// The percentage as a number, or nothing for unset and for a text that does
// not read as a number.
std::optional<double> percentageOf(const KeyValue &value)
{
    if (const double *number = std::get_if<double>(&value))
        return *number;
    if (const std::string *text = std::get_if<std::string>(&value))
        return numbertext::read(*text);
    return std::nullopt;
}

template <std::size_t N>
double lastMatchingRow(double p, double start, const std::array<Row, N> &rows)
{
    double result = start;
    for (const Row &row : rows) {
        if (p < row.below)
            result = row.result;
    }
    return result;
}

// The highest whole percentage 0 ... 100 that the key turns into a number
// passing the test, or nothing: the one search behind both limits.
template <typename Key, typename Test>
std::optional<int> highestPercentage(Key key, Test passes, MessageSink &messages)
{
    std::optional<int> limit;
    for (int i = 0; i <= 100; ++i) {
        const KeyValue value = key(static_cast<double>(i), messages);
        if (const double *number = std::get_if<double>(&value); number && passes(*number))
            limit = i;
    }
    return limit;
}

} // namespace

KeyValue prozentnote(const KeyValue &percentage, MessageSink &messages)
{
    const std::optional<double> p = percentageOf(percentage);
    if (!p || !(*p <= kStandardTopBound))
        return std::string();
    double grade = lastMatchingRow(*p, 1.0, kStandardKey);
    if (*p < 0) {
        grade = 6;
        messages.showMessage(std::string(kNegativePercentageMessage));
    }
    return grade;
}

KeyValue prozentpunkte(const KeyValue &percentage, MessageSink &messages)
{
    const std::optional<double> p = percentageOf(percentage);
    if (!p)
        return std::string();
    double points = lastMatchingRow(*p, 15.0, kMssKey);
    if (*p < 0) {
        points = 0;
        messages.showMessage(std::string(kNegativePercentageMessage));
    }
    return points;
}

std::optional<int> notengrenze(double grade, MessageSink &messages)
{
    return highestPercentage(
        prozentnote, [grade](double g) { return g >= grade; }, messages);
}

std::optional<int> punktegrenze(double points, MessageSink &messages)
{
    return highestPercentage(
        prozentpunkte, [points](double n) { return n <= points; }, messages);
}

} // namespace Skalix
