// SPDX-License-Identifier: GPL-3.0-or-later
// The real site in headless Chromium, used as a teacher would: served on
// 127.0.0.1, the window shows 2,6; typing 60 into the reached points gives
// 3,6; every preset and "Berechnen" give their grade; the help box opens
// and closes; a slider moves by the keyboard; no page error on the way.
// Then, with the server stopped, a reload still opens the program (the
// service worker), and on a phone-sized touch screen the window is seen
// whole, a tap puts the focus into a field, and what is typed arrives.
// Use: node site-test.mjs SITE_FOLDER
import { launch } from './browser.mjs';
import { serve } from './serve.mjs';
import { canvasBox, centreOf, expectText, textOfWindow } from './screen.mjs';

const site = process.argv[2];
let server = await serve(site);
const address = `http://127.0.0.1:${server.address().port}/`;
const browser = await launch();
const problems = [];
let step = '';

function watch(page) {
    page.on('pageerror', (error) => problems.push(`page error in '${step}': ${error.message}`));
    page.on('console', (message) => {
        if (message.type() === 'error')
            problems.push(`console error in '${step}': ${message.text()}`);
    });
}

async function check(name, action) {
    step = name;
    const started = Date.now();
    await action();
    console.log(`PASS: ${name} (${Date.now() - started} ms)`);
}

const pause = (ms) => new Promise((done) => setTimeout(done, ms));

async function click(page, name) {
    const at = await centreOf(page, name);
    await page.mouse.click(at.x, at.y);
    await pause(300);
}

let failed = false;
try {
    const page = await browser.newPage();
    watch(page);
    await page.setViewport({ width: 800, height: 760 });

    await check('the window opens and shows 2,6', async () => {
        await page.goto(address);
        await page.waitForSelector('#screen:not([hidden])');
        await expectText(page, 'Text3', '2,6', 60000);
        const box = await canvasBox(page);
        if (Math.round(box.width) !== 444 || Math.round(box.height) !== 666)
            throw new Error(`the window is ${box.width} × ${box.height}, not 444 × 666`);
    });

    await check('typing 60 into the reached points gives 3,6', async () => {
        await click(page, 'Text2');
        await page.keyboard.down('Control');
        await page.keyboard.press('a');
        await page.keyboard.up('Control');
        await page.keyboard.type('60', { delay: 50 });
        await expectText(page, 'Text3', '3,6');
    });

    for (const [button, grade, name] of [['Command3', '3,0', 'linear key'],
                                          ['Command9', '', 'IHK key (no grade yet)'],
                                          ['Command8', '4,0', 'Berechnen under the IHK key'],
                                          ['Command7', '7', 'MSS points key'],
                                          ['Command2', '3,6', 'standard key']]) {
        await check(`${name}: ${grade || 'empty'}`, async () => {
            await click(page, button);
            await expectText(page, 'Text3', grade);
        });
    }

    await check('the help box opens and closes', async () => {
        await click(page, 'Command5');
        await pause(1000);
        // The box stands in the middle of the window.
        const shown = await textOfWindow(page, 440, 120);
        if (!shown.includes('Wendrisch'))
            throw new Error(`no help text in the window: ${shown}`);
        await page.keyboard.press('Enter');
        await pause(500);
        if ((await textOfWindow(page, 440, 120)).includes('Wendrisch'))
            throw new Error('the help box is still open');
        await expectText(page, 'Text3', '3,6'); // the window goes on
    });

    await check('a slider moves by the keyboard', async () => {
        await click(page, 'Text2');
        for (let tab = 0; tab < 5; ++tab) // Text2 → Command3, 2, 4 → HScroll1 → HScroll2
            await page.keyboard.press('Tab');
        await page.keyboard.press('ArrowRight');
        await expectText(page, 'Text2', '76');
        await expectText(page, 'Text3', '2,6');
    });

    await check('a reload with the server stopped still opens the program', async () => {
        await page.evaluate(async () => {
            await navigator.serviceWorker.ready;
            // Until the worker has kept every file, the page may not be its own.
            for (let i = 0; i < 100 && !navigator.serviceWorker.controller; ++i)
                await new Promise((done) => setTimeout(done, 100));
        });
        await new Promise((done) => server.close(done));
        server.closeAllConnections?.();
        await page.reload();
        await page.waitForSelector('#screen:not([hidden])');
        await expectText(page, 'Text3', '2,6', 60000);
        server = await serve(site, Number(new URL(address).port));
    });

    await check('on a phone: the whole window, a tap and typing', async () => {
        const phone = await browser.newPage();
        watch(phone);
        await phone.emulate({
            userAgent: 'Mozilla/5.0 (Linux; Android 14; Pixel 8) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/130.0 Mobile Safari/537.36',
            viewport: { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true },
        });
        await phone.goto(address);
        await phone.waitForSelector('#screen:not([hidden])');
        await expectText(phone, 'Text3', '2,6', 60000);
        const box = await canvasBox(phone);
        if (box.left < 0 || box.left + box.width > 390 + 0.5 || box.height > 844)
            throw new Error(`the window does not fit the phone: ${JSON.stringify(box)}`);
        const at = await centreOf(phone, 'Text2');
        await phone.touchscreen.tap(at.x, at.y);
        await pause(500);
        const focused = await phone.evaluate(() => document.activeElement?.tagName);
        if (focused !== 'INPUT')
            throw new Error(`no input element has the focus for the on-screen keyboard (${focused})`);
        await phone.keyboard.press('End');
        await phone.keyboard.press('Backspace');
        await phone.keyboard.press('Backspace');
        await phone.keyboard.type('60', { delay: 80 });
        await expectText(phone, 'Text3', '3,6');
        await phone.close();
    });
} catch (error) {
    failed = true;
    console.log(`FAIL: ${step}: ${error.message}`);
} finally {
    await browser.close();
    server.close();
}
for (const problem of problems)
    console.log(`FAIL: ${problem}`);
process.exit(failed || problems.length ? 1 : 0);
