// The JavaScript side of zarvel.mjs: what bindings.cpp declares, under the
// C++ names. Tables come as plain arrays of plain objects; nothing needs
// deleting but a Form.

export interface Enum<Name extends string> {
    readonly value: number;
    readonly constructor: { readonly name: Name };
}
export type ControlKind = Enum<"ControlKind">;
export type ControlEvent = Enum<"ControlEvent">;
export type MenuCommand = Enum<"MenuCommand">;

export interface TwipsRect {
    left: number;
    top: number;
    width: number;
    height: number;
}

/** One row of the core's control table (WindowControls), in drawing order. */
export interface ControlRow {
    name: string;
    kind: ControlKind;
    place: TwipsRect;
    text: string;
    visible: boolean;
    focusOrder: number;
    accessibleName: string;
    imageNumber: number;
    event: ControlEvent;
    firstFocus: boolean;
    announces: boolean;
    /** A card of the table: the figure row or a slot. */
    onTheTable: boolean;
}

/** One row of the menu tree, in menu order. */
export interface MenuEntry {
    level: number;
    control: string;
    caption: string;
    figure: number;
    rank: number;
    command: MenuCommand;
}

/** The control operations the core calls, each control addressed by its name. */
export interface Controls {
    setVisible(control: string, visible: boolean): void;
    copyPicture(target: string, source: string): void;
    setCaption(label: string, caption: string): void;
    text(control: string): string;
    textVersion(textBox: string): number;
    setText(textBox: string, text: string): void;
    appendItem(combo: string, item: string): void;
    /** Tells screen reader users the text once, as news of the control (the answer). */
    announce(control: string, text: string): void;
}

/** Form1's reading over the page's controls. */
export interface Form {
    /** The names file's text as stored; the boxes take its four lines. */
    load(stored: string): void;
    /** The names file's text to store, over what is stored now. */
    unload(stored: string): string;
    takeStored(stored: string): void;
    raise(event: ControlEvent): void;
    tick(): void;
    assignNames(): void;
    selectFigure(figure: number, rank: number): void;
    /** For the tests: the next deal lays `slotOne`, then `laterSlots`. */
    replayLayout(slotOne: number, laterSlots: number[]): void;
    revealState(): number;
    delete(): void;
}

export interface ZarvelModule {
    Form: new (controls: Controls) => Form;
    ControlKind: Record<"Picture" | "Label" | "TextBox" | "ComboBox" | "Button", ControlKind>;
    ControlEvent: Record<"None" | "ConfirmNames" | "Deal" | "ChooseQuestion", ControlEvent>;
    MenuCommand: Record<"OpenSubmenu" | "PickFigure" | "AssignNames", MenuCommand>;
    windowControls(): ControlRow[];
    menuTree(): MenuEntry[];
    cataloguePictures(): number[];
    lineBreakForms(): string[];
    pictureName(imageNumber: number): string;
    pictureFileName(imageNumber: number, scale: number): string;
    oneLineName(text: string): string;
    readonly clientArea: TwipsRect;
    readonly twipsPerPixel: number;
    readonly timer1IntervalMs: number;
    readonly maxTypedNameLength: number;
    readonly maxNameLength: number;
    readonly form1: string;
    readonly form1Caption: string;
}

// The glue's options the page and the tests use: the module's bytes, or a
// function that instantiates it with the glue's imports, hands the
// instance to `done` and returns {} (the glue then waits for `done`).
export default function createZarvel(options?: {
    wasmBinary?: ArrayBuffer | Uint8Array;
    instantiateWasm?: (imports: WebAssembly.Imports, done: (instance: WebAssembly.Instance) => void) => object;
}): Promise<ZarvelModule>;
