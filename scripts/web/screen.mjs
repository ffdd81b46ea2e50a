// SPDX-License-Identifier: GPL-3.0-or-later
// What the program shows in its canvas, read as a person would read it:
// a part of the window's screenshot, enlarged, read by tesseract. Places
// are given in the window's own pixels (as laid out: 444 × 666) and found
// in the page however the window is scaled there.
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

export const windowWidth = 444;

// The window's controls by their place in pixels (twips / 15).
export const places = {
    Text1: { x: 200, y: 72, width: 81, height: 33 },
    Text2: { x: 200, y: 128, width: 81, height: 33 },
    Text3: { x: 200, y: 184, width: 81, height: 33 },
    HScroll2: { x: 200, y: 160, width: 81, height: 9 },
    Command1: { x: 8, y: 8, width: 57, height: 41 },
    Command2: { x: 24, y: 360, width: 89, height: 49 },
    Command3: { x: 24, y: 304, width: 89, height: 49 },
    Command5: { x: 400, y: 8, width: 25, height: 25 },
    Command7: { x: 24, y: 528, width: 89, height: 65 },
    Command8: { x: 312, y: 128, width: 113, height: 41 },
    Command9: { x: 24, y: 264, width: 89, height: 33 },
};

// Where the canvas lies in the page and how much it is scaled.
export async function canvasBox(page) {
    const box = await page.$eval('#screen', (canvas) => {
        const rect = canvas.getBoundingClientRect();
        return { left: rect.left, top: rect.top, width: rect.width, height: rect.height };
    });
    return { ...box, scale: box.width / windowWidth };
}

// The centre of a control in page coordinates.
export async function centreOf(page, name) {
    const box = await canvasBox(page);
    const place = places[name];
    return { x: box.left + (place.x + place.width / 2) * box.scale,
             y: box.top + (place.y + place.height / 2) * box.scale };
}

// The text a control shows; only digits and the comma where that is all
// it can hold.
export async function textOf(page, name, { digitsOnly = true, inset = 1 } = {}) {
    const box = await canvasBox(page);
    const place = places[name];
    const clip = { x: box.left + (place.x + inset) * box.scale,
                   y: box.top + (place.y + inset) * box.scale,
                   width: (place.width - 2 * inset) * box.scale,
                   height: (place.height - 2 * inset) * box.scale };
    return readImage(await page.screenshot({ clip }), digitsOnly);
}

// Small text reads best at a height of about 130 pixels a field, whatever
// the window's scale and the device's pixel density.
const readingHeight = 130;

// The text the window shows in a band of its rows, as lines.
export async function textOfWindow(page, top = 0, height = 666) {
    const box = await canvasBox(page);
    const clip = { x: box.left, y: box.top + top * box.scale, width: box.width,
                   height: height * box.scale };
    return readImage(await page.screenshot({ clip }), false, 6, 2 * height);
}

function readImage(png, digitsOnly, mode = 7, height = readingHeight) {
    const folder = mkdtempSync(join(tmpdir(), 'skalix-screen-'));
    try {
        const shot = join(folder, 'shot.png');
        const prepared = join(folder, 'prepared.png');
        writeFileSync(shot, png);
        const size = execFileSync('identify', ['-format', '%h', shot]).toString();
        const enlarge = Math.max(100, Math.round((100 * height) / Number(size)));
        execFileSync('convert', [shot, '-colorspace', 'Gray', '-resize', `${enlarge}%`,
                                 '-threshold', '55%', prepared]);
        const args = [prepared, '-', '--psm', String(mode)];
        if (digitsOnly)
            args.push('-c', 'tessedit_char_whitelist=0123456789,');
        return execFileSync('tesseract', args, { stdio: ['ignore', 'pipe', 'ignore'] })
            .toString().replace(digitsOnly ? /\s/g : /[ \t]+$/gm, '').trim();
    } finally {
        rmSync(folder, { recursive: true, force: true });
    }
}

// Waits up to the timeout for the control to show the text.
export async function expectText(page, name, wanted, timeout = 10000) {
    const end = Date.now() + timeout;
    let shown = '';
    while (Date.now() < end) {
        shown = await textOf(page, name);
        if (shown === wanted)
            return shown;
        await new Promise((done) => setTimeout(done, 200));
    }
    throw new Error(`${name} shows '${shown}', not '${wanted}'`);
}
