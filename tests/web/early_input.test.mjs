// The window is drawn from the page's own bytes, before the app has loaded:
// what a person does on it then is never lost. The app is held back by the
// server until the input has been sent, so the input always comes first;
// where the driver can, the browser is slowed as a phone is, too.
import { runsAny, test } from "./scope.mjs";
import assert from "node:assert/strict";
import { after, before } from "node:test";
import { attach, serve } from "./site.mjs";
import { can, clickNow, launch } from "./engine.mjs";

// Each page comes from a server of its own: a new origin, whose service
// worker has kept nothing yet.
const browser = {};
before(async () => {
    if (await runsAny()) browser.engine = await launch({ early: true });
});
after(() => browser.engine?.close());
const FirstMenu = '[data-name="Гадание"]';
const Question = "#Combo1 input";

// A page of the site loading as on a first visit, its app held back until
// `release()`, once its window is drawn.
async function arriving(t) {
    const site = await serve(process.env.ZARVEL_SITE);
    const page = await browser.engine.newPage();
    if (can(t, "throttle")) {
        await page.emulateCPUThrottling(4);
        await page.emulateNetworkConditions({ download: 1.6e6 / 8, upload: 750e3 / 8, latency: 150 });
    }
    const release = site.holdBack(/\/app\.js$/);
    // WebDriver's navigation may return before the page is there.
    await page.goto(site.url, { waitUntil: "domcontentloaded" });
    await page.waitForSelector(FirstMenu);
    return {
        page,
        release,
        done: async () => {
            await page.close();
            await site.stop();
        },
    };
}

// A click in a text, all of it selected, and `text` typed over it.
async function typeOver(page, selector, text) {
    await clickNow(page, selector);
    await page.$eval(selector, (e) => e.select());
    await page.keyboard.type(text);
}

const busy = (page) => page.$eval("#window", (e) => e.getAttribute("aria-busy"));
const expanded = (page) => page.$eval(FirstMenu, (e) => e.getAttribute("aria-expanded"));

// Each input as a person sends it before the app is ready, whether the
// window shows it waiting, and what the ready app has made of it.
const Cases = [
    {
        title: "a click on a menu",
        send: (page) => clickNow(page, FirstMenu),
        waits: true,
        after: async (page) => assert.equal(await expanded(page), "true"),
    },
    {
        title: "a tap on a menu",
        needs: "touch",
        send: (page) => page.tap(FirstMenu),
        waits: true,
        after: async (page) => assert.equal(await expanded(page), "true"),
    },
    {
        title: "a question typed",
        send: async (page) => {
            await typeOver(page, Question, "Кто он?");
        },
        waits: false,
        after: async (page) => {
            assert.equal(await page.$eval(Question, (e) => e.value), "Кто он?");
            assert.equal(await page.evaluate(() => window.zarvel.controls.text("Combo1")), "Кто он?");
            assert.equal(await page.evaluate(() => document.activeElement.matches("#Combo1 input")), true);
        },
    },
    {
        title: "a question typed, then the down arrow, which picks the first question",
        send: async (page) => {
            await typeOver(page, Question, "Кто");
            await page.keyboard.press("ArrowDown");
        },
        waits: true,
        after: async (page) => {
            const first = await page.$eval("#Combo1 li", (e) => e.textContent);
            assert.equal(await page.$eval(Question, (e) => e.value), first);
        },
    },
];

test.path("input on the drawn window before the app is ready is acted on once it is", async (t) => {
    for (const { title, needs, send, waits, after } of Cases) {
        if (needs && !can(t, needs)) continue;
        const { page, release, done } = await arriving(t);
        try {
            try {
                await send(page);
                assert.equal(await busy(page), waits ? "true" : null, `${title}: the window shows it waits`);
                if (waits) assert.equal(await expanded(page), "false", `${title}: nothing acts before the app`);
            } finally {
                release();
            }
            await attach(page);
            await after(page).catch((error) => assert.fail(`${title}: ${error.message}`));
            assert.equal(await busy(page), null, `${title}: the window no longer shows it waits`);
            assert.equal(await page.$eval("#notice", (e) => e.textContent), "");
        } finally {
            await done();
        }
    }
});

test("a click that waited past its patience is not taken, and the window says so", async (t) => {
    const { page, release, done } = await arriving(t);
    t.after(done);
    await clickNow(page, FirstMenu);
    await new Promise((resolve) => setTimeout(resolve, 5500));
    release();
    await attach(page);
    assert.equal(await expanded(page), "false");
    assert.match(await page.$eval("#notice", (e) => e.textContent), /не выполнено: нажмите ещё раз/);
});
