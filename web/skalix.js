// SPDX-License-Identifier: GPL-3.0-or-later
// The web page's script: the page is the window, its HTML elements the
// controls (made from the control table, with the window's names as ids),
// and the program's logic is the WebAssembly module (skalix.wasm), the same
// core the desktop window runs. This script gives the module the page's
// controls to read and write, hands it the events the window handles, and
// does what only a page does: the message box as a <dialog>, new grades
// told to screen readers through a live region, pasted cells cleaned, the
// grid's order on small screens, the copy kept for offline use and a new
// version taken as soon as it is there.
//
// The page comes with its controls out of use (disabled): they are taken
// into use once the module runs, so that nothing is typed or clicked that
// the program does not answer. Where it cannot run, they stay so, and the
// page says why.
'use strict';

(() => {
    const byId = (name) => document.getElementById(name);
    const encoder = new TextEncoder();
    const decoder = new TextDecoder();
    let module = null;              // the module's exports, once it runs
    let encoded = new Uint8Array(); // the text the module asked for last
    let given = '';                 // the text the module gave the page last
    const form = byId('FormSkalix');
    const status = byId('status');

    // --- The controls, as the module names them ---------------------------

    // Text1, Text2, Text3 by number; the arrays Text4, Text5 and Label8 by
    // number and index.
    function control(number, index) {
        if (number === 8)
            return byId(`Label8(${index})`);
        return byId(number >= 4 ? `Text${number}(${index})` : `Text${number}`);
    }

    const bytes = (pointer, length) => new Uint8Array(module.memory.buffer, pointer, length);
    const textAt = (pointer, length) => decoder.decode(bytes(pointer, length));

    const imports = {
        skalix: {
            text(number, index) {
                encoded = encoder.encode(control(number, index).value);
                return encoded.length;
            },
            copyText(pointer) { bytes(pointer, encoded.length).set(encoded); },
            setText(number, index, pointer, length) {
                const field = control(number, index);
                field.value = textAt(pointer, length);
                // Long values show their beginning, as on the desktop.
                if (document.activeElement !== field)
                    field.scrollLeft = 0;
            },
            visible: (number, index) => (control(number, index).hidden ? 0 : 1),
            setVisible(number, index, visible) { control(number, index).hidden = !visible; },
            focus(number, index) { control(number, index).focus(); },
            message(pointer, length) { showMessage(textAt(pointer, length)); },
            announce(pointer, length) { announce(textAt(pointer, length)); },
            end() { end(); },
            give(pointer, length) { given = textAt(pointer, length); },
        },
        wasi_snapshot_preview1: {
            proc_exit(code) { throw new Error(`Skalix stopped (${code})`); },
        },
        // The module's memory grew (a long text pasted): views of it are
        // made anew each time, so nothing is to be done.
        env: { emscripten_notify_memory_growth() {} },
    };

    // --- Message box --------------------------------------------------------

    // Modal, titled "Skalix", one OK button; Esc closes it too. The focus
    // goes back where it was. Messages that come while one is open wait
    // their turn. The program's line breaks are carriage returns. The box is
    // an alert dialog described by its text, and takes the focus itself
    // once it is open: a screen reader then reads the text, and reads it
    // once (shown, the text is hidden from screen readers, which would read
    // the box's contents as well as its description).
    const box = byId('messageBox');
    const messages = [];
    let focusBeforeBox = null;

    function showMessage(text) {
        messages.push(text);
        if (!box.open)
            showNextMessage();
    }

    function showNextMessage() {
        const text = messages.shift();
        if (text === undefined) {
            focusBeforeBox?.focus();
            focusBeforeBox = null;
            sayLater(); // what waited for the box
            return;
        }
        if (!focusBeforeBox)
            focusBeforeBox = document.activeElement;
        byId('messageText').textContent = text.replace(/\r\n?/g, '\n');
        box.showModal();
        // showModal puts the focus on OK; the box takes it over a moment
        // later, once the browser has told a screen reader of the box, so
        // that the box is read, its text with it. Tab reaches OK.
        setTimeout(() => box.open && box.focus(), 100);
    }

    byId('messageOk').addEventListener('click', () => box.close());
    // On the box itself, Enter and Space are its OK.
    box.addEventListener('keydown', (event) => {
        if (event.target === box && (event.key === 'Enter' || event.key === ' ')) {
            event.preventDefault();
            box.close();
        }
    });
    box.addEventListener('close', showNextMessage);

    // --- What a screen reader is told ---------------------------------------

    // Each new grade ("Note 3,6", "12 Punkte", "Keine Note"), once the
    // results have paused for a moment, as on the desktop; none while a
    // message is open.
    const region = byId('announcer');
    let announcement = '';
    let pause = 0;

    function announce(words) {
        announcement = words;
        clearTimeout(pause);
        pause = setTimeout(sayLater, Number(form.dataset.pauseMs));
    }

    function sayLater() {
        if (!announcement || box.open)
            return;
        const words = announcement;
        announcement = '';
        // Emptied first, so that the same words are told again.
        region.textContent = '';
        setTimeout(() => { region.textContent = words; }, 50);
    }

    // --- The window's events -------------------------------------------------

    for (const button of form.querySelectorAll('button[id^="Command"]')) {
        const number = Number(button.id.slice('Command'.length));
        button.addEventListener('click', () => module.click(number));
    }

    // Only the two points fields have a change handler, on every change.
    for (const number of [1, 2])
        byId(`Text${number}`).addEventListener('input', () => module.change(number));

    // A slider's value counts when it is set: by a key, a click, or the end
    // of a drag.
    for (const slider of form.querySelectorAll('input[type="range"]')) {
        const number = Number(slider.id.slice('HScroll'.length));
        slider.addEventListener('change', () => module.slide(number, Number(slider.value)));
    }

    // What a field keeps of a pasted or dropped text is the program's rule
    // (the breaks at either end dropped, as on the desktop), and a line
    // break inside becomes a blank, where the field would drop it and join
    // two cells into one number. Inserted as typing is, so that undo takes
    // it back.
    function cleanedPaste(text) {
        encoded = encoder.encode(text);
        module.paste(encoded.length);
        return given;
    }

    form.addEventListener('beforeinput', (event) => {
        if (event.inputType !== 'insertFromPaste' && event.inputType !== 'insertFromDrop')
            return;
        const pasted = event.dataTransfer?.getData('text/plain') ?? event.data;
        if (!pasted)
            return;
        const cleaned = cleanedPaste(pasted);
        if (cleaned === pasted)
            return;
        event.preventDefault();
        if (!document.execCommand('insertText', false, cleaned)) {
            const field = event.target;
            field.setRangeText(cleaned, field.selectionStart, field.selectionEnd, 'end');
            field.dispatchEvent(new Event('input', { bubbles: true }));
        }
    });

    // "Ende": the program ends. A page that the browser lets close (an
    // installed app's window) closes; any other says so and offers to start
    // again.
    function end() {
        window.close();
        setTimeout(() => {
            form.hidden = true;
            byId('ended').hidden = false;
            byId('restart').focus();
        }, 200);
    }
    byId('restart').addEventListener('click', () => location.reload());

    // --- The grid of small screens -------------------------------------------

    // Where the grid is shown, the controls stand in its reading order, row
    // by row (data-narrow), so that Tab and a screen reader go the way the
    // eye does; where the window is shown, in the window's tab order, as
    // the page comes. The control with the focus keeps it, and its caret.
    const wideScreen = matchMedia(form.dataset.wideScreen);
    const windowOrder = [...form.children];
    const gridOrder = [...windowOrder].sort((a, b) => a.dataset.narrow - b.dataset.narrow);

    function arrange() {
        const focused = document.activeElement;
        const caret = focused?.selectionStart ?? null;
        const caretEnd = focused?.selectionEnd ?? null;
        form.append(...(wideScreen.matches ? windowOrder : gridOrder));
        if (focused && focused !== document.activeElement) {
            focused.focus();
            if (caret !== null)
                focused.setSelectionRange(caret, caretEnd);
        }
    }
    if (!wideScreen.matches)
        arrange();
    wideScreen.addEventListener('change', arrange);

    // --- Start --------------------------------------------------------------

    // The focus goes where the start-up put it, with the caret at the end of
    // its text as on the desktop, where the page shows the whole window to a
    // mouse and keyboard (on a touch screen no keyboard pops up uninvited),
    // once the program runs and the page has loaded: a screen reader then
    // tells the field, which during the load it may pass over. Where the
    // user has put the focus by then, it stays.
    function placeStartFocus() {
        const whole = `${form.dataset.wideScreen} and (not (pointer: coarse))`;
        const field = byId(form.dataset.focus);
        if (!field || !matchMedia(whole).matches || document.activeElement !== document.body)
            return;
        field.focus();
        field.setSelectionRange?.(field.value.length, field.value.length);
    }

    // The controls into use, once the program runs.
    function takeIntoUse() {
        for (const element of form.querySelectorAll(':disabled'))
            element.disabled = false;
        form.removeAttribute('aria-busy');
        status.hidden = true;
        if (document.readyState === 'complete')
            placeStartFocus();
        else
            addEventListener('load', placeStartFocus);
    }

    // The module: carried in the page itself (the copy kept on disk), or
    // compiled while it downloads; from a server that does not say it is
    // WebAssembly (application/wasm), once it is there.
    async function load() {
        const inside = byId('moduleData');
        if (inside) {
            const data = Uint8Array.from(atob(inside.textContent.trim()), (c) => c.charCodeAt(0));
            return WebAssembly.instantiate(data, imports);
        }
        const file = byId('module').href;
        try {
            return await WebAssembly.instantiateStreaming(fetch(file), imports);
        } catch {
            const response = await fetch(file);
            if (!response.ok)
                throw new Error(`${file}: ${response.status}`);
            return WebAssembly.instantiate(await response.arrayBuffer(), imports);
        }
    }

    // Where loading takes a while (a slow network), the page says so.
    const slow = setTimeout(() => { status.hidden = false; }, 1000);
    load()
        .then(({ instance }) => {
            module = instance.exports;
            module._initialize();
            clearTimeout(slow);
            takeIntoUse();
            performance.mark('skalix-module'); // the page computes from here on
        })
        .catch((error) => {
            console.error(error);
            clearTimeout(slow);
            form.removeAttribute('aria-busy');
            status.textContent = status.dataset.failed;
            status.hidden = false;
        });

    // --- Current and offline ------------------------------------------------

    if (location.protocol.startsWith('http'))
        addEventListener('load', keepCurrent);

    // On a server with HTTPS (or on this machine) a service worker keeps the
    // site for offline use and asks the server for the page first, so a new
    // version is taken on the first visit after it is there. Without one
    // (plain HTTP) a browser may show the page from its cache for days
    // without asking: the page asks the server itself whether it is still
    // current and, where it is not, loads the new one at once, or, where
    // the teacher is already at work, offers to.
    function keepCurrent() {
        if ('serviceWorker' in navigator && window.isSecureContext) {
            navigator.serviceWorker.register('service-worker.js')
                .then(() => navigator.serviceWorker.ready)
                .then((worker) => worker.active?.postMessage(usedFiles()))
                .catch(() => { /* no offline copy: the page works as it is */ });
            if (navigator.serviceWorker.controller)
                return;
        }
        const [visit] = performance.getEntriesByType('navigation');
        if (visit && visit.transferSize > 0)
            return; // the server sent or confirmed this page just now
        fetch(location.href, { cache: 'no-cache' })
            .then((response) => (response.ok ? response.text() : ''))
            .then((page) => {
                const mine = usedNames(document.documentElement.outerHTML);
                if (page && usedNames(page) !== mine)
                    offerNewVersion();
            })
            .catch(() => { /* offline: the page works as it is */ });
    }

    // The versioned files a page names (skalix.1f1529d0.wasm, ...): another
    // version names others.
    const usedNames = (page) => [...new Set(page.match(/[\w@-]+\.[0-9a-f]{8}\.\w+/g))].sort().join();

    // The files this visit fetched, for the service worker to keep.
    const usedFiles = () => performance.getEntriesByType('resource').map((entry) => entry.name)
        .filter((name) => new URL(name).origin === location.origin);

    let atWork = false;
    form.addEventListener('input', () => { atWork = true; }, { once: true });
    form.addEventListener('click', () => { atWork = true; }, { once: true });

    function offerNewVersion() {
        if (!atWork) {
            location.reload();
            return;
        }
        byId('newVersion').hidden = false;
    }
    byId('reload').addEventListener('click', () => location.reload());
})();
