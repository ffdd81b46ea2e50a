// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the copy of Skalix a teacher keeps: the site's page as one HTML
// file that holds everything it needs (its style sheet, script, module,
// fonts, pictures and icon), so that it opens by a double-click from a
// folder or a USB stick, with no server and no network, in every browser,
// and computes there. Its Content-Security-Policy allows exactly its own
// script and style sheet (by their SHA-256) and the pictures and fonts it
// carries; no service worker and no manifest, which a file cannot have.
// Run when the site is built.
// Use: node web/singlefile.mjs SITE_FOLDER OUTPUT.html
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';
import { extname, join } from 'node:path';

const [site, output] = process.argv.slice(2);
const read = (name) => readFileSync(join(site, name));
const types = { '.woff2': 'font/woff2', '.jpg': 'image/jpeg', '.gif': 'image/gif', '.svg': 'image/svg+xml' };
const dataAddress = (name) => `data:${types[extname(name)]};base64,${read(name).toString('base64')}`;
const sha256 = (text) => `'sha256-${createHash('sha256').update(text).digest('base64')}'`;

// Replaces exactly one match of the pattern, or stops the build.
function once(text, pattern, by) {
    const found = text.match(new RegExp(pattern.source, 'g')) || [];
    if (found.length !== 1)
        throw new Error(`${pattern}: found ${found.length} times in the page`);
    return text.replace(pattern, by);
}

let page = read('index.html').toString();
const style = read(page.match(/<link rel="stylesheet" href="([^"]+)">/)[1]).toString()
    .replace(/url\("([^"]+\.woff2)"\)/g, (_, name) => `url("${dataAddress(name)}")`);
const script = read(page.match(/<script src="([^"]+)" defer><\/script>/)[1]).toString();
const module = read(page.match(/<link rel="preload" href="([^"]+\.wasm)"[^>]*>/)[1]).toString('base64');

page = once(page, /<link rel="stylesheet" href="[^"]+">/, () => `<style>${style}</style>`);
page = once(page, /<script src="[^"]+" defer><\/script>\n/, '');
page = once(page, /<link rel="preload" href="[^"]+\.wasm"[^>]*>\n/, '');
page = once(page, /<link rel="manifest"[^>]*>\n/, '');
page = once(page, /<link rel="apple-touch-icon"[^>]*>\n/, '');
page = once(page, /<link rel="icon" href="([^"]+)"/, (_, name) => `<link rel="icon" href="${dataAddress(name)}"`);
page = page.replace(/(src|srcset)="([^" ]+)/g, (_, attribute, name) => `${attribute}="${dataAddress(name)}`);
// The script last, where the page is all there.
page = once(page, /<\/body>/, () => `<script type="application/wasm" id="moduleData">${module}</script>\n`
                                      + `<script>${script}</script>\n</body>`);
page = once(page, /<meta http-equiv="Content-Security-Policy" content="[^"]*">/, () =>
    `<meta http-equiv="Content-Security-Policy" content="default-src 'none'; script-src ${sha256(script)} `
    + `'wasm-unsafe-eval'; style-src ${sha256(style)}; img-src data:; font-src data:; object-src 'none'; `
    + "base-uri 'none'; form-action 'none'\">");
writeFileSync(output, page);
