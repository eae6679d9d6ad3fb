// The page holding four names of 4 characters, then four as long as typing
// makes them, then four as long as stored names may be: the share of the main thread that is busy while
// the page sits idle with Timer1 ticking (over 5 s), and the time from a
// key press in a name box to the next drawn frame (median of 15).
// bench/measure-responsiveness runs it:
//   node bench/measure-long-names.mjs build/web
import { attach, launch, serve } from "../tests/web/site.mjs";

const root = process.argv[2] ?? "build/web";
const site = await serve(root);
const browser = await launch();
const median = (values) => [...values].sort((a, b) => a - b)[values.length >> 1];

for (const kind of ["short", "longest", "file"]) {
    const page = await browser.newPage();
    await page.goto(site.url);
    await attach(page);
    const length = await page.evaluate((kind) => {
        const { core, controls, reading } = window.zarvel;
        const length = { short: 4, longest: core.maxTypedNameLength, file: core.maxNameLength }[kind];
        for (const box of ["Text1", "Text2", "Text3", "Text4"]) controls.setText(box, "Ж".repeat(length));
        reading.selectFigure(1, 1);
        return length;
    }, kind);
    await new Promise((resolve) => setTimeout(resolve, 500));
    const session = await page.createCDPSession();
    await session.send("Performance.enable");
    const busy = async () =>
        (await session.send("Performance.getMetrics")).metrics.find((m) => m.name === "TaskDuration").value;
    const before = await busy();
    await new Promise((resolve) => setTimeout(resolve, 5000));
    const idle = (100 * ((await busy()) - before)) / 5;

    await page.evaluate(() => {
        window.zarvel.reading.assignNames();
        const box = document.getElementById("Text1");
        box.focus();
        box.setSelectionRange(box.value.length, box.value.length);
    });
    const keys = [];
    for (let i = 0; i < 15; ++i) {
        await page.evaluate(() => {
            window.frameAfterKey = new Promise((resolve) => {
                document.getElementById("Text1").addEventListener(
                    "keydown",
                    () => {
                        const start = performance.now();
                        requestAnimationFrame(() => setTimeout(() => resolve(performance.now() - start)));
                    },
                    { once: true },
                );
            });
        });
        await page.keyboard.press("Backspace");
        keys.push(await page.evaluate(() => window.frameAfterKey));
        await new Promise((resolve) => setTimeout(resolve, 100));
    }
    console.log(
        `length=${length} idle_main_thread_busy_pct=${idle.toFixed(2)} key_to_frame_ms=${median(keys).toFixed(2)}`,
    );
    await page.close();
}
await browser.close();
await site.stop();
