// Bundles the page into the site folder beside the core's module:
//   node build.mjs [--core DIR] [--out DIR]
// DIR defaults: ../build-web/core (where em++ left morvane-core.js and .wasm), ../build-web/site.
import { build } from 'esbuild';
import { copyFile, mkdir } from 'node:fs/promises';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { parseArgs } from 'node:util';

const here = dirname(fileURLToPath(import.meta.url));
const { values } = parseArgs({
    options: {
        core: { type: 'string', default: join(here, '..', 'build-web', 'core') },
        out: { type: 'string', default: join(here, '..', 'build-web', 'site') },
    },
});
const coreDir = resolve(values.core);
const out = resolve(values.out);

await mkdir(out, { recursive: true });
await build({
    entryPoints: [join(here, 'src', 'main.ts')],
    outfile: join(out, 'morvane.js'),
    bundle: true,
    format: 'esm',
    target: 'es2022',
    minify: true,
    sourcemap: true,
    // Loaded from beside the page at run time, with its .wasm.
    external: ['./morvane-core.js'],
    logLevel: 'warning',
});
await Promise.all([
    copyFile(join(here, 'index.html'), join(out, 'index.html')),
    copyFile(join(here, 'src', 'morvane.css'), join(out, 'morvane.css')),
    copyFile(join(coreDir, 'morvane-core.js'), join(out, 'morvane-core.js')),
    copyFile(join(coreDir, 'morvane-core.wasm'), join(out, 'morvane-core.wasm')),
]);
console.log(`site: ${out}`);
