// Fails a run of the web tests that passed fewer tests than it meant to
// run (see scope.mjs): node tally.mjs FILE.
import { readFileSync } from "node:fs";

const lines = readFileSync(process.argv[2], "utf8").split("\n").filter(Boolean);
const titles = (what) => lines.filter((l) => l.startsWith(`${what}\t`)).map((l) => l.slice(what.length + 1));
const passed = new Set(titles("passed"));
const missing = titles("meant").filter((title) => !passed.has(title));
if (titles("meant").length === 0) {
    console.error("no test was meant to run");
    process.exit(1);
}
if (missing.length > 0) {
    console.error(`${missing.length} of the tests meant to run did not pass:\n${missing.join("\n")}`);
    process.exit(1);
}
console.log(`all ${passed.size} tests meant to run passed`);
