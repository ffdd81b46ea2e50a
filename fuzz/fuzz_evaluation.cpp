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

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

const std::string kUntouched = "untouched";

std::vector<std::string> lines(std::string_view text)
{
    std::vector<std::string> parts;
    for (std::size_t begin = 0;;) {
        const std::size_t end = text.find('\n', begin);
        parts.emplace_back(text.substr(begin, end - begin));
        if (end == std::string_view::npos)
            return parts;
        begin = end + 1;
    }
}

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
    const std::vector<std::string> parts =
        lines(std::string_view(reinterpret_cast<const char *>(data + 1), size - 1));

    MemoryForm form;
    const KeyArray array = mssMode ? KeyArray::Mss : KeyArray::Grades;
    form.setMode(array);
    form.maximum = parts[0];
    form.achieved = parts.size() > 1 ? parts[1] : std::string();
    const int fields = mssMode ? keytable::kMssFieldCount : keytable::kGradeFieldCount;
    int field = 0;
    for (std::size_t i = 2; i < parts.size() && field < fields; ++i, field += spread ? 2 : 1)
        form.setKeyText(array, field, parts[i]);
    form.result = kUntouched;
    const MemoryForm before = form;

    const bool wrote = eval::liveEvaluation(form);

    check(form.messages.empty());
    check(wrote == !incomplete(before, array));
    check(form.maximum == before.maximum && form.achieved == before.achieved);
    check(form.grades == before.grades && form.mss == before.mss);

    if (incomplete(before, array)) {
        check(form.result == kUntouched);
        return 0;
    }
    check(form.result != kUntouched);
    if (form.result.empty())
        return 0;

    field = -1;
    if (mssMode) {
        for (int points = 0; points <= 15; ++points) {
            if (form.result == std::to_string(points))
                field = keytable::mssPoints(points);
        }
        check(field >= 0);
    } else {
        const std::string &grade = form.result;
        check(grade.size() == 3 && grade[0] >= '1' && grade[0] <= '6' && grade[1] == ','
              && grade[2] >= '0' && grade[2] <= '9');
        field = (grade[0] - '1') * 10 + (grade[2] - '0');
        check(field <= 50);
    }
    check(numbertext::isNumeric(form.keyText(array, field)));
    return 0;
}
