// A static server of the built site on a loopback port of its own, which a
// test can stop to take the network away, point at another build, or make
// behave like an odd host; and pages of it in the engine under test.
import { after, before } from "node:test";
import { createServer } from "node:http";
import { createSecureServer } from "node:http2";
import { readFile } from "node:fs/promises";
import { extname, join, normalize } from "node:path";
import { brotliCompressSync, gzipSync } from "node:zlib";
import { BlankPage } from "./webdriver_page.mjs";
import { launch, setScreen } from "./engine.mjs";
import { runsAny } from "./scope.mjs";
export { launch };

const Types = {
    ".html": "text/html; charset=utf-8",
    ".js": "text/javascript",
    ".mjs": "text/javascript",
    ".css": "text/css",
    ".wasm": "application/wasm",
    ".png": "image/png",
    ".svg": "image/svg+xml",
    ".woff2": "font/woff2",
    ".webmanifest": "application/manifest+json",
    ".txt": "text/plain",
};

// `host.types` overrides the type table, `host.headers` adds headers to
// every answer, `host.pages` answers paths of its own (a function gives the
// body), `host.compress` sends brotli or gzip where the browser takes it,
// as a host does, and `host.tls` ({ key, cert }) serves HTTPS with HTTP/2.
// `site.root` may be changed while serving. BlankPage is an empty page of
// the origin that is not the site's.
export async function serve(root, host = {}) {
    let served = 0;
    const types = { ...Types, ...host.types };
    const site = { root };
    // Answers to the paths that match `pattern` wait until release() is
    // called, as a slow network makes them wait, or 20 s have passed: a
    // driver that waits for the page to load cannot hang a test.
    const holds = new Set();
    site.holdBack = (pattern) => {
        const hold = { pattern };
        hold.until = new Promise((resolve) => (hold.release = resolve));
        holds.add(hold);
        const release = () => {
            clearTimeout(timer);
            holds.delete(hold);
            hold.release();
        };
        const timer = setTimeout(release, 20000);
        return release;
    };
    const answer = async (request, response) => {
        const path = normalize(decodeURIComponent(new URL(request.url, "http://x").pathname)).replace(
            /^(\.\.[/\\])+/,
            "",
        );
        for (const hold of holds) if (hold.pattern.test(path)) await hold.until;
        const file = join(site.root, path.endsWith("/") ? `${path}index.html` : path);
        try {
            const own = { [BlankPage]: () => "<!DOCTYPE html><title>blank</title>", ...host.pages }[path];
            let body = own ? Buffer.from(own()) : await readFile(file);
            const encoding = host.compress ? encodingFor(request.headers["accept-encoding"]) : undefined;
            if (encoding) body = compressed(`${encoding} ${file}`, body, Encoders[encoding]);
            response.writeHead(200, {
                "Content-Type": types[extname(file)] ?? "application/octet-stream",
                ...(encoding && { "Content-Encoding": encoding, Vary: "Accept-Encoding" }),
                ...host.headers,
            });
            response.end(body);
            served += body.length;
        } catch {
            response.writeHead(404);
            response.end();
        }
    };
    const server = host.tls ? createSecureServer({ ...host.tls, allowHTTP1: true }, answer) : createServer(answer);
    await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
    return Object.assign(site, {
        url: `${host.tls ? "https" : "http"}://127.0.0.1:${server.address().port}/`,
        served: () => served,
        stop: () =>
            new Promise((r) => {
                server.close(r);
                server.closeAllConnections?.();
            }),
    });
}

// Each file compressed once, as a host keeps them, so that no answer
// waits for the compressor.
const kept = new Map();
const compressed = (key, body, encode) => {
    const known = kept.get(key);
    if (known?.source.equals(body)) return known.body;
    kept.set(key, { source: body, body: encode(body) });
    return kept.get(key).body;
};
const Encoders = { br: (body) => brotliCompressSync(body), gzip: (body) => gzipSync(body, { level: 9 }) };
const encodingFor = (accepted = "") => Object.keys(Encoders).find((name) => accepted.includes(name));

// The built site served and the engine's browser (launched with `options`)
// for all of a test file's tests: `served.site`, `served.browser`.
export function servedForFile(options) {
    const served = {};
    before(async () => {
        if (!(await runsAny())) return;
        served.site = await serve(process.env.ZARVEL_SITE);
        served.browser = await launch(options);
    });
    after(async () => {
        await served.browser?.close();
        await served.site?.stop();
    });
    return served;
}

// A fresh origin serving the site, and a page of it; both go when the test ends.
export async function visit(browser, t, host = {}) {
    const site = await serve(process.env.ZARVEL_SITE, host);
    const page = await open(browser, site.url);
    t.after(async () => {
        await page.close();
        await site.stop();
    });
    return { site, page };
}

// A page of the site, loaded, with the core ready; test context `t` says
// what of `screen` the engine leaves out (setScreen).
export async function open(browser, url, screen = { width: 800, height: 620 }, t) {
    const page = await browser.newPage();
    await setScreen(page, screen, t);
    await page.goto(url);
    await attach(page);
    return page;
}

// The page's core, its reading and its controls as window.zarvel, once the
// core is ready: the tests' own handle, taken from the module the page
// loads (app.js exports them; the page puts nothing on its globals).
export async function attach(page) {
    const app = 'script[type="module"][src$="/app.js"]';
    try {
        await page.waitForSelector(app);
        // WebKit's import() may give the module before its top-level await
        // is over, its exports not yet set: asked again until they are.
        await page.waitForFunction(
            async (app) => {
                window.zarvel = await import(document.querySelector(app).src);
                try {
                    return Object.values(window.zarvel).every((binding) => binding !== undefined);
                } catch {
                    return false;
                }
            },
            {},
            app,
        );
    } catch (error) {
        throw new Error(`${error.message}; the page then: ${await seen(page, app)}`, { cause: error });
    }
}

// What a page that did not come up shows of its start, so that a failure
// names its cause: where it is, its worker, its module, what it loaded.
const seen = (page, app) =>
    page
        .evaluate(
            (app) =>
                JSON.stringify({
                    url: location.href,
                    framed: window !== window.top,
                    readyState: document.readyState,
                    controller: navigator.serviceWorker?.controller?.state ?? "none",
                    appScript: document.querySelector(app) !== null,
                    loaded: performance.getEntriesByType("resource").map((e) => e.name),
                }),
            app,
        )
        .catch((error) => `not readable (${error.message})`);

// A page of the site that finds `stored` under the names' key when it
// starts: written from a page of the same origin that is not the site's.
export async function openWithStored(browser, url, stored) {
    const page = await browser.newPage();
    await page.goto(new URL(BlankPage, url).href);
    await page.evaluate((s) => localStorage.setItem("zarvel.names", s), stored);
    await page.goto(url);
    await attach(page);
    return page;
}

// What a person sees and does on a page.
export const text = (page, id) => page.$eval(`#${id}`, (e) => e.textContent);
export const alt = (page, n) => page.$eval(`#Image${n}`, (e) => (e.hidden ? null : e.alt));
export const menu = async (page, ...names) => {
    for (const name of names) await page.click(`[data-name="${name}"]`);
};
export const found = (page) =>
    page.waitForFunction(() => window.zarvel.reading.revealState() === 0, { timeout: 10000 });
export const answered = (page, ending) =>
    page.waitForFunction((e) => document.getElementById("Label5").textContent.endsWith(e), { timeout: 10000 }, ending);
