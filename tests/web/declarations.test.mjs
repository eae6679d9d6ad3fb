// web/wasm/zarvel.d.ts says what the WebAssembly module gives JavaScript:
// it names only what the built module has, and every field of its tables.
import { test } from "./scope.mjs";
import assert from "node:assert/strict";
import { readFile, readdir } from "node:fs/promises";
import { join } from "node:path";

const site = process.env.ZARVEL_SITE;
const declarations = await readFile(new URL("../../web/wasm/zarvel.d.ts", import.meta.url), "utf8");

// The members an interface of the declarations names, in order.
const members = (name) => {
    const body = declarations.match(new RegExp(`interface ${name}(?:<[^>]*>)? \\{([^}]*)\\n\\}`))[1];
    return [...body.matchAll(/^ {4}(?:readonly )?(\w+)\??[(:]/gm)].map((m) => m[1]);
};
// The value names of an enum: Record<"A" | "B", Enum>.
const values = (name) => declarations.match(new RegExp(`${name}: Record<([^,]*), ${name}>`))[1].match(/\w+/g);

test("the module's declarations match the built module", async () => {
    const [build] = await readdir(join(site, "v"));
    const wasm = join(site, "v", build);
    const { default: createZarvel } = await import(join(wasm, "zarvel.mjs"));
    const core = await createZarvel({ wasmBinary: await readFile(join(wasm, "zarvel.wasm")) });
    for (const name of members("ZarvelModule")) assert.ok(name in core, `the module has no ${name}`);
    for (const name of ["ControlKind", "ControlEvent", "MenuCommand"]) {
        const bound = Object.keys(core[name]).filter((key) => key !== "values");
        assert.deepEqual(values(name), bound, name);
    }
    assert.deepEqual(members("ControlRow"), Object.keys(core.windowControls()[0]));
    assert.deepEqual(members("MenuEntry"), Object.keys(core.menuTree()[0]));
    assert.deepEqual(members("TwipsRect"), Object.keys(core.clientArea));
    for (const name of members("Form")) assert.equal(typeof core.Form.prototype[name], "function", `no Form.${name}`);
});
