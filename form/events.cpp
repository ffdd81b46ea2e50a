// SPDX-License-Identifier: GPL-3.0-or-later
#include "events.h"

#include "helptext.h"

#include "arith/numbertext.h"
#include "eval/calculate.h"
#include "eval/liveevaluation.h"
#include "key/presets.h"

#include <iterator>

namespace events {

namespace {

struct Command
{
    int number; // CommandN
    void (*click)(KeyForm &form);
};

// clang-format off
constexpr Command kCommands[] = {
    {1, [](KeyForm &form) { form.closeWindow(); }},               // "Ende"
    {2, presets::standardKey},                                    // "Standard- Notenschlüssel eintragen"
    {3, presets::linearKey},                                      // "Linearen Notenschlüsel eintragen"
    {4, presets::clearIntermediateGrades},                        // "Werte aller Kommanoten löschen"
    {5, [](KeyForm &form) { form.showMessage(helpText()); }},     // "?"
    {6, presets::clearAll},                                       // "Werte aller Noten löschen"
    {7, presets::mssPointsKey},                                   // "Standard MSS-Punkte- Schlüssel eintragen"
    {8, eval::calculate},                                         // "Berechnen"
    {9, presets::ihkKey},                                         // "IHK- Notenschlüssel"
};
// clang-format on

} // namespace

void Form_Load(KeyForm &form) { commandClicked(form, 2); }

// Only the two points fields have change handlers; Text1_Change runs
// Text2_Change, which is the live evaluation.
void pointsChanged(KeyForm &form, PointsField) { eval::liveEvaluation(form); }

void sliderChanged(KeyForm &form, PointsField field, int value)
{
    form.setPointsText(field, numbertext::write(value));
}

bool commandClicked(KeyForm &form, int number)
{
    for (const Command &command : kCommands) {
        if (command.number == number) {
            command.click(form);
            return true;
        }
    }
    return false;
}

} // namespace events
