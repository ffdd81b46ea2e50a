// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "key/keyform.h"

namespace eval {

// "Berechnen": evaluate, then focus the visible key, always both.
void calculate(KeyForm &form);

} // namespace eval
