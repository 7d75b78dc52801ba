// A static server for the built site, for playing and for the smoke test:
//   node serve.mjs [--dir DIR] [--port PORT] [--host HOST]
// Serves DIR (default ../build-web/site) at http://HOST:PORT/ (default 127.0.0.1:8080); port 0
// takes a free one.
import { createReadStream } from 'node:fs';
import { stat } from 'node:fs/promises';
import { createServer } from 'node:http';
import { dirname, extname, join, normalize, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';
import { parseArgs } from 'node:util';

const types = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.mjs': 'text/javascript; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.wasm': 'application/wasm',
    '.map': 'application/json',
    '.json': 'application/json',
    '.png': 'image/png',
    '.svg': 'image/svg+xml',
};

// Resolves with the server and its address once it listens.
export function serve(dir, { port = 8080, host = '127.0.0.1' } = {}) {
    const root = resolve(dir);
    const server = createServer(async (request, response) => {
        const path = decodeURIComponent(new URL(request.url ?? '/', 'http://x').pathname);
        let file = normalize(join(root, path));
        if (file !== root && !file.startsWith(root + sep)) {
            response.writeHead(403).end();
            return;
        }
        try {
            if ((await stat(file)).isDirectory()) file = join(file, 'index.html');
            const info = await stat(file);
            response.writeHead(200, {
                'Content-Type': types[extname(file)] ?? 'application/octet-stream',
                'Content-Length': info.size,
                'Cache-Control': 'no-cache',
            });
            createReadStream(file).pipe(response);
        } catch {
            response.writeHead(404, { 'Content-Type': 'text/plain' }).end('not found\n');
        }
    });
    return new Promise((resolveListening, reject) => {
        server.once('error', reject);
        server.listen(port, host, () => {
            const address = server.address();
            resolveListening({ server, url: `http://${host}:${address.port}/` });
        });
    });
}

if (process.argv[1] && resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
    const here = dirname(fileURLToPath(import.meta.url));
    const { values } = parseArgs({
        options: {
            dir: { type: 'string', default: join(here, '..', 'build-web', 'site') },
            port: { type: 'string', default: '8080' },
            host: { type: 'string', default: '127.0.0.1' },
        },
    });
    const { url } = await serve(values.dir, { port: Number(values.port), host: values.host });
    console.log(`Morvane is at ${url} (Ctrl+C stops the server)`);
}
