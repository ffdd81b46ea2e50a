// SPDX-License-Identifier: GPL-3.0-or-later
// What is checked of the site in Chromium alone, which shows what a screen
// reader is given and lets the tests play phone, network and time:
//   - the accessibility tree: every field, slider and button named as on
//     the desktop, the grade readable;
//   - axe-core: no violation of a WCAG 2.2 A or AA rule, on a wide and on a
//     phone screen, in grade and in MSS mode;
//   - a phone (360 × 740, touch), 320 pixels wide, turned to landscape,
//     and a laptop's page zoomed to 200 %: no scrolling sideways, every
//     target at least 24 × 24, a number keypad for the number fields,
//     input text of at least 16 pixels, and no caption or value cut;
//   - forced colours (Windows' high-contrast themes): frames kept;
//   - cells pasted from a spreadsheet: the number of one, none of two, and
//     Undo takes the paste back;
//   - the copy for offline use: with the server gone, a reload opens the
//     page, which still computes;
//   - an update on an ordinary server (dates, no caching rule): the first
//     visit after it runs the new version, whole, with a service worker and
//     without (plain HTTP);
//   - Lighthouse (mobile): accessibility and best practices at 100;
//   - the size: every file a first visit fetches, the service worker's
//     copy included, at most 60 KB with gzip -9, and none downloaded
//     twice;
//   - where the program cannot run (no script, the module refused) and
//     while it loads, its controls are out of use, and the page says why;
//   - on paper: one A4 page, every value dark on white, no buttons or
//     sliders;
//   - on the grid of small screens the focus goes in reading order.
// SKALIX_SITE names the site's folder, SKALIX_NAMES what the page generator
// wrote of the controls' names (names.json).
import { cpSync, mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { after, before, test } from 'node:test';
import { launchChromium, lighthouse } from './browsers.mjs';
import { onPaperProblems, textCut } from './page-checks.mjs';
import { serve } from '../../scripts/web/serve.mjs';

const site = process.env.SKALIX_SITE;
const names = JSON.parse(readFileSync(process.env.SKALIX_NAMES, 'utf8'));
const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const pause = (ms) => new Promise((done) => setTimeout(done, ms));
const phone = { width: 360, height: 740, deviceScaleFactor: 3, isMobile: true, hasTouch: true };

async function openPage(browser, address, viewport = { width: 800, height: 760 }) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    page.problems = [];
    page.on('pageerror', (error) => page.problems.push(error.message));
    await page.setViewport(viewport);
    await page.goto(address);
    await page.waitForFunction(() => !document.getElementById('Text1').disabled);
    return page;
}

// Every node of the accessibility tree, with its role, name and value.
function flatten(node, into = []) {
    into.push(node);
    for (const child of node.children || [])
        flatten(child, into);
    return into;
}

const roles = { button: ['button'], text: ['textbox'], slider: ['slider'] };

async function accessibleNamesAsOnDesktop(browser, address) {
    const page = await openPage(browser, address);
    const nodes = flatten(await page.accessibility.snapshot({ interestingOnly: false }));
    const missing = [];
    for (const control of names.filter((c) => c.shown)) {
        if (!nodes.some((node) => roles[control.kind].includes(node.role) && node.name === control.spoken))
            missing.push(`${control.name} (${control.kind} "${control.spoken}")`);
    }
    if (missing.length)
        throw new Error(`not found in the accessibility tree: ${missing.join(', ')}`);
    const grade = nodes.find((node) => node.name === 'Erreichte Note' && node.role === 'textbox');
    if (grade?.value !== '2,6' || !grade.readonly)
        throw new Error(`the grade reads ${JSON.stringify(grade)}`);
    await page.browserContext().close();
}

async function axe(page, where) {
    await page.evaluate(axeSource);
    const result = await page.evaluate(() => window.axe.run(document, {
        runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa'] },
    }));
    const found = result.violations.map((v) => `${v.id} (${v.nodes.map((n) => n.target.join(' ')).slice(0, 4).join(', ')})`);
    if (found.length)
        throw new Error(`${where}: ${found.join('; ')}`);
}

async function noAxeViolations(browser, address, viewport, where) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.setBypassCSP(true); // to bring axe in
    await page.setViewport(viewport);
    await page.goto(address);
    await axe(page, `${where}, grade mode`);
    await page.click('[id="Command7"]');
    await axe(page, `${where}, MSS mode`);
    await context.close();
}

