// SPDX-License-Identifier: GPL-3.0-or-later
// Preloaded into the programs of the tests under AddressSanitizer: no
// library is unloaded before the process ends. Mesa's EGL, which Qt's
// Wayland platform starts, loads its DRI driver and unloads it at exit;
// LeakSanitizer then finds what the driver allocated, in a module that is
// no longer there, which no suppression by library name can match. With
// the module kept, its leaks are told by its name (tests/lsan.supp) and
// the program's own code is what is checked.

extern "C" int dlclose(void *) { return 0; }
