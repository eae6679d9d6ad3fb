// The core's control operations over the page's elements, each element
// with the id of the control it is. The page holds no reading rule: every
// event goes to the core, which answers through these operations.
import { ComboBox } from "./combo_box.js";

export class PageControls {
    // `core`: the WebAssembly module; `form`: the Form1 element.
    constructor(core, form) {
        this.core = core;
        this.form = form;
        this.lineBreaks = core.lineBreakForms();
        this.elements = new Map();
        this.shown = new Map(); // a picture control is drawn only when shown and holding a picture
        this.versions = new Map(); // text box → a count of its changes, for the tick
    }

    // Takes over every control of the core's table, written into the page
    // by the build: each control's event goes to `raise(event)`, a change
    // of a name box to `nameChanged()`. Returns the control that takes the
    // focus first.
    attach(raise, nameChanged) {
        let first;
        for (const row of this.core.windowControls()) {
            const element = document.getElementById(row.name);
            this.elements.set(row.name, element);
            this.shown.set(row.name, row.visible);
            this.listen(row, element, () => raise(row.event), nameChanged);
            if (row.firstFocus) first = element;
        }
        return first;
    }

    listen(row, element, raise, nameChanged) {
        const Kind = this.core.ControlKind;
        switch (row.kind) {
            case Kind.Picture:
                if (row.event !== this.core.ControlEvent.None) {
                    element.addEventListener("click", raise);
                    element.addEventListener("keydown", (event) => {
                        if (event.key === "Enter" || event.key === " ") {
                            event.preventDefault();
                            raise();
                        }
                    });
                }
                break;
            case Kind.TextBox:
                // The caret at the end of the text, as in the window's boxes.
                element.setSelectionRange(element.value.length, element.value.length);
                element.addEventListener("input", () => {
                    this.oneLine(row.name, element);
                    nameChanged();
                });
                break;
            case Kind.ComboBox:
                this.combo = new ComboBox(element, raise);
                break;
            case Kind.Button:
                element.addEventListener("click", raise);
                break;
            default:
                break;
        }
    }

    // A name is one line, whatever is pasted or dropped into it. A long
    // name goes to the core only when it holds a break.
    oneLine(name, box) {
        const breaks = this.lineBreaks.some((c) => box.value.includes(c));
        const line = breaks ? this.core.oneLineName(wellFormed(box.value)) : box.value;
        if (line !== box.value) {
            const end = box.selectionEnd - (box.value.length - line.length);
            box.value = line;
            box.setSelectionRange(end, end);
        }
        this.changed(name);
    }

    element(name) {
        const element = this.elements.get(name);
        if (!element) throw new Error(`no control ${name}`);
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
        if (element.hidden === hidden) return;
        const hadFocus = element.contains(document.activeElement);
        element.hidden = hidden;
        if (hadFocus && hidden) this.focusAfter(element);
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
        if (!number) return;
        const to = this.element(target);
        this.showPicture(to, number);
        to.hidden = !this.shown.get(target);
    }

    setCaption(name, caption) {
        this.element(name).textContent = caption;
    }

    text(name) {
        const element = this.element(name);
        return wellFormed((element === this.combo.element ? this.combo.input : element).value);
    }

    textVersion(name) {
        return this.versions.get(name) ?? 0;
    }

    setText(name, text) {
        this.element(name).value = text;
        this.changed(name);
    }

    changed(name) {
        this.versions.set(name, this.textVersion(name) + 1);
    }

    appendItem(name, item) {
        if (this.element(name) === this.combo.element) this.combo.append(item);
    }

    // Read out once. News equal to the news before is none to Chromium,
    // which reports no change of the region, nor to Orca, which drops a
    // repeat of the last news it was given: so the same news twice (the
    // same answer) goes between no-break spaces the second time, which no
    // screen reader speaks.
    announce(name, text) {
        const region = document.getElementById(newsOf(name));
        region.textContent = region.textContent === text ? `\u00a0${text}\u00a0` : text;
    }

    // The picture at its own size, sharp on any screen: 1× and 2× files.
    showPicture(image, number) {
        if (image.dataset.picture === String(number)) return;
        image.dataset.picture = String(number);
        const [file, file2x] = [1, 2].map(
            (scale) => new URL(`pictures/${this.core.pictureFileName(number, scale)}`, import.meta.url).href,
        );
        image.src = file;
        image.srcset = `${file} 1x, ${file2x} 2x`;
        image.alt = this.core.pictureName(number);
        if (image.getAttribute("role") === "button") image.setAttribute("aria-label", image.alt);
    }
}

// The live region that tells screen readers a control's news, written into
// the page by the build beside the control.
export const newsOf = (name) => `${name}-news`;

// The text as the core can take it: embind would join a lone UTF-16
// surrogate with the character after it, so each becomes U+FFFD.
export function wellFormed(text) {
    return (
        text.toWellFormed?.() ??
        text.replace(/[\uD800-\uDBFF](?![\uDC00-\uDFFF])|(?<![\uD800-\uDBFF])[\uDC00-\uDFFF]/g, "\uFFFD")
    );
}
