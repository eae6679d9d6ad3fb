// The page's start script is a classic script so that it runs, and says
// why the page cannot start, in browsers without modules. None of those
// parses anything later than ES2017 (no `catch {}`, `?.` or `??`), so the
// script is held to ES2017: a syntax error there would leave the page
// blank with no word of why.
import { test } from "./scope.mjs";
import { readFile } from "node:fs/promises";
import { parse } from "acorn";

test("the start script parses as ES2017, as browsers without modules parse it", async () => {
    const source = await readFile(new URL("../../web/page/start.js", import.meta.url), "utf8");
    parse(source, { ecmaVersion: 2017, sourceType: "script" });
});
