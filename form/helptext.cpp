// SPDX-License-Identifier: GPL-3.0-or-later
#include "helptext.h"

#include <array>
#include <string_view>

std::string helpText()
{
    const std::string life = std::string(48, ' ') + "'life'" + std::string(48, ' ');
    // An empty entry is an empty line.
    const std::array<std::string_view, 15> lines{
        "Tragen Sie in die Punktefelder unten Werte ein, die zu den",
        " Noten passen.. Diese werden vom Skalix zur",
        "Grundlage seiner Notenvorschläge herangezogen.",
        "",
        "Übrigens müssen Sie nicht jedes Punktefeld ausfüllen!",
        "",
        "Der Skalix bietet Ihnen zwei unterschiedliche",
        "voreingestellte Notenschlüssel an. Klicken Sie dazu nur auf",
        "die jeweiligen Buttons!",
        "Wenn Sie nun die Regler verstellen, können Sie",
        life,
        "verfolgen, wie sich die Veränderung der Parameter",
        "auf die Note auswirkt.",
        "",
        "Wendrisch",
    };
    std::string text(lines.front());
    for (std::size_t i = 1; i < lines.size(); ++i)
        (text += '\r') += lines[i];
    return text;
}
