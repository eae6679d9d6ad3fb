// Measures the web edition in headless Chromium from a loopback server:
// the time from navigation until the page answers, its core loaded and the
// window taken over (median of 10 cold loads; the window itself is drawn
// from the page's own bytes, see bench/lighthouse.mjs), the WebAssembly module's size, what the first load transfers
// (service worker's caching included), the median time of a deal, and of a
// whole click on «Раскинуть» (the deal and the slots hidden).
// Run after `make web-site` and `npm ci` in tests/web:
//   node bench/measure-web.mjs build/web
import { readdir, stat } from "node:fs/promises";
import { join } from "node:path";
import { attach, launch, serve } from "../tests/web/site.mjs";

const root = process.argv[2] ?? "build/web";
const site = await serve(root);
const browser = await launch();
const median = (values) => {
    const v = [...values].sort((a, b) => a - b);
    return (v[(v.length - 1) >> 1] + v[v.length >> 1]) / 2;
};

const drawn = [];
const shown = [];
let transferred = 0; // by the server: the page's and the service worker's requests alike
for (let i = 0; i < 10; ++i) {
    const context = await browser.createBrowserContext(); // cold: no cache, no service worker
    const page = await context.newPage();
    const servedBefore = site.served();
    await page.goto(site.url);
    await attach(page);
    const [painted, answers] = await page.evaluate(() => [
        performance.getEntriesByName("first-contentful-paint")[0].startTime,
        performance.now(),
    ]);
    drawn.push(painted);
    shown.push(answers);
    if (i === 0) {
        await page.waitForFunction(
            async () => (await caches.keys()).length > 0 && (await navigator.serviceWorker.ready).active,
        );
        await new Promise((resolve) => setTimeout(resolve, 2000)); // the pictures for the screen are being kept
        transferred = site.served() - servedBefore;
    }
    await context.close();
}

const page = await browser.newPage();
await page.goto(site.url);
await attach(page);
const dealMicroseconds = await page.evaluate(() => {
    const { core, reading } = window.zarvel;
    reading.selectFigure(1, 1);
    // The page's clock is coarse: batches of 200 deals, median of 10.
    const times = [];
    for (let batch = 0; batch < 10; ++batch) {
        const start = performance.now();
        for (let i = 0; i < 200; ++i) reading.raise(core.ControlEvent.Deal);
        times.push(((performance.now() - start) * 1000) / 200);
    }
    times.sort((a, b) => a - b);
    return (times[4] + times[5]) / 2;
});

// A click on «Раскинуть» as a person makes it: after a reading whose 31
// cards all lie on the table, so the click hides every slot again.
const clickMilliseconds = await page.evaluate(() => {
    const { core, reading } = window.zarvel;
    const button = document.getElementById("Command1");
    const last = document.getElementById("Image76");
    const times = [];
    for (let i = 0; i < 50; ++i) {
        reading.replayLayout(2, [1]);
        reading.raise(core.ControlEvent.Deal);
        while (last.hidden) reading.tick();
        const start = performance.now();
        button.click();
        times.push(performance.now() - start);
    }
    times.sort((a, b) => a - b);
    return (times[24] + times[25]) / 2;
});

// The 31-card reveal of a layout without the querent's card: from the deal
// until the last slot shows, five times.
const reveals = [];
for (let i = 0; i < 5; ++i) {
    reveals.push(
        await page.evaluate(async () => {
            const { core, reading } = window.zarvel;
            reading.replayLayout(2, [1]);
            const last = document.getElementById("Image76");
            const start = performance.now();
            reading.raise(core.ControlEvent.Deal);
            while (last.hidden) await new Promise((resolve) => requestAnimationFrame(resolve));
            return performance.now() - start;
        }),
    );
}

const [build] = await readdir(join(root, "v"));
const wasm = (await stat(join(root, "v", build, "zarvel.wasm"))).size;
console.log(`window drawn (first contentful paint), median of 10 cold loads: ${median(drawn).toFixed(1)} ms`);
console.log(`page answers after navigation, median of 10 cold loads: ${median(shown).toFixed(1)} ms`);
console.log(`WebAssembly module: ${(wasm / 1024).toFixed(1)} KiB`);
console.log(`first load transferred (page and service worker): ${(transferred / 1024).toFixed(0)} KiB`);
console.log(
    `one deal in WebAssembly (with its 31 slot updates), median of 10 × 200: ${dealMicroseconds.toFixed(1)} µs`,
);
console.log(
    "a click on «Раскинуть» over 31 laid cards (deal, 31 slots hidden), median of 50: " +
        `${clickMilliseconds.toFixed(2)} ms`,
);
console.log(`31-card reveal, median of 5: ${median(reveals).toFixed(0)} ms (31 ticks of 50 ms: 1550)`);
await browser.close();
await site.stop();
