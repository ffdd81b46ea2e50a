// SPDX-License-Identifier: GPL-3.0-or-later
#include "presets.h"

#include "arith/numbertext.h"
#include "arith/percentagekeys.h"
#include "keytable.h"

#include <array>

namespace presets {

namespace {

using keytable::kGradeFieldCount;
using keytable::kMssFieldCount;

void evaluateWhenAchievedIsNumeric(KeyForm &form)
{
    if (numbertext::isNumeric(form.achievedText()))
        form.evaluate();
}

std::string limitText(std::optional<int> limit)
{
    return limit ? std::to_string(*limit) : std::string();
}

struct IhkLimit
{
    int field;
    double limit;
};

// clang-format off
constexpr std::array<IhkLimit, 6> kIhkKey{{
    {0, 100}, {10, 91.99}, {20, 80.99}, {30, 66.99}, {40, 49.99}, {50, 29.99},
}};
// clang-format on

} // namespace

void standardKey(KeyForm &form)
{
    keytable::switchToGradeMode(form);
    for (int i = 0; i < kGradeFieldCount; ++i) {
        // Read back from the grade text and rounded, the grade is the same
        // double as the key's own grade, so it matches its row exactly.
        const double grade =
            numbertext::roundToOneDecimal(numbertext::read(keytable::gradeText(i)).value_or(0));
        form.setKeyText(KeyArray::Grades, i, limitText(Skalix::notengrenze(grade, form)));
    }
    evaluateWhenAchievedIsNumeric(form);
    keytable::focusShownTopFields(form);
}

void linearKey(KeyForm &form)
{
    keytable::switchToGradeMode(form);
    for (int i = 0; i < kGradeFieldCount; ++i) {
        const std::string gradeText = keytable::gradeText(i);
        form.setKeyText(KeyArray::Grades, i, gradeText);
        const double grade = numbertext::read(form.keyText(KeyArray::Grades, i)).value_or(0);
        // (6 - g) * 100 / 5 misses the whole number by a hair for some grades;
        // rounding to one decimal brings every field back to 100 - 2i.
        const double limit = numbertext::roundToOneDecimal((6 - grade) * 100 / 5);
        form.setKeyText(KeyArray::Grades, i, numbertext::write(limit));
    }
    evaluateWhenAchievedIsNumeric(form);
    keytable::focusVisibleKey(form);
}

void ihkKey(KeyForm &form)
{
    keytable::switchToGradeMode(form);
    clearAll(form);
    for (const IhkLimit &entry : kIhkKey)
        form.setKeyText(KeyArray::Grades, entry.field, numbertext::write(entry.limit));
}

void mssPointsKey(KeyForm &form)
{
    keytable::switchToMssMode(form);
    for (int k = 0; k < kMssFieldCount; ++k) {
        const double points = keytable::mssPoints(k);
        form.setKeyText(KeyArray::Mss, k, limitText(Skalix::punktegrenze(points, form)));
    }
    evaluateWhenAchievedIsNumeric(form);
    keytable::focusVisibleKey(form);
}

void clearIntermediateGrades(KeyForm &form)
{
    for (int i = 0; i < kGradeFieldCount; ++i) {
        if (!keytable::isWholeGrade(i))
            form.setKeyText(KeyArray::Grades, i, std::string());
    }
    form.evaluate();
    keytable::focusVisibleKey(form);
}

void clearAll(KeyForm &form)
{
    for (int i = 0; i < kGradeFieldCount; ++i)
        form.setKeyText(KeyArray::Grades, i, std::string());
    for (int k = 0; k < kMssFieldCount; ++k)
        form.setKeyText(KeyArray::Mss, k, std::string());
    keytable::showResult(form, std::string());
    keytable::focusVisibleKey(form);
}

} // namespace presets
