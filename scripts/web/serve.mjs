// SPDX-License-Identifier: GPL-3.0-or-later
// A static web server on 127.0.0.1 for a folder, as any web server would
// serve the site: the right media types (WebAssembly as application/wasm,
// so browsers compile it while it downloads), nothing else.
// Use: node scripts/web/serve.mjs FOLDER [PORT]   (or import serve())
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
    '.txt': 'text/plain; charset=utf-8',
    '.zip': 'application/zip',
};

// Serves the folder; resolves to the running server once it listens.
export function serve(folder, port = 0) {
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
            const size = statSync(file).size;
            response.writeHead(200, {
                'Content-Type': types[extname(file)] || 'application/octet-stream',
                'Content-Length': size,
                'Cache-Control': 'no-cache',
            });
            createReadStream(file).pipe(response);
        } catch {
            response.writeHead(404).end();
        }
    });
    return new Promise((done) => server.listen(port, '127.0.0.1', () => done(server)));
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
    const [folder, port] = process.argv.slice(2);
    const server = await serve(folder || '.', Number(port) || 8080);
    console.log(`Serving ${resolve(folder || '.')} on http://127.0.0.1:${server.address().port}/ (Ctrl+C ends it)`);
}
