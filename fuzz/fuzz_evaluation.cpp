// SPDX-License-Identifier: GPL-3.0-or-later
// The live evaluation on an arbitrary key, maximum and reached points, in
// both modes. Checked: the result is empty, the grade text of a readable
// grade field or the points of a readable MSS field; a run either writes
// Text3 or leaves it exactly as it was, and it leaves it only when an input
// is incomplete; the inputs are never changed.
//
// Input: the first byte picks the mode (and which fields the texts fill),
// the rest is split at '\n' into maximum, reached and key field texts.

#include "support/memoryform.h"

#include "arith/numbertext.h"
#include "eval/liveevaluation.h"

#include <QRegularExpression>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

const QString kUntouched = QStringLiteral("untouched");

// Whether the run has to end without writing Text3.
bool incomplete(const MemoryForm &form, KeyArray array)
{
    const auto maximum = numbertext::read(form.maximum);
    const auto achieved = numbertext::read(form.achieved);
    if (!maximum || !achieved || *maximum == 0)
        return true;
    const auto top = numbertext::read(form.keyText(array, 0));
    return !top || !std::isfinite(*achieved * *top / *maximum);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const bool mssMode = data[0] & 1;
    const bool spread = data[0] & 2; // fill every other field only
    const QStringList parts =
        QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1))
            .split(u'\n');

    MemoryForm form;
    const KeyArray array = mssMode ? KeyArray::Mss : KeyArray::Grades;
    form.setMode(array);
    form.maximum = parts.value(0);
    form.achieved = parts.value(1);
    const int fields = mssMode ? keytable::kMssFieldCount : keytable::kGradeFieldCount;
    for (int i = 2, field = 0; i < parts.size() && field < fields; ++i, field += spread ? 2 : 1)
        form.setKeyText(array, field, parts[i]);
    form.result = kUntouched;
    const MemoryForm before = form;

    const bool wrote = eval::liveEvaluation(form);

    check(form.messages.isEmpty());
    check(wrote == !incomplete(before, array));
    check(form.maximum == before.maximum && form.achieved == before.achieved);
    check(form.grades == before.grades && form.mss == before.mss);

    if (incomplete(before, array)) {
        check(form.result == kUntouched);
        return 0;
    }
    check(form.result != kUntouched);
    if (form.result.isEmpty())
        return 0;

    int field = -1;
    if (mssMode) {
        bool ok = false;
        const int points = form.result.toInt(&ok);
        check(ok && points >= 0 && points <= 15 && form.result == QString::number(points));
        field = keytable::mssPoints(points);
    } else {
        static const QRegularExpression gradeText(QStringLiteral("^[1-6],[0-9]$"));
        check(gradeText.match(form.result).hasMatch());
        field = (form.result[0].digitValue() - 1) * 10 + form.result[2].digitValue();
        check(field <= 50);
    }
    check(numbertext::isNumeric(form.keyText(array, field)));
    return 0;
}
