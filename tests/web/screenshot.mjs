// Makes docs/web-phone.png: the page on a phone-sized screen after a whole
// reading by taps. Run from tests/web with the site built:
//   ZARVEL_SITE=../../build/web node screenshot.mjs ../../docs/web-phone.png
import { attach, launch, serve } from "./site.mjs";

const site = await serve(process.env.ZARVEL_SITE);
const browser = await launch();
const page = await browser.newPage();
await page.setViewport({ width: 390, height: 844, deviceScaleFactor: 2, isMobile: true, hasTouch: true });
await page.goto(site.url);
await attach(page);
// The same reading as the desktop screenshot: the queen of hearts turns up
// seventh, in the second column.
await page.evaluate(() =>
    window.zarvel.reading.replayLayout(
        24,
        [
            12, 25, 33, 4, 19, 7, 14, 29, 2, 35, 11, 24, 39, 5, 16, 21, 32, 13, 3, 27, 31, 15, 22, 34, 1, 17, 26, 37, 9,
            23, 36, 13, 6, 3, 19, 5, 12, 2,
        ],
    ),
);
for (const name of ["Гадание", "Гадание_девушки", "Девушки_на_4_короля", "На_королей_дама_черви", "Назначить_имена"])
    await page.tap(`[data-name="${name}"]`);
for (const [box, name] of [
    ["Text1", "Андрей"],
    ["Text2", "Борис"],
    ["Text3", "Виктор"],
    ["Text4", "Глеб"],
]) {
    await page.$eval(`#${box}`, (e) => {
        e.value = "";
    });
    await page.type(`#${box}`, name);
}
await page.tap("#Image45");
await page.tap("#Combo1 button");
await page.tap("#Combo1 li:nth-child(1)");
await page.tap("#Command1");
await page.waitForFunction(() => window.zarvel.reading.revealState() === 0);
await page.screenshot({ path: process.argv[2] });
await browser.close();
await site.stop();
