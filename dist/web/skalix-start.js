// SPDX-License-Identifier: GPL-3.0-or-later
// Starts Skalix in the page: checks that the browser can run it, loads the
// program (WebAssembly, some megabytes) with a progress bar, and runs it in
// the page's canvas, which is the program's screen. The window is 444 × 666
// pixels; where the browser's window is smaller (a phone, a split-screen
// tablet), the program is scaled down as a whole so that all of it is
// seen, and Qt draws it at the device's own pixel density.
//
// Nothing is loaded from any other host, and no code is made from text, so
// the page's Content-Security-Policy allows neither.
'use strict';

(function () {
    const script = document.currentScript;
    const program = script.dataset.program;
    const wasmBytes = Number(script.dataset.wasmBytes) || 0;
    const windowSize = { width: 444, height: 666 };

    const canvas = document.getElementById('screen');
    const loading = document.getElementById('loading');
    const progress = document.getElementById('progress');
    const percent = document.getElementById('percent');
    const problem = document.getElementById('problem');

    function fail(lines) {
        loading.hidden = true;
        canvas.hidden = true;
        problem.replaceChildren(...lines.map((line) => {
            const paragraph = document.createElement('p');
            paragraph.textContent = line;
            return paragraph;
        }));
        problem.hidden = false;
    }

    function canRunWebGL() {
        try {
            const probe = document.createElement('canvas');
            return Boolean(probe.getContext('webgl2') || probe.getContext('webgl'));
        } catch (error) {
            return false;
        }
    }

    function showProgress(received) {
        const share = wasmBytes > 0 ? Math.min(100, Math.floor((100 * received) / wasmBytes)) : 0;
        progress.value = share;
        percent.textContent = share + ' %';
    }

    // The program, compiled while it downloads, counting what has arrived.
    async function compileProgram() {
        const response = await fetch(program + '.wasm');
        if (!response.ok)
            throw new Error(program + '.wasm: ' + response.status);
        let received = 0;
        const counted = new ReadableStream({
            async start(controller) {
                const reader = response.body.getReader();
                for (;;) {
                    const { done, value } = await reader.read();
                    if (done)
                        break;
                    received += value.byteLength;
                    showProgress(received);
                    controller.enqueue(value);
                }
                controller.close();
            },
        });
        const wasm = new Response(counted, { headers: { 'Content-Type': 'application/wasm' } });
        if (WebAssembly.compileStreaming)
            return WebAssembly.compileStreaming(wasm);
        return WebAssembly.compile(await wasm.arrayBuffer());
    }

    function loadScript(source) {
        return new Promise((resolve, reject) => {
            const element = document.createElement('script');
            element.src = source;
            element.onload = resolve;
            element.onerror = () => reject(new Error(source));
            document.body.appendChild(element);
        });
    }

    // The whole window in view: scaled down where the browser's window is
    // smaller, never up.
    function scale() {
        return Math.min(1, window.innerWidth / windowSize.width,
                        window.innerHeight / windowSize.height);
    }

    async function start() {
        if (typeof WebAssembly !== 'object') {
            fail(['Dieser Browser kann Skalix nicht ausführen: ihm fehlt WebAssembly.',
                  'Bitte öffnen Sie die Seite in einem aktuellen Browser (Firefox, Chrome, Edge oder Safari).']);
            return;
        }
        if (!canRunWebGL()) {
            fail(['Dieser Browser kann Skalix nicht ausführen: WebGL ist ausgeschaltet oder fehlt.',
                  'Bitte schalten Sie WebGL ein oder öffnen Sie die Seite in einem aktuellen Browser.']);
            return;
        }
        loading.hidden = false;
        const factor = scale();
        canvas.style.width = windowSize.width * factor + 'px';
        canvas.style.height = windowSize.height * factor + 'px';

        let module;
        try {
            [module] = await Promise.all([compileProgram(), loadScript(program + '.js')]);
        } catch (error) {
            console.error(error);
            fail(['Skalix konnte nicht geladen werden.',
                  'Bitte prüfen Sie die Verbindung und laden Sie die Seite neu.']);
            return;
        }

        const environment = { QT_SCALE_FACTOR: String(factor) };
        window.createQtAppInstance({
            instantiateWasm(imports, done) {
                WebAssembly.instantiate(module, imports).then((instance) => done(instance, module));
                return {};
            },
            locateFile: (file) => file,
            print: (text) => console.log(text),
            printErr: (text) => console.warn(text),
            preRun: [(instance) => {
                // Qt measures its screen from the canvas: shown, at its size.
                loading.hidden = true;
                canvas.hidden = false;
                Object.assign(instance.ENV, environment);
                instance.qtContainerElements = [canvas];
                instance.qtFontDpi = 96;
            }],
            onAbort: (text) => {
                console.error(text);
                fail(['Skalix wurde wegen eines Fehlers beendet.', 'Laden Sie die Seite neu, um es neu zu starten.']);
            },
            quit: (code) => {
                if (code !== 0)
                    fail(['Skalix wurde beendet.', 'Laden Sie die Seite neu, um es neu zu starten.']);
            },
        });
    }

    // After the first visit the whole site is kept by the browser, and the
    // program opens without any network.
    if ('offline' in script.dataset && 'serviceWorker' in navigator && window.isSecureContext)
        navigator.serviceWorker.register('service-worker.js').catch((error) => console.warn(error));

    start();
})();
