// SPDX-License-Identifier: GPL-3.0-or-later
#include "announcement.h"

#include "keytable.h"

#include <charconv>

namespace announcement {

std::string words(const KeyForm &form, std::string_view result)
{
    if (result.empty())
        return "Keine Note";
    int points = 0;
    const bool isPoints = std::from_chars(result.data(), result.data() + result.size(), points).ptr
                          == result.data() + result.size();
    if (isPoints && form.isKeyFieldVisible(KeyArray::Mss, 0))
        return keytable::pointsText(points); // "1 Punkt", "12 Punkte"
    return "Note " + std::string(result);
}

} // namespace announcement
