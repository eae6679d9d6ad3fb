// The page's start on a slow phone: headless Chromium slowed as
// Lighthouse's mobile profile is (CPU 4× slower, 150 ms round trip,
// 1.6 Mbit/s down, 750 kbit/s up), the site served as a host serves it:
// HTTPS with HTTP/2 (one connection for every file) and brotli. For N
// cold loads (5 unless told): the first contentful paint and the app ready
// (its "zarvel-ready" mark), against an empty page served the same way;
// and whether a click on the first menu, sent as soon as the window is
// drawn, opened that menu once the app was ready.
// Run after `make web-site` and `npm ci` in tests/web:
//   node bench/measure-start.mjs build/web [N]
import { execFileSync } from "node:child_process";
import { mkdtempSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { attach, launch, serve } from "../tests/web/site.mjs";

const root = process.argv[2] ?? "build/web";
const runs = Number(process.argv[3] ?? 5);
const Empty = "/empty.html";
// A certificate of the run's own, which the browser is told to accept.
const folder = mkdtempSync(join(tmpdir(), "zarvel-tls-"));
const [key, cert] = [join(folder, "key.pem"), join(folder, "cert.pem")];
execFileSync(
    "openssl",
    ["req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes"].concat([
        "-subj",
        "/CN=127.0.0.1",
        "-days",
        "1",
        "-keyout",
        key,
        "-out",
        cert,
    ]),
    { stdio: "ignore" },
);
const tls = { key: readFileSync(key), cert: readFileSync(cert) };
rmSync(folder, { recursive: true });
const site = await serve(root, {
    tls,
    compress: true,
    pages: { [Empty]: () => "<!DOCTYPE html><html lang=ru><title>empty</title><p>Пусто</p>" },
});
const browser = await launch({ acceptInsecureCerts: true });
const median = (values) => {
    const v = [...values].sort((a, b) => a - b);
    return (v[(v.length - 1) >> 1] + v[v.length >> 1]) / 2;
};
const spread = (values) => `${Math.min(...values).toFixed(0)}–${Math.max(...values).toFixed(0)}`;

// A cold page (no cache, no service worker) slowed as a phone.
async function slowPage() {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.emulateCPUThrottling(4);
    await page.emulateNetworkConditions({ download: 1.6e6 / 8, upload: 750e3 / 8, latency: 150 });
    return page;
}
const paint = () => performance.getEntriesByName("first-contentful-paint")[0]?.startTime;
const ready = () => performance.getEntriesByName("zarvel-ready")[0]?.startTime;

// Where the first menu is drawn, found once at full speed.
const menu = '[data-name="Гадание"]';
const at = await (async () => {
    const page = await browser.newPage();
    await page.goto(site.url);
    const box = await (await page.$(menu)).boundingBox();
    await page.close();
    return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
})();

const empty = [];
const painted = [];
const readied = [];
const clicked = [];
let taken = 0;
for (let i = 0; i < runs; ++i) {
    let page = await slowPage();
    await page.goto(new URL(Empty, site.url).href, { waitUntil: "load" });
    await page.waitForFunction(paint, { polling: 20 });
    empty.push(await page.evaluate(paint));
    await page.browserContext().close();

    page = await slowPage();
    // As soon as the window is drawn, a click on the first menu: the page
    // tells the first paint the moment it has it.
    let drawn;
    const shown = new Promise((resolve) => (drawn = resolve));
    await page.exposeFunction("benchPainted", () => drawn());
    await page.evaluateOnNewDocument(() => {
        new PerformanceObserver((list, observer) => {
            if (list.getEntriesByName("first-contentful-paint").length === 0) return;
            observer.disconnect();
            window.benchPainted();
        }).observe({ type: "paint", buffered: true });
        addEventListener("mousedown", (event) => (window.benchClicked ??= event.timeStamp), true);
    });
    void page.goto(site.url, { waitUntil: "load" }).catch(() => {});
    await shown;
    await page.mouse.click(at.x, at.y);
    clicked.push(
        await page.evaluate(
            () => window.benchClicked - performance.getEntriesByName("first-contentful-paint")[0].startTime,
        ),
    );
    await page.waitForFunction(ready, { polling: 20, timeout: 30000 });
    painted.push(await page.evaluate(paint));
    readied.push(await page.evaluate(ready));
    await attach(page);
    await new Promise((resolve) => setTimeout(resolve, 500));
    if ((await page.$eval(menu, (item) => item.getAttribute("aria-expanded"))) === "true") ++taken;
    await page.browserContext().close();
}
console.log(`slow phone (CPU 4×, 150 ms, 1.6 Mbit/s), HTTP/2 and brotli, ${runs} cold loads, median (spread) in ms:`);
console.log(`  empty page: first paint ${median(empty).toFixed(0)} (${spread(empty)})`);
console.log(`  Zarvel: first paint ${median(painted).toFixed(0)} (${spread(painted)})`);
console.log(`  Zarvel: app ready ${median(readied).toFixed(0)} (${spread(readied)})`);
console.log(
    `  a click on the first menu ${median(clicked).toFixed(0)} ms after the first paint ` +
        `opened it in ${taken} of ${runs} loads`,
);
await browser.close();
await site.stop();
