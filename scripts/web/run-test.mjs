// SPDX-License-Identifier: GPL-3.0-or-later
// Runs one Qt Test suite built for the browser, in headless Chromium: its
// page is served on 127.0.0.1, the suite's report (written to the console)
// is shown as it comes, and the exit status is the number of failures, as
// on the desktop. CTest runs the web tests through this
// (scripts/web/run-test.sh).
// Use: node run-test.mjs SITE_FOLDER
import { launch } from './browser.mjs';
import { serve } from './serve.mjs';

const server = await serve(process.argv[2]);
const browser = await launch();
let status = 1;
try {
    const page = await browser.newPage();
    const finished = new Promise((done) => {
        page.on('console', (message) => {
            const text = message.text();
            console.log(text);
            const totals = /^Totals: \d+ passed, (\d+) failed/.exec(text);
            if (totals)
                status = Number(totals[1]);
            if (text.startsWith('********* Finished testing'))
                done();
        });
        page.on('pageerror', (error) => {
            console.log(`page error: ${error.message}`);
            status = 1;
            done();
        });
    });
    await page.goto(`http://127.0.0.1:${server.address().port}/`);
    const timeout = new Promise((done) => setTimeout(() => {
        console.log('FAIL: the suite did not finish within 240 s');
        status = 1;
        done();
    }, 240000));
    await Promise.race([finished, timeout]);
} finally {
    await browser.close();
    server.close();
}
process.exit(status);
