// Which of the web tests a run runs, chosen where each test is written:
// ZARVEL_SCOPE=all (the default) runs every test; ZARVEL_SCOPE=path only
// the user's own path through the page, the tests written with
// `test.path`, and says of every other test that it was left out. A
// renamed test stays on its path.
//
// With ZARVEL_TALLY set, each test the run means to run is written to that
// file, and again once it has passed: `node tally.mjs FILE` fails a run
// that passed fewer tests than it meant to, as when a name pattern or a
// broken file leaves some out.
import { test as nodeTest } from "node:test";
import { appendFileSync } from "node:fs";
import { engine } from "./engine.mjs";

const scope = process.env.ZARVEL_SCOPE ?? "all";
if (!["all", "path"].includes(scope)) throw new Error(`ZARVEL_SCOPE=${scope}: not all or path`);
const tally = (what, title) =>
    process.env.ZARVEL_TALLY && appendFileSync(process.env.ZARVEL_TALLY, `${what}\t${title}\n`);

let meant = 0;

// A test that runs in every scope when `path`, else only when all run.
export function test(title, fn, { path = false } = {}) {
    if (scope === "path" && !path)
        return nodeTest(title, { skip: `${engine} runs the user's path only here; make web-test runs every test` });
    ++meant;
    tally("meant", title);
    return nodeTest(title, async (t) => {
        await fn(t);
        tally("passed", title);
    });
}
test.path = (title, fn) => test(title, fn, { path: true });

// Whether this file has a test to run: its browser is needed only then.
// Asked from a hook, which node runs as the first test is written: the
// file's tests are all written a turn of the event loop later.
export async function runsAny() {
    await new Promise((resolve) => setImmediate(resolve));
    return meant > 0;
}
