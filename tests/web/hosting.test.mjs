// The web edition on its hosts: a host that caches, an update, other pages
// on the origin, other screens offline, broken hosts, what is fetched
// before the window is drawn, and framing.
import { after, before } from "node:test";
import { runsAny, test } from "./scope.mjs";
import assert from "node:assert/strict";
import { spawn, execFileSync } from "node:child_process";
import { appendFile, cp, mkdtemp, readdir, readFile, rm } from "node:fs/promises";
import { tmpdir } from "node:os";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import { attach, launch, menu, open, serve, text, visit as visitWith } from "./site.mjs";
import { can } from "./engine.mjs";

const root = process.env.ZARVEL_SITE;
const source = join(dirname(fileURLToPath(import.meta.url)), "../..");
let browser;
before(async () => {
    if (await runsAny()) browser = await launch();
});
after(() => browser?.close());
const visit = (t, host) => visitWith(browser, t, host);

// Controlled by the worker and the site kept (its install stores every
// file at once); `activated`: the worker's activation over too, before the
// page that is its only client closes (a worker still activating serves
// nothing offline).
const controlled = (page, { activated = false } = {}) =>
    page
        .waitForFunction(
            async (activated) =>
                navigator.serviceWorker.controller !== null &&
                (!activated || (await navigator.serviceWorker.getRegistration())?.active?.state === "activated") &&
                (await caches.match(new URL("./", location.href).href)) !== undefined,
            { timeout: 20000 },
            activated,
        )
        .catch(async (error) => {
            const states = await page.evaluate(async () => {
                const r = await navigator.serviceWorker.getRegistration();
                const kept = await caches.match(new URL("./", location.href).href);
                return JSON.stringify({
                    controller: navigator.serviceWorker.controller?.state ?? "none",
                    installing: r?.installing?.state,
                    waiting: r?.waiting?.state,
                    active: r?.active?.state,
                    kept: kept !== undefined,
                    caches: await caches.keys(),
                });
            });
            throw new Error(`${error.message}; the worker then: ${states}`);
        });
