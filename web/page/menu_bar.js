// The window's menu as a WAI-ARIA menubar, written into the page from the
// core's menu tree: the same captions and nesting. It
// opens with the mouse, by touch and with the keyboard (arrows, Enter,
// Space, Escape, Home, End), as the menubar pattern describes. Once a menu
// is open the mouse works as on a desktop menu bar, and a command or
// Escape gives the focus back to the control that had it.
import { menuKey } from "./keys.js";

export class MenuBar {
    // `bar`: the menu bar, written into the page with its menus, each item
    // named in data-name; `rows`: the core's menu tree; `onCommand(row)`
    // runs a command item.
    constructor(bar, rows, onCommand) {
        this.bar = bar;
        this.onCommand = onCommand;
        for (const row of rows) {
            const item = bar.querySelector(`[data-name="${CSS.escape(row.control)}"]`);
            if (!this.submenuOf(item)) item.command = row;
            item.addEventListener("click", (event) => {
                event.preventDefault();
                this.activate(item, false);
            });
            item.addEventListener("keydown", (event) => this.onKey(event, item));
            item.addEventListener("pointerenter", (event) => {
                if (event.pointerType === "mouse") this.hover(item);
            });
        }
        this.topItems()[0].tabIndex = 0;
        // The last control focused outside the bar, however the focus then
        // came to the bar (even from the browser's own controls).
        document.addEventListener("focusin", (event) => {
            if (!bar.contains(event.target)) this.returnTo = event.target;
        });
        document.addEventListener("pointerdown", (event) => {
            this.pointer = event.pointerType;
            if (!this.bar.contains(event.target)) this.closeAll();
        });
    }

    topItems() {
        return [...this.bar.children].map((holder) => holder.firstElementChild);
    }
    submenuOf(item) {
        return item.nextElementSibling;
    }
    menuOf(item) {
        return item.parentElement.parentElement;
    }
    itemsOf(menu) {
        return [...menu.children].map((holder) => holder.firstElementChild);
    }
    isTop(item) {
        return this.menuOf(item) === this.bar;
    }
    parentItem(menu) {
        return menu.previousElementSibling;
    }

    open(item) {
        const menu = this.submenuOf(item);
        // Only one branch is open: close the siblings' submenus first.
        for (const sibling of this.itemsOf(this.menuOf(item))) {
            if (sibling !== item && this.submenuOf(sibling)) this.close(sibling);
        }
        menu.hidden = false;
        item.setAttribute("aria-expanded", "true");
    }

    close(item) {
        const menu = this.submenuOf(item);
        for (const inner of this.itemsOf(menu)) {
            if (this.submenuOf(inner)) this.close(inner);
        }
        menu.hidden = true;
        item.setAttribute("aria-expanded", "false");
    }

    closeAll() {
        for (const item of this.topItems()) {
            if (this.submenuOf(item)) this.close(item);
        }
    }

    focus(item) {
        if (this.isTop(item)) {
            for (const top of this.topItems()) top.tabIndex = top === item ? 0 : -1;
        }
        item.focus();
    }

    isOpen() {
        return this.topItems().some((item) => item.getAttribute("aria-expanded") === "true");
    }

    // The focus back where it was before the menu took it.
    leave() {
        this.closeAll();
        if (this.returnTo?.isConnected && this.returnTo.getClientRects().length > 0) this.returnTo.focus();
        else document.activeElement?.blur();
    }

    // A click, a tap, Enter or Space. The keyboard goes into the submenu;
    // the mouse leaves the highlight on the item it opened.
    activate(item, byKeyboard) {
        if (item.command) {
            this.leave();
            this.onCommand(item.command);
            return;
        }
        if (item.getAttribute("aria-expanded") === "true" && !byKeyboard) {
            // A second tap on an open menu's item steps back; the mouse
            // opened it by pointing, and a click leaves it open.
            if (this.isTop(item)) {
                this.leave();
            } else if (this.pointer !== "mouse") {
                this.close(item);
                this.focus(item);
            }
            return;
        }
        this.open(item);
        this.focus(byKeyboard ? this.itemsOf(this.submenuOf(item))[0] : item);
    }

    // The mouse over an item while a menu is open: one highlighted path,
    // ending at this item, and its submenu open if it has one.
    hover(item) {
        if (!this.isOpen()) return;
        if (this.isTop(item) && item.getAttribute("aria-expanded") !== "true") this.closeAll();
        if (this.submenuOf(item)) {
            this.open(item);
        } else {
            for (const sibling of this.itemsOf(this.menuOf(item))) {
                if (this.submenuOf(sibling)) this.close(sibling);
            }
        }
        this.focus(item);
    }

    // The top item whose menu holds `item`, or `item` itself on the bar.
    topOf(item) {
        while (!this.isTop(item)) item = this.parentItem(this.menuOf(item));
        return item;
    }

    onKey(event, item) {
        const siblings = this.itemsOf(this.menuOf(item));
        const top = this.isTop(item);
        const action = menuKey(event.key, {
            top,
            at: siblings.indexOf(item),
            count: siblings.length,
            submenu: Boolean(this.submenuOf(item)),
            nested: !top && this.menuOf(item) !== this.submenuOf(this.topOf(item)),
        });
        if (!action) return;
        const parent = top ? undefined : this.parentItem(this.menuOf(item));
        switch (action.step) {
            case "activate":
                this.activate(item, true);
                break;
            case "focus":
                this.focus(siblings[action.index]);
                break;
            case "openLast": {
                this.open(item);
                const items = this.itemsOf(this.submenuOf(item));
                this.focus(items[items.length - 1]);
                break;
            }
            case "moveTop": {
                const bar = this.topItems();
                const next = bar[(bar.indexOf(this.topOf(item)) + action.by + bar.length) % bar.length];
                this.closeAll();
                if (this.submenuOf(next)) {
                    this.open(next);
                    this.focus(this.itemsOf(this.submenuOf(next))[0]);
                } else {
                    this.focus(next);
                }
                break;
            }
            case "closeParent":
                this.close(parent);
                this.focus(parent);
                break;
            case "leave":
                this.leave();
                break;
            case "closeAll":
                this.closeAll();
                return; // Tab goes on to the next control
            default:
                break;
        }
        event.preventDefault();
    }
}
