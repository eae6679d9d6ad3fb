// The core's control operations over the page's elements, each element
// with the id of the control it is. The page holds no reading rule: every
// event goes to the core, which answers through these operations.
import { ComboBox } from "./combo_box.js";

const Kind = { Picture: 0, Label: 1, TextBox: 2, ComboBox: 3, Button: 4 };

export class PageControls {
    // `core`: the WebAssembly module; `form`: the Form1 element.
    constructor(core, form) {
        this.core = core;
        this.form = form;
        this.pictures = new Map(); // catalogue number → {name, file, file2x}
        for (const picture of listOf(core.pictures()))
            this.pictures.set(picture.number, picture);
        this.elements = new Map();
        this.shown = new Map(); // a picture control is drawn only when shown and holding a picture
        this.versions = new Map(); // text box → a count of its changes, for the tick
    }

    // Builds every control of the core's table. The table runs back to
    // front: each control's z-index keeps that drawing order, while the
    // document order is the keyboard's, so no tabindex above 0 is needed.
    build(onEvent) {
        const table = listOf(this.core.controlTable());
        const px = (twips) => `${twips / this.core.twipsPerPixel}px`;
        const made = table.map((row, depth) => {
            const element = this.make(row, onEvent);
            element.id = row.name;
            element.style.left = px(row.left);
            element.style.top = px(row.top);
            element.style.zIndex = String(depth + 1);
            // A picture control keeps this size only while it has no picture.
            element.style.width = px(row.width);
            element.style.height = px(row.height);
            if (row.accessibleName && row.kind !== Kind.ComboBox)
                element.setAttribute("aria-label", row.accessibleName);
            this.elements.set(row.name, element);
            this.shown.set(row.name, row.visible);
            return { row, element };
        });
        const unfocused = made.filter((m) => m.row.focusOrder === 0);
        const focused = made.filter((m) => m.row.focusOrder > 0).sort((a, b) => a.row.focusOrder - b.row.focusOrder);
        for (const { element } of [...unfocused, ...focused])
            this.form.append(element);
        for (const { row } of made)
            this.setVisible(row.name, row.visible);
    }

    make(row, onEvent) {
        switch (row.kind) {
        case Kind.Picture: return this.makePicture(row, onEvent);
        case Kind.Label: return this.makeLabel(row);
        case Kind.TextBox: return this.makeTextBox(row, onEvent);
        case Kind.ComboBox: return this.makeComboBox(row, onEvent);
        default: return this.makeButton(row, onEvent);
        }
    }

    makePicture(row, onEvent) {
        const image = document.createElement("img");
        image.className = "picture";
        image.alt = "";
        image.draggable = false;
        image.dataset.picture = "0";
        const number = row.imageNumber;
        if (this.pictures.has(number))
            image.dataset.own = String(number); // drawn only when copied out or shown
        if (row.focusOrder > 0) {
            // The confirm picture is a button for the keyboard and screen readers.
            image.setAttribute("role", "button");
            image.tabIndex = 0;
            image.addEventListener("click", () => onEvent("ConfirmNames"));
            image.addEventListener("keydown", (event) => {
                if (event.key === "Enter" || event.key === " ") {
                    event.preventDefault();
                    onEvent("ConfirmNames");
                }
            });
        }
        return image;
    }

    makeLabel(row) {
        const label = document.createElement("div");
        label.className = "label";
        label.textContent = row.text; // names are text, never markup
        if (row.name === "Label5") {
            label.setAttribute("aria-live", "polite"); // the answer is read out when it appears
            label.setAttribute("role", "status");
        }
        return label;
    }

