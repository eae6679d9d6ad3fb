// Combo1: an editable text with a list of questions. Choosing an item of
// the list (mouse, touch, keyboard: comboKey), or the arrow keys on the
// closed box, raises the click; typing never does, and the text stays as
// typed.
// On a touch screen the list button opens the list without the on-screen
// keyboard: the text is focused only by a tap in the text itself.
import { comboKey } from "./keys.js";

export class ComboBox {
    // `element`: the box, written into the page with its text field, list
    // button and list.
    constructor(element, onChoose) {
        this.onChoose = onChoose;
        this.items = [];
        this.current = -1;
        this.element = element;
        [this.input, this.toggle, this.list] = element.children;
        for (const keys of [this.input, this.list]) keys.addEventListener("keydown", (event) => this.onKey(event));
        this.input.addEventListener("blur", () => {
            if (!this.touched) this.close();
        });
        this.toggle.addEventListener("pointerdown", (event) => {
            this.touched = event.pointerType !== "mouse";
        });
        this.toggle.addEventListener("mousedown", (event) => event.preventDefault()); // the text keeps the focus
        this.toggle.addEventListener("click", () => (this.isOpen() ? this.close() : this.open()));
        document.addEventListener("pointerdown", (event) => {
            if (this.isOpen() && !element.contains(event.target)) this.close();
        });
    }

    append(item) {
        const option = document.createElement("li");
        const index = this.items.length;
        option.id = `${this.list.id}-${index}`;
        option.setAttribute("role", "option");
        option.setAttribute("aria-selected", "false");
        option.textContent = item;
        option.addEventListener("mousedown", (event) => event.preventDefault());
        option.addEventListener("click", () => this.choose(index));
        this.list.append(option);
        this.items.push(item);
    }

    isOpen() {
        return !this.list.hidden;
    }

    open() {
        this.list.hidden = false;
        this.input.setAttribute("aria-expanded", "true");
        this.highlight(Math.max(this.current, 0));
        // A finger leaves the focus on the list, out of every text field.
        (this.touched ? this.list : this.input).focus({ preventScroll: true });
    }

    close() {
        this.touched = false;
        this.list.hidden = true;
        this.input.setAttribute("aria-expanded", "false");
        this.input.removeAttribute("aria-activedescendant");
    }

    highlight(index) {
        this.highlighted = index;
        for (const [i, option] of [...this.list.children].entries())
            option.setAttribute("aria-selected", String(i === index));
        const option = this.list.children[index];
        if (option) {
            this.input.setAttribute("aria-activedescendant", option.id);
            option.scrollIntoView({ block: "nearest" });
        }
    }

    choose(index) {
        this.current = index;
        this.input.value = this.items[index];
        this.close();
        this.onChoose();
    }

    onKey(event) {
        const action = comboKey(event.key, event.altKey, {
            open: this.isOpen(),
            highlighted: this.highlighted,
            current: this.current,
            count: this.items.length,
        });
        if (!action) return;
        if (action.step === "highlight") this.highlight(action.index);
        else if (action.step === "choose") this.choose(action.index);
        else if (action.step === "open") this.open();
        else this.close();
        event.preventDefault();
    }
}
