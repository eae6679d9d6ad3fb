// The page beyond one reading: two tabs sharing the names, text that is
// not well formed, a busy page's timer, the mouse on the menu and where
// the focus goes.
import { after, before } from "node:test";
import { runsAny, test } from "./scope.mjs";
import assert from "node:assert/strict";
import { launch, menu, open, openWithStored, serve, text, visit as visitWith } from "./site.mjs";

const root = process.env.ZARVEL_SITE;
let browser;
before(async () => {
    if (await runsAny()) browser = await launch();
});
after(() => browser?.close());
const visit = (t, host) => visitWith(browser, t, host);

const input = (page, id, value) =>
    page.$eval(
        `#${id}`,
        (e, v) => {
            e.value = v;
            e.dispatchEvent(new Event("input"));
        },
        value,
    );
const value = (page, id) => page.$eval(`#${id}`, (e) => e.value);

test("two tabs: a name changed in one reaches the other, and neither writes back an older name", async (t) => {
    const site = await serve(root);
    t.after(() => site.stop());
    const a = await open(browser, site.url);
    t.after(() => a.close());
    const b = await open(browser, site.url);
    t.after(() => b.close());
    await input(b, "Text2", "Оля");
    // Stored once b's pause after typing is over, waited for in b itself:
    // WebKit may hold back the timers of the window not driven. A
    // background tab draws no frames: poll.
    await b.waitForFunction(() => /Оля/.test(localStorage.getItem("zarvel.names")), { polling: 50 });
    await a.waitForFunction(() => document.getElementById("Text2").value === "Оля", { polling: 50 });
    await input(a, "Text1", "Аня");
    await input(b, "Text3", "Вера");
    // Each tab leaves in turn, as tabs are closed one after the other.
    for (const [tab, other, id, name] of [
        [a, b, "Text1", "Аня"],
        [b, a, "Text3", "Вера"],
    ]) {
        await tab.evaluate(() => window.dispatchEvent(new Event("pagehide")));
        await other.waitForFunction((i, n) => document.getElementById(i).value === n, { polling: 50 }, id, name);
    }
    const stored = await a.evaluate(() => localStorage.getItem("zarvel.names"));
    assert.equal(stored, "Аня\r\nОля\r\nВера\r\nИмя\r\n");
});

test("a lone surrogate, stored or typed, reaches the core as U+FFFD", async (t) => {
    const site = await serve(root);
    t.after(() => site.stop());
    const page = await openWithStored(browser, site.url, "\uD83D\r\nБорис\r\nВера\r\nГлеб\r\n");
    t.after(() => page.close());
    assert.equal(await value(page, "Text1"), "\uFFFD");
    assert.equal(await value(page, "Text2"), "Борис");
    await input(page, "Text3", "a\uDC00b");
    await page.evaluate(() => window.zarvel.reading.raise(window.zarvel.core.ControlEvent.ConfirmNames));
    assert.equal(await text(page, "Label3"), "a\uFFFDb");
});

test("after a 400 ms stall the late tick comes once, not in a burst", async (t) => {
    const { page } = await visit(t);
    const laid = await page.evaluate(async () => {
        const shown = () =>
            [...Array(31).keys()].filter((i) => !document.getElementById(`Image${46 + i}`).hidden).length;
        window.zarvel.reading.selectFigure(1, 1);
        window.zarvel.reading.replayLayout(2, [1]);
        window.zarvel.reading.raise(window.zarvel.core.ControlEvent.Deal);
        while (shown() < 3) await new Promise((resolve) => setTimeout(resolve, 5));
        const before = shown();
        for (const end = performance.now() + 400; performance.now() < end;);
        await new Promise((resolve) => setTimeout(resolve, 35));
        return shown() - before;
    });
    assert.ok(laid <= 1, `${laid} cards in the 35 ms after the stall`);
});

test("the mouse on an open menu: hovering switches menus and opens submenus, one highlighted path", async (t) => {
    const { page } = await visit(t);
    // Only what is shown: WebKit keeps the last style of an item whose menu
    // has closed until the menu is shown again.
    const highlighted = () =>
        page.$$eval("[role=menuitem]", (all) =>
            all
                .filter((e) => e.getClientRects().length > 0)
                .filter((e) => getComputedStyle(e).backgroundColor === "rgb(56, 116, 216)")
                .map((e) => e.dataset.name),
        );
    await menu(page, "Гадание");
    await page.hover('[data-name="Гадание_девушки"]');
    assert.deepEqual(await highlighted(), ["Гадание", "Гадание_девушки"]);
    await page.hover('[data-name="Девушки_на_4_короля"]');
    assert.deepEqual(await highlighted(), ["Гадание", "Гадание_девушки", "Девушки_на_4_короля"]);
    await page.hover('[data-name="Назначить_имена"]');
    assert.deepEqual(await highlighted(), ["Назначить_имена"]);
    assert.equal(await page.$$eval("[role=menu]:not([hidden])", (open) => open.length), 0);
});

test("focus returns after a menu command and follows the window's tab order", async (t) => {
    const { page } = await visit(t);
    const focused = () => page.evaluate(() => document.activeElement.closest("[id]").id);
    await page.evaluate(() => window.zarvel.reading.replayLayout(9, [7]));
    await menu(page, "Гадание", "Гадание_девушки", "Девушки_на_4_короля", "На_королей_дама_черви");
    assert.equal(await focused(), "Command1");
    await page.keyboard.press(" ");
    await page.waitForFunction(() => window.zarvel.reading.revealState() === 0, { timeout: 10000 });
    await menu(page, "Назначить_имена");
    await page.focus("#Text1");
    const order = [];
    for (let i = 0; i < 6; ++i) {
        await page.keyboard.press("Tab");
        order.push(await focused());
    }
    assert.deepEqual(order, ["Text2", "Text3", "Text4", "Image45", "Command1", "Combo1"]);
    await page.focus("#Image45");
    await page.keyboard.press("Enter");
    assert.equal(await focused(), "Command1", "the hidden «Ок» passes the focus on");
});
