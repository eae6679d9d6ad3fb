// Starts the page, or says why it cannot start and what to do: opened from
// a file, a browser without modules or WebAssembly, a file the host does
// not find or serves with the wrong type. A classic script, so that it runs
// where modules do not, written in the syntax those browsers parse, ES2017
// (tests/web/start_script.test.mjs holds it there). The build writes it
// into the page, with the files that the page loads and the folder they are
// in. It runs in the page's head, so that it hears every click and key on
// the window from the first frame that shows it.
"use strict";
(() => {
    const files = __FILES__;
    const here = new URL("__BUILD__/", location.href);
    // Once the page's body is there.
    const whenParsed = (then) => {
        if (document.readyState === "loading") document.addEventListener("DOMContentLoaded", then);
        else then();
    };
    const say = (text) =>
        whenParsed(() => {
            const failure = document.getElementById("failure");
            failure.textContent = text;
            failure.hidden = false;
        });
    if (location.protocol === "file:") {
        say(
            "Zarvel не открывается как файл с диска: браузер не даёт странице загрузить свои части. " +
                "Откройте её через веб-сервер: выложите папку сайта на любой веб-сервер " +
                "(или, в папке исходников Zarvel, выполните «make web» и откройте http://127.0.0.1:8000/).",
        );
        return;
    }
    if (!("noModule" in HTMLScriptElement.prototype) || typeof WebAssembly !== "object") {
        say(
            "Этот браузер не может запустить Zarvel: нужны модули JavaScript и WebAssembly. " +
                "Откройте страницу в свежем Firefox, Chromium, Chrome, Edge или Safari.",
        );
        return;
    }

    // What went wrong, found by asking the host for each file again.
    const diagnose = async () => {
        for (const file of files) {
            const response = await fetch(new URL(file, here), { cache: "no-store" }).catch(() => null);
            if (!response) return "Нет связи с сайтом: проверьте подключение к сети и обновите страницу.";
            if (!response.ok) {
                return (
                    `Сайт не отдал файл ${file} (ответ ${response.status}): ` +
                    "он выложен не целиком или как раз обновляется. " +
                    "Обновите страницу через минуту; если не поможет, сообщите владельцу сайта."
                );
            }
            const type = (response.headers.get("Content-Type") || "").split(";")[0].trim();
            const wanted = file.endsWith(".wasm") ? "application/wasm" : "text/javascript";
            if (type !== wanted && !(wanted === "text/javascript" && type.endsWith("/javascript"))) {
                return (
                    `Сайт отдаёт ${file} с типом «${type || "без типа"}», и браузер его не запускает. ` +
                    "Сервер должен отдавать файлы .js и .mjs как JavaScript (text/javascript), " +
                    "а .wasm — как application/wasm; " +
                    "сообщите об этом владельцу сайта."
                );
            }
        }
        return "Zarvel не запустился. Обновите страницу; если не поможет, откройте её в другом браузере.";
    };
    // What the person does before the app is ready. Typing into the
    // question and moving the focus (Tab, a tap in a text) are the
    // browser's own and stay as they are. A click, a tap or a key that
    // commands something waits, the window showing that it is busy, and
    // the app acts on each when it is ready, in order, as if it had come
    // then: the app is ready in about a second even on a slow phone. One
    // that waited longer than Patience, on a line so slow that a menu or a
    // deal coming then would surprise, is not taken, and the window says so.
    const Patience = 5000;
    const held = [];
    const inWindow = (target) => target instanceof Node && document.getElementById("window").contains(target);
    const isText = (element) => element instanceof HTMLInputElement && element.type === "text";
    const Modifiers = ["Shift", "Control", "Alt", "AltGraph", "Meta", "CapsLock"];
    const Editing = ["Backspace", "Delete", "ArrowLeft", "ArrowRight", "Home", "End"];
    const browsers = (event) =>
        Modifiers.indexOf(event.key) >= 0 ||
        event.key === "Tab" ||
        event.isComposing ||
        (isText(event.target) &&
            !event.altKey &&
            !event.metaKey &&
            (event.ctrlKey
                ? /^[acvxyz]$/i.test(event.key)
                : event.key.length === 1 || Editing.indexOf(event.key) >= 0));
    const hold = (event) => {
        const target = event.target;
        if (event.type === "keydown" ? browsers(event) : !inWindow(target)) return;
        if (event.type === "mousedown") {
            // The focus stays where it is, but in a text, which the app too
            // leaves to the browser.
            if (!isText(target)) event.preventDefault();
            return;
        }
        // A press, which the browser has acted on, is heard again by what
        // closes on a press elsewhere; all else waits.
        const waits = event.type === "keydown" || (event.type === "click" && !isText(target));
        held.push({ event: event, target: target, time: performance.now(), waits: waits });
        if (!waits) return;
        event.preventDefault();
        document.getElementById("window").setAttribute("aria-busy", "true");
    };
    const Held = ["pointerdown", "mousedown", "click", "keydown"];
    const stop = () => {
        for (const type of Held) window.removeEventListener(type, hold, true);
        whenParsed(() => document.getElementById("window").removeAttribute("aria-busy"));
    };
    for (const type of Held) window.addEventListener(type, hold, true);
    // A new event of the same kind: the browser's own event, once
    // dispatched, stays cancelled.
    const copy = (event) => {
        const init = { bubbles: true, cancelable: true, composed: true, view: window };
        for (const key in event) {
            const value = event[key];
            if (
                !(key in init) &&
                (typeof value === "string" || typeof value === "number" || typeof value === "boolean")
            )
                init[key] = value;
        }
        return new event.constructor(event.type, init);
    };
    const replay = () => {
        stop();
        const now = performance.now();
        let late = 0;
        for (const entry of held) {
            const event = entry.event;
            if (now - entry.time > Patience) {
                if (entry.waits) ++late;
                continue;
            }
            // A key goes where the focus is now, a pointer where it was.
            const target = event.type === "keydown" ? document.activeElement || document.body : entry.target;
            const again = copy(event);
            // Enter and Space press a button, which the browser does only
            // for a key it saw itself.
            const press = target instanceof HTMLButtonElement && (event.key === "Enter" || event.key === " ");
            if (target.dispatchEvent(again) && press) target.click();
        }
        if (late > 0) {
            document.getElementById("notice").textContent =
                "Zarvel загружался дольше обычного, и нажатое за это время не выполнено: нажмите ещё раз.";
        }
    };
    window.addEventListener("zarvel-ready", replay, { once: true });

    const failed = () => {
        stop();
        diagnose().then(say);
    };
    window.addEventListener("zarvel-failed", failed);
    const app = document.createElement("script");
    app.type = "module";
    app.src = new URL("app.js", here).href;
    app.addEventListener("error", failed);
    // The window is in the page itself: it is drawn first, and the app is
    // asked for once the browser says it is on the screen, every file it
    // needs at once, so that none waits for the one that names it: the
    // modules, and the WebAssembly, whose response the app takes from here
    // ("zarvel-wasm"). A fetch of its own, not a preload: WebKit downloads
    // a preloaded fetch again when a script fetches it. A frame may be run
    // before anything is shown, so frames are counted only where the
    // browser does not tell; a hidden tab, which draws nothing, loads at
    // once, and no page waits more than a second. The manifest too: a
    // browser asks for it as soon as it sees it.
    const link = (attributes) => Object.assign(document.createElement("link"), attributes);
    // Not the app itself, which its script asks for at the same moment:
    // WebKit at times downloads a module preloaded so late a second time.
    const modules = files
        .filter((file) => !file.endsWith(".wasm") && file !== "app.js")
        .map((file) => link({ rel: "modulepreload", href: new URL(file, here).href }));
    const manifest = link({ rel: "manifest", href: new URL("manifest.webmanifest", here).href });
    let wasm;
    window.addEventListener("zarvel-wasm", (event) => {
        event.detail.response = wasm;
    });
    const load = () => {
        if (app.isConnected) return;
        const file = files.filter((name) => name.endsWith(".wasm"))[0];
        wasm = fetch(new URL(file, here).href, { credentials: "same-origin" });
        document.head.append.apply(document.head, modules.concat(manifest, app));
    };
    if (document.visibilityState === "hidden") load();
    else if ((PerformanceObserver.supportedEntryTypes || []).includes("paint")) {
        new PerformanceObserver((list, observer) => {
            if (list.getEntriesByName("first-contentful-paint").length === 0) return;
            observer.disconnect();
            load();
        }).observe({ type: "paint", buffered: true });
        setTimeout(load, 1000);
    } else requestAnimationFrame(() => requestAnimationFrame(() => setTimeout(load)));
})();
