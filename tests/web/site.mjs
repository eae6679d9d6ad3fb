// A static server of the built site on a loopback port of its own, which a
// test can stop to take the network away, and Chromium from Debian.
import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
import { extname, join, normalize } from "node:path";
import puppeteer from "puppeteer-core";

const Types = {
    ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".mjs": "text/javascript",
    ".css": "text/css", ".wasm": "application/wasm", ".png": "image/png", ".svg": "image/svg+xml",
    ".woff2": "font/woff2", ".webmanifest": "application/manifest+json", ".txt": "text/plain",
};

export async function serve(root) {
    let served = 0;
    const server = createServer(async (request, response) => {
        const path = normalize(decodeURIComponent(new URL(request.url, "http://x").pathname)).replace(/^(\.\.[/\\])+/, "");
        const file = join(root, path.endsWith("/") ? `${path}index.html` : path);
        try {
            const body = await readFile(file);
            response.writeHead(200, { "Content-Type": Types[extname(file)] ?? "application/octet-stream" });
            response.end(body);
            served += body.length;
        } catch {
            response.writeHead(404);
            response.end();
        }
    });
    await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
    return { url: `http://127.0.0.1:${server.address().port}/`, served: () => served, stop: () => new Promise((r) => { server.close(r); server.closeAllConnections(); }) };
}

export function launch() {
    return puppeteer.launch({
        executablePath: "/usr/bin/chromium",
        args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
               "--disable-component-update", "--disable-sync"],
    });
}

// A page of the site, loaded, with the core ready.
export async function open(browser, url, viewport = { width: 800, height: 620 }) {
    const page = await browser.newPage();
    await page.setViewport(viewport);
    await page.goto(url);
    await page.waitForFunction(() => window.zarvel !== undefined);
    return page;
}
