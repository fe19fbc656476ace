// The page's budgets, each measured in one run against a baseline from the
// same run (these machines are shared and noisy): its size; its start-up time
// (navigation to a live form) against the same page drawn without its engine,
// median of 5 fresh loads in each engine, and as a report against a bare page
// with one <input>; the time to a live form at 400 kbit/s with 400 ms latency,
// gzip copies served; and Lighthouse's scores, median of 5 runs. It fails
// when the size or Chromium's start is over budget.
//   make web-budget [LUMIQ_BUDGET_BASELINE=an earlier build's build/web]
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import zlib from "node:zlib";

import lighthouse from "lighthouse";
import desktopConfig from "lighthouse/core/config/desktop-config.js";
import puppeteer from "puppeteer-core";

import { ENGINES, launch, waitUntil } from "./engines.mjs";
import { WEB_DIR, serve } from "./server.mjs";

const LOADS = 5;
const SIZE_BUDGET = 200 * 1024;
const START_BUDGET = 1.5; // the live form against the form drawn without its engine, in Chromium

// The bare page's time: when it has loaded, in ms since navigation started.
// The form's are the page's own marks: drawn (built and laid out, not yet
// live), and live, which parts the start between the form and the engine.
const MARK = `<script>addEventListener("load", () => { window.loadedAt = performance.now(); });</script>`;
const DRAWN = () => performance.getEntriesByName("lumiq-drawn")[0]?.startTime;
const LIVE = () => performance.getEntriesByName("lumiq-live")[0]?.startTime;
const LOADED = () => window.loadedAt;

// Every file once: PNGs as they are, the rest gzipped, the .gz copies not again.
function size(dir) {
  let total = 0;
  for (const entry of fs.readdirSync(dir, { withFileTypes: true, recursive: true })) {
    if (!entry.isFile() || entry.name.endsWith(".gz")) continue;
    const data = fs.readFileSync(path.join(entry.parentPath ?? entry.path, entry.name));
    total += entry.name.endsWith(".png") ? data.length : zlib.gzipSync(data, { level: 9 }).length;
  }
  return total;
}

// The times, read once the last is known, from one load.
async function startMs(engine, url, times) {
  const s = await launch(engine); // a fresh profile: no cache, no service worker
  try {
    await s.goto(url);
    // (WebKit's driver answers null for undefined.)
    if (!(await waitUntil(async () => (await s.evaluate(times.at(-1))) != null, 20000))) return times.map(() => NaN);
    const values = [];
    for (const time of times) values.push(await s.evaluate(time));
    return values;
  } finally {
    await s.close();
  }
}

const median = (sorted) => sorted[Math.floor(sorted.length / 2)];

async function slowNetworkMs(url) {
  const s = await launch("chromium");
  try {
    const cdp = await s.page.createCDPSession();
    await cdp.send("Network.enable");
    await cdp.send("Network.emulateNetworkConditions", {
      offline: false, latency: 400, downloadThroughput: 400000 / 8, uploadThroughput: 400000 / 8,
    });
    await s.page.goto(url, { waitUntil: "domcontentloaded", timeout: 60000 });
    await waitUntil(async () => (await s.evaluate(LIVE)) != null, 60000);
    return await s.evaluate(LIVE);
  } finally {
    await s.close();
  }
}

// Lighthouse's scores move from run to run with this machine's load (its
// mobile run multiplies every task by 4), so it runs several times; the run
// with the median performance score is reported, with the range.
const LIGHTHOUSE_RUNS = 5;
async function lighthouseRun(url, config) {
  const browser = await puppeteer.launch({
    browser: "chrome", executablePath: "/usr/bin/chromium", headless: true,
    args: ["--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking",
           "--disable-component-update", "--disable-sync"],
  });
  try {
    const page = await browser.newPage();
    return (await lighthouse(url, { output: "json", logLevel: "error" }, config, page)).lhr;
  } finally {
    await browser.close();
  }
}
async function lighthouseScores(url, config) {
  const runs = [];
  for (let i = 0; i < LIGHTHOUSE_RUNS; ++i) runs.push(await lighthouseRun(url, config));
  const score = (lhr, id) => Math.round(lhr.categories[id].score * 100);
  runs.sort((a, b) => score(a, "performance") - score(b, "performance"));
  const { categories, audits } = median(runs);
  const scores = ["performance", "accessibility", "best-practices", "seo"]
    .map((id) => `${id} ${Math.round(categories[id].score * 100)}`).join(", ");
  const range = `performance ${score(runs[0], "performance")}-${score(runs.at(-1), "performance")}`;
  const metrics = ["first-contentful-paint", "largest-contentful-paint", "total-blocking-time",
                   "speed-index", "cumulative-layout-shift"]
    .map((id) => `${id.replace(/-/g, " ")} ${audits[id].displayValue}`).join(", ");
  return `${scores} (median of ${runs.length} runs; ${range})\n    (${metrics})`;
}

