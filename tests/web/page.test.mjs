// The web edition in the engine under test, used as a person would: the menu,
// the boxes, the confirm picture and the button, by mouse, keyboard and
// touch, online and offline.
import { test } from "./scope.mjs";
import assert from "node:assert/strict";
import { readFile } from "node:fs/promises";
import { createRequire } from "node:module";
import { alt, answered, attach, found, menu, open, openWithStored, servedForFile, text } from "./site.mjs";
import { can, consoleErrors, paste, selectText } from "./engine.mjs";

const places = process.env.ZARVEL_PLACES;
const served = servedForFile();

test("every control stands at its place, as in the desktop window", async () => {
    const page = await open(served.browser, served.site.url, { width: 1024, height: 700 });
    const rows = (await readFile(places, "utf8"))
        .split("\n")
        .filter((l) => l && !l.startsWith("#"))
        .map((l) => l.split("\t"));
    const found = await page.evaluate((rows) => {
        const form = document.getElementById("Form1").getBoundingClientRect();
        return rows.map(([name]) => {
            const element = document.getElementById(name);
            element.hidden = false;
            const r = element.getBoundingClientRect();
            return [name, r.left - form.left, r.top - form.top, r.width, r.height].join(" ");
        });
    }, rows);
    assert.deepEqual(
        found,
        rows.map(([name, ...twips]) => [name, ...twips.map((t) => Number(t) / 15)].join(" ")),
    );
    // The window's colours and size, with «Раскинуть» focused but no focus
    // ring until the keyboard is used.
    assert.deepEqual(
        await page.evaluate(() => [
            getComputedStyle(document.body).backgroundColor,
            document.getElementById("window").offsetHeight,
            document.activeElement.id,
            document.activeElement.matches(":focus-visible"),
        ]),
        ["rgb(239, 239, 239)", 554, "Command1", false],
    );
    assert.equal(await page.title(), "Zarvel");
    assert.equal(await page.$eval("html", (e) => e.lang), "ru");
    assert.equal(await page.$$eval("[id^=Image]", (all) => all.length), 77);
    await page.close();
});

test.path("a whole reading through the menu, the names, a question and the button", async (t) => {
    const page = await served.browser.newPage();
    const errors = consoleErrors(page);
    await page.setViewport({ width: 800, height: 620 });
    await page.goto(served.site.url);
    await attach(page);
    await page.evaluate(() => window.zarvel.reading.replayLayout(9, [28])); // the ace, then kings of clubs
    await menu(page, "Гадание", "Гадание_парня", "Парня_на_4_дамы", "Вы_король_мужчина", "Король_крести_богатый");
    assert.equal(await alt(page, 42), "Туз червей");
    await menu(page, "Назначить_имена");
    await selectText(page, "#Text2");
    await page.type("#Text2", "Ольга");
    await page.click("#Image45");
    assert.equal(await text(page, "Label2"), "Ольга");
    await page.click("#Combo1 button");
    await page.click("#Combo1 li:nth-child(10)");
    assert.equal(await text(page, "Label5"), "Кто ревнует?");
    // What screen readers are told: each change of a live region's text.
    await page.evaluate(() => {
        window.told = [];
        const live = '[aria-live], [role="status"], [role="alert"]';
        new MutationObserver((changes) => {
            for (const region of new Set(changes.map((c) => (c.target.closest ? c.target : c.target.parentElement))))
                if (region.closest(live)) window.told.push(region.closest(live).textContent);
        }).observe(document.body, { subtree: true, childList: true, characterData: true });
    });
    await page.click("#Command1");
    await answered(page, "-Ольга");
    assert.equal(await text(page, "Label5"), "Кто ревнует?-Ольга");
    await new Promise((resolve) => setTimeout(resolve, 300));
    assert.deepEqual(await page.evaluate(() => window.told), ["Кто ревнует?-Ольга"], "the answer, told once");
    assert.equal(await alt(page, 46), "Рубашка");
    assert.equal(await alt(page, 50), "Король треф");
    assert.equal(await alt(page, 54), null, "nothing laid after the find");
    if (can(t, "console")) assert.deepEqual(errors(), [], "console errors and policy violations");
    await page.close();
});

test("a card that never turns up: 31 backs and the not-dealt answer; typing never chooses", async () => {
    const page = await open(served.browser, served.site.url);
    await page.evaluate(() => window.zarvel.reading.replayLayout(2, [1])); // no queen of hearts
    await menu(page, "Гадание", "Гадание_девушки", "Девушки_на_4_короля", "На_королей_дама_черви");
    await selectText(page, "#Combo1 input");
    await page.keyboard.type("кто ревнует?");
    await page.keyboard.press("Enter");
    await page.focus("#Command1"); // focus leaves the box
    assert.equal(await text(page, "Label5"), "", "a typed question is no choice");
    await page.click("#Command1");
    await answered(page, "-Не выпало");
    assert.equal(await text(page, "Label5"), "кто ревнует?-Не выпало");
    for (let n = 46; n <= 76; ++n) assert.equal(await alt(page, n), "Рубашка", `Image${n}`);
    await page.close();
});

