// SPDX-License-Identifier: GPL-3.0-or-later
// The web page's script: the page is the window, its HTML elements the
// controls (made from the control table, with the window's names as ids),
// and the program's logic is the WebAssembly module (skalix.wasm), the same
// core the desktop window runs. This script gives the module the page's
// controls to read and write, hands it the events the window handles, and
// does what only a page does: the message box as a <dialog>, new grades
// told to screen readers through a live region, pasted cells cleaned, the
// copy kept for offline use.
'use strict';

(() => {
    const byId = (name) => document.getElementById(name);
    const encoder = new TextEncoder();
    const decoder = new TextDecoder();
    let module = null;              // the module's exports, once it has loaded
    const waiting = [];             // what the user did before that
    let encoded = new Uint8Array(); // the text the module asked for last
    let given = '';                 // the text the module gave the page last
    const form = byId('FormSkalix');

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

    // Runs a handler of the module, or, while it is still loading, as soon
    // as it is there.
    function run(handler) {
        if (module)
            handler(module);
        else
            waiting.push(handler);
    }

    // --- Message box --------------------------------------------------------

    // Modal, titled "Skalix", one OK button; Esc closes it too. The focus
    // goes back where it was. Messages that come while one is open wait
    // their turn. The program's line breaks are carriage returns.
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
        byId('messageOk').focus();
    }

    byId('messageOk').addEventListener('click', () => box.close());
    box.addEventListener('close', showNextMessage);

    // --- What a screen reader is told ---------------------------------------

    // Each new grade ("Note 3,6", "12 Punkte", "Keine Note"), once the
    // results have paused for half a second, as on the desktop; none while
    // a message is open.
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
        button.addEventListener('click', () => run((m) => m.click(number)));
    }

    // Only the two points fields have a change handler, on every change.
    for (const number of [1, 2])
        byId(`Text${number}`).addEventListener('input', () => run((m) => m.change(number)));

    // A slider's value counts when it is set: by a key, a click, or the end
    // of a drag.
    for (const slider of form.querySelectorAll('input[type="range"]')) {
        const number = Number(slider.id.slice('HScroll'.length));
        slider.addEventListener('change', () => run((m) => m.slide(number, Number(slider.value))));
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
        if (!module || (event.inputType !== 'insertFromPaste' && event.inputType !== 'insertFromDrop'))
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

    // --- Start --------------------------------------------------------------

    // The page holds the window as the start-up leaves it, the grade for
    // 75 of 100 points included. The focus goes where the start-up put it
    // where the page shows the whole window to a mouse and keyboard (on a
    // touch screen no keyboard pops up uninvited), once the page has
    // loaded: a screen reader then tells the field, which during the load
    // it may pass over. Where the user has put the focus by then, it stays.
    addEventListener('load', () => {
        const whole = `${form.dataset.wideScreen} and (not (pointer: coarse))`;
        if (matchMedia(whole).matches && document.activeElement === document.body)
            byId(form.dataset.focus)?.focus();
    });

    // Compiled while it downloads; from a server that does not say it is
    // WebAssembly (application/wasm), once it is there.
    async function load(file) {
        try {
            return await WebAssembly.instantiateStreaming(fetch(file), imports);
        } catch {
            const response = await fetch(file);
            if (!response.ok)
                throw new Error(`${file}: ${response.status}`);
            return WebAssembly.instantiate(await response.arrayBuffer(), imports);
        }
    }

    load(byId('module').href)
        .then(({ instance }) => {
            module = instance.exports;
            module._initialize();
            performance.mark('skalix-module'); // the page computes from here on
            waiting.splice(0).forEach((handler) => handler(module));
        })
        .catch((error) => {
            console.error(error);
            showMessage('Skalix konnte nicht vollständig geladen werden. Bitte laden Sie die Seite neu.');
        });

    if ('serviceWorker' in navigator && window.isSecureContext) {
        addEventListener('load', () => navigator.serviceWorker.register('service-worker.js')
            .catch(() => { /* no offline copy: the page works as it is */ }));
    }
})();
