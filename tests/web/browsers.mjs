// SPDX-License-Identifier: GPL-3.0-or-later
// The three browser engines the web tests drive, all of Debian's, each
// behind the same few calls: Chromium and Firefox ESR through puppeteer-core
// (Chromium over the DevTools protocol, Firefox over WebDriver BiDi), and
// WebKitGTK, the engine of Safari and of every browser on an iPad, through
// its WebDriver (WebKitWebDriver, which needs an X display) and
// selenium-webdriver. None of the browsers' own network traffic.
import { spawn, spawnSync } from 'node:child_process';
import { fileURLToPath } from 'node:url';
import puppeteer from 'puppeteer-core';
import { Builder, Key } from 'selenium-webdriver';
import { findFreePort } from 'selenium-webdriver/net/portprober.js';
import { DriverService } from 'selenium-webdriver/remote/index.js';

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

// A page of Chromium or Firefox.
class PuppeteerPage {
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
    reload() { return this.page.reload(); }
    value(id) { return this.page.$eval(`[id="${id}"]`, (element) => element.value); }
    click(id) { return this.page.click(`[id="${id}"]`); }
    async typeInto(id, text) {
        await this.click(id);
        await this.page.keyboard.down('Control');
        await this.page.keyboard.press('KeyA');
        await this.page.keyboard.up('Control');
        await this.page.keyboard.type(text, { delay: 20 });
    }
    type(text) { return this.page.keyboard.type(text, { delay: 20 }); }
    press(key) { return this.page.keyboard.press(key); }
    evaluate(script, ...args) { return this.page.evaluate(script, ...args); }
    async pageProblems() { return this.problems; }
    close() { return this.browser.close(); }
}

// A page of WebKitGTK's MiniBrowser.
class SeleniumPage {
    constructor(service, driver) {
        this.service = service;
        this.driver = driver;
    }
    async goto(address) {
        await this.driver.get(address);
        await this.keepProblems();
    }
    async reload() {
        await this.driver.navigate().refresh();
        await this.keepProblems();
    }
    // Page errors from here on are kept, as puppeteer keeps them.
    keepProblems() {
        return this.evaluate(() => {
            window.testProblems = [];
            addEventListener('error', (event) => window.testProblems.push(event.message));
            addEventListener('unhandledrejection', (event) => window.testProblems.push(String(event.reason)));
        });
    }
    evaluate(script, ...args) {
        return this.driver.executeScript(`return (${script})(...arguments);`, ...args);
    }
    value(id) { return this.evaluate((name) => document.getElementById(name).value, id); }
    async click(id) { await (await this.driver.findElement({ css: `[id="${id}"]` })).click(); }
    async typeInto(id, text) {
        await this.evaluate((name) => {
            const field = document.getElementById(name);
            field.focus();
            field.select();
        }, id);
        await this.type(text);
    }
    type(text) { return this.driver.actions().sendKeys(text).perform(); }
    press(key) {
        const keys = { Tab: Key.TAB, Enter: Key.ENTER, Escape: Key.ESCAPE, ArrowLeft: Key.ARROW_LEFT,
                       ArrowRight: Key.ARROW_RIGHT };
        return this.driver.actions().sendKeys(keys[key] ?? key).perform();
    }
    async pageProblems() {
        return (await this.evaluate(() => window.testProblems || [])).map((text) => `page error: ${text}`);
    }
    async close() {
        try {
            await this.driver.quit();
        } finally {
            await this.service.kill();
        }
    }
}

const webkitDriver = 'WebKitWebDriver';
const miniBrowser = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';

// A page of 'chromium', 'firefox' or 'webkit'.
export async function open(engine, viewport = { width: 800, height: 760 }) {
    if (engine === 'webkit') {
        if (spawnSync('sh', ['-c', `command -v ${webkitDriver}`]).status !== 0)
            throw new Error(`${webkitDriver} is not installed (webkit2gtk-driver)`);
        const port = await findFreePort('127.0.0.1');
        const service = new DriverService(webkitDriver, { port, args: [`--port=${port}`], loopback: true });
        const server = await service.start(60000);
        const driver = await new Builder().usingServer(server).withCapabilities({
            browserName: 'MiniBrowser',
            'webkitgtk:browserOptions': { binary: miniBrowser, args: ['--automation'] },
        }).build();
        await driver.manage().window().setRect(viewport);
        return new SeleniumPage(service, driver);
    }
    const browser = engine === 'firefox'
        ? await puppeteer.launch({ browser: 'firefox', executablePath: process.env.FIREFOX || '/usr/bin/firefox-esr',
                                   headless: true, protocolTimeout: 60000 })
        : await launchChromium();
    const page = await browser.newPage();
    await page.setViewport(viewport);
    return new PuppeteerPage(browser, page);
}

// Waits up to ten seconds for what read() gives to be wanted.
export async function eventually(what, read, wanted) {
    let seen;
    for (let tries = 0; tries < 100; ++tries) {
        seen = await read();
        if (seen === wanted)
            return;
        await new Promise((done) => setTimeout(done, 100));
    }
    throw new Error(`${what}: ${JSON.stringify(seen)}, not ${JSON.stringify(wanted)}`);
}

// Lighthouse's report of the page at the address (mobile, as it runs by
// default): performance, accessibility and best practices.
export function lighthouse(address) {
    return new Promise((done, fail) => {
        const run = spawn(fileURLToPath(new URL('node_modules/.bin/lighthouse', import.meta.url)), [address,
            '--only-categories=performance,accessibility,best-practices', '--output=json',
            '--output-path=stdout', '--quiet', '--chrome-flags=--headless=new --no-sandbox'],
        { env: { ...process.env, CHROME_PATH: process.env.CHROMIUM || '/usr/bin/chromium' } });
        let json = '';
        run.stdout.on('data', (data) => { json += data; });
        run.on('close', (code) => (code ? fail(new Error(`lighthouse ended with ${code}`)) : done(JSON.parse(json))));
    });
}
