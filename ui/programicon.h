// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// The program's icon for its window, in the sizes title bars and task bars
// use (64 for 32 at twice the scale; menus take the installed theme icons).
// Each size is read from the resources only when the window system first
// asks for it: X11 and Windows ask as the window opens, Wayland never does,
// so nothing is decoded there that is not shown.
QIcon programIcon();