// The builds (v/<hash>/) that the page's files came from.
const builds = (page) =>
    page.evaluate(() => [
        ...new Set(
            performance
                .getEntriesByType("resource")
                .map((e) => /\/v\/(\w+)\//.exec(e.name)?.[1])
                .filter(Boolean),
        ),
    ]);
test("a new build behind a caching host arrives within two reloads, never mixed with the old", async (t) => {
    const stage = join(dirname(root), "web-build/page");
    const work = await mkdtemp(join(tmpdir(), "zarvel-update-"));
    t.after(() => rm(work, { recursive: true, force: true }));
    await cp(stage, join(work, "stage"), { recursive: true });
    await appendFile(join(work, "stage/app.js"), '\nwindow.zarvelBuild = "B";\n');
    execFileSync(join(source, "scripts/version-site"), [join(work, "stage"), join(work, "site")]);
    const { site, page } = await visit(t, { headers: { "Cache-Control": "max-age=600" } });
    await controlled(page);
    const [a] = await builds(page);
    site.root = join(work, "site");
    await page.reload();
    await page.waitForFunction(() => document.getElementById("update").textContent !== "", { timeout: 20000 });
    assert.deepEqual(await builds(page), [a], "the first reload still runs the old build whole");
    await page.reload();
    await attach(page);
    assert.equal(await page.evaluate(() => window.zarvelBuild), "B");
    assert.equal((await builds(page)).length, 1);
    assert.notEqual((await builds(page))[0], a);
});

test("the service worker leaves the origin's other pages to the network", async (t) => {
    let version = 0;
    const { site, page } = await visit(t, {
        pages: { "/other/data.json": () => String(++version), "/other/page.html": () => `<p>${++version}</p>` },
    });
    await controlled(page);
    const data = () => page.evaluate(() => fetch("other/data.json?a=2", { cache: "no-store" }).then((r) => r.text()));
    assert.notEqual(await data(), await data());
    await page.goto(`${site.url}other/page.html`);
    const first = await page.$eval("p", (e) => e.textContent);
    await page.reload();
    assert.notEqual(await page.$eval("p", (e) => e.textContent), first);
});

// A browser of its own, as a person's would be: WebKit runs the workers of
// every origin of a host (here every port of 127.0.0.1) in one process, and
// after another origin's worker was updated there it at times never
// activates the next origin's worker.
test.path("after one visit at 1x the page works offline at 2x: pictures of both densities are kept", async (t) => {
    const browser = await launch();
    t.after(() => browser.close());
    const site = await serve(root);
    t.after(() => site.stop());
    let page = await open(browser, site.url, { width: 800, height: 620, deviceScaleFactor: 1 });
    await controlled(page, { activated: true });
    await page.close();
    await site.stop();
    page = await open(browser, site.url, { width: 800, height: 620, deviceScaleFactor: 2 }, t);
    await page.evaluate(() => window.zarvel.reading.replayLayout(9, [37]));
    await menu(page, "Гадание", "Гадание_девушки", "Девушки_на_4_вальта", "На_вальтов_дама_вини");
    await page.click("#Command1");
    await page.waitForFunction(
        () => document.getElementById("Image50").complete && !document.getElementById("Image50").hidden,
        { timeout: 10000 },
    );
    if (can(t, "pixelRatio")) {
        assert.match(await page.$eval("#Image50", (e) => e.currentSrc), /@2x\.png$/);
        assert.equal(await page.$eval("#Image50", (e) => e.naturalWidth), 71, "drawn at its own size");
    }
    await page.close();
});

test("a page that cannot start says why in Russian", async (t) => {
    const [build] = await readdir(join(root, "v"));
    const cases = [
        {
            host: {
                pages: {
                    [`/v/${build}/zarvel.wasm`]: () => {
                        throw new Error("gone");
                    },
                },
            },
            says: /zarvel\.wasm \(ответ 404\)/,
        },
        { host: { types: { ".mjs": "text/plain" } }, says: /zarvel\.mjs с типом «text\/plain»/ },
        { file: true, says: /make web/ },
    ];
    for (const { host, file, says } of cases) {
        const site = file ? null : await serve(root, host);
        const page = await browser.newPage();
        await page.goto(file ? `file://${root}/index.html` : site.url);
        await page.waitForFunction(() => !document.getElementById("failure").hidden, { timeout: 10000 });
        assert.match(await text(page, "failure"), says);
        await page.close();
        await site?.stop();
    }
    if (!can(t, "scripting")) return;
    const page = await browser.newPage();
    await page.setJavaScriptEnabled(false);
    const site = await serve(root);
    await page.goto(site.url);
    assert.match(await page.$eval("noscript", (e) => e.textContent), /JavaScript/);
    await page.close();
    await site.stop();
});

// On a slow line every file asked for before the window is drawn holds
// the drawing back: the page alone draws it. The tab's icons are the
// browser's to fetch when it likes (without them it asks for one of its own).
test("the window is drawn before the page asks for any file of its own", async (t) => {
    const { page } = await visit(t);
    const { paint, fetched } = await page.evaluate(() => {
        const icons = [...document.querySelectorAll('link[rel~="icon"], link[rel="apple-touch-icon"]')];
        return {
            paint: performance.getEntriesByName("first-contentful-paint")[0]?.startTime,
            fetched: performance
                .getEntriesByType("resource")
                .filter((e) => !icons.some((icon) => icon.href === e.name))
                .map((e) => [e.name, e.startTime]),
        };
    });
    assert.notEqual(paint, undefined, "the browser tells when it first drew the page");
    assert.deepEqual(
        fetched.filter(([, start]) => start < paint),
        [],
        `asked for before the first paint, at ${paint} ms`,
    );
    assert.ok(fetched.some(([name]) => name.endsWith("/app.js")));
});

// On a slow line every byte counts: WebKit downloads a file preloaded for
// a script's fetch a second time when the script fetches it.
test.path("no file of the page is downloaded twice", async (t) => {
    const { page } = await visit(t);
    const downloaded = await page.evaluate(() =>
        performance
            .getEntriesByType("resource")
            .filter((e) => e.transferSize > 0)
            .map((e) => e.name),
    );
    assert.ok(downloaded.some((name) => name.endsWith("/zarvel.wasm")));
    assert.deepEqual(
        downloaded.filter((name, i) => downloaded.indexOf(name) !== i),
        [],
    );
});

test("make web's server sends the site's headers and types, and no browser shows the site in a frame", async () => {
    const server = spawn(join(source, "scripts/serve-web"), [root, "0"]);
    // The address, however the server's output comes in pieces.
    let said = "";
    const url = await new Promise((resolve) =>
        server.stdout.on("data", (d) => {
            said += d;
            const address = /http:\S+\//.exec(said);
            if (address) resolve(address[0]);
        }),
    );
    try {
        // The entry page comes with every header that _headers gives all paths.
        const [, all] = /^\/\*\n((?:[ \t]+.*\n)+)/m.exec(await readFile(join(root, "_headers"), "utf8"));
        const entry = await fetch(url);
        for (const line of all.trim().split("\n")) {
            const [, name, value] = /^\s*([^:]+):\s*(.*)$/.exec(line);
            assert.equal(entry.headers.get(name), value, name);
        }
        assert.match(entry.headers.get("Content-Security-Policy"), /frame-ancestors 'none'/);
        const [build] = await readdir(join(root, "v"));
        for (const [file, type] of [
            ["zarvel.mjs", "text/javascript"],
            ["zarvel.wasm", "application/wasm"],
        ]) {
            const response = await fetch(`${url}v/${build}/${file}`);
            assert.equal(response.headers.get("Content-Type"), type);
            assert.equal(response.headers.get("X-Content-Type-Options"), "nosniff");
        }
        // A page of the same origin (the host's answer for a missing file)
        // frames the site: the frame loads, the browser having shown nothing
        // of it.
        const page = await browser.newPage();
        await page.goto(`${url}missing.html`);
        const shown = await page.evaluate(async (url) => {
            const frame = Object.assign(document.createElement("iframe"), { src: url });
            const loaded = new Promise((resolve) => frame.addEventListener("load", resolve));
            document.body.append(frame);
            await loaded;
            return Boolean(frame.contentDocument?.getElementById("Form1"));
        }, url);
        assert.equal(shown, false, "the site shown in a frame");
        await page.close();
    } finally {
        server.kill();
    }
});
