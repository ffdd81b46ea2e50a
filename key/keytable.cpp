#include "keytable.h"

namespace keytable {

QString gradeText(int index)
{
    return QString::number(1 + index / 10) + u',' + QString::number(index % 10);
}

namespace {

// Both switches run the same four loops in the same order, with the
// visibility of the grade half and the MSS half as given.
void showHalves(KeyForm &form, bool gradeHalf)
{
    for (int i = 0; i < kGradeLabelCount; ++i)
        form.setKeyLabelVisible(i, gradeHalf);
    for (int i = 0; i < kGradeFieldCount; ++i)
        form.setKeyFieldVisible(KeyArray::Grades, i, gradeHalf);
    for (int i = kGradeLabelCount; i < kLabelCount; ++i)
        form.setKeyLabelVisible(i, !gradeHalf);
    for (int k = 0; k < kMssFieldCount; ++k)
        form.setKeyFieldVisible(KeyArray::Mss, k, !gradeHalf);
}

} // namespace

void switchToGradeMode(KeyForm &form) { showHalves(form, true); }
void switchToMssMode(KeyForm &form) { showHalves(form, false); }

void focusVisibleKey(KeyForm &form)
{
    if (!form.isKeyFieldVisible(KeyArray::Grades, 0))
        form.focusKeyField(KeyArray::Mss, 0);
    if (!form.isKeyFieldVisible(KeyArray::Mss, 0))
        form.focusKeyField(KeyArray::Grades, 0);
}

void focusVisibleKeyMirrored(KeyForm &form)
{
    if (form.isKeyFieldVisible(KeyArray::Mss, 0))
        form.focusKeyField(KeyArray::Mss, 0);
    if (form.isKeyFieldVisible(KeyArray::Grades, 0))
        form.focusKeyField(KeyArray::Grades, 0);
}

} // namespace keytable
