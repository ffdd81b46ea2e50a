// SPDX-License-Identifier: GPL-3.0-or-later
// Runs one test program built for the browser, in headless Chromium: its
// page is served on 127.0.0.1, what it prints (to the console) is shown as
// it comes, or written to a file, and the exit status is the program's:
// the number of failures of a suite. CTest runs the web tests through this
// (scripts/web/run-test.sh).
// Use: node run-test.mjs SITE_FOLDER [OUTPUT_FILE]
import { writeFileSync } from 'node:fs';
import { launchChromium } from './browser.mjs';
import { serve } from './serve.mjs';

const [site, outputFile] = process.argv.slice(2);
const server = await serve(site);
const browser = await launchChromium();
const lines = [];
let status = 1;
try {
    const page = await browser.newPage();
    const finished = new Promise((done) => {
        page.on('console', (message) => {
            const text = message.text();
            if (outputFile)
                lines.push(text);
            else
                console.log(text);
            // The page says how the program ended (run-test.sh).
            const exit = /^Exit status: (\d+)$/.exec(text);
            if (exit) {
                status = Number(exit[1]);
                done();
            }
        });
        page.on('pageerror', (error) => {
            console.log(`page error: ${error.message}`);
            status = 1;
            done();
        });
    });
    await page.goto(`http://127.0.0.1:${server.address().port}/`);
    const timeout = new Promise((done) => setTimeout(() => {
        console.log('FAIL: the program did not finish within 240 s');
        status = 1;
        done();
    }, 240000));
    await Promise.race([finished, timeout]);
} finally {
    await browser.close();
    server.close();
}
if (outputFile)
    writeFileSync(outputFile, lines.filter((line) => !line.startsWith('Exit status: ')).join('\n') + '\n');
process.exit(status);
