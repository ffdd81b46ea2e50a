// SPDX-License-Identifier: GPL-3.0-or-later
// The site as a teacher uses it, in the browser engine SKALIX_ENGINE names
// (chromium, firefox or webkit): served on 127.0.0.1 from SKALIX_SITE, or,
// where SKALIX_FILE names the page in one file, opened from disk. The page
// opens with 2,6 and every caption and value whole, in grade and in MSS
// mode, the caret at the end of the first key field; a reload starts
// afresh, fields, sliders and grade together; typing 47 as the maximum and
// 30 as the reached points gives 3,4; every preset and clearing gives its
// grade, and "Berechnen" and the presets put the focus into the key; the
// help box opens, closes with OK and with Esc, and gives the focus back; a
// slider moves by the keyboard; and no page error on the way.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { pathToFileURL } from 'node:url';
import { eventually, open } from './browsers.mjs';
import { textCut } from './page-checks.mjs';
import { serve } from '../../scripts/web/serve.mjs';

const engine = process.env.SKALIX_ENGINE;
let server;
let page;

before(async () => {
    if (!process.env.SKALIX_FILE)
        server = await serve(process.env.SKALIX_SITE);
    page = await open(engine);
});

after(async () => {
    await page?.close();
    server?.close();
});

const result = () => page.value('Text3');
const focused = () => page.evaluate(() => document.activeElement?.id ?? '');
const boxOpen = () => page.evaluate(() => document.getElementById('messageBox').open);
async function wholeTexts() {
    await page.evaluate(() => document.fonts.ready.then(() => true));
    assert.deepEqual(await page.evaluate(textCut), []);
}

const address = () => (server ? `http://127.0.0.1:${server.address().port}/`
    : pathToFileURL(process.env.SKALIX_FILE).href);
const inUse = () => page.evaluate(() => !document.getElementById('Text1').disabled);
const values = () => page.evaluate(() => ['Text1', 'HScroll1', 'Text2', 'HScroll2', 'Text3', 'Text4(0)']
    .map((id) => document.getElementById(id).value).join(' '));

test('the page opens with 2,6, its controls in use', async () => {
    await page.goto(address());
    await eventually('Text3', result, '2,6');
    await eventually('the controls in use', inUse, true);
});

test('typing at once goes after the first key field\'s text, as on the desktop', async () => {
    await eventually('the focus', focused, 'Text4(0)');
    await page.type('95');
    await eventually('Text4(0)', () => page.value('Text4(0)'), '10095');
});

test('a reload starts afresh: fields, sliders and grade together', async () => {
    await page.evaluate(() => document.getElementById('HScroll1').focus());
    await page.press('ArrowLeft');
    await page.typeInto('Text2', '60');
    await eventually('Text3', result, '1,0'); // 60 of 99 on a key whose top is 10095
    await page.reload();
    await eventually('the controls in use', inUse, true);
    await eventually('the values', values, '100 100 75 75 2,6 100');
});

test('no caption or value is cut', wholeTexts);

test('47 and 30 points give 3,4', async () => {
    await page.typeInto('Text1', '47');
    await page.typeInto('Text2', '30');
    await eventually('Text3', result, '3,4');
});

// The presets and clearings after 30 of 47 points, in this order, with the
// grade each leaves and where each leaves the focus (as on the desktop).
for (const [button, what, grade, focus] of [
    ['Command3', 'linear key', '2,8', 'Text4(0)'],
    ['Command9', 'IHK key', '', 'Text4(0)'],
    ['Command8', '"Berechnen" under the IHK key', '4,0', 'Text4(0)'],
    ['Command7', 'MSS points key', '8', 'Text5(0)'],
    ['Command8', '"Berechnen" in MSS mode', '8', 'Text5(0)'],
    ['Command2', 'standard key', '3,4', 'Text4(0)'],
    ['Command4', 'clearing the intermediate grades', '3,0', 'Text4(0)'],
    ['Command6', 'clearing all grades', '', 'Text4(0)'],
    ['Command2', 'standard key again', '3,4', 'Text4(0)'],
]) {
    test(`${what}: ${grade || 'no grade'}, focus in ${focus}`, async () => {
        await page.click(button);
        await eventually('Text3', result, grade);
        await eventually('the focus', focused, focus);
    });
}

test('in MSS mode no caption or value is cut', async () => {
    await page.click('Command7');
    await wholeTexts();
    await page.click('Command2');
    await eventually('Text3', result, '3,4');
});

test('the help box opens with the focus on it, Enter closes it, the focus comes back', async () => {
    await page.click('Command5');
    await eventually('the box', boxOpen, true);
    const text = await page.evaluate(() => document.getElementById('messageText').textContent);
    assert.ok(text.includes("'life'") && text.endsWith('Wendrisch'), text);
    await eventually('the focus', focused, 'messageBox');
    await page.press('Enter');
    await eventually('the box', boxOpen, false);
    await eventually('the focus', focused, 'Command5');
});

test('Esc closes the help box too', async () => {
    await page.click('Command5');
    await eventually('the box', boxOpen, true);
    await page.press('Escape');
    await eventually('the box', boxOpen, false);
    await eventually('Text3', result, '3,4');
});

test('a slider moves by the keyboard: 99 maximum points, 5,2', async () => {
    await page.evaluate(() => document.getElementById('HScroll1').focus());
    await page.press('ArrowLeft');
    await eventually('Text1', () => page.value('Text1'), '99');
    await eventually('Text3', result, '5,2');
});

test('no page error on the way', async () => {
    assert.deepEqual(await page.pageProblems(), []);
});
