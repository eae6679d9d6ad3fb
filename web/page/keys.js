// What a key does in the menu bar and in the question list, apart from the
// page: each rule takes where the focus is and answers with one step for
// the widget to take, or null when the key is not theirs (the browser then
// handles it).

// Where a menu item is: on the bar (`top`) or in a menu; its index `at`
// among `count` items of its bar or menu; whether it opens a `submenu`;
// whether its menu is `nested` in another menu rather than under the bar.
// The steps: activate (as a click), focus (the item at `index` of the same
// bar or menu), openLast (open the submenu at its last item), moveTop (to
// the next or the previous menu of the bar by `step`, opened), closeParent
// (close this menu, the focus on the item that opened it), leave (close
// every menu, the focus back where it was), closeAll (close every menu; the
// key goes on, as Tab), stay (the key is taken and nothing moves).
export function menuKey(key, { top, at, count, submenu, nested }) {
    const focus = (index) => ({ step: "focus", index: (index + count) % count });
    switch (key) {
        case "Enter":
        case " ":
            return { step: "activate" };
        case "ArrowDown":
            if (top) return { step: submenu ? "activate" : "stay" };
            return focus(at + 1);
        case "ArrowUp":
            if (top) return { step: submenu ? "openLast" : "stay" };
            return focus(at - 1);
        case "ArrowRight":
            if (top) return focus(at + 1);
            return submenu ? { step: "activate" } : { step: "moveTop", by: 1 };
        case "ArrowLeft":
            if (top) return focus(at - 1);
            return nested ? { step: "closeParent" } : { step: "moveTop", by: -1 };
        case "Escape":
            return { step: top ? "leave" : "closeParent" };
        case "Home":
            return focus(0);
        case "End":
            return focus(count - 1);
        case "Tab":
            return { step: "closeAll" };
        default:
            return null;
    }
}

// The question list: whether it is `open`, the `highlighted` item of the
// open list, the `current` question (-1 before any) and the `count` of
// questions. The steps: highlight `index`, choose `index` (as a click on
// it), open, close. The arrows on the closed box choose the next or the
// previous question at once, as on the desktop; Alt+Down and F4 open it.
export function comboKey(key, altKey, { open, highlighted, current, count }) {
    const by = key === "ArrowDown" ? 1 : key === "ArrowUp" ? -1 : 0;
    const clamp = (index) => Math.min(Math.max(index, 0), count - 1);
    if (open) {
        if (by !== 0) return { step: "highlight", index: clamp(highlighted + by) };
        if (key === "Enter") return { step: "choose", index: highlighted };
        return key === "Escape" ? { step: "close" } : null;
    }
    if ((altKey && by === 1) || key === "F4") return { step: "open" };
    if (by === 0 || clamp(current + by) === current) return null;
    return { step: "choose", index: clamp(current + by) };
}
