// SPDX-License-Identifier: GPL-3.0-or-later
#include "keytable.h"

#include "announcement.h"

namespace keytable {

std::string gradeText(int index)
{
    return std::to_string(1 + index / 10) + ',' + std::to_string(index % 10);
}

std::string pointsText(int points)
{
    return std::to_string(points) + (points == 1 ? " Punkt" : " Punkte");
}

// The labels first, then the fields, grade half before MSS half: the order
// in which the window shows and hides them.
void switchToMode(KeyForm &form, KeyArray shown)
{
    const bool gradeHalf = shown == KeyArray::Grades;
    for (int i = 0; i < kGradeLabelCount; ++i)
        form.setKeyLabelVisible(i, gradeHalf);
    for (int i = 0; i < kGradeFieldCount; ++i)
        form.setKeyFieldVisible(KeyArray::Grades, i, gradeHalf);
    for (int i = kGradeLabelCount; i < kLabelCount; ++i)
        form.setKeyLabelVisible(i, !gradeHalf);
    for (int k = 0; k < kMssFieldCount; ++k)
        form.setKeyFieldVisible(KeyArray::Mss, k, !gradeHalf);
}

void focusVisibleKey(KeyForm &form)
{
    if (!form.isKeyFieldVisible(KeyArray::Grades, 0))
        form.focusKeyField(KeyArray::Mss, 0);
    if (!form.isKeyFieldVisible(KeyArray::Mss, 0))
        form.focusKeyField(KeyArray::Grades, 0);
}

void showResult(KeyForm &form, const std::string &result)
{
    form.setResultText(result);
    form.announce(announcement::words(form, result));
}

void focusShownTopFields(KeyForm &form)
{
    if (form.isKeyFieldVisible(KeyArray::Mss, 0))
        form.focusKeyField(KeyArray::Mss, 0);
    if (form.isKeyFieldVisible(KeyArray::Grades, 0))
        form.focusKeyField(KeyArray::Grades, 0);
}

} // namespace keytable
