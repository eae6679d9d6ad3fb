// A static server of the built site on a loopback port of its own, which a
// test can stop to take the network away, point at another build, or make
// behave like an odd host; and Chromium from Debian.
import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
import { extname, join, normalize } from "node:path";
import puppeteer from "puppeteer-core";

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
// body). `site.root` may be changed while serving.
export async function serve(root, host = {}) {
    let served = 0;
    const types = { ...Types, ...host.types };
    const site = { root };
    const server = createServer(async (request, response) => {
        const path = normalize(decodeURIComponent(new URL(request.url, "http://x").pathname)).replace(
            /^(\.\.[/\\])+/,
            "",
        );
        const file = join(site.root, path.endsWith("/") ? `${path}index.html` : path);
        try {
            const own = host.pages?.[path];
            const body = own ? Buffer.from(own()) : await readFile(file);
            response.writeHead(200, {
                "Content-Type": types[extname(file)] ?? "application/octet-stream",
                ...host.headers,
            });
            response.end(body);
            served += body.length;
        } catch {
            response.writeHead(404);
            response.end();
        }
    });
    await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
    return Object.assign(site, {
        url: `http://127.0.0.1:${server.address().port}/`,
        served: () => served,
        stop: () =>
            new Promise((r) => {
                server.close(r);
                server.closeAllConnections();
            }),
    });
}

export function launch() {
    return puppeteer.launch({
        executablePath: "/usr/bin/chromium",
        args: [
            "--no-sandbox",
            "--disable-gpu",
            "--disable-quic",
            "--no-first-run",
            "--disable-background-networking",
            "--disable-component-update",
            "--disable-sync",
        ],
    });
}

// A page of the site, loaded, with the core ready.
export async function open(browser, url, viewport = { width: 800, height: 620 }) {
    const page = await browser.newPage();
    await page.setViewport(viewport);
    await page.goto(url);
    await attach(page);
    return page;
}

// The page's core, its reading and its controls as window.zarvel, once the
// core is ready: the tests' own handle, taken from the module the page
// loads (app.js exports them; the page puts nothing on its globals).
export async function attach(page) {
    const app = await page.waitForSelector('script[type="module"][src$="/app.js"]');
    await page.evaluate(async (script) => {
        window.zarvel = await import(script.src);
    }, app);
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
