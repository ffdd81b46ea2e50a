// SPDX-License-Identifier: GPL-3.0-or-later
// Skalix's site beside the floor page, measured side by side in one run in
// headless Chromium: the floor page is the same form as plain static HTML
// (the two fields, two sliders, the result, the nine buttons and the 51
// labelled key fields, one style sheet, no script), served the same way.
//   - bytes: the whole site, raw, with gzip -9 and with brotli -q 11;
//   - first contentful paint of each, median of STARTS starts (after one
//     not counted), each in a fresh browser context, alternating; and
//     Skalix's first new grade: 60 typed into the reached points the moment
//     the field takes input, until the grade 3,6 is shown; both without
//     throttling and under Lighthouse's mobile throttling (Slow 4G, CPU
//     four times slower);
//   - Lighthouse 12, mobile: performance, accessibility, best practices.
// A benchmark: it reports and never fails (the web test web_page checks
// Lighthouse's accessibility and best practices).
// Use: node tests/web/measure.mjs SITE_FOLDER [STARTS]
import { mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { brotliCompressSync, constants, gzipSync } from 'node:zlib';
import { PredefinedNetworkConditions } from 'puppeteer-core';
import { launchChromium, lighthouse } from './browsers.mjs';
import { serve } from '../../scripts/web/serve.mjs';

const [site, startsText] = process.argv.slice(2);
const starts = Number(startsText) || 5;

function floorPage() {
    const folder = mkdtempSync(join(tmpdir(), 'skalix-floor-'));
    const field = (id, label, value = '') =>
        `<label for="${id}">${label}</label><input id="${id}" value="${value}" inputmode="decimal">`;
    const key = Array.from({ length: 51 }, (_, i) =>
        field(`k${i}`, `Note ${1 + Math.floor(i / 10)},${i % 10}`)).join('\n');
    const buttons = ['Ende', '?', 'Berechnen', 'IHK', 'Linear', 'Standard', 'Kommanoten', 'Alle', 'MSS']
        .map((caption) => `<button type="button">${caption}</button>`).join('\n');
    writeFileSync(join(folder, 'index.html'), `<!doctype html>
<html lang="de"><head><meta charset="utf-8"><meta name="viewport" content="width=device-width, initial-scale=1">
<title>Floor</title><link rel="stylesheet" href="floor.css"></head><body><main>
${field('max', 'Maximalpunkte', '100')}<input type="range" aria-label="Maximum" value="100">
${field('reached', 'Erreichte Punkte', '75')}<input type="range" aria-label="Erreicht" value="75">
<output aria-label="Erreichte Note">2,6</output>
${buttons}
${key}
</main></body></html>
`);
    writeFileSync(join(folder, 'floor.css'),
        'body{font-family:sans-serif;background:#d4d0c8}main{max-width:444px;margin:8px auto}'
        + 'label{display:inline-block;width:8rem}input{width:3rem}button{margin:2px}\n');
    return folder;
}

function siteBytes(folder) {
    const total = { raw: 0, gzip: 0, brotli: 0 };
    for (const name of readdirSync(folder)) {
        const data = readFileSync(join(folder, name));
        total.raw += data.length;
        total.gzip += gzipSync(data, { level: 9 }).length;
        total.brotli += brotliCompressSync(data, { params: { [constants.BROTLI_PARAM_QUALITY]: 11 } }).length;
    }
    return total;
}

// Types 60 into the reached points the moment the field takes input (the
// page keeps it out of use until its module runs), and marks when the new
// grade is shown. Runs in the page before any of its own scripts.
function typeSixtyAtOnce() {
    const step = () => {
        const points = document.getElementById('Text2');
        if (!points || points.disabled)
            return requestAnimationFrame(step);
        points.value = '60';
        points.dispatchEvent(new InputEvent('input', { bubbles: true, inputType: 'insertText', data: '60' }));
        const shown = () => (document.getElementById('Text3').value === '3,6'
            ? performance.mark('skalix-new-grade') : requestAnimationFrame(shown));
        shown();
    };
    step();
}

// First contentful paint of one start of the page named, and on Skalix's
// page the first new grade; under Lighthouse's mobile throttling where
// asked. The floor page gets nothing typed (nor a script waiting to type).
async function start(browser, name, throttled = false) {
    const typing = name === 'Skalix';
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.setViewport({ width: 800, height: 760 });
    if (throttled) {
        await page.emulateCPUThrottling(4);
        await page.emulateNetworkConditions(PredefinedNetworkConditions['Slow 4G']);
    }
    if (typing)
        await page.evaluateOnNewDocument(typeSixtyAtOnce);
    await page.goto(addressOf(name), { waitUntil: 'load' });
    const times = await page.evaluate(async (typing) => {
        const paint = await new Promise((done) => new PerformanceObserver((list, observer) => {
            const entry = list.getEntriesByName('first-contentful-paint')[0];
            if (entry) {
                observer.disconnect();
                done(entry.startTime);
            }
        }).observe({ type: 'paint', buffered: true }));
        const grade = () => performance.getEntriesByName('skalix-new-grade')[0]?.startTime;
        for (let i = 0; i < 500 && typing && !grade(); ++i)
            await new Promise((done) => setTimeout(done, 20));
        return { paint, grade: grade() };
    }, typing);
    await context.close();
    return times;
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const kilobytes = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;

const floor = floorPage();
const servers = { Skalix: await serve(site), floor: await serve(floor) };
const addressOf = (name) => `http://127.0.0.1:${servers[name].address().port}/`;
const times = { Skalix: [], floor: [] };
const throttledTimes = { Skalix: [], floor: [] };
try {
    const browser = await launchChromium();
    try {
        // One start of each first, not counted: the first start of a page
        // reads the browser's own files from disk.
        for (const name of ['Skalix', 'floor'])
            await start(browser, name);
        for (let run = 0; run < starts; ++run) {
            for (const name of run % 2 ? ['floor', 'Skalix'] : ['Skalix', 'floor']) {
                times[name].push(await start(browser, name));
                throttledTimes[name].push(await start(browser, name, true));
            }
        }
    } finally {
        await browser.close();
    }
    const report = await lighthouse(addressOf('Skalix'));
    const score = (category) => Math.round(report.categories[category].score * 100);

    console.log(`| | raw | gzip -9 | brotli -q 11 | first contentful paint (median of ${starts}) |`);
    console.log('|---|---|---|---|---|');
    for (const [name, folder] of [['Skalix', site], ['floor page', floor]]) {
        const bytes = siteBytes(folder);
        const paint = median(times[name === 'Skalix' ? 'Skalix' : 'floor'].map((t) => t.paint));
        console.log(`| ${name} | ${kilobytes(bytes.raw)} | ${kilobytes(bytes.gzip)} | ${kilobytes(bytes.brotli)} | ${Math.round(paint)} ms |`);
    }
    const paints = (name) => times[name].map((t) => t.paint);
    const ratio = median(paints('Skalix')) / median(paints('floor'));
    console.log(`First contentful paint, Skalix ÷ floor: ${ratio.toFixed(2)} (goal: at most 1.3; each: `
                + `${paints('Skalix').map(Math.round).join(', ')} / ${paints('floor').map(Math.round).join(', ')} ms)`);
    for (const [how, set] of [['without throttling', times], ["under Lighthouse's mobile throttling", throttledTimes]]) {
        const grade = median(set.Skalix.map((t) => t.grade));
        const floorPaint = median(set.floor.map((t) => t.paint));
        console.log(`First new grade ${how}: ${Math.round(grade)} ms, ${(grade / floorPaint).toFixed(2)} × the floor's `
                    + `first paint of ${Math.round(floorPaint)} ms (goal: at most 1.5; each: `
                    + `${set.Skalix.map((t) => Math.round(t.grade)).join(', ')} ms)`);
    }
    console.log(`Lighthouse ${report.lighthouseVersion}, mobile: performance ${score('performance')}, `
                + `accessibility ${score('accessibility')}, best practices ${score('best-practices')}`);
} finally {
    Object.values(servers).forEach((server) => server.close());
    rmSync(floor, { recursive: true, force: true });
}