// Sideways scrolling, targets under 24 × 24, fields without a number
// keypad or with text under 16 pixels, on the page as it is shown.
function layoutProblems() {
    const problems = [];
    if (document.documentElement.scrollWidth > innerWidth)
        problems.push(`the page is ${document.documentElement.scrollWidth} wide in ${innerWidth}`);
    for (const target of document.querySelectorAll('#FormSkalix button, #FormSkalix input:not([readonly])')) {
        const box = target.getBoundingClientRect();
        if (!box.width)
            continue; // hidden
        if (box.width < 24 || box.height < 24)
            problems.push(`${target.id} is ${Math.round(box.width)} × ${Math.round(box.height)}`);
        if (target.type === 'text' && parseFloat(getComputedStyle(target).fontSize) < 16)
            problems.push(`${target.id} has ${getComputedStyle(target).fontSize} text`);
        if (/^Text[1245]/.test(target.id) && target.inputMode !== 'decimal')
            problems.push(`${target.id} brings no number keypad`);
    }
    return problems;
}

async function fitsThePhone(browser, address) {
    const page = await openPage(browser, address, phone);
    for (const viewport of [phone, { ...phone, width: 320 }, { ...phone, width: 740, height: 360 },
                            { width: 640, height: 340 }]) { // zoomed to 200 %
        await page.setViewport(viewport); // turning the phone lays the page out anew
        const problems = await page.evaluate(layoutProblems);
        if (problems.length)
            throw new Error(`${viewport.width} × ${viewport.height}: ${problems.join(', ')}`);
    }
    // Every caption and value whole, on a screen tall enough to show all.
    await page.setViewport({ ...phone, height: 2400 });
    const cut = await page.evaluate(textCut);
    if (cut.length)
        throw new Error(cut.join('; '));
    // A tap into the reached points and typing.
    await page.setViewport(phone);
    await page.tap('[id="Text2"]');
    await page.evaluate(() => document.getElementById('Text2').select());
    await page.keyboard.type('60');
    await page.waitForFunction(() => document.getElementById('Text3').value === '3,6');
    await page.browserContext().close();
}

