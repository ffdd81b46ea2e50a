// SPDX-License-Identifier: GPL-3.0-or-later
// The three browser engines the web tests drive, each behind the same few
// calls (a Driver): Chromium and Firefox ESR through puppeteer-core
// (Chromium over the DevTools protocol, Firefox over WebDriver BiDi), and
// WebKitGTK, the engine of Safari and of every browser on an iPad, through
// its WebDriver (WebKitWebDriver; it needs an X display). All of Debian's,
// none of the browsers' own network traffic.
import { spawn } from 'node:child_process';
import { createServer } from 'node:net';
import puppeteer from 'puppeteer-core';

const chromiumArgs = ['--no-sandbox', '--no-first-run', '--disable-background-networking',
                      '--disable-component-update', '--disable-sync', '--disable-quic',
                      '--disable-default-apps'];

// Headless Chromium, as puppeteer drives it.
export function launchChromium(options = {}) {
    return puppeteer.launch({
        executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
        headless: true,
        protocolTimeout: 60000,
        ...options,
        args: [...chromiumArgs, ...(options.args || [])],
    });
}

// A Driver over a puppeteer page (Chromium or Firefox).
class PageDriver {
    constructor(browser, page) {
        this.browser = browser;
        this.page = page;
        this.problems = [];
        page.on('pageerror', (error) => this.problems.push(`page error: ${error.message}`));
        page.on('console', (message) => {
            if (message.type() === 'error')
                this.problems.push(`console error: ${message.text()}`);
        });
    }
    goto(address) { return this.page.goto(address); }
    value(id) { return this.page.$eval(`[id="${id}"]`, (element) => element.value); }
    click(id) { return this.page.click(`[id="${id}"]`); }
    async typeInto(id, text) {
        await this.click(id);
        await this.page.keyboard.down('Control');
        await this.page.keyboard.press('KeyA');
        await this.page.keyboard.up('Control');
        await this.page.keyboard.type(text, { delay: 20 });
    }
    press(key) { return this.page.keyboard.press(key); }
    evaluate(script, ...args) { return this.page.evaluate(script, ...args); }
    async pageProblems() { return this.problems; }
    close() { return this.browser.close(); }
}

function freePort() {
    return new Promise((done) => {
        const probe = createServer().listen(0, '127.0.0.1', () => {
            const { port } = probe.address();
            probe.close(() => done(port));
        });
    });
}

// W3C WebDriver over HTTP, as much of it as the tests use.
const webDriverKeys = { Tab: '\uE004', Enter: '\uE007', Escape: '\uE00C', ArrowLeft: '\uE012',
                        ArrowRight: '\uE014', Control: '\uE009' };

class WebDriver {
    static async start() {
        const port = await freePort();
        const server = spawn('WebKitWebDriver', [`--port=${port}`], { stdio: 'ignore' });
        const base = `http://127.0.0.1:${port}`;
        for (let tries = 0; ; ++tries) {
            try {
                await fetch(`${base}/status`);
                break;
            } catch (error) {
                if (tries > 300)
                    throw new Error(`WebKitWebDriver did not answer: ${error.message}`);
                await new Promise((done) => setTimeout(done, 100));
            }
        }
        const driver = new WebDriver(server, base);
        const session = await driver.call('POST', '/session', { capabilities: { alwaysMatch: {
            browserName: 'MiniBrowser',
            'webkitgtk:browserOptions': {
                binary: '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser',
                args: ['--automation'],
            },
        } } });
        driver.session = `/session/${session.sessionId}`;
        return driver;
    }
    constructor(server, base) {
        this.server = server;
        this.base = base;
        this.problems = [];
    }
    async call(method, path, body) {
        const response = await fetch(this.base + (this.session || '') + path, {
            method, headers: { 'Content-Type': 'application/json' },
            body: body === undefined ? undefined : JSON.stringify(body),
        });
        const answer = await response.json();
        if (!response.ok)
            throw new Error(`WebDriver ${method} ${path}: ${answer.value?.message}`);
        return answer.value;
    }
    async goto(address) {
        await this.call('POST', '/url', { url: address });
        // Page errors from here on are kept, as puppeteer keeps them.
        await this.evaluate(() => {
            window.testProblems = [];
            addEventListener('error', (event) => window.testProblems.push(event.message));
            addEventListener('unhandledrejection', (event) => window.testProblems.push(String(event.reason)));
        });
    }
    evaluate(script, ...args) {
        return this.call('POST', '/execute/sync', { script: `return (${script})(...arguments);`, args });
    }
    value(id) { return this.evaluate((name) => document.getElementById(name).value, id); }
    async click(id) {
        const element = await this.call('POST', '/element', { using: 'css selector', value: `[id="${id}"]` });
        await this.call('POST', `/element/${Object.values(element)[0]}/click`, {});
    }
    keys(actions) {
        return this.call('POST', '/actions', { actions: [{ type: 'key', id: 'keyboard', actions }] });
    }
    async typeInto(id, text) {
        await this.evaluate((name) => {
            const field = document.getElementById(name);
            field.focus();
            field.select();
        }, id);
        await this.keys([...text].flatMap((c) => [{ type: 'keyDown', value: c }, { type: 'keyUp', value: c }]));
    }
    press(key) {
        const value = webDriverKeys[key] || key;
        return this.keys([{ type: 'keyDown', value }, { type: 'keyUp', value }]);
    }
    async pageProblems() {
        return (await this.evaluate(() => window.testProblems || [])).map((text) => `page error: ${text}`);
    }
    async close() {
        try {
            await this.call('DELETE', '', undefined);
        } finally {
            this.server.kill();
        }
    }
}

// A Driver for 'chromium', 'firefox' or 'webkit', on a page of its own.
export async function launch(name, viewport = { width: 800, height: 760 }) {
    if (name === 'webkit')
        return WebDriver.start();
    const browser = name === 'firefox'
        ? await puppeteer.launch({ browser: 'firefox', executablePath: process.env.FIREFOX || '/usr/bin/firefox-esr',
                                   headless: true, protocolTimeout: 60000 })
        : await launchChromium();
    const page = await browser.newPage();
    await page.setViewport(viewport);
    return new PageDriver(browser, page);
}
