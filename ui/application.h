// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the program sets up once the application object exists and before
// its window is made: its name and version, the desktop entry it belongs
// to, the German locale, and Qt's own German texts where installed.
namespace application {

void setUp();

} // namespace application