// Pasting as from a spreadsheet: a cell with its line break gives its
// number, Undo brings back what the field held, two cells are no number,
// and the breaks at either end are the desktop's.
async function pastesCells(browser, address) {
    const page = await openPage(browser, address);
    await page.browserContext().overridePermissions(new URL(address).origin,
                                                    ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
    await page.bringToFront();
    const paste = async (text) => {
        await page.evaluate((cells) => navigator.clipboard.writeText(cells), text);
        await page.focus('[id="Text2"]');
        await page.evaluate(() => document.getElementById('Text2').select());
        await page.keyboard.down('Control');
        await page.keyboard.press('KeyV');
        await page.keyboard.up('Control');
    };
    const shows = async (points, grade) => {
        await page.waitForFunction((p, g) => document.getElementById('Text2').value === p
                                   && document.getElementById('Text3').value === g,
                                   { timeout: 5000 }, points, grade)
            .catch(() => { throw new Error(`not ${points} and ${grade}`); });
    };
    await paste('45\r\n');
    await shows('45', '4,6');
    await page.keyboard.down('Control');
    await page.keyboard.press('KeyZ');
    await page.keyboard.up('Control');
    await shows('75', '2,6');
    await paste('45\r\n50\r\n');
    await shows('45 50', '2,6');
    // "5" with a line separator after it, pasted between the 1 and the 2 of
    // 12, as the desktop takes it: 152, beyond every limit, so no grade.
    await page.evaluate(() => {
        const field = document.getElementById('Text2');
        field.value = '12';
        field.setSelectionRange(1, 1);
    });
    await page.evaluate((cells) => navigator.clipboard.writeText(cells), '5\u2028');
    await page.keyboard.down('Control');
    await page.keyboard.press('KeyV');
    await page.keyboard.up('Control');
    await shows('152', '');
    await page.browserContext().close();
}

async function waitForServiceWorker(page) {
    await page.evaluate(async () => {
        await navigator.serviceWorker.ready;
        for (let i = 0; i < 200 && !navigator.serviceWorker.controller; ++i)
            await new Promise((done) => setTimeout(done, 50));
    });
}

async function worksOffline(browser) {
    let server = await serve(site);
    const port = server.address().port;
    const page = await openPage(browser, `http://127.0.0.1:${port}/`);
    await waitForServiceWorker(page);
    await new Promise((done) => server.close(done));
    server.closeAllConnections?.();
    await page.reload();
    await page.waitForFunction(() => !document.getElementById('Text1').disabled);
    await page.evaluate(() => document.getElementById('Text2').select());
    await page.focus('[id="Text2"]');
    await page.keyboard.type('60');
    await page.waitForFunction(() => document.getElementById('Text3').value === '3,6', { timeout: 10000 });
    if (page.problems.length)
        throw new Error(page.problems.join('; '));
    await page.browserContext().close();
}

// Windows' high-contrast themes (forced colours): every field and button
// keeps a frame in the theme's colours, and no text is cut.
async function forcedColours(browser, address) {
    const page = await openPage(browser, address);
    const devtools = await page.createCDPSession();
    await devtools.send('Emulation.setEmulatedMedia', { features: [{ name: 'forced-colors', value: 'active' }] });
    if (!await page.evaluate(() => matchMedia('(forced-colors: active)').matches))
        throw new Error('forced colours could not be emulated');
    const problems = await page.evaluate(() => [...document.querySelectorAll('#FormSkalix input[type="text"], #FormSkalix button')]
        .filter((control) => control.offsetWidth && !control.classList.contains('frameless'))
        .filter((control) => {
            const style = getComputedStyle(control);
            return parseFloat(style.borderTopWidth) < 1 || style.borderTopColor === style.backgroundColor;
        })
        .map((control) => control.id));
    const cut = await page.evaluate(textCut);
    if (problems.length || cut.length)
        throw new Error(`no frame: ${problems.join(', ')}; ${cut.join('; ')}`);
    await page.browserContext().close();
}

// A version of the site built from the same files with the script changed:
// as a new release would be, every name and checksum follows.
function newVersionOf(folder) {
    const copy = mkdtempSync(join(tmpdir(), 'skalix-update-'));
    cpSync(folder, copy, { recursive: true });
    const script = readdirSync(copy).find((name) => /^skalix\.[0-9a-f]{8}\.js$/.test(name));
    const renamed = script.replace(/\.[0-9a-f]{8}\.js$/, '.0000beef.js');
    writeFileSync(join(copy, renamed), `${readFileSync(join(copy, script), 'utf8')}// the next version\n`);
    rmSync(join(copy, script));
    for (const file of ['index.html', 'service-worker.js']) {
        const text = readFileSync(join(copy, file), 'utf8').replaceAll(script, renamed)
            .replace(/const CACHE = 'skalix-[0-9a-f]+'/, "const CACHE = 'skalix-0000beef00000000'");
        writeFileSync(join(copy, file), text);
    }
    return { folder: copy, script: renamed };
}

// The versions of the page and of every file it loaded.
async function versionsSeen(page) {
    return page.evaluate(() => ({
        script: document.querySelector('script[src]').getAttribute('src'),
        loaded: performance.getEntriesByType('resource').map((entry) => new URL(entry.name).pathname.slice(1)),
    }));
}

// The time from asking for the page until it runs the new version's
// script, and the visits that took: at most one, with a service worker
// (HTTPS, here 127.0.0.1) and without (plain HTTP: the browser shows the
// page from its cache without asking, as it may for days where the server
// sends a date and no caching rule).
async function updatesOnTheFirstVisit(browser, withWorker) {
    const served = mkdtempSync(join(tmpdir(), 'skalix-served-'));
    cpSync(site, served, { recursive: true });
    // A browser may keep a page that has not changed for long for days
    // without asking (a tenth of its age); a test's visit does not, so the
    // server says so here.
    const server = await serve(served, 0, { keepSeconds: 3 * 24 * 3600 });
    const address = `http://127.0.0.1:${server.address().port}/`;
    const context = await browser.createBrowserContext();
    const visit = async () => {
        const page = await context.newPage();
        // Plain HTTP, where a page has no service worker.
        if (!withWorker)
            await page.evaluateOnNewDocument(() => delete Navigator.prototype.serviceWorker);
        await page.goto(address);
        if (withWorker)
            await waitForServiceWorker(page);
        return page;
    };
    try {
        await (await visit()).close();
        // The new version is put on the server, as a teacher's school would.
        const next = newVersionOf(site);
        rmSync(served, { recursive: true });
        cpSync(next.folder, served, { recursive: true });
        rmSync(next.folder, { recursive: true });

        const started = Date.now();
        const first = await visit();
        await first.waitForFunction((script) => document.querySelector('script[src]')?.getAttribute('src') === script
                                    && !document.getElementById('Text1').disabled, { timeout: 20000 }, next.script)
            .catch(async () => { throw new Error(`the first visit runs ${(await versionsSeen(first)).script}, not ${next.script}`); });
        const seen = await versionsSeen(first);
        const stale = seen.loaded.filter((file) => /\.[0-9a-f]{8}\.js$/.test(file) && file !== next.script);
        if (stale.length)
            throw new Error(`the new page loaded old files: ${stale.join(', ')}`);
        // Without a worker the browser showed the old page from its cache,
        // which found the new one and loaded it.
        const how = await first.evaluate(() => performance.getEntriesByType('navigation')[0].type);
        if (!withWorker && how !== 'reload')
            throw new Error(`the page came by ${how}: the old one was not shown from the cache`);
        console.log(`  ${withWorker ? 'with' : 'without'} a service worker: the new version runs `
                    + `${Date.now() - started} ms after the first visit began (${how})`);
        await first.close();
    } finally {
        await context.close();
        server.close();
        rmSync(served, { recursive: true, force: true });
    }
}

async function smallEnough(browser) {
    const server = await serve(site);
    const page = await openPage(browser, `http://127.0.0.1:${server.address().port}/`);
    await waitForServiceWorker(page);
    // Until the worker keeps the pictures the visit showed.
    await page.waitForFunction(async () => {
        for (const name of await caches.keys()) {
            const kept = await (await caches.open(name)).keys();
            if (kept.some((request) => /picture1/.test(request.url)))
                return true;
        }
        return false;
    }, { timeout: 10000 });
    await page.browserContext().close();
    server.close();
    let total = 0;
    const files = [];
    for (const [path, count] of server.requests) {
        const name = path === '/' ? 'index.html' : path.slice(1);
        const bytes = gzipSync(readFileSync(join(site, name)), { level: 9 }).length;
        total += bytes;
        files.push(`${name} ${bytes}${count > 1 ? ` (asked ${count} times)` : ''}`);
    }
    console.log(`  a first visit fetches ${files.length} files, ${total} bytes with gzip -9: ${files.join(', ')}`);
    if (total > 60 * 1024)
        throw new Error(`${total} bytes with gzip -9, more than 60 KB`);
    const twice = [...server.sent].filter(([, count]) => count > 1).map(([path]) => path);
    if (twice.length)
        throw new Error(`downloaded twice: ${twice.join(', ')}`);
}

// Every control that takes input, and whether it is out of use (disabled).
const outOfUse = () => [...document.querySelectorAll('#FormSkalix input, #FormSkalix button')]
    .filter((control) => !control.disabled).map((control) => control.id);

// Where the program cannot run, nothing takes input, the start's grade
// stays beside the start's points, and one sentence says why.
async function outOfUseWhere(browser, how) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    if (how === 'no script') {
        await page.setJavaScriptEnabled(false);
    } else {
        await page.setRequestInterception(true);
        page.on('request', (request) => (request.url().endsWith('.wasm') ? request.abort() : request.continue()));
    }
    await page.goto(address);
    const sentence = how === 'no script' ? 'noscript p' : '#status';
    await page.waitForFunction((selector) => document.querySelector(selector)?.getClientRects().length, {}, sentence);
    const said = await page.$eval(sentence, (element) => element.textContent);
    if (!/Skalix/.test(said))
        throw new Error(`the page says ${JSON.stringify(said)}`);
    const inUse = await page.evaluate(outOfUse);
    if (inUse.length)
        throw new Error(`in use: ${inUse.join(', ')}`);
    if (await page.$eval('[id="Text3"]', (field) => field.value) !== '2,6')
        throw new Error('the start\'s grade is gone');
    await context.close();
}

