// The page with Orca, the screen reader, listening (orca_page_test.sh starts
// Orca, its record in ORCA_LOG, and runs this in the engine of
// ZARVEL_ENGINE): the menu walked by keyboard to a figure, a question, then
// two readings in a row with the same answer, each started by pressing
// «Раскинуть». Prints "ok - …", "not ok - …" or "skip - …" for each check
// of what Orca spoke, by its record's SPEECH OUTPUT lines.
import { readFile } from "node:fs/promises";
import { launch, openWithStored, serve, text } from "../site.mjs";
import { cannot, engine } from "../engine.mjs";

const log = process.env.ORCA_LOG;
const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
// What Orca spoke, one utterance a line: its record quotes each, maybe
// followed by the voice.
const spoken = async () =>
    [...(await readFile(log, "utf8")).matchAll(/SPEECH OUTPUT: '(.*?)'(?=[{ ]|$)/gm)].map((m) => m[1].trim());

const site = await serve(process.env.ZARVEL_SITE);
const browser = await launch({ screenReader: true });
const page = await openWithStored(browser, site.url, "Anna\r\nBoris\r\nVera\r\nGleb\r\n");
await page.bringToFront(); // the active window, which Orca follows
const deaf = cannot("liveRegions");

// Orca writes its record through a buffer and may lag behind on a busy
// machine: the focus goes between two buttons of the test's own, each of
// which Orca speaks, until what it spoke satisfies `done` (half a minute at
// most). One pair waits between the readings, added now, since a change of
// the page in between would make Orca take any news as new; the other,
// added after the readings, is one Orca cannot have spoken before.
const between = ["Zarvel-test-one", "Zarvel-test-two"];
const after = ["Zarvel-test-three", "Zarvel-test-four"];
const add = (buttons) =>
    page.evaluate((names) => {
        for (const name of names)
            document.body.append(Object.assign(document.createElement("button"), { id: name, textContent: name }));
    }, buttons);
await add(between);
async function hearOut(buttons, done) {
    for (let round = 0; round < 60 && !done(await spoken()); ++round) {
        await page.focus(`#${buttons[round % 2]}`);
        await pause(500);
    }
}

// Парня › На 4 дамы › Вы-валет › Валет-буби-молодой, a key at a person's
// pace; the captions of the items that open a menu, which the style sheet
// marks, kept as the focus passes them (Orca, when it lags, speaks only
// the last of the items passed meanwhile).
const opening = [];
await page.focus('[data-name="Гадание"]');
for (const key of ["Enter", "ArrowDown", "ArrowRight", "ArrowRight", "ArrowDown", "ArrowRight", "ArrowDown"]) {
    await page.keyboard.press(key);
    const [caption, opens] = await page.evaluate(() => [
        document.activeElement.textContent,
        document.activeElement.ariaHasPopup,
    ]);
    if (opens) opening.push(caption);
    await pause(400);
}
await page.keyboard.press("Enter");
await page.focus("#Combo1 input");
await page.keyboard.press("ArrowDown"); // «Кто меня любит?»
await page.evaluate(() => {
    const label = document.getElementById("Label5");
    window.captions = [];
    new MutationObserver(() => window.captions.push(label.textContent)).observe(label, {
        subtree: true,
        childList: true,
        characterData: true,
    });
});

// The jack of diamonds turns up in the first column both times: at the
// sixth card, after a card in every column, then at the first card, the
// answer told a tick after the press. «Раскинуть» is clicked, then pressed
// with Enter.
const answers = [];
for (const [slotOne, laterSlots, press] of [
    [9, [28, 28, 28, 28, 16], () => page.click("#Command1")],
    [16, [28], () => page.focus("#Command1").then(() => page.keyboard.press("Enter"))],
]) {
    await page.evaluate((s, l) => window.zarvel.reading.replayLayout(s, l), slotOne, laterSlots);
    const before = await page.evaluate(() => window.captions.length);
    await press();
    await page.waitForFunction(
        (n) => window.captions.length > n && window.zarvel.reading.revealState() === 0,
        { timeout: 10000 },
        before,
    );
    answers.push(await text(page, "Label5"));
    // The answer heard out before the next press, as a person would.
    if (answers.length === 1 && !deaf)
        await hearOut(between, (heard) => heard.some((line) => line.includes(answers[0])));
}
const captions = await page.evaluate(() => window.captions);
await add(after);
const reached = (heard) => after.every((name) => heard.some((line) => line.includes(name)));
await hearOut(after, reached);
await browser.close();
await site.stop();

const heard = await spoken();
console.log(`Orca spoke:\n${heard.map((line) => `    ${line}`).join("\n")}`);
// Each check: "ok", "not ok" with what was found, or "skip" with the reason
// the engine gives no way to check. The plan, the count of checks made,
// comes last: a scenario that stopped before its end has none.
let made = 0;
const check = (what, ok, found, skip) => {
    made += 1;
    console.log(skip ? `skip - ${what}: ${engine}: ${skip}` : ok ? `ok - ${what}` : `not ok - ${what}: ${found}`);
};
check(
    "Orca's record reaches past the readings",
    reached(heard),
    "Orca lags or has stalled: what it spoke of the readings may be missing",
);
const answer = answers[0];
check(
    "two readings with the same answer, the first after cards of other answers",
    answers[1] === answer && captions.some((c) => c !== answer),
    `answers ${JSON.stringify(answers)}, captions ${JSON.stringify(captions)}`,
);
const told = heard.filter((line) => line.includes(answer)).length;
check(`the answer «${answer}» is spoken once a reading`, told === 2, `spoken ${told} times in 2 readings`, deaf);
const others = heard.filter((line) => captions.some((c) => c !== answer && line.includes(c)));
check("no caption of the cards laid before the answer is spoken", others.length === 0, others.join(" | "), deaf);
const decorated = heard.filter((line) => /[▸›‹▾]/.test(line));
const named = opening.filter((caption) => heard.some((line) => line.includes(caption)));
check(
    "the menu items are spoken by their captions alone",
    decorated.length === 0 && named.length > 0,
    `decorated: ${decorated.join(" | ")}; items that open a menu spoken: ${named.length}`,
);
const bars = heard.filter((line) => /status ?bar/i.test(line));
check("no empty region is read out", bars.length === 0, bars.join(" | "));
console.log(`1..${made}`);
