// The browser engine the tests run in, ZARVEL_ENGINE: Chromium and Firefox
// ESR through puppeteer-core (Firefox over WebDriver BiDi), WebKit through
// WebKitWebDriver. What differs between their drivers is done here, once.
import puppeteer from "puppeteer-core";
import { launchWebKit } from "./webdriver_page.mjs";

export const engine = process.env.ZARVEL_ENGINE ?? "chromium";

// The narrowest window the engine's browser makes, in CSS pixels.
const narrowestWindow = engine === "webkit" ? 447 : 0;

// What an engine's driver cannot do, and why. A test that needs one of
// these does without and says so in its output.
const Cannot = {
    chromium: {},
    firefox: {
        touch:
            "Firefox's WebDriver BiDi emulates no touch screen: clicks stand in for taps " +
            "(a phone's coarse pointer comes from Firefox's preferences)",
        scripting: "Firefox's WebDriver BiDi cannot switch scripting off (emulation.setScriptingEnabled)",
        throttle:
            "Firefox's WebDriver BiDi cannot slow the CPU or the network: the app is held back by the server only",
    },
    webkit: {
        touch: "WebKitWebDriver performs touch actions as a mouse's: clicks stand in for taps",
        pixelRatio: "WebDriver cannot set a screen's pixel ratio: MiniBrowser runs at 1x",
        console: "WebKitWebDriver gives no console log",
        coarsePointer: "MiniBrowser under Xvfb has a mouse only, so no page sees the coarse pointer of a finger",
        scripting: "WebDriver cannot switch scripting off",
        throttle: "WebDriver cannot slow the CPU or the network: the app is held back by the server only",
        narrowWindow:
            `MiniBrowser's windows are at least ${narrowestWindow} px wide: ` +
            "a narrower screen is a frame of its size in a wider window",
        liveRegions:
            "WebKitGTK reports no change of a live region's text to screen readers (AT-SPI), " +
            "and Orca's script for WebKitGTK hears no live region: Orca cannot tell the answer",
    },
};
if (!Cannot[engine]) throw new Error(`ZARVEL_ENGINE=${engine}: not one of ${Object.keys(Cannot).join(", ")}`);

// Why the engine cannot do `what`; undefined when it can.
export const cannot = (what) => Cannot[engine][what];

// Skips test `t`, saying why, when the engine cannot do `what`.
export function skipUnless(t, what) {
    const why = cannot(what);
    if (why) t.skip(`${engine}: ${why}`);
    return Boolean(why);
}

// Whether the engine can do `what`; when it cannot, test context `t` says
// so in the output, once.
const said = new WeakMap();
export function can(t, what) {
    const why = cannot(what);
    if (why && !said.get(t)?.has(what)) {
        t.diagnostic(`${engine}: ${why}`);
        said.set(t, new Set(said.get(t)).add(what));
    }
    return !why;
}

const ChromiumFlags = [
    "--no-sandbox",
    "--disable-gpu",
    "--disable-quic",
    "--no-first-run",
    "--disable-background-networking",
    "--disable-component-update",
    "--disable-sync",
];

// Firefox's preferences for a phone: its only pointer is coarse, as a
// finger is, and pages get touch events.
const FirefoxPhone = {
    "ui.primaryPointerCapabilities": 1,
    "ui.allPointerCapabilities": 1,
    "dom.w3c_touch_events.enabled": 1,
};

// The engine's browser; `phone`: as on a phone, where the engine's driver
// can make it so without touch emulation; `screenReader`: in a window of
// the display, its accessibility tree on the session's accessibility bus
// for a screen reader (WebKit's MiniBrowser always has both); `early`:
// WebDriver's commands wait for no page to load, so that input reaches a
// page that is still loading (puppeteer's never wait); `more`: puppeteer's
// own launch options, for Chromium.
export function launch({ phone = false, screenReader = false, early = false, ...more } = {}) {
    if (engine === "webkit") return launchWebKit({ early });
    if (engine === "firefox")
        return puppeteer.launch({
            browser: "firefox",
            executablePath: "/usr/bin/firefox-esr",
            extraPrefsFirefox: phone ? FirefoxPhone : {},
            headless: !screenReader,
        });
    return puppeteer.launch({
        executablePath: "/usr/bin/chromium",
        args: screenReader ? [...ChromiumFlags, "--force-renderer-accessibility"] : ChromiumFlags,
        headless: !screenReader,
        ...more,
    });
}

// The page's size, its pixel ratio where the engine sets one and a touch
// screen where it emulates one; test context `t` says what is done
// otherwise: a pixel ratio left at 1, a screen narrower than any window
// made a frame of its size.
export function setScreen(page, screen, t) {
    const { width, height, deviceScaleFactor = 1, isMobile = false, hasTouch = false } = screen;
    const viewport = { width, height };
    if (deviceScaleFactor === 1 || can(t, "pixelRatio")) viewport.deviceScaleFactor = deviceScaleFactor;
    if (!Cannot[engine].touch) Object.assign(viewport, { isMobile, hasTouch });
    if (width < narrowestWindow && !can(t, "narrowWindow")) return page.setFramedViewport(viewport, narrowestWindow);
    return page.setViewport(viewport);
}

// A click on a page that may still be loading: WebKitWebDriver's element
// click waits until the page has loaded everything, so there the pointer
// clicks.
export const clickNow = (page, selector) => (page.pointerClick ? page.pointerClick(selector) : page.click(selector));

// Selects all of a box's text, as a triple click does.
export async function selectText(page, selector) {
    await page.click(selector);
    await page.$eval(selector, (e) => e.select());
}

// Text put in the focused box at once, as a paste puts it.
export const paste = (page, text) => page.evaluate((t) => document.execCommand("insertText", false, t), text);

// The page's console errors and uncaught exceptions from now on, as a
// function that gives those so far (none where the engine cannot tell).
export function consoleErrors(page) {
    const errors = [];
    if (Cannot[engine].console) return () => errors;
    page.on("console", (message) => message.type() === "error" && errors.push(message.text()));
    page.on("pageerror", (error) => errors.push(String(error)));
    return () => errors;
}
