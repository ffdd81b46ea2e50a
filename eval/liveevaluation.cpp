// SPDX-License-Identifier: GPL-3.0-or-later
#include "liveevaluation.h"

#include "arith/numbertext.h"
#include "key/announcement.h"
#include "key/keytable.h"

#include <cmath>
#include <optional>

namespace eval {

namespace {

using keytable::kGradeFieldCount;
using keytable::kMssFieldCount;

std::optional<double> keyValue(const KeyForm &form, KeyArray array, int index)
{
    return numbertext::read(form.keyText(array, index));
}

// The reached points on the scale of the key whose top field is given, or
// nothing when the run has to end silently.
std::optional<double> scaledScore(const KeyForm &form, KeyArray array, double maximum,
                                  double achieved)
{
    if (maximum == 0)
        return std::nullopt;
    const std::optional<double> top = keyValue(form, array, 0);
    if (!top)
        return std::nullopt;
    const double scaled = achieved * *top / maximum;
    if (!std::isfinite(scaled))
        return std::nullopt;
    return scaled;
}

// The worst grade whose limit is at least the score; the last match wins,
// so of equal limits the worst grade is shown.
std::string gradeFor(const KeyForm &form, double score)
{
    int match = -1;
    for (int i = 0; i < kGradeFieldCount; ++i) {
        const std::optional<double> limit = keyValue(form, KeyArray::Grades, i);
        if (limit && score <= *limit)
            match = i;
    }
    return match < 0 ? std::string() : keytable::gradeText(match);
}

// Walking up from the 0-points field: the first field with a limit is
// accepted, every later one while the limit accepted before it is below the
// score. With limits rising towards 15 points this is the fewest points whose
// limit is at least the score.
std::string mssPointsFor(const KeyForm &form, double score)
{
    int accepted = -1;
    std::optional<double> lastAccepted;
    for (int k = kMssFieldCount - 1; k >= 0; --k) {
        const std::optional<double> limit = keyValue(form, KeyArray::Mss, k);
        if (limit && (!lastAccepted || *lastAccepted < score)) {
            accepted = k;
            lastAccepted = limit;
        }
    }
    return accepted < 0 ? std::string() : std::to_string(keytable::mssPoints(accepted));
}

// The run's inputs, where they are complete: the result it writes.
std::optional<std::string> resultFor(KeyForm &form)
{
    // An empty text does not read as a number either.
    const std::optional<double> maximum = numbertext::read(form.maximumText());
    if (!maximum)
        return std::nullopt;
    const std::optional<double> achieved = numbertext::read(form.achievedText());
    if (!achieved)
        return std::nullopt;

    const bool gradeMode = !form.isKeyFieldVisible(KeyArray::Mss, 0);
    const bool mssMode = !gradeMode && !form.isKeyFieldVisible(KeyArray::Grades, 0);

    std::string result;
    if (gradeMode || mssMode) {
        const KeyArray array = gradeMode ? KeyArray::Grades : KeyArray::Mss;
        const std::optional<double> score = scaledScore(form, array, *maximum, *achieved);
        if (!score)
            return std::nullopt;
        result = gradeMode ? gradeFor(form, *score) : mssPointsFor(form, *score);
    } else {
        form.showMessage(std::string(kInconsistentTableMessage));
    }
    return result;
}

} // namespace

bool liveEvaluation(KeyForm &form)
{
    const std::optional<std::string> result = resultFor(form);
    if (!result) {
        // Text3 keeps its text; a screen reader is told that these points
        // give no grade.
        form.announce(announcement::words(form, {}));
        return false;
    }
    keytable::showResult(form, *result);
    return true;
}

} // namespace eval