    makeTextBox(row, onEvent) {
        const box = document.createElement("input");
        box.type = "text";
        box.className = "textbox";
        box.value = row.text;
        box.maxLength = this.core.maxNameLength;
        box.spellcheck = false;
        box.autocomplete = "off";
        box.addEventListener("input", () => {
            // A name is one line, whatever is pasted or dropped into it. A
            // long name goes to the core only when it holds a break.
            const breaks = [...this.core.lineBreaks].some((c) => box.value.includes(c));
            const line = breaks ? this.core.oneLineName(wellFormed(box.value)) : box.value;
            if (line !== box.value) {
                const end = box.selectionEnd - (box.value.length - line.length);
                box.value = line;
                box.setSelectionRange(end, end);
            }
            this.changed(row.name);
            onEvent("NameChanged");
        });
        return box;
    }

    makeComboBox(row, onEvent) {
        this.combo = new ComboBox(row.text, row.accessibleName, () => onEvent("ChooseQuestion"));
        return this.combo.element;
    }

    makeButton(row, onEvent) {
        const button = document.createElement("button");
        button.type = "button";
        button.className = "button";
        button.textContent = row.text;
        button.addEventListener("click", () => onEvent("Deal"));
        return button;
    }

    element(name) {
        const element = this.elements.get(name);
        if (!element)
            throw new Error(`no control ${name}`);
        return element;
    }

    // The operations the core calls.
    setVisible(name, visible) {
        this.shown.set(name, visible);
        const element = this.element(name);
        const picture = element.tagName === "IMG";
        if (picture && visible && element.dataset.picture === "0" && element.dataset.own)
            this.showPicture(element, Number(element.dataset.own));
        // A deal hides dozens of controls that mostly are hidden already.
        const hidden = !visible || (picture && element.dataset.picture === "0");
        if (element.hidden === hidden)
            return;
        const hadFocus = element.contains(document.activeElement);
        element.hidden = hidden;
        if (hadFocus && hidden)
            this.focusAfter(element);
    }

    // As in the window, a control hidden while it has the focus passes it
    // to the next control of the tab order that can take it.
    focusAfter(hidden) {
        const order = [...this.form.querySelectorAll("input, button, [tabindex]")].filter((e) => e.tabIndex >= 0);
        const at = order.indexOf(hidden) + 1;
        const next = [...order.slice(at), ...order.slice(0, at)].find((e) => e.getClientRects().length > 0);
        next?.focus();
    }

    copyPicture(target, source) {
        const from = this.element(source);
        const number = Number(from.dataset.picture !== "0" ? from.dataset.picture : from.dataset.own || 0);
        if (!number)
            return;
        const to = this.element(target);
        this.showPicture(to, number);
        to.hidden = !this.shown.get(target);
    }

    setCaption(name, caption) { this.element(name).textContent = caption; }

    text(name) {
        return wellFormed(name === "Combo1" ? this.combo.input.value : this.element(name).value);
    }

    textVersion(name) { return this.versions.get(name) ?? 0; }

    setText(name, text) {
        this.element(name).value = text;
        this.changed(name);
    }

    changed(name) { this.versions.set(name, this.textVersion(name) + 1); }

    appendItem(name, item) {
        if (name === "Combo1")
            this.combo.append(item);
    }

    // The picture's own size, sharp on any screen: 1× and 2× files.
    showPicture(image, number) {
        if (image.dataset.picture === String(number))
            return;
        const picture = this.pictures.get(number);
        image.dataset.picture = String(number);
        image.style.width = "";
        image.style.height = "";
        const [file, file2x] = [picture.file, picture.file2x].map((f) => new URL(`pictures/${f}`, import.meta.url).href);
        image.src = file;
        image.srcset = `${file} 1x, ${file2x} 2x`;
        image.alt = picture.name;
        if (image.getAttribute("role") === "button")
            image.setAttribute("aria-label", picture.name);
    }
}

// The text as the core can take it: embind would join a lone UTF-16
// surrogate with the character after it, so each becomes U+FFFD.
export function wellFormed(text) {
    return text.toWellFormed?.() ?? text.replace(/[\uD800-\uDBFF](?![\uDC00-\uDFFF])|(?<![\uD800-\uDBFF])[\uDC00-\uDFFF]/g, "\uFFFD");
}

// An embind array or vector as a JavaScript array.
export function listOf(array) {
    return Array.from(array);
}
