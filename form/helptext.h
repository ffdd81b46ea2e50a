// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The text behind "?": fifteen lines joined by carriage returns (character
// 13) alone, the program's own line break. UTF-8.
std::string helpText();
