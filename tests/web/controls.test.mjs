// The page's control operations run through the same script as the Qt
// window's widgets and the core tests' fake (tests/data/controls_script.tsv),
// so the three implementations of the core's Controls cannot drift apart.
import { test } from "./scope.mjs";
import assert from "node:assert/strict";
import { readFile } from "node:fs/promises";
import { open, servedForFile } from "./site.mjs";
import { newsOf } from "../../web/page/page_controls.js";

const served = servedForFile();

test("the page's elements do what the window's widgets and the fake do", async () => {
    const script = await readFile(new URL("../data/controls_script.tsv", import.meta.url), "utf8");
    const page = await open(served.browser, served.site.url);
    const lines = script.split("\n").map((line, i) => [i + 1, line]);
    const names = new Set(lines.map(([, text]) => text.split("\t")[1]).filter(Boolean));
    const regions = Object.fromEntries([...names].map((name) => [name, newsOf(name)]));
    const mismatches = await page.evaluate(
        (lines, regions) => {
            const controls = window.zarvel.controls;
            // What screen readers are told: each text put into a control's live
            // region, read off the region's changes, without the blanks around
            // it, which they leave unsaid.
            const heard = Object.fromEntries(Object.keys(regions).map((c) => [c, []]));
            const owner = new Map();
            const listener = new MutationObserver(() => {});
            for (const [c, id] of Object.entries(regions)) {
                const region = document.getElementById(id);
                if (region) listener.observe(region, { childList: true });
                owner.set(region, c);
            }
            const told = (c) => {
                for (const record of listener.takeRecords()) {
                    const said = [...record.addedNodes]
                        .map((n) => n.textContent)
                        .join("")
                        .trim();
                    if (said !== "") heard[owner.get(record.target)].push(said);
                }
                return heard[c].join(" | ");
            };
            const element = (name) => document.getElementById(name);
            // What a person sees: a picture control only while it shows one.
            const picture = (e) => Number(e.dataset.picture !== "0" ? e.dataset.picture : e.dataset.own || 0);
            const view = {
                seen: (c) => String(Number(!element(c).hidden && element(c).getClientRects().length > 0)),
                samePicture: (c, d) => picture(element(c)) !== 0 && picture(element(c)) === picture(element(d)),
                caption: (c) => (element(c).children.length === 0 ? element(c).textContent : "(not plain text)"),
            };
            const itemsAtStart = controls.combo.items.length;
            const found = [];
            let before = {};
            const check = (line, ok, what) => {
                if (!ok) found.push(`controls_script.tsv:${line}: ${what}`);
            };
            for (const [line, text] of lines) {
                if (text === "" || text.startsWith("#")) continue;
                const [op, c, arg = ""] = text.split("\t");
                if (op === "setVisible") controls.setVisible(c, arg === "1");
                else if (op === "copyPicture") controls.copyPicture(c, arg);
                else if (op === "setCaption") controls.setCaption(c, arg);
                else if (op === "announce") controls.announce(c, arg);
                else if (op === "setText" || op === "appendItem") {
                    before = { text: controls.text(c), version: op === "setText" ? controls.textVersion(c) : 0 };
                    if (op === "setText") controls.setText(c, arg);
                    else controls.appendItem(c, arg);
                } else if (op === "seen") check(line, view.seen(c) === arg, `${c} seen: ${view.seen(c)}`);
                else if (op === "samePicture")
                    check(line, view.samePicture(c, arg), `${c} not showing ${arg}'s picture`);
                else if (op === "caption") check(line, view.caption(c) === arg, `caption ${view.caption(c)}`);
                else if (op === "text") check(line, controls.text(c) === arg, `text ${controls.text(c)}`);
                else if (op === "versionChanged")
                    check(line, String(Number(controls.textVersion(c) !== before.version)) === arg, "version");
                else if (op === "textKept") check(line, controls.text(c) === before.text, `text ${controls.text(c)}`);
                else if (op === "told") check(line, told(c) === arg, `told ${told(c)}`);
                else if (op === "items")
                    check(line, controls.combo.items.length - itemsAtStart === Number(arg), "items");
                else check(line, false, `no such operation or check: ${op}`);
            }
            return found;
        },
        lines,
        regions,
    );
    assert.deepEqual(mismatches, []);
    await page.close();
});
