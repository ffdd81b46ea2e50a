// SPDX-License-Identifier: GPL-3.0-or-later
// Headless Chromium (Debian's) for the web tests, driven over the DevTools
// protocol, with WebGL on the software renderer and none of Chromium's own
// network traffic.
import puppeteer from 'puppeteer-core';

export function launch() {
    return puppeteer.launch({
        executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
        headless: true,
        protocolTimeout: 30000,
        args: ['--no-sandbox', '--enable-unsafe-swiftshader', '--use-angle=swiftshader',
               '--no-first-run', '--disable-background-networking', '--disable-component-update',
               '--disable-sync', '--disable-quic', '--disable-default-apps'],
    });
}
