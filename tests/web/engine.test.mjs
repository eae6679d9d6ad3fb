// The page calls every test relies on do the same in each engine: what a
// person does to a box, a button and the window, on a plain page.
import { test } from "./scope.mjs";
import assert from "node:assert/strict";
import { BlankPage } from "./webdriver_page.mjs";
import { servedForFile } from "./site.mjs";
import { can, consoleErrors, paste, selectText, setScreen } from "./engine.mjs";

const served = servedForFile();

async function plain(screen = { width: 800, height: 620 }, t) {
    const page = await served.browser.newPage();
    await setScreen(page, screen, t);
    await page.goto(new URL(BlankPage, served.site.url).href);
    await page.evaluate(() => {
        document.body.innerHTML = '<input id="box" value="abc" maxlength="5"><button id="button">b</button>';
        window.seen = [];
        for (const type of ["click", "keydown", "mouseover"])
            document.addEventListener(type, (e) => window.seen.push(`${type} ${e.target.id} ${e.key ?? ""}`.trim()));
    });
    return page;
}

test("a box's text is selected whole, typed over and pasted into up to its maxlength", async () => {
    const page = await plain();
    await selectText(page, "#box");
    await page.keyboard.type("xy");
    assert.equal(await page.$eval("#box", (e) => e.value), "xy");
    await selectText(page, "#box");
    await paste(page, "123456789");
    assert.equal(await page.$eval("#box", (e) => e.value), "12345");
    await page.close();
});

test("keys reach the focused element, Space presses a button, the mouse hovers", async () => {
    const page = await plain();
    await page.focus("#button");
    await page.keyboard.press(" ");
    await page.focus("#box");
    await page.keyboard.press("Enter");
    await page.hover("#button");
    assert.deepEqual(
        (await page.evaluate(() => window.seen)).filter((s) => !s.startsWith("mouseover") || s === "mouseover button"),
        ["keydown button", "click button", "keydown box Enter", "mouseover button"],
    );
    await page.close();
});

test("the page gets the size asked for, a phone's too, and its console errors are read", async (t) => {
    for (const screen of [
        { width: 800, height: 620 },
        { width: 360, height: 640 },
    ]) {
        const page = await plain(screen, t);
        assert.deepEqual(await page.evaluate(() => [innerWidth, innerHeight]), [screen.width, screen.height]);
        await page.close();
    }
    const page = await plain();
    const errors = consoleErrors(page);
    await page.evaluate(() => console.error("wrong"));
    if (can(t, "console")) {
        for (let wait = 0; errors().length === 0 && wait < 40; ++wait) await new Promise((r) => setTimeout(r, 50));
        assert.deepEqual(errors(), ["wrong"]);
    }
    await page.close();
});
