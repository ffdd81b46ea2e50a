// SPDX-License-Identifier: GPL-3.0-or-later
// What a browser transfers for a site: every file as it is, compressed
// with gzip -9, and with brotli -q 11. With a limit, fails when the site
// compressed with gzip -9 is larger.
// Use: node sizes.mjs SITE [LIMIT_IN_BYTES]
import { readdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { brotliCompressSync, constants, gzipSync } from 'node:zlib';

export function siteBytes(folder) {
    const total = { raw: 0, gzip: 0, brotli: 0 };
    for (const name of readdirSync(folder)) {
        const data = readFileSync(join(folder, name));
        total.raw += data.length;
        total.gzip += gzipSync(data, { level: 9 }).length;
        total.brotli += brotliCompressSync(data, {
            params: { [constants.BROTLI_PARAM_QUALITY]: 11 } }).length;
    }
    return total;
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
    const [site, limit] = process.argv.slice(2);
    const bytes = siteBytes(site);
    console.log(`${site}: ${bytes.raw} bytes, ${bytes.gzip} with gzip -9, ${bytes.brotli} with brotli -q 11`);
    if (limit && bytes.gzip > Number(limit)) {
        console.log(`FAIL: ${bytes.gzip} bytes with gzip -9, more than ${limit}`);
        process.exit(1);
    }
}