// While the module loads, nothing is taken: a preset clicked and points
// typed then change nothing once it is there, and the focus goes where the
// start puts it.
async function nothingTakenWhileLoading(browser) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.setRequestInterception(true);
    const held = [];
    page.on('request', (request) => (request.url().endsWith('.wasm') ? held.push(request) : request.continue()));
    await page.goto(address, { waitUntil: 'domcontentloaded' });
    await page.waitForFunction(() => document.readyState !== 'loading');
    if ((await page.evaluate(outOfUse)).length)
        throw new Error('controls in use before the program runs');
    await page.click('[id="Command7"]');
    await page.click('[id="Text2"]');
    await page.keyboard.type('60');
    while (!held.length)
        await pause(50);
    held.forEach((request) => request.continue());
    await page.waitForFunction(() => !document.getElementById('Text1').disabled);
    const state = await page.evaluate(() => [document.getElementById('Text5(0)').hidden,
                                             document.getElementById('Text2').value,
                                             document.getElementById('Text3').value].join(' '));
    if (state !== 'true 75 2,6')
        throw new Error(`after the load: MSS hidden, points and grade ${state}`);
    await context.close();
}

// Printed: one A4 page, every shown value and caption dark on white (4.5:1
// at least), no button or slider, no caret.
async function onPaper(browser) {
    const page = await openPage(browser, address);
    const pdf = Buffer.from(await page.pdf({ format: 'A4' })).toString('latin1');
    const pages = pdf.match(/\/Type \/Page\b(?!s)/g)?.length;
    if (pages !== 1)
        throw new Error(`${pages} pages`);
    await page.emulateMediaType('print');
    const problems = await page.evaluate(onPaperProblems);
    if (problems.length)
        throw new Error(problems.join('; '));
    await page.browserContext().close();
}

