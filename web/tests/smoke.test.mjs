// The built site in Debian's Chromium: the board the page shows is the core's, to the pixel, and
// presses and the check reach the canvases. Needs the site built (tools/build-web.sh) and
// /usr/bin/chromium (MORVANE_CHROMIUM names another); `npm test` runs it.
import assert from 'node:assert/strict';
import { existsSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { after, before, test } from 'node:test';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';
import { serve } from '../serve.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const site = process.env.MORVANE_SITE ?? join(here, '..', '..', 'build-web', 'site');
const executablePath = process.env.MORVANE_CHROMIUM ?? '/usr/bin/chromium';
const timeout = 10_000;

// The large grid with thin lines, as core/tests/board_hashes_test.cpp hashes it natively.
const largeGridThinHash = '138bdb1eda850c9d';

let browser;
let server;
let url;

before(async () => {
    assert.ok(existsSync(join(site, 'index.html')), `no site in ${site}: run tools/build-web.sh`);
    ({ server, url } = await serve(site, { port: 0 }));
    browser = await chromium.launch({
        executablePath,
        args: [
            '--no-sandbox',
            '--disable-gpu',
            '--disable-background-networking',
            '--disable-component-update',
            '--disable-sync',
            '--no-first-run',
        ],
    });
});

after(async () => {
    await browser?.close();
    server?.close();
});

// ---- read in the page -------------------------------------------------------------------------

// FNV-1a 64 over the width, the height and every pixel as a 0xAARRGGBB word, bytes low first:
// the core's test hash, in 32-bit halves. Runs in the page.
function boardHash() {
    const canvas = document.querySelector('[data-name="picClient"]');
    const { width, height } = canvas;
    const bytes = canvas.getContext('2d').getImageData(0, 0, width, height).data;
    let lo = 0x84222325;
    let hi = 0xcbf29ce4;
    const step = (byte) => {
        lo = (lo ^ byte) >>> 0;
        // hash * (2^40 + 0x1b3) mod 2^64
        const low = lo * 0x1b3;
        const carry = Math.floor(low / 0x100000000);
        hi = (hi * 0x1b3 + carry + ((lo << 8) >>> 0)) % 0x100000000;
        lo = low % 0x100000000;
    };
    const word = (value) => {
        for (let shift = 0; shift < 32; shift += 8) step((value >>> shift) & 0xff);
    };
    word(width);
    word(height);
    for (let i = 0; i < bytes.length; i += 4) {
        step(bytes[i + 2]); // blue
        step(bytes[i + 1]); // green
        step(bytes[i]); // red
        step(bytes[i + 3]); // alpha
    }
    return hi.toString(16).padStart(8, '0') + lo.toString(16).padStart(8, '0');
}

// '#rrggbb' of a canvas pixel. Runs in the page.
function canvasPixel({ name, x, y }) {
    const canvas = document.querySelector(`[data-name="${name}"]`);
    const [r, g, b] = canvas.getContext('2d').getImageData(x, y, 1, 1).data;
    return '#' + [r, g, b].map((c) => c.toString(16).padStart(2, '0')).join('');
}

// The colours of the strip's pixels, each once. Runs in the page.
function stripColours() {
    const canvas = document.querySelector('[data-name="PicMenseki"]');
    const bytes = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    const colours = new Set();
    for (let i = 0; i < bytes.length; i += 4)
        colours.add('#' + [0, 1, 2].map((c) => bytes[i + c].toString(16).padStart(2, '0')).join(''));
    return [...colours];
}

// '#rrggbb' a side's swatch shows. Runs in the page.
function swatchColour(side) {
    const swatch = document.querySelector(`[data-name="PicIndicate_${side}"]`);
    const [r, g, b] = getComputedStyle(swatch).backgroundColor.match(/\d+/g).map(Number);
    return '#' + [r, g, b].map((c) => c.toString(16).padStart(2, '0')).join('');
}

// ---- driving the page -------------------------------------------------------------------------

async function openGame() {
    const page = await browser.newPage({ viewport: { width: 1000, height: 700 } });
    const errors = [];
    page.on('pageerror', (error) => errors.push(String(error)));
    page.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
    await page.goto(url);
    await page.waitForSelector('#MorvaneMain[data-ready="true"]', { timeout });
    return { page, errors };
}

// Waits until `read` (run in the page with `arg`) gives `expected`; fails with what it gave last.
async function waitForValue(page, read, arg, expected, what) {
    try {
        await page.waitForFunction(
            ({ source, arg, expected }) =>
                JSON.stringify(new Function(`return (${source})`)()(arg)) === JSON.stringify(expected),
            { source: read.toString(), arg, expected },
            { timeout },
        );
    } catch {
        assert.deepEqual(await page.evaluate(read, arg), expected, what);
    }
}

// The client position of a board pixel's centre, wherever the canvas is scaled to.
async function boardPoint(page, x, y) {
    const box = await page.locator('[data-name="picClient"]').boundingBox();
    return { x: box.x + ((x + 0.5) * box.width) / 640, y: box.y + ((y + 0.5) * box.height) / 480 };
}

async function clickBoard(page, x, y, button = 'left') {
    const point = await boardPoint(page, x, y);
    await page.mouse.click(point.x, point.y, { button });
}

const pixel = (x, y) => ({ name: 'picClient', x, y });

// Cells of the large grid, away from its lines.
const cellA = [60, 60];
const cellB = [300, 220];

const rows = [
    {
        name: "the large grid's board is the core's, pixel for pixel",
        async run(page) {
            await page.click('[data-name="MakeGrid"]');
            await waitForValue(page, boardHash, null, largeGridThinHash, 'board hash');
        },
    },
    {
        name: "a left click paints with the left side's colour",
        async run(page, colours) {
            await page.click('[data-name="MakeGrid"]');
            await waitForValue(page, canvasPixel, pixel(...cellA), '#ffffff', 'before the click');
            await clickBoard(page, ...cellA);
            await waitForValue(page, canvasPixel, pixel(...cellA), colours.left, 'after the click');
        },
    },
    {
        name: "a right click paints with the right side's colour",
        async run(page, colours) {
            await page.click('[data-name="MakeGrid"]');
            await clickBoard(page, ...cellA, 'right');
            await waitForValue(page, canvasPixel, pixel(...cellA), colours.right, 'after the click');
        },
    },
    {
        name: 'a left press right after a right click still paints',
        async run(page, colours) {
            await page.click('[data-name="MakeGrid"]');
            await clickBoard(page, ...cellA, 'right');
            const point = await boardPoint(page, ...cellB);
            await page.mouse.move(point.x, point.y);
            await page.mouse.down();
            await waitForValue(page, canvasPixel, pixel(...cellB), colours.left, 'left press');
            await page.mouse.up();
            await waitForValue(page, canvasPixel, pixel(...cellA), colours.right, 'right click');
        },
    },
    {
        // The browser reports the second button of a chord as a pointer move, not a press.
        name: 'a left press while the right button is held still paints',
        async run(page, colours) {
            await page.click('[data-name="MakeGrid"]');
            const a = await boardPoint(page, ...cellA);
            const b = await boardPoint(page, ...cellB);
            await page.mouse.move(a.x, a.y);
            await page.mouse.down({ button: 'right' });
            await page.mouse.move(b.x, b.y);
            await page.mouse.down();
            await waitForValue(page, canvasPixel, pixel(...cellB), colours.left, 'left press');
            await page.mouse.up();
            await page.mouse.up({ button: 'right' });
            await waitForValue(page, canvasPixel, pixel(...cellA), colours.right, 'right press');
        },
    },
    {
        name: "the check draws both sides' bars in the strip",
        async run(page, colours) {
            await page.click('[data-name="MakeGrid"]');
            await clickBoard(page, ...cellA);
            await clickBoard(page, ...cellB, 'right');
            await waitForValue(page, canvasPixel, pixel(...cellB), colours.right, 'before the check');
            await page.click('[data-name="ColCheck"]');
            await page.waitForFunction(
                ({ left, right }) => {
                    const canvas = document.querySelector('[data-name="PicMenseki"]');
                    const bytes = canvas.getContext('2d').getImageData(0, 0, 640, 11).data;
                    const seen = new Set();
                    for (let i = 0; i < bytes.length; i += 4)
                        seen.add(
                            '#' +
                                [0, 1, 2]
                                    .map((c) => bytes[i + c].toString(16).padStart(2, '0'))
                                    .join(''),
                        );
                    return seen.has(left) && seen.has(right);
                },
                colours,
                { timeout },
            ).catch(async () =>
                assert.fail(`strip colours: ${(await page.evaluate(stripColours)).join(' ')}`),
            );
        },
    },
];

for (const row of rows) {
    test(row.name, async () => {
        const { page, errors } = await openGame();
        try {
            const colours = {
                left: await page.evaluate(swatchColour, 1),
                right: await page.evaluate(swatchColour, 2),
            };
            assert.notEqual(colours.left, colours.right, 'the sides paint in colours of their own');
            await row.run(page, colours);
            assert.deepEqual(errors, [], 'errors in the page');
        } finally {
            await page.close();
        }
    });
}
