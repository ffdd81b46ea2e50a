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
//   - an update on an ordinary server (dates, no caching rule): the second
//     visit after it runs the new version, whole;
//   - Lighthouse (mobile): accessibility and best practices at 100;
//   - the size: every file a first visit fetches, the service worker's
//     copy included, at most 150 KB with gzip -9, and none downloaded
//     twice.
// SKALIX_SITE names the site's folder, SKALIX_NAMES what the page generator
// wrote of the controls' names (names.json).
import { cpSync, mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { after, before, test } from 'node:test';
import { launchChromium, lighthouse } from './browsers.mjs';
import { textCut } from './page-checks.mjs';
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
// number, Undo brings back what the field held, two cells are no number.
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

async function updatesOnTheSecondVisit(browser) {
    const served = mkdtempSync(join(tmpdir(), 'skalix-served-'));
    cpSync(site, served, { recursive: true });
    const server = await serve(served);
    const address = `http://127.0.0.1:${server.address().port}/`;
    const context = await browser.createBrowserContext();
    const visit = async () => {
        const page = await context.newPage();
        await page.goto(address);
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

        // The first visit after it, open for up to 20 seconds, while the
        // browser looks for a new service worker and it fetches the site.
        const first = await visit();
        for (let waited = 0; waited < 20000; waited += 250) {
            const active = await first.evaluate(async () => (await navigator.serviceWorker.ready).active.scriptURL
                && (await caches.keys()).includes('skalix-0000beef00000000'));
            if (active)
                break;
            await pause(250);
        }
        await first.close();

        const second = await visit();
        const seen = await versionsSeen(second);
        if (seen.script !== next.script)
            throw new Error(`the second visit runs ${seen.script}, not ${next.script}`);
        const stale = seen.loaded.filter((file) => /\.[0-9a-f]{8}\.js$/.test(file) && file !== next.script);
        if (stale.length)
            throw new Error(`the new page loaded old files: ${stale.join(', ')}`);
        await second.close();
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
    if (total > 150 * 1024)
        throw new Error(`${total} bytes with gzip -9, more than 150 KB`);
    const twice = [...server.sent].filter(([, count]) => count > 1).map(([path]) => path);
    if (twice.length)
        throw new Error(`downloaded twice: ${twice.join(', ')}`);
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
test('the second visit after an update runs the new version, whole', () => updatesOnTheSecondVisit(browser));
test('a first visit fetches at most 150 KB (gzip -9), each file once', () => smallEnough(browser));
test('Lighthouse finds the page fully accessible and of best practice', async () => {
    const report = await lighthouse(address);
    for (const category of ['accessibility', 'best-practices']) {
        const failing = report.categories[category].auditRefs
            .filter((ref) => ref.weight > 0 && report.audits[ref.id].score !== 1).map((ref) => ref.id);
        if (failing.length)
            throw new Error(`${category}: ${failing.join(', ')}`);
    }
});
