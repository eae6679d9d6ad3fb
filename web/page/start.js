// Starts the page, or says why it cannot start and what to do: opened from
// a file, a browser without modules or WebAssembly, a file the host does
// not find or serves with the wrong type. A classic script, so that it runs
// where modules do not, written in the syntax those browsers parse, ES2017
// (tests/web/start_script.test.mjs holds it there). The build writes it
// into the page, with the files that the page loads and the folder they are
// in: nothing but the page itself is fetched before the window is drawn.
"use strict";
(() => {
    const files = __FILES__;
    const here = new URL("__BUILD__/", location.href);
    const say = (text) => {
        const failure = document.getElementById("failure");
        failure.textContent = text;
        failure.hidden = false;
    };
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
    const failed = () => diagnose().then(say);
    window.addEventListener("zarvel-failed", failed);
    const app = document.createElement("script");
    app.type = "module";
    app.src = new URL("app.js", here).href;
    app.addEventListener("error", failed);
    // The window is in the page itself: it is drawn first, and the scripts
    // are asked for once the browser says it is on the screen. A frame may
    // be run before anything is shown, so frames are counted only where
    // the browser does not tell; a hidden tab, which draws nothing, loads
    // at once, and no page waits more than a second.
    // The manifest too: a browser asks for it as soon as it sees it.
    const manifest = Object.assign(document.createElement("link"), {
        rel: "manifest",
        href: new URL("manifest.webmanifest", here).href,
    });
    const load = () => {
        if (!app.isConnected) document.head.append(manifest, app);
    };
    if (document.visibilityState === "hidden") load();
    else if ((PerformanceObserver.supportedEntryTypes || []).includes("paint")) {
        new PerformanceObserver((list, observer) => {
            if (list.getEntriesByName("first-contentful-paint").length === 0) return;
            observer.disconnect();
            setTimeout(load);
        }).observe({ type: "paint", buffered: true });
        setTimeout(load, 1000);
    } else requestAnimationFrame(() => requestAnimationFrame(() => setTimeout(load)));
})();
