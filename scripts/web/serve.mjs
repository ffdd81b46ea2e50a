// SPDX-License-Identifier: GPL-3.0-or-later
// A static web server on 127.0.0.1 for a folder, as an ordinary web server
// serves the site: the right media types (WebAssembly as application/wasm,
// so browsers compile it while it downloads), the file's date and an ETag
// as validators, "not modified" to a browser that has the file already,
// and no caching rule (no Cache-Control), as a school's server would send.
// Use: node scripts/web/serve.mjs FOLDER [PORT]   (or import serve())
//   PORT 8080 unless given; 0 takes a free one.
import { createReadStream, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';

const types = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.mjs': 'text/javascript; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.wasm': 'application/wasm',
    '.webmanifest': 'application/manifest+json',
    '.json': 'application/json',
    '.svg': 'image/svg+xml',
    '.png': 'image/png',
    '.jpg': 'image/jpeg',
    '.gif': 'image/gif',
    '.woff2': 'font/woff2',
    '.txt': 'text/plain; charset=utf-8',
    '.zip': 'application/zip',
};

// Serves the folder; resolves to the running server once it listens. Each
// request is counted in server.requests, and each file sent whole (not
// "not modified") in server.sent, by path. With keepSeconds, every answer
// says it may be kept that long unasked (Cache-Control: max-age), as a
// browser decides for itself on a page that is old enough.
export function serve(folder, port = 0, { keepSeconds } = {}) {
    const root = resolve(folder);
    const server = createServer((request, response) => {
        const path = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
        let file = normalize(join(root, path));
        // Nothing outside the folder, not even a sibling whose name begins
        // with the folder's (build-web-old beside build-web).
        if (file !== root && !file.startsWith(root + sep)) {
            response.writeHead(403).end();
            return;
        }
        try {
            if (statSync(file).isDirectory())
                file = join(file, 'index.html');
            const stat = statSync(file);
            const modified = new Date(Math.floor(stat.mtimeMs / 1000) * 1000);
            const etag = `"${stat.size.toString(16)}-${Math.floor(stat.mtimeMs).toString(16)}"`;
            const headers = { 'Last-Modified': modified.toUTCString(), ETag: etag };
            if (keepSeconds)
                headers['Cache-Control'] = `max-age=${keepSeconds}`;
            server.requests.set(path, (server.requests.get(path) || 0) + 1);
            const since = request.headers['if-modified-since'];
            if (request.headers['if-none-match'] === etag
                || (!request.headers['if-none-match'] && since && new Date(since) >= modified)) {
                response.writeHead(304, headers).end();
                return;
            }
            server.sent.set(path, (server.sent.get(path) || 0) + 1);
            response.writeHead(200, {
                ...headers,
                'Content-Type': types[extname(file)] || 'application/octet-stream',
                'Content-Length': stat.size,
            });
            createReadStream(file).pipe(response);
        } catch {
            response.writeHead(404).end();
        }
    });
    server.requests = new Map();
    server.sent = new Map();
    return new Promise((done) => server.listen(port, '127.0.0.1', () => done(server)));
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
    const [folder, port] = process.argv.slice(2);
    const server = await serve(folder || '.', port === undefined ? 8080 : Number(port));
    console.log(`Serving ${resolve(folder || '.')} on http://127.0.0.1:${server.address().port}/ (Ctrl+C ends it)`);
}
