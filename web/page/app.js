// Zarvel in the browser: the reading core in WebAssembly over Form1 and its
// menu (written into the page by the build from the core's tables), Timer1,
// and the names kept in the browser's storage and shared by every tab.
import createZarvel from "./zarvel.mjs";
import { MenuBar } from "./menu_bar.js";
import { PageControls, wellFormed } from "./page_controls.js";
import { NamesStorage } from "./names_storage.js";

// The core, compiled as its WebAssembly streams in, from the response
// start.js asked for with the modules; a host that serves it with another
// type gets it compiled once it is all there.
const compile = (response, imports) =>
    WebAssembly.instantiateStreaming(response.clone(), imports).catch(() =>
        response.arrayBuffer().then((bytes) => WebAssembly.instantiate(bytes, imports)),
    );
const asked = new CustomEvent("zarvel-wasm", { detail: {} });
window.dispatchEvent(asked);
const load = () =>
    new Promise((resolve, reject) => {
        const instantiateWasm = (imports, done) => {
            asked.detail.response.then((response) => compile(response, imports)).then((r) => done(r.instance), reject);
            return {};
        };
        createZarvel({ instantiateWasm }).then(resolve, reject);
    });
let core;
try {
    core = await load();
} catch (error) {
    window.dispatchEvent(new Event("zarvel-failed")); // start.js finds out why and says so
    throw error;
}
// The browser may draw and answer between loading the core and taking
// the window over: neither step then holds it for long.
await new Promise((resolve) => setTimeout(resolve));
const say = (id) => (text) => {
    document.getElementById(id).textContent = text;
};
const form = document.getElementById(core.form1);
const controls = new PageControls(core, form);
const reading = new core.Form(controls);
const names = new NamesStorage(say("notice"));
const stored = () => wellFormed(names.read());
// Four long names take a while to save: typing saves once it pauses, and
// leaving the page saves at once. Only the boxes changed in this tab are
// written; the others keep what another tab may have stored.
let pendingSave = 0;
const save = () => {
    clearTimeout(pendingSave);
    names.write(reading.unload(stored()));
};
const saveSoon = () => {
    clearTimeout(pendingSave);
    pendingSave = setTimeout(save, 300);
};

// Each control's event goes to the core's handler of that event.
const first = controls.attach((event) => reading.raise(event), saveSoon);
new MenuBar(document.getElementById("menubar"), core.menuTree(), (row) => {
    if (row.command === core.MenuCommand.PickFigure) reading.selectFigure(row.figure, row.rank);
    else reading.assignNames();
});

reading.load(stored());
names.watch((lines) => reading.takeStored(wellFormed(lines)));
// The first control takes the focus, unless the person has put it
// somewhere while the app loaded; a ring only once the keyboard is used.
if (!form.contains(document.activeElement)) first.focus({ focusVisible: false });

// Closing a tab or leaving the page never loses a typed name.
document.addEventListener("visibilitychange", () => {
    if (document.visibilityState === "hidden") save();
});
window.addEventListener("pagehide", save);

// Timer1: a tick every interval against the clock. As with the window's
// timer, a late tick comes once, after whatever delayed it, and the next
// one a whole interval later: late ticks never come in a burst.
const interval = core.timer1IntervalMs;
let due = performance.now() + interval;
const tick = () => {
    reading.tick();
    const now = performance.now();
    due += interval;
    if (due < now) due = now + interval;
    setTimeout(tick, due - now);
};
setTimeout(tick, interval);

// On a narrow or touch screen the cards are drawn as one picture, as wide
// as the style sheet makes their box.
const cards = form.querySelector(".cards");
new ResizeObserver(() => {
    const width = parseFloat(getComputedStyle(form).getPropertyValue("--table-width"));
    form.style.setProperty("--scale", String(cards.clientWidth / width));
}).observe(cards);

// The window is the app's now: start.js hands it what the person did while
// it loaded.
performance.mark("zarvel-ready");
window.dispatchEvent(new Event("zarvel-ready"));

// Offline after one visit: the service worker keeps the whole site. When
// it brings a new build while this page runs, the page says so; the new
// build starts with the next load.
if ("serviceWorker" in navigator) {
    const running = navigator.serviceWorker.controller !== null;
    navigator.serviceWorker.addEventListener("controllerchange", () => {
        if (running) say("update")("Вышла новая версия Zarvel: она откроется, когда вы обновите страницу.");
    });
    // Asked on every load, so a new build is found however the host caches.
    navigator.serviceWorker
        .register("sw.js")
        .then((registration) => registration.update())
        .catch(() => {});
}

// For the browser tests, which import this module: the page itself puts
// nothing on its globals.
export { core, reading, controls };
