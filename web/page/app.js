// Zarvel in the browser: the reading core in WebAssembly, Form1 and its
// menu built from the core's tables, Timer1, and the names kept in the
// browser's storage.
import createZarvel from "./zarvel.mjs";
import { MenuBar } from "./menu_bar.js";
import { PageControls, listOf } from "./page_controls.js";
import { NamesStorage } from "./names_storage.js";

const core = await createZarvel();
const form = document.getElementById("Form1");
const notice = (text) => { document.getElementById("notice").textContent = text; };
const controls = new PageControls(core, form);
const reading = new core.Form(controls);
const names = new NamesStorage(notice);
// Four long names take a while to save: typing saves once it pauses, and
// leaving the page saves at once.
let pendingSave = 0;
const save = () => {
    clearTimeout(pendingSave);
    names.write(reading.unload());
};
const saveSoon = () => {
    clearTimeout(pendingSave);
    pendingSave = setTimeout(save, 300);
};

// Each event of a control goes to the core's handler of that event.
const handlers = {
    Deal: () => reading.deal(),
    ConfirmNames: () => reading.confirmNames(),
    ChooseQuestion: () => reading.chooseQuestion(),
    NameChanged: saveSoon,
};
controls.build((event) => handlers[event]());
new MenuBar(document.getElementById("menubar"), listOf(core.menuRows()), (row) => {
    if (row.figure !== 0)
        reading.selectFigure(row.figure, row.rank);
    else
        reading.assignNames();
});

reading.load(names.read(core));
document.title = core.form1Caption;
document.getElementById("Command1").focus();

// Closing a tab or leaving the page never loses a typed name.
document.addEventListener("visibilitychange", () => { if (document.visibilityState === "hidden") save(); });
window.addEventListener("pagehide", save);

// Timer1: a tick every 50 ms against the clock, so that late ticks do not
// add up.
const interval = core.timerInterval;
let due = performance.now() + interval;
const tick = () => {
    reading.tick();
    due += interval;
    const now = performance.now();
    if (due < now - 10 * interval)
        due = now + interval; // after a sleeping tab, start afresh
    setTimeout(tick, Math.max(0, due - now));
};
setTimeout(tick, interval);

// A narrow screen shows the whole window scaled to its width.
const windowArea = document.getElementById("window");
const fit = () => {
    const scale = Math.min(1, document.documentElement.clientWidth / windowArea.offsetWidth);
    windowArea.style.transform = scale < 1 ? `scale(${scale})` : "";
    document.body.style.height = scale < 1 ? `${windowArea.offsetHeight * scale}px` : "";
};
window.addEventListener("resize", fit);
fit();

// Offline after one visit: the service worker keeps the site, and the
// pictures for this screen are fetched into its cache now.
if ("serviceWorker" in navigator) {
    navigator.serviceWorker.register("sw.js").then(async () => {
        const doubled = window.devicePixelRatio > 1;
        const files = controls.pictureFiles().filter((file) => file.includes("@2x") === doubled);
        const cache = await caches.open((await (await fetch("cache-name.txt")).text()).trim());
        await cache.addAll(files);
    }).catch(() => {});
}

window.zarvel = { core, reading, controls }; // for the browser tests
