// WebKit through WebDriver (WebKitGTK's WebKitWebDriver and MiniBrowser),
// behind the part of puppeteer's Browser and Page that the tests use, so
// that each test is written once for every engine. WebDriver drives one
// window at a time: each page makes its window the current one before
// every command. A first window stays open and empty, since closing a
// session's last window ends the session.
import { execFileSync, spawn } from "node:child_process";
import { existsSync, readdirSync } from "node:fs";
import { createServer } from "node:net";
import { Builder, By, Capabilities, Key } from "selenium-webdriver";
import { Pointer } from "selenium-webdriver/lib/input.js";

// A page of the origin that is not the site's, which the tests' server
// gives: written on before the site starts, or holding it in a frame.
export const BlankPage = "/blank.html";
// Under the machine's own multiarch folder (x86_64-linux-gnu, aarch64-linux-gnu...).
const MiniBrowser = readdirSync("/usr/lib")
    .map((folder) => `/usr/lib/${folder}/webkit2gtk-4.1/MiniBrowser`)
    .find((path) => existsSync(path));
// puppeteer's names of the keys the tests press.
const Keys = {
    Enter: Key.ENTER,
    Tab: Key.TAB,
    Escape: Key.ESCAPE,
    ArrowDown: Key.ARROW_DOWN,
    ArrowUp: Key.ARROW_UP,
    ArrowRight: Key.ARROW_RIGHT,
    ArrowLeft: Key.ARROW_LEFT,
    Home: Key.HOME,
    End: Key.END,
    Backspace: Key.BACK_SPACE,
};
// A key by its name, as puppeteer names it: a name the table lacks would be
// typed letter by letter.
const keyOf = (key) => {
    if (key.length > 1 && !Keys[key]) throw new Error(`no WebDriver key for ${key}`);
    return Keys[key] ?? key;
};

// A function and its arguments as a WebDriver script, whose promise
// WebDriver awaits; a string is run as it stands.
const script = (fn) => (typeof fn === "string" ? fn : `return (${fn}).apply(null, arguments);`);

const freePort = () =>
    new Promise((resolve) => {
        const probe = createServer().listen(0, "127.0.0.1", () => {
            const { port } = probe.address();
            probe.close(() => resolve(port));
        });
    });

// `early`: no command waits for a page to load. With the "eager" strategy
// WebKitWebDriver still holds a command sent after the document is parsed
// until the page has loaded everything.
export async function launchWebKit({ early = false } = {}) {
    if (!MiniBrowser)
        throw new Error("no /usr/lib/*/webkit2gtk-4.1/MiniBrowser: scripts/install-deps web-test installs it");
    const port = await freePort();
    const service = spawn("/usr/bin/WebKitWebDriver", [`--port=${port}`], { stdio: "ignore" });
    const capabilities = new Capabilities();
    capabilities.set("browserName", "MiniBrowser");
    capabilities.set("webkitgtk:browserOptions", { binary: MiniBrowser, args: ["--automation"] });
    if (early) capabilities.set("pageLoadStrategy", "none");
    let driver;
    for (let tries = 0; !driver; ++tries) {
        try {
            driver = await new Builder().withCapabilities(capabilities).usingServer(`http://127.0.0.1:${port}`).build();
            await driver.getWindowHandle();
        } catch (error) {
            driver = undefined;
            if (tries === 50) throw error;
            await new Promise((resolve) => setTimeout(resolve, 100)); // the service is starting
        }
    }
    const browser = { driver, current: await driver.getWindowHandle() };
    return {
        newPage: async () => {
            await driver.switchTo().newWindow("window");
            const handle = await driver.getWindowHandle();
            browser.current = handle;
            return new WebDriverPage(browser, handle);
        },
        close: async () => {
            await driver.quit().catch(() => {});
            service.kill();
        },
    };
}

class WebDriverPage {
    constructor(browser, handle) {
        this.browser = browser;
        this.handle = handle;
        this.keyboard = {
            press: async (key) => (await this.use()).actions().sendKeys(keyOf(key)).perform(),
            type: async (text) => (await this.use()).actions().sendKeys(text).perform(),
        };
    }

    // The page's window made current, and its frame when it runs in one.
    async use() {
        const { driver } = this.browser;
        if (this.browser.current !== this.handle) {
            await driver.switchTo().window(this.handle);
            this.browser.current = this.handle;
            if (this.frame?.entered) await driver.switchTo().frame(0);
        }
        return driver;
    }

    async evaluate(fn, ...args) {
        return (await this.use()).executeScript(script(fn), ...args);
    }

    // The function is written into the script: the page's policy forbids
    // making functions from strings inside it.
    async $eval(selector, fn, ...args) {
        const run = `const e = document.querySelector(arguments[0]);
            if (!e) throw new Error("no element " + arguments[0]);
            return (${fn})(e, ...[...arguments].slice(1));`;
        return (await this.use()).executeScript(run, selector, ...args);
    }

    async $$eval(selector, fn, ...args) {
        const run = `return (${fn})([...document.querySelectorAll(arguments[0])], ...[...arguments].slice(1));`;
        return (await this.use()).executeScript(run, selector, ...args);
    }