const packed = size(WEB_DIR);
// The page as it is published, without the test hooks: it marks its own start.
const page = await serve(WEB_DIR, { gzip: true, hooks: false });
const bareDir = fs.mkdtempSync(path.join(os.tmpdir(), "lumiq-bare-"));
fs.writeFileSync(path.join(bareDir, "index.html"), "<!DOCTYPE html><html lang=en><head><title>bare</title></head><input type=text>");
const bare = await serve(bareDir, { head: MARK });
// The form's own share of the start: the page without the engine's wasm is
// drawn as the page is, and then says that it cannot start.
const formOnlyDir = fs.mkdtempSync(path.join(os.tmpdir(), "lumiq-form-only-"));
fs.cpSync(WEB_DIR, formOnlyDir, { recursive: true });
const published = fs.readFileSync(path.join(WEB_DIR, "index.html"), "utf8");
const formOnly = published.replace(/(id="engine-code">)[^<]+/, "$1");
if (formOnly === published) throw new Error("no engine's wasm found in the page");
fs.writeFileSync(path.join(formOnlyDir, "index.html"), formOnly);
fs.writeFileSync(path.join(formOnlyDir, "index.html.gz"), zlib.gzipSync(formOnly, { level: 9 }));
const formOnlyPage = await serve(formOnlyDir, { gzip: true, hooks: false });

// An earlier build's page (LUMIQ_BUDGET_BASELINE, its build/web), to compare
// a change's start with the start before it, in the same run.
const earlierDir = process.env.LUMIQ_BUDGET_BASELINE;
const earlier = earlierDir && (await serve(earlierDir, { gzip: true, hooks: false }));

const rows = [["size of build/web, gzip, each file once (KB)", packed / 1024, SIZE_BUDGET / 1024]];
if (earlier) rows.push(["size against the earlier build (KB)", packed / 1024, size(earlierDir) / 1024]);
let startRatio = NaN;
for (const engine of ENGINES) {
  const drawn = [], live = [], formDrawn = [], baseline = [], earlierLive = [];
  for (let i = 0; i < LOADS; ++i) { // interleaved, so all see the same machine load
    const [d, l] = await startMs(engine, page.url, [DRAWN, LIVE]);
    drawn.push(d);
    live.push(l);
    formDrawn.push((await startMs(engine, formOnlyPage.url, [DRAWN]))[0]);
    baseline.push((await startMs(engine, bare.url, [LOADED]))[0]);
    if (earlier) earlierLive.push((await startMs(engine, earlier.url, [LIVE]))[0]);
  }
  const byTime = (values) => [...values].sort((a, b) => a - b);
  const base = median(byTime(baseline));
  rows.push([`${engine}: start to drawn form without the wasm (ms)`, median(byTime(formDrawn)), base]);
  rows.push([`${engine}: start to drawn form, median of ${LOADS} (ms)`, median(byTime(drawn)), base]);
  rows.push([`${engine}: start to live form, median of ${LOADS} (ms)`, median(byTime(live)), base]);
  // The budget: what the engine adds to the form's own first draw.
  rows.push([`${engine}: live form vs drawn without the wasm (ms)`, median(byTime(live)), median(byTime(formDrawn))]);
  if (engine === "chromium") startRatio = rows.at(-1)[1] / rows.at(-1)[2];
  if (earlier) rows.push([`${engine}: live form vs the earlier build (ms)`, median(byTime(live)), median(byTime(earlierLive))]);
}
rows.push(["chromium: live at 400 kbit/s, 400 ms latency (ms)", await slowNetworkMs(page.url), 5000]);

console.log(`${"measure".padEnd(52)} ${"lumiq".padStart(9)} ${"baseline".padStart(9)} ${"ratio".padStart(7)}`);
for (const [name, value, base] of rows) {
  console.log(`${name.padEnd(52)} ${value.toFixed(1).padStart(9)} ${base.toFixed(1).padStart(9)} ${(value / base).toFixed(2).padStart(6)}x`);
}
console.log(`Lighthouse 12.2.3, mobile:  ${await lighthouseScores(page.url, undefined)}`);
console.log(`Lighthouse 12.2.3, desktop: ${await lighthouseScores(page.url, desktopConfig)}`);
await page.stop();
await bare.stop();
await formOnlyPage.stop();
await earlier?.stop();
fs.rmSync(bareDir, { recursive: true });
fs.rmSync(formOnlyDir, { recursive: true });
console.log(`start budget, Chromium: ${startRatio.toFixed(2)}x of at most ${START_BUDGET}x`);
process.exit(packed <= SIZE_BUDGET && !(startRatio > START_BUDGET) ? 0 : 1);
