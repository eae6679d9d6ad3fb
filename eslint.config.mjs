// ESLint for every JavaScript file of the tree: the page, its build step,
// the browser tests and the measuring scripts. The tools are the browser
// tests' npm packages (tests/web), so they are resolved from there.
import { createRequire } from "node:module";

const require = createRequire(new URL("tests/web/package.json", import.meta.url));
const js = require("@eslint/js");
const globals = require("globals");

export default [
    { ignores: ["**/node_modules/", "build/", "build-*/"] },
    js.configs.recommended,
    {
        languageOptions: { ecmaVersion: 2024, sourceType: "module", globals: { ...globals.browser } },
        rules: { "no-var": "error", "prefer-const": "error", eqeqeq: "error", "max-len": ["error", { code: 120 }] },
    },
    { files: ["web/page/start.js"], languageOptions: { sourceType: "script", globals: { __FILES__: "readonly" } } },
    { files: ["web/page/sw.js"], languageOptions: { globals: { ...globals.serviceworker, __SITE__: "readonly" } } },
    { files: ["web/prerender.mjs", "bench/**", "tests/web/**"], languageOptions: { globals: { ...globals.node } } },
];