    async waitForFunction(fn, options = {}, ...args) {
        const end = Date.now() + (options.timeout ?? 30000);
        for (;;) {
            const result = await this.evaluate(fn, ...args);
            if (result) return result;
            if (Date.now() > end) throw new Error(`waiting for ${fn} timed out`);
            await new Promise((resolve) => setTimeout(resolve, options.polling ?? 50));
        }
    }

    waitForSelector(selector) {
        return this.waitForFunction((s) => document.querySelector(s) !== null, {}, selector);
    }

    async element(selector) {
        return (await this.use()).findElement(By.css(selector));
    }

    // Once the element can take a click, as a person clicks what is drawn:
    // WebKit's driver may find an element just shown not yet interactable.
    async click(selector) {
        const clicked = async () => {
            try {
                await (await this.element(selector)).click();
                return true;
            } catch (error) {
                if (error.name === "ElementNotInteractableError") return false;
                throw error;
            }
        };
        await (await this.use()).wait(clicked, 5000, `${selector} never took a click in 5 s`);
    }

    // A click by the pointer's actions, which, unlike WebDriver's element
    // click, does not wait for the page to finish loading.
    async pointerClick(selector) {
        const target = await this.element(selector);
        await this.browser.driver.actions().move({ origin: target }).click().perform();
    }

    async tap(selector) {
        const target = await this.element(selector);
        const finger = new Pointer("finger", Pointer.Type.TOUCH);
        await this.browser.driver
            .actions()
            .insert(finger, finger.move({ origin: target }), finger.press(), finger.release())
            .perform();
    }

    async hover(selector) {
        const target = await this.element(selector);
        await this.browser.driver.actions().move({ origin: target }).perform();
    }

    focus(selector) {
        return this.$eval(selector, (e) => e.focus());
    }

    async type(selector, text) {
        await this.focus(selector);
        await this.keyboard.type(text);
    }

    async goto(url) {
        const driver = await this.use();
        if (!this.frame) return driver.get(url);
        // A page of the same origin that holds the site in a frame.
        await driver.switchTo().defaultContent();
        await driver.get(new URL(BlankPage, url).href);
        await driver.executeScript(
            `const frame = document.createElement("iframe");
             frame.src = arguments[0];
             frame.style = "border: 0; display: block; width: " + arguments[1] + "px; height: " + arguments[2] + "px";
             document.body.style.margin = "0";
             document.body.append(frame);`,
            url,
            this.frame.width,
            this.frame.height,
        );
        await driver.switchTo().frame(0);
        this.frame.entered = true;
    }

    async reload() {
        await (await this.use()).navigate().refresh();
    }

    async title() {
        return (await this.use()).getTitle();
    }

    // The page's window made the display's active one, which WebDriver
    // leaves to the window manager: each page has a window of its own,
    // opened behind the first, and a screen reader hears the active window.
    // Waited for 30 seconds at most: a window that never shows fails here.
    async bringToFront() {
        const title = await this.title();
        const args = ["search", "--sync", "--onlyvisible", "--name", title, "windowactivate", "--sync"];
        try {
            execFileSync("xdotool", args, { timeout: 30000 });
        } catch (error) {
            if (error.code !== "ETIMEDOUT") throw error;
            throw new Error(`no window named «${title}» was shown and made active within 30 seconds`, { cause: error });
        }
    }

    // The window's inner size, waited for: under load the page takes its
    // new size a while after the window does, and a window measured in
    // between would be sized wrong. WebDriver sizes windows only: setScreen
    // (engine.mjs) leaves out the rest, saying so.
    async setViewport({ width, height, deviceScaleFactor = 1, isMobile = false, hasTouch = false }) {
        if (deviceScaleFactor !== 1 || isMobile || hasTouch)
            throw new Error("WebDriver cannot set a pixel ratio or a touch screen: use setScreen (engine.mjs)");
        this.frame = undefined;
        const window = (await this.use()).manage().window();
        const inner = () => this.evaluate(() => [innerWidth, innerHeight]);
        const end = Date.now() + 10000;
        for (let [w, h] = await inner(); w !== width || h !== height;) {
            const outer = await window.getRect();
            const asked = { width: outer.width + width - w, height: outer.height + height - h };
            const got = await window.setRect(asked);
            if (got.width !== asked.width || got.height !== asked.height)
                throw new Error(
                    `MiniBrowser makes the window ${got.width} × ${got.height}, not the ` +
                        `${asked.width} × ${asked.height} that holds ${width} × ${height}: ` +
                        "a narrower screen is setScreen's frame (engine.mjs)",
                );
            const before = `${w} ${h}`;
            while (`${w} ${h}` === before) {
                if (Date.now() > end)
                    throw new Error(`the window's inside stays ${w} × ${h}, not the ${width} × ${height} asked`);
                await new Promise((resolve) => setTimeout(resolve, 20));
                [w, h] = await inner();
            }
        }
    }

    // A screen narrower than any window: a frame of its size in a window
    // `windowWidth` wide holds the site from the next goto on.
    async setFramedViewport({ width, height }, windowWidth) {
        await this.setViewport({ width: windowWidth, height });
        this.frame = { width, height };
    }

    async close() {
        const driver = await this.use();
        await driver.close();
        const [first] = await driver.getAllWindowHandles();
        await driver.switchTo().window(first);
        this.browser.current = first;
    }
}
