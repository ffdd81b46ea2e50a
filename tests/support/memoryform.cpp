// SPDX-License-Identifier: GPL-3.0-or-later
#include "memoryform.h"

#include "eval/liveevaluation.h"

MemoryForm::MemoryForm() { setMode(KeyArray::Grades); }

void MemoryForm::setMode(KeyArray visible) { keytable::switchToMode(*this, visible); }

std::string MemoryForm::keyText(KeyArray array, int index) const
{
    return array == KeyArray::Grades ? grades.at(std::size_t(index)) : mss.at(std::size_t(index));
}

void MemoryForm::setKeyText(KeyArray array, int index, const std::string &text)
{
    (array == KeyArray::Grades ? grades.at(std::size_t(index)) : mss.at(std::size_t(index))) = text;
}

bool MemoryForm::isKeyFieldVisible(KeyArray array, int index) const
{
    return array == KeyArray::Grades ? gradeVisible.at(std::size_t(index))
                                     : mssVisible.at(std::size_t(index));
}

void MemoryForm::setKeyFieldVisible(KeyArray array, int index, bool visible)
{
    (array == KeyArray::Grades ? gradeVisible.at(std::size_t(index))
                               : mssVisible.at(std::size_t(index))) = visible;
}

void MemoryForm::setKeyLabelVisible(int index, bool visible)
{
    labelVisible.at(std::size_t(index)) = visible;
}

// Writing a points field runs its change handler, Text1_Change or
// Text2_Change, both the evaluation.
void MemoryForm::setPointsText(PointsField field, const std::string &text)
{
    std::string &points = field == PointsField::Maximum ? maximum : achieved;
    if (points == text)
        return;
    points = text;
    evaluate();
}

void MemoryForm::evaluate()
{
    ++evaluations;
    eval::liveEvaluation(*this);
}
