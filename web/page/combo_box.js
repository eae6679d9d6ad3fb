// Combo1: an editable text with a list of questions. Choosing an item of
// the list (mouse, touch, keyboard), or the arrow keys on the closed box,
// raises the click; typing never does, and the text stays as typed.
// On a touch screen the list button opens the list without the on-screen
// keyboard: the text is focused only by a tap in the text itself.
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
        const step = event.key === "ArrowDown" ? 1 : event.key === "ArrowUp" ? -1 : 0;
        if (this.isOpen()) {
            if (step !== 0) this.highlight(Math.min(Math.max(this.highlighted + step, 0), this.items.length - 1));
            else if (event.key === "Enter") this.choose(this.highlighted);
            else if (event.key === "Escape") this.close();
            else return;
        } else if ((event.altKey && step === 1) || event.key === "F4") {
            this.open();
        } else if (step !== 0) {
            // As on the desktop: the arrows on the closed box choose the
            // next or the previous question at once.
            const next = Math.min(Math.max(this.current + step, 0), this.items.length - 1);
            if (next === this.current) return;
            this.choose(next);
        } else {
            return;
        }
        event.preventDefault();
    }
}
