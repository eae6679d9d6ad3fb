// The page on phones and on a zoomed desktop: a whole reading by taps (or
// clicks where there is no touch screen), every control big enough for a
// finger and hit where it is drawn, readable text, no sideways scrolling,
// and nothing serious for axe-core with its target-size rule on.
import { before } from "node:test";
import { test } from "./scope.mjs";
import assert from "node:assert/strict";
import { readFile } from "node:fs/promises";
import { createRequire } from "node:module";
import { answered, attach, found, servedForFile, text } from "./site.mjs";
import { can, setScreen, skipUnless } from "./engine.mjs";

const Screens = [
    // The one on the user's own path.
    { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true, portrait: true, path: true },
    { width: 360, height: 640, deviceScaleFactor: 2, isMobile: true, hasTouch: true, portrait: true },
    { width: 320, height: 568, deviceScaleFactor: 2, isMobile: true, hasTouch: true },
    // Wider than a phone held upright: only its coarse pointer gives it the
    // layout for a finger.
    { width: 844, height: 390, deviceScaleFactor: 3, isMobile: true, hasTouch: true, coarseOnly: true },
    { width: 512, height: 350, deviceScaleFactor: 2 }, // a desktop at 200 %
];
const served = servedForFile({ phone: true });
let axe;
before(async () => {
    axe = await readFile(createRequire(import.meta.url).resolve("axe-core/axe.min.js"), "utf8");
});

// The targets matching `selector` (by default all but an open list's or
// menu's, which cover what is under them), each brought into view: what
// is too small or not hit at its centre, what overlaps among the targets
// outside the menus and lists on the screen at the end, and whether the
// page scrolls sideways.
const Controls = "#menubar > li > [role=menuitem], #Form1 input, #Form1 button, #Form1 [tabindex='0']";
const faults = (page, selector = Controls) =>
    page.evaluate(
        (selector, controls) => {
            const targets = [...document.querySelectorAll(selector)].filter((e) => e.getClientRects().length > 0);
            const name = (e) => e.id || e.dataset.name || e.textContent;
            const hit = (e, r) => e.contains(document.elementFromPoint(r.x + r.width / 2, r.y + r.height / 2));
            const found = [];
            for (const e of targets) {
                e.scrollIntoView({ block: "nearest", inline: "nearest" });
                const r = e.getBoundingClientRect();
                if (r.width < 44 || r.height < 44) found.push(`${name(e)} is ${r.width} × ${r.height}`);
                if (!hit(e, r)) found.push(`${name(e)} is covered at its centre`);
            }
            const onTop = targets
                .filter((e) => e.matches(controls))
                .map((e) => [e, e.getBoundingClientRect()])
                .filter(([e, r]) => r.top >= 0 && r.bottom <= innerHeight && hit(e, r));
            for (const [i, [a, ra]] of onTop.entries()) {
                for (const [b, rb] of onTop.slice(i + 1)) {
                    if (
                        ra.left < rb.right - 0.5 &&
                        rb.left < ra.right - 0.5 &&
                        ra.top < rb.bottom - 0.5 &&
                        rb.top < ra.bottom - 0.5
                    )
                        found.push(`${name(a)} overlaps ${name(b)}`);
                }
            }
            if (document.documentElement.scrollWidth > innerWidth)
                found.push(`the page is ${document.documentElement.scrollWidth} wide`);
            return found;
        },
        selector,
        Controls,
    );

const serious = async (page) => {
    await page.evaluate(axe);
    const result = await page.evaluate(() => window.axe.run(document, { rules: { "target-size": { enabled: true } } }));
    return result.violations
        .filter((v) => v.impact === "serious" || v.impact === "critical")
        .map((v) => `${v.id}: ${v.help}`);
};