test.path("the menu and the whole reading work from the keyboard alone", async () => {
    const page = await open(served.browser, served.site.url);
    await page.evaluate(() => window.zarvel.reading.replayLayout(9, [16]));
    await page.focus('[data-name="Гадание"]');
    for (const key of [
        "Enter",
        "ArrowDown",
        "ArrowRight",
        "ArrowRight",
        "ArrowDown",
        "ArrowRight",
        "ArrowDown",
        "Enter",
    ])
        await page.keyboard.press(key); // Парня › На 4 дамы › Вы-валет › Валет-буби-молодой
    assert.equal(
        await page.evaluate(() => document.querySelector('[role="menu"]:not([hidden])')),
        null,
        "menus closed",
    );
    await page.focus("#Combo1 input");
    await page.keyboard.press("ArrowDown");
    assert.equal(await text(page, "Label5"), "Кто меня любит?");
    await page.focus("#Command1");
    await page.keyboard.press("Enter");
    await found(page);
    assert.equal(await alt(page, 50), "Валет бубен");
    // Escape outside a menu, as in the window, where Form1 has no cancel
    // button: the focus, the answer and the cards stay.
    const state = () =>
        page.evaluate(() => [
            document.activeElement.id,
            document.getElementById("Label5").textContent,
            document.getElementById("Image50").alt,
        ]);
    const before = await state();
    await page.keyboard.press("Escape");
    assert.deepEqual(await state(), before);
    await page.close();
});

const storageCase =
    "names come back after a reload; garbage is silently replaced; " +
    "a failing storage gives a notice until a save succeeds";
test.path(storageCase, async () => {
    let page = await open(served.browser, served.site.url);
    await menu(page, "Гадание", "Гадание_девушки", "Девушки_на_4_вальта", "на_вальтов_дама_крести", "Назначить_имена");
    await selectText(page, "#Text3");
    await page.type("#Text3", "<b>Вера</b>");
    await page.reload();
    await attach(page);
    assert.equal(await page.$eval("#Text3", (e) => e.value), "<b>Вера</b>");
    await page.close();
    for (const damaged of ["одна строка", "a\r\nb\r\nc\r\n", ""]) {
        page = await openWithStored(served.browser, served.site.url, damaged); // a reload would save the boxes over it
        assert.equal(await page.$eval("#Text3", (e) => e.value), "Имя");
        assert.equal(await text(page, "notice"), "", JSON.stringify(damaged));
        await page.close();
    }

    page = await open(served.browser, served.site.url);
    await page.evaluate(() => {
        const setItem = Storage.prototype.setItem;
        Storage.prototype.setItem = function (...item) {
            if (window.full) throw new DOMException("full", "QuotaExceededError");
            setItem.apply(this, item);
        };
        window.full = true;
    });
    await menu(page, "Гадание", "Гадание_девушки", "Девушки_на_4_вальта", "на_вальтов_дама_крести", "Назначить_имена");
    await page.type("#Text1", "x");
    await page.waitForFunction(() => /не сохранены/.test(document.getElementById("notice").textContent));
    await page.click("#Image45");
    assert.equal(await text(page, "Label1"), "Имяx");
    await page.evaluate(() => {
        window.full = false;
    });
    await page.$eval("#Text2", (e) => {
        e.value += "y";
        e.dispatchEvent(new Event("input"));
    });
    await page.waitForFunction(() => document.getElementById("notice").textContent === "");
    await page.close();
});

test("typing and pasting stop at the longest name a box takes; a longer stored name stays whole", async () => {
    const path = ["Гадание", "Гадание_девушки", "Девушки_на_4_вальта", "на_вальтов_дама_крести", "Назначить_имена"];
    let page = await open(served.browser, served.site.url);
    const longest = await page.evaluate(() => window.zarvel.core.maxTypedNameLength);
    await menu(page, ...path);
    await selectText(page, "#Text2");
    await paste(page, "Ж".repeat(longest + 10));
    await page.keyboard.type("ab");
    assert.equal(await page.$eval("#Text2", (e) => e.value.length), longest);
    await page.close();

    const stored = "Ж".repeat(longest * 3);
    page = await openWithStored(served.browser, served.site.url, `${stored}\r\nБорис\r\nВера\r\nГлеб\r\n`);
    await menu(page, ...path);
    assert.equal(await page.$eval("#Text1", (e) => e.value), stored);
    await page.click("#Text1");
    await page.keyboard.press("End");
    await page.keyboard.type("a");
    assert.equal(await page.$eval("#Text1", (e) => e.value), stored, "typing never makes it longer");
    await page.click("#Text2");
    await page.keyboard.press("End");
    await page.keyboard.type("a");
    await page.waitForFunction(
        (lines) => localStorage.getItem("zarvel.names") === lines,
        { timeout: 5000 },
        `${stored}\r\nБорисa\r\nВера\r\nГлеб\r\n`,
    );
    await page.close();
});

test.path("axe-core finds nothing serious at start or after a reading", async () => {
    const axe = await readFile(createRequire(import.meta.url).resolve("axe-core/axe.min.js"), "utf8");
    const page = await open(served.browser, served.site.url);
    const check = async () => {
        await page.evaluate(axe);
        const result = await page.evaluate(() => window.axe.run());
        return result.violations
            .filter((v) => v.impact === "serious" || v.impact === "critical")
            .map((v) => `${v.id}: ${v.help}`);
    };
    assert.deepEqual(await check(), []);
    await page.evaluate(() => window.zarvel.reading.replayLayout(9, [7]));
    await menu(page, "Гадание", "Гадание_девушки", "Девушки_на_4_короля", "На_королей_дама_черви", "Назначить_имена");
    await page.click("#Command1");
    await found(page);
    assert.deepEqual(await check(), []);
    await page.close();
});
