// Writes Form1 and its menu bar into the staged index.html, from the core's
// tables, so a browser draws the window before any script has run; the
// page's scripts then take the controls over. The style sheet goes into the
// page too, with each control's place (the policy allows no style
// attributes) and what the touch layout needs: the card table's extent
// and, for every other control, the band it sits in and its column.
//   node web/prerender.mjs WASM_DIR STAGE
import { readFile, rm, writeFile } from "node:fs/promises";
import { join } from "node:path";
import { newsOf } from "./page/page_controls.js";

const [wasmDir, stage] = process.argv.slice(2);
const { default: createZarvel } = await import(join(wasmDir, "zarvel.mjs"));
const core = await createZarvel({ wasmBinary: await readFile(join(wasmDir, "zarvel.wasm")) });
const Kind = core.ControlKind;

const escape = (text) => text.replace(/[&<>"]/g, (c) => `&#${c.charCodeAt(0)};`);
const attributes = (list) =>
    Object.entries(list)
        .filter(([, v]) => v !== false && v !== undefined)
        .map(([k, v]) => (v === true ? ` ${k}` : ` ${k}="${escape(String(v))}"`))
        .join("");
const tag = (name, list, content = "") => `<${name}${attributes(list)}>${content}</${name}>`;

const px = (twips) => twips / core.twipsPerPixel;
const rows = core.windowControls().map((row, depth) => ({ ...row, depth: depth + 1 }));
const own = new Set(core.cataloguePictures());
// The cards of the table, drawn as one picture on a narrow screen, with
// the pictures that are only copied from.
const isCard = (row) => row.kind === Kind.Picture && row.event === core.ControlEvent.None;
const dealt = rows.filter((row) => row.onTheTable);
const left = Math.min(...dealt.map((r) => px(r.place.left)));
const top = Math.min(...dealt.map((r) => px(r.place.top)));
const right = Math.max(...dealt.map((r) => px(r.place.left + r.place.width)));
const bottom = Math.max(...dealt.map((r) => px(r.place.top + r.place.height)));
const columns = new Set(dealt.filter((r) => px(r.place.top) === top).map((r) => r.place.left)).size;
const pitch = (right - left) / columns;
const column = (x) => Math.min(Math.max(Math.floor((x - left) / pitch) + 1, 1), columns);

// A control that is no card sits above the cards, below them, or between
// two rows of them (the names), in the column under its centre.
const band = (row) => {
    if (isCard(row)) return undefined;
    const middle = px(row.place.top + row.place.height / 2);
    return middle < top ? "top" : middle > bottom ? "bottom" : "names";
};

function control(row) {
    const common = { id: row.name, hidden: !row.visible || row.kind === Kind.Picture, "data-band": band(row) };
    const named = row.accessibleName && row.kind !== Kind.ComboBox ? row.accessibleName : undefined;
    switch (row.kind) {
        case Kind.Picture: {
            // The confirm picture is a button for the keyboard and screen readers.
            const button = row.event !== core.ControlEvent.None;
            return `<img${attributes({
                ...common,
                class: "picture",
                alt: "",
                draggable: "false",
                "data-picture": "0",
                "data-own": own.has(row.imageNumber) ? row.imageNumber : undefined,
                role: button ? "button" : undefined,
                tabindex: button ? 0 : undefined,
            })}>`;
        }
        case Kind.Label: {
            // What the label shows changes with every card laid; screen
            // readers hear only what the core announces, through a region
            // of its own beside it: live, but no status bar, which screen
            // readers name when the page loads, empty as it is.
            const label = tag("div", { ...common, class: "label" }, escape(row.text));
            if (!row.announces) return label;
            return label + tag("div", { id: newsOf(row.name), class: "news", "aria-live": "polite" });
        }
        case Kind.TextBox:
            return `<input${attributes({
                ...common,
                type: "text",
                class: "textbox",
                value: row.text,
                maxlength: core.maxTypedNameLength,
                spellcheck: "false",
                autocomplete: "off",
                "aria-label": named,
            })}>`;
        case Kind.ComboBox: {
            const list = `${row.name}-list`;
            return tag(
                "div",
                { ...common, class: "combo" },
                `<input${attributes({
                    type: "text",
                    value: row.text,
                    autocomplete: "off",
                    spellcheck: "false",
                    role: "combobox",
                    "aria-label": row.accessibleName,
                    "aria-autocomplete": "none",
                    "aria-expanded": "false",
                    "aria-controls": list,
                })}>` +
                    tag("button", { type: "button", tabindex: -1, "aria-label": "Список вопросов" }, "▾") +
                    tag("ul", {
                        id: list,
                        role: "listbox",
                        "aria-label": row.accessibleName,
                        tabindex: -1,
                        hidden: true,
                    }),
            );
        }
        default:
            return tag("button", { ...common, type: "button", class: "button" }, escape(row.text));
    }
}

// The document order is the keyboard's: the controls without focus first
// (the cards in a box of their own), then the others in their focus order.
// Each control's z-index keeps the table's drawing order.
const focused = rows.filter((r) => r.focusOrder > 0).sort((a, b) => a.focusOrder - b.focusOrder);
const form =
    tag("div", { class: "cards" }, rows.filter(isCard).map(control).join("")) +
    rows
        .filter((r) => r.focusOrder === 0 && !isCard(r))
        .map(control)
        .join("") +
    focused.map(control).join("");

// The menu tree as nested lists, each item named in data-name.
function menu(items, level) {
    let markup = "";
    while (items.length > 0 && items[0].level === level) {
        const row = items.shift();
        const submenu = items.length > 0 && items[0].level > level;
        const item = tag(
            "a",
            {
                role: "menuitem",
                tabindex: -1,
                "data-name": row.control,
                "aria-haspopup": submenu ? "true" : undefined,
                "aria-expanded": submenu ? "false" : undefined,
            },
            escape(row.caption),
        );
        const inner = submenu
            ? tag("ul", { role: "menu", "aria-label": row.caption, hidden: true }, menu(items, level + 1))
            : "";
        markup += tag("li", { role: "none" }, item + inner);
    }
    return markup;
}
const bar = menu(core.menuTree(), 0);

const places = rows.map(
    (r) =>
        `#${r.name} { --x: ${px(r.place.left)}; --y: ${px(r.place.top)}; ` +
        `--w: ${px(r.place.width)}; --h: ${px(r.place.height)}; z-index: ${r.depth};` +
        (band(r) ? ` --column: ${column(px(r.place.left + r.place.width / 2))};` : "") +
        " }",
);
// The style sheet goes into the page, its fonts under the build's folder.
const sheet = join(stage, "style.css");
const area = core.clientArea;
const style = [
    (await readFile(sheet, "utf8"))
        .replaceAll('url("fonts/', 'url("__BUILD__/fonts/')
        .replaceAll("__NARROW__", `${px(area.width) - 0.02}px`), // narrower than the window
    "/* Written by the build from the core's table. */",
    `:root { --width: ${px(area.width)}; --height: ${px(area.height)}; }`,
    `#${core.form1} { --left: ${left}; --top: ${top}; --table-width: ${right - left}; ` +
        `--table-height: ${bottom - top}; --columns: ${columns}; }`,
    ...places,
    "",
].join("\n");
await rm(sheet);

const page = join(stage, "index.html");
const html = (await readFile(page, "utf8"))
    .replace("<!--style-->", `<style>\n${style}</style>`)
    .replace('<main class="form"><!--Form1-->', `<main id="${core.form1}" class="form">${form}`)
    .replace("<!--menubar-->", bar)
    .replace("__TITLE__", escape(core.form1Caption));
await writeFile(page, html);
