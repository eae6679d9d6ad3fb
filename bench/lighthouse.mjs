// Lighthouse's view of the web edition from a loopback server: for the
// mobile profile (emulated slow 4G, CPU 4× slower) and the desktop one, the
// median of N cold loads (3 unless told; a new Chromium with an empty profile
// each: no cache, no service worker) of the performance, accessibility, best
// practices and SEO scores, and of the first and largest contentful paints,
// the total blocking time, the layout shift and the speed index, and each
// load's figures for their spread; then what the last load of each profile
// found wanting outside performance, and which element was the largest
// contentful paint.
// Run after `make web-site`:
//   (cd tests/web && npm ci) && (cd bench && npm ci) && node bench/lighthouse.mjs build/web
import { launch } from "chrome-launcher";
import lighthouse from "lighthouse";
import desktop from "lighthouse/core/config/desktop-config.js";
import { serve } from "../tests/web/site.mjs";

const root = process.argv[2] ?? "build/web";
const runs = Number(process.argv[3] ?? 3);
const site = await serve(root);
const median = (values) => {
    const v = [...values].sort((a, b) => a - b);
    return (v[(v.length - 1) >> 1] + v[v.length >> 1]) / 2;
};

const Categories = ["performance", "accessibility", "best-practices", "seo"];
const Metrics = [
    ["first-contentful-paint", "FCP ms"],
    ["largest-contentful-paint", "LCP ms"],
    ["total-blocking-time", "TBT ms"],
    ["cumulative-layout-shift", "CLS"],
    ["speed-index", "SI ms"],
];
const Profiles = [
    ["mobile", undefined],
    ["desktop", desktop],
];

async function measure(config) {
    const chrome = await launch({
        // its own new user-data folder, removed on kill
        chromePath: "/usr/bin/chromium",
        chromeFlags: ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic"],
    });
    try {
        const flags = { port: chrome.port, output: "json", logLevel: "error", onlyCategories: Categories };
        return (await lighthouse(site.url, flags, config)).lhr;
    } finally {
        chrome.kill();
    }
}

const started = performance.now();
const results = [];
for (const [name, config] of Profiles) {
    const reports = [];
    for (let i = 0; i < runs; ++i) reports.push(await measure(config));
    results.push([name, reports]);
}
await site.stop();

const columns = [...Categories.map((c) => [c, c === "best-practices" ? "best pract." : c]), ...Metrics];
const cell = (text, width) => String(text).padStart(width);
const widths = columns.map(([, title]) => Math.max(title.length, 7));
console.log(`medians of ${runs} cold loads of ${site.url}`);
console.log(["profile ", ...columns.map(([, title], i) => cell(title, widths[i]))].join("  "));
const value = (report, id) =>
    Categories.includes(id) ? report.categories[id].score * 100 : report.audits[id].numericValue;
const shown = (id, v) => (id === "cumulative-layout-shift" ? v.toFixed(3) : v.toFixed(0));
for (const [name, reports] of results) {
    const values = columns.map(([id], i) => cell(shown(id, median(reports.map((r) => value(r, id)))), widths[i]));
    console.log([name.padEnd(8), ...values].join("  "));
}
// The spread: every load's figure, in the order of the loads.
for (const [name, reports] of results) {
    console.log(`\n${name}, each load:`);
    for (const [id, title] of columns)
        console.log(`  ${title.padEnd(14)}${reports.map((r) => shown(id, value(r, id))).join("  ")}`);
}

for (const [name, reports] of results) {
    const last = reports[reports.length - 1];
    console.log(`\n${name}, last load:`);
    for (const id of Categories.slice(1)) {
        const failing = last.categories[id].auditRefs
            .map((ref) => last.audits[ref.id])
            .filter((audit) => audit.score !== null && audit.score < 1);
        console.log(`  ${id}:${failing.length === 0 ? " nothing failed" : ""}`);
        for (const audit of failing) {
            const nodes = [...new Set((audit.details?.items ?? []).map((item) => item.node?.selector).filter(Boolean))];
            console.log(
                `    ${audit.id} (${audit.score}): ${audit.title}${nodes.length ? ` — ${nodes.join(", ")}` : ""}`,
            );
        }
    }
    const element = last.audits["largest-contentful-paint-element"]?.details?.items?.[0]?.items?.[0]?.node;
    // The path alternates positions and names: the names say where it lies, a shadow root included.
    const where = element?.path
        .split(",")
        .filter((_, i) => i % 2 === 1)
        .join(" > ");
    console.log(`  LCP element: ${element ? `${element.snippet} «${element.nodeLabel}» in ${where}` : "not reported"}`);
    for (const warning of last.runWarnings) console.log(`  warning: ${warning}`);
}
console.log(`\n${results.length * runs} loads in ${((performance.now() - started) / 1000).toFixed(0)} s`);