// On the grid of a phone, the controls that take the focus stand in the
// page in the grid's reading order, row by row, each row from the left;
// turned to the window's layout, in the window's tab order again.
async function focusInReadingOrder(browser) {
    const page = await openPage(browser, address, phone);
    const order = () => page.evaluate(() => [...document.querySelectorAll('#FormSkalix .c')]
        .filter((control) => control.tabIndex >= 0 && control.getClientRects().length)
        .map((control) => {
            const style = getComputedStyle(control);
            return [control.id, parseInt(style.gridRowStart, 10), parseInt(style.gridColumnStart, 10)];
        }));
    const cells = await order();
    for (let i = 1; i < cells.length; ++i) {
        const [[before, row0, column0], [after, row1, column1]] = [cells[i - 1], cells[i]];
        if (row1 < row0 || (row1 === row0 && column1 < column0))
            throw new Error(`${after} (${row1}/${column1}) comes after ${before} (${row0}/${column0})`);
    }
    await page.setViewport({ width: 800, height: 760 });
    const wide = await page.evaluate(() => [...document.querySelectorAll('#FormSkalix [tabindex], #FormSkalix input, #FormSkalix button')]
        .filter((control) => control.tabIndex >= 0 && control.getClientRects().length).map((control) => control.id).slice(0, 3));
    if (wide.join() !== 'Text4(0),Text4(1),Text4(2)')
        throw new Error(`the window's layout begins with ${wide.join(', ')}`);
    await page.browserContext().close();
}

let server;
let address;
let browser;

before(async () => {
    server = await serve(site);
    address = `http://127.0.0.1:${server.address().port}/`;
    browser = await launchChromium();
});

after(async () => {
    await browser?.close();
    server?.close();
});

test('every field, slider and button is named as on the desktop', () => accessibleNamesAsOnDesktop(browser, address));
test('axe-core finds no WCAG 2.2 A or AA violation on a wide screen', () => noAxeViolations(browser, address, { width: 800, height: 760 }, 'wide'));
test('axe-core finds no WCAG 2.2 A or AA violation on a phone', () => noAxeViolations(browser, address, phone, 'phone'));
test('on a phone: no scrolling sideways, targets, keypad, text whole and large enough, a tap and typing', () => fitsThePhone(browser, address));
test('in forced colours (high contrast) fields and buttons keep their frames', () => forcedColours(browser, address));
test('a pasted cell gives its number, Undo takes it back, two cells are no number', () => pastesCells(browser, address));
test('a reload with the server gone opens the page, which computes', () => worksOffline(browser));
test('the first visit after an update runs the new version, whole, with a service worker', () => updatesOnTheFirstVisit(browser, true));
test('the first visit after an update runs the new version, whole, on plain HTTP', () => updatesOnTheFirstVisit(browser, false));
test('with no script the controls are out of use, and the page says why', () => outOfUseWhere(browser, 'no script'));
test('with the module refused the controls are out of use, and the page says why', () => outOfUseWhere(browser, 'refused'));
test('nothing done while the module loads is taken later', () => nothingTakenWhileLoading(browser));
test('printed: one A4 page, values dark on white, no buttons or sliders', () => onPaper(browser));
test('on a phone the focus goes in the grid\'s reading order', () => focusInReadingOrder(browser));
test('a first visit fetches at most 60 KB (gzip -9), each file once', () => smallEnough(browser));
test('Lighthouse finds the page fully accessible and of best practice', async () => {
    const report = await lighthouse(address);
    for (const category of ['accessibility', 'best-practices']) {
        const failing = report.categories[category].auditRefs
            .filter((ref) => ref.weight > 0 && report.audits[ref.id].score !== 1).map((ref) => ref.id);
        if (failing.length)
            throw new Error(`${category}: ${failing.join(', ')}`);
    }
});
