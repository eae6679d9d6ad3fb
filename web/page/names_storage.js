// The four names in the browser's storage, under one key, as the four
// lines of the desktop program's names file, shared by every tab. A
// storage that is disabled or full gives a short notice, gone again once a
// save succeeds; stored lines that are not four names are simply not used,
// as the desktop program does with a damaged names file.
const Key = "zarvel.names";

export class NamesStorage {
    constructor(notice) {
        this.notice = notice;
    }

    // The stored lines, or "" when nothing is stored or storage is closed.
    read() {
        try {
            return window.localStorage.getItem(Key) ?? "";
        } catch {
            this.notice("Хранилище браузера недоступно: имена не сохранятся.");
            return "";
        }
    }

    write(lines) {
        try {
            window.localStorage.setItem(Key, lines);
            this.notice("");
        } catch {
            this.notice("Имена не сохранены: хранилище браузера недоступно или заполнено.");
        }
    }

    // Calls onChange(lines) whenever another tab stores names.
    watch(onChange) {
        window.addEventListener("storage", (event) => {
            if (event.key === Key && event.newValue !== null) onChange(event.newValue);
        });
    }
}
