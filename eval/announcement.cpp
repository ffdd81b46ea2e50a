// SPDX-License-Identifier: GPL-3.0-or-later
#include "announcement.h"

namespace eval {

std::string announcement(const KeyForm &form, std::string_view result)
{
    if (result.empty())
        return "Keine Note";
    if (form.isKeyFieldVisible(KeyArray::Mss, 0))
        return std::string(result) + (result == "1" ? " Punkt" : " Punkte");
    return "Note " + std::string(result);
}

} // namespace eval
