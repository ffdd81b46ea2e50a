// SPDX-License-Identifier: GPL-3.0-or-later
// The site as a teacher uses it, in each browser engine named: served on
// 127.0.0.1, the page opens with 2,6 and every caption and value whole, in
// grade and in MSS mode; typing 47 as the maximum and 30 as
// the reached points gives 3,4; every preset and clearing gives its grade,
// and "Berechnen" and the presets put the focus into the key; the help box
// opens, closes with OK and with Esc, and gives the focus back; a slider
// moves by the keyboard; and no page error on the way.
// Use: node site-test.mjs SITE_FOLDER chromium|firefox|webkit ...
import { launch } from './browser.mjs';
import { textCut } from './page-checks.mjs';
import { serve } from './serve.mjs';

const [site, ...engines] = process.argv.slice(2);
const pause = (ms) => new Promise((done) => setTimeout(done, ms));

// Waits up to ten seconds for a value.
async function expect(what, read, wanted) {
    let seen;
    for (let tries = 0; tries < 100; ++tries) {
        seen = await read();
        if (seen === wanted)
            return;
        await pause(100);
    }
    throw new Error(`${what}: ${JSON.stringify(seen)}, not ${JSON.stringify(wanted)}`);
}

// The presets and clearings after 30 of 47 points, in this order, with the
// grade each leaves and where each leaves the focus (as on the desktop).
const commands = [
    ['Command3', 'linear key', '2,8', 'Text4(0)'],
    ['Command9', 'IHK key', '', 'Text4(0)'],
    ['Command8', '"Berechnen" under the IHK key', '4,0', 'Text4(0)'],
    ['Command7', 'MSS points key', '8', 'Text5(0)'],
    ['Command8', '"Berechnen" in MSS mode', '8', 'Text5(0)'],
    ['Command2', 'standard key', '3,4', 'Text4(0)'],
    ['Command4', 'clearing the intermediate grades', '3,0', 'Text4(0)'],
    ['Command6', 'clearing all grades', '', 'Text4(0)'],
    ['Command2', 'standard key again', '3,4', 'Text4(0)'],
];

async function scenario(driver, address) {
    const result = () => driver.value('Text3');
    const focused = () => driver.evaluate(() => document.activeElement?.id ?? '');
    const wholeTexts = async () => {
        await driver.evaluate(() => document.fonts.ready.then(() => true));
        const cut = await driver.evaluate(textCut);
        if (cut.length)
            throw new Error(cut.join('; '));
    };
    const steps = [
        ['the page opens with 2,6', async () => {
            await driver.goto(address);
            await expect('Text3', result, '2,6');
        }],
        ['no caption or value is cut', wholeTexts],
        ['47 and 30 points give 3,4', async () => {
            await driver.typeInto('Text1', '47');
            await driver.typeInto('Text2', '30');
            await expect('Text3', result, '3,4');
        }],
        ...commands.map(([button, what, grade, focus]) => [`${what}: ${grade || 'no grade'}, focus in ${focus}`, async () => {
            await driver.click(button);
            await expect('Text3', result, grade);
            await expect('the focus', focused, focus);
        }]),
        ['in MSS mode no caption or value is cut', async () => {
            await driver.click('Command7');
            await wholeTexts();
            await driver.click('Command2');
            await expect('Text3', result, '3,4');
        }],
        ['the help box opens, OK closes it, the focus comes back', async () => {
            await driver.click('Command5');
            await expect('the box', () => driver.evaluate(() => document.getElementById('messageBox').open), true);
            const text = await driver.evaluate(() => document.getElementById('messageText').textContent);
            if (!text.includes("'life'") || !text.endsWith('Wendrisch'))
                throw new Error(`the help text is ${JSON.stringify(text)}`);
            await expect('the focus', focused, 'messageOk');
            await driver.press('Enter');
            await expect('the box', () => driver.evaluate(() => document.getElementById('messageBox').open), false);
            await expect('the focus', focused, 'Command5');
        }],
        ['Esc closes the help box too', async () => {
            await driver.click('Command5');
            await expect('the box', () => driver.evaluate(() => document.getElementById('messageBox').open), true);
            await driver.press('Escape');
            await expect('the box', () => driver.evaluate(() => document.getElementById('messageBox').open), false);
            await expect('Text3', result, '3,4');
        }],
        ['a slider moves by the keyboard: 99 maximum points, 5,2', async () => {
            await driver.evaluate(() => document.getElementById('HScroll1').focus());
            await driver.press('ArrowLeft');
            await expect('Text1', () => driver.value('Text1'), '99');
            await expect('Text3', result, '5,2');
        }],
    ];
    for (const [name, step] of steps) {
        const started = Date.now();
        await step();
        console.log(`PASS: ${name} (${Date.now() - started} ms)`);
    }
    const problems = await driver.pageProblems();
    if (problems.length)
        throw new Error(problems.join('\n'));
}

const server = await serve(site);
const address = `http://127.0.0.1:${server.address().port}/`;
let failed = false;
for (const engine of engines) {
    console.log(`== ${engine}`);
    let driver;
    try {
        driver = await launch(engine);
        await scenario(driver, address);
    } catch (error) {
        failed = true;
        console.log(`FAIL (${engine}): ${error.message}`);
    } finally {
        await driver?.close().catch(() => {});
    }
}
server.close();
process.exit(failed ? 1 : 0);