for (const screen of Screens) {
    test(
        `a reading by ${screen.hasTouch ? "taps" : "clicks"} at ${screen.width} × ${screen.height}`,
        async (t) => {
            if (screen.coarseOnly && skipUnless(t, "coarsePointer")) return;
            const page = await served.browser.newPage();
            await setScreen(page, screen, t);
            await page.goto(served.site.url);
            await attach(page);
            await page.evaluate(() => window.zarvel.reading.replayLayout(9, [28])); // the ace, then kings of clubs
            const touch = screen.hasTouch && can(t, "touch");
            const press = (selector) => (touch ? page.tap(selector) : page.click(selector));
            assert.deepEqual(await faults(page), []);
            assert.deepEqual(await serious(page), []);

            for (const name of ["Гадание", "Гадание_парня", "Парня_на_4_дамы", "Вы_король_мужчина"])
                await press(`[data-name="${name}"]`);
            assert.deepEqual(await faults(page, "[role=menuitem]"), [], "the touch menu's deepest level");
            await press('[data-name="Король_крести_богатый"]');
            await press('[data-name="Назначить_имена"]');
            for (const [box, name] of [
                ["Text1", "Оля"],
                ["Text2", "Ольга"],
                ["Text3", "Аня"],
                ["Text4", "Вера"],
            ]) {
                await press(`#${box}`);
                await page.$eval(`#${box}`, (e) => e.select());
                await page.keyboard.type(name);
            }
            assert.deepEqual(await faults(page), [], "the name boxes and «Ок»");
            await press("#Image45");
            await press("#Combo1 button");
            if (touch)
                assert.equal(
                    await page.evaluate(() => document.activeElement.tagName),
                    "UL",
                    "the list, and no text field, has the focus",
                );
            assert.deepEqual(await faults(page, "#Combo1 *"), [], "the list of questions");
            await press("#Combo1 li:nth-child(10)");
            await press("#Command1");
            await found(page);
            await answered(page, "-Ольга");
            assert.equal(await text(page, "Label5"), "Кто ревнует?-Ольга");
            assert.deepEqual(await faults(page), [], "after the deal");
            assert.deepEqual(await serious(page), []);

            const sizes = await page.evaluate(() =>
                Object.fromEntries(
                    ["Text1", "Combo1 input", "Label2", "Label5"].map((s) => [
                        s,
                        parseFloat(getComputedStyle(document.querySelector(`#${s}`)).fontSize),
                    ]),
                ),
            );
            for (const [name, size] of Object.entries(sizes)) assert.ok(size >= 16, `${name}: ${size} px`);
            // The cards fill their box as one picture: the last figure stands
            // where the window has it, scaled to the box.
            const [form, cards, last] = await Promise.all(
                ["#Form1", "#Form1 .cards", "#Image44"].map((s) =>
                    page.$eval(s, (e) => e.getBoundingClientRect().toJSON()),
                ),
            );
            const share = await page.evaluate(() => {
                const number = (e, name) => Number(getComputedStyle(document.querySelector(e)).getPropertyValue(name));
                return (number("#Image44", "--x") - number("#Form1", "--left")) / number("#Form1", "--table-width");
            });
            assert.ok(
                Math.abs(last.left - cards.left - share * cards.width) < 1,
                `the last figure at ${last.left} in a box from ${cards.left}, ${cards.width} wide`,
            );
            if (screen.portrait)
                assert.ok(
                    Math.abs(cards.width - form.width) < 1 && form.width >= screen.width - 17,
                    `the cards are ${cards.width} wide`,
                );
            if (screen.hasTouch) {
                await page.evaluate(() => window.scrollTo(0, 0));
                const shown = await page.$$eval("#Command1, #Label5", (all) =>
                    all.map((e) => e.getBoundingClientRect().bottom <= innerHeight),
                );
                assert.deepEqual(shown, [true, true], "«Раскинуть» and the answer on the screen after the deal");
            }
            if (screen.deviceScaleFactor >= 2 && can(t, "pixelRatio"))
                assert.match(await page.$eval("#Image50", (e) => e.currentSrc), /@2x\.png$/);
            await page.close();
        },
        screen,
    );
}
