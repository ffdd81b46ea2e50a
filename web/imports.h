// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the page's script gives the module (the "skalix" imports of
// web/skalix.js). Texts cross as UTF-8 in the module's memory.
#define SKALIX_IMPORT(name) __attribute__((import_module("skalix"), import_name(name)))
extern "C" {
// Encodes the control's text and returns its length in bytes; copyText
// then copies it to where the module has room for it.
SKALIX_IMPORT("text") int skalixText(int control, int index);
SKALIX_IMPORT("copyText") void skalixCopyText(char *into);
SKALIX_IMPORT("setText") void skalixSetText(int control, int index, const char *text, int length);
SKALIX_IMPORT("visible") int skalixVisible(int control, int index);
SKALIX_IMPORT("setVisible") void skalixSetVisible(int control, int index, int visible);
SKALIX_IMPORT("focus") void skalixFocus(int control, int index);
SKALIX_IMPORT("message") void skalixMessage(const char *text, int length);
SKALIX_IMPORT("announce") void skalixAnnounce(const char *text, int length);
SKALIX_IMPORT("end") void skalixEnd();
// Hands the page a text the module made.
SKALIX_IMPORT("give") void skalixGive(const char *text, int length);
}
