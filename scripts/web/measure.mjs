// SPDX-License-Identifier: GPL-3.0-or-later
// Skalix's site beside the floor page (a Qt for WebAssembly window with one
// label and one line edit, built the same way), measured side by side in
// one run: the bytes a browser transfers (every file compressed with
// gzip -9 and with brotli -q 11), and the time from navigation to the first
// frame the program has drawn (its first WebGL draw, and the frame it lands
// in), in headless Chromium, each start in a fresh profile, alternating.
// A benchmark: it reports and never fails on a time.
// Use: node measure.mjs SKALIX_SITE FLOOR_SITE [STARTS]
import { launch } from './browser.mjs';
import { serve } from './serve.mjs';
import { siteBytes } from './sizes.mjs';

const [skalixSite, floorSite, startsText] = process.argv.slice(2);
const starts = Number(startsText) || 7;

// Marks the first WebGL draw and the animation frame after it.
function watchFirstFrame() {
    window.firstFrame = new Promise((done) => {
        for (const kind of [WebGLRenderingContext, WebGL2RenderingContext]) {
            for (const name of ['drawArrays', 'drawElements']) {
                const draw = kind.prototype[name];
                kind.prototype[name] = function (...args) {
                    if (!window.firstDraw) {
                        window.firstDraw = performance.now();
                        requestAnimationFrame(() => requestAnimationFrame(() => done(performance.now())));
                    }
                    return draw.apply(this, args);
                };
            }
        }
    });
}

async function firstFrame(browser, address) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.setViewport({ width: 800, height: 760 });
    await page.evaluateOnNewDocument(watchFirstFrame);
    await page.goto(address);
    const time = await page.evaluate(() => window.firstFrame);
    await context.close();
    return time;
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const megabytes = (bytes) => (bytes / 1e6).toFixed(2);

const sites = { Skalix: skalixSite, floor: floorSite };
const servers = {};
for (const [name, folder] of Object.entries(sites))
    servers[name] = await serve(folder);
const browser = await launch();
const times = { Skalix: [], floor: [] };
try {
    for (let run = 0; run < starts; ++run) {
        for (const name of run % 2 ? ['floor', 'Skalix'] : ['Skalix', 'floor'])
            times[name].push(await firstFrame(browser, `http://127.0.0.1:${servers[name].address().port}/`));
    }
} finally {
    await browser.close();
    Object.values(servers).forEach((server) => server.close());
}

console.log('| | raw | gzip -9 | brotli -q 11 | first frame (median of ' + starts + ') |');
console.log('|---|---|---|---|---|');
for (const [name, folder] of Object.entries(sites)) {
    const bytes = siteBytes(folder);
    console.log(`| ${name} | ${megabytes(bytes.raw)} MB | ${megabytes(bytes.gzip)} MB | ` +
                `${megabytes(bytes.brotli)} MB | ${Math.round(median(times[name]))} ms |`);
}
console.log(`Skalix ÷ floor, first frame: ${(median(times.Skalix) / median(times.floor)).toFixed(2)}` +
            ` (each: ${times.Skalix.map(Math.round).join(', ')} / ${times.floor.map(Math.round).join(', ')} ms)`);
