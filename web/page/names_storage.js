// The four names in the browser's storage, under one key, as the four
// lines of the desktop program's names file. A storage that is disabled,
// full or holding something else gives a short notice; the page goes on.
const Key = "zarvel.names";

export class NamesStorage {
    constructor(notice) { this.notice = notice; }

    // The stored lines for the core's start-up: four lines fill the name
    // boxes, anything else changes nothing.
    read(core) {
        let stored = null;
        try {
            stored = window.localStorage.getItem(Key);
        } catch {
            this.notice("Хранилище браузера недоступно: имена не сохранятся.");
            return "";
        }
        if (stored === null)
            return "";
        if (core.storedLines(stored).length < 4)
            this.notice("Сохранённые имена повреждены: вписаны имена по умолчанию.");
        return stored;
    }

    write(lines) {
        try {
            window.localStorage.setItem(Key, lines);
        } catch {
            this.notice("Имена не сохранены: хранилище браузера недоступно или заполнено.");
        }
    }
}
