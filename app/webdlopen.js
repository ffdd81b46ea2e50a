// SPDX-License-Identifier: GPL-3.0-or-later
// In the browser a program cannot load a library at run time, and
// emscripten 3.1.6 ends the whole program when dlopen is asked to: Qt asks
// for libthai as soon as a field holds Thai text, to find its word breaks,
// so a pasted Thai word ended Skalix. Here the loading step emscripten's
// dlopen calls says that there is no such library, as on a system without
// it, and Qt goes on without it. Its first call is for the program itself
// (emscripten's dlopen registers it before any library), which is there.
// (A JavaScript library of the web build: emcc --js-library.)
mergeInto(LibraryManager.library, {
    $skalixProgramRegistered: false,
    _dlopen_js__deps: ['$skalixProgramRegistered'],
    _dlopen_js: function (handle) {
        if (skalixProgramRegistered)
            return 0;
        skalixProgramRegistered = true;
        return handle;
    },
});
