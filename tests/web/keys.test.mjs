// The keyboard of the menu bar and of the question list, in Node alone:
// what each key does wherever the focus is.
import { test } from "./scope.mjs";
import assert from "node:assert/strict";
import { comboKey, menuKey } from "../../web/page/keys.js";

test("menu keys: the bar moves across and opens, a menu moves down and back, both wrap", () => {
    const bar = { top: true, at: 0, count: 2, submenu: true, nested: false };
    const lastOnBar = { ...bar, at: 1, submenu: false };
    const inMenu = { top: false, at: 0, count: 4, submenu: true, nested: false };
    const lastInMenu = { ...inMenu, at: 3, submenu: false };
    const inSubmenu = { top: false, at: 2, count: 5, submenu: false, nested: true };
    const cases = [
        ["Enter", bar, { step: "activate" }],
        [" ", inSubmenu, { step: "activate" }],
        ["ArrowDown", bar, { step: "activate" }],
        ["ArrowDown", lastOnBar, { step: "stay" }],
        ["ArrowUp", bar, { step: "openLast" }],
        ["ArrowUp", lastOnBar, { step: "stay" }],
        ["ArrowRight", bar, { step: "focus", index: 1 }],
        ["ArrowRight", lastOnBar, { step: "focus", index: 0 }],
        ["ArrowLeft", bar, { step: "focus", index: 1 }],
        ["ArrowDown", lastInMenu, { step: "focus", index: 0 }],
        ["ArrowUp", inMenu, { step: "focus", index: 3 }],
        ["ArrowRight", inMenu, { step: "activate" }],
        ["ArrowRight", lastInMenu, { step: "moveTop", by: 1 }],
        ["ArrowRight", inSubmenu, { step: "moveTop", by: 1 }],
        ["ArrowLeft", inMenu, { step: "moveTop", by: -1 }],
        ["ArrowLeft", inSubmenu, { step: "closeParent" }],
        ["Escape", bar, { step: "leave" }],
        ["Escape", inMenu, { step: "closeParent" }],
        ["Escape", inSubmenu, { step: "closeParent" }],
        ["Home", inSubmenu, { step: "focus", index: 0 }],
        ["End", inSubmenu, { step: "focus", index: 4 }],
        ["Tab", inSubmenu, { step: "closeAll" }],
        ["a", bar, null],
        ["F4", inMenu, null],
    ];
    for (const [key, where, step] of cases)
        assert.deepEqual(menuKey(key, where), step, `${key} at ${JSON.stringify(where)}`);
});

test("question keys: the closed box chooses at once and stops at the ends; the open list highlights", () => {
    const closed = { open: false, highlighted: 0, current: 2, count: 5 };
    const none = { ...closed, current: -1 };
    const open = { open: true, highlighted: 4, current: 2, count: 5 };
    const cases = [
        ["ArrowDown", false, closed, { step: "choose", index: 3 }],
        ["ArrowUp", false, closed, { step: "choose", index: 1 }],
        ["ArrowDown", false, none, { step: "choose", index: 0 }],
        ["ArrowUp", false, none, { step: "choose", index: 0 }],
        ["ArrowDown", false, { ...closed, current: 4 }, null],
        ["ArrowUp", false, { ...closed, current: 0 }, null],
        ["ArrowDown", true, closed, { step: "open" }],
        ["F4", false, closed, { step: "open" }],
        ["Enter", false, closed, null],
        ["Escape", false, closed, null],
        ["ArrowDown", false, open, { step: "highlight", index: 4 }],
        ["ArrowUp", false, open, { step: "highlight", index: 3 }],
        ["ArrowUp", false, { ...open, highlighted: 0 }, { step: "highlight", index: 0 }],
        ["Enter", false, open, { step: "choose", index: 4 }],
        ["Escape", false, open, { step: "close" }],
        ["F4", false, open, null],
        ["x", false, open, null],
    ];
    for (const [key, alt, where, step] of cases)
        assert.deepEqual(
            comboKey(key, alt, where),
            step,
            `${key}${alt ? " with Alt" : ""} at ${JSON.stringify(where)}`,
        );
});
