// Starts the engine that a built page carries, through the page's own seam to
// it as bundled into the page (the minified script users run), and drives it:
// a click that waits for a message, then one conversion (1000 mcd at 30
// degrees is 214.1 mlm), and no edit may keep a block of the engine's heap.
// A page whose engine cannot start or answer fails its build here, whatever
// the Emscripten that built it, rather than in a user's browser.
//   node check_engine.mjs PAGE
import fs from "node:fs";
import vm from "node:vm";

const [pagePath] = process.argv.slice(2);
// Node ends with 13 when nothing is left to settle an await: a click whose
// message could never resume it.
process.on("exit", (code) => code === 13 && console.error(`check_engine: ${pagePath}: its engine hung`));
const page = fs.readFileSync(pagePath, "utf8");

function fail(why) {
  console.error(`check_engine: ${pagePath}: ${why}`);
  process.exit(1);
}

// The page's parts as a browser meets them: the engine's code in its data
// block, and its script up to the page's own, which starts the form.
const code = /<script type="application\/octet-stream" id="engine-code">([^<]*)<\/script>/.exec(page)?.[1];
const layout = /<script type="application\/json" id="layout">(.*?)<\/script>/s.exec(page)?.[1];
const script = page.slice(page.lastIndexOf("<script>") + "<script>".length);
const engineEnd = script.indexOf("\n(() => {");
// The bundle: the page's own script between its strictness and its start.
const bundleStart = script.indexOf("\n", script.indexOf('"use strict"', engineEnd));
const bundleEnd = script.lastIndexOf("\nLumiqPage.start(");
if (!code || !layout || engineEnd < 0 || bundleEnd < bundleStart) fail("found no engine, layout or script in the page");
// The layout rows the check drives, by the names it knows them by.
const row = Object.fromEntries(JSON.parse(layout).widgets.map((widget, i) => [widget.name, i]));

// The browser globals the engine's script and the seam reach for; nothing
// of the form's own, which the bundle only reaches once started.
const block = { textContent: code, remove() {} };
const document = { currentScript: null };
const browser = vm.createContext({
  ...Object.fromEntries(["WebAssembly", "TextDecoder", "atob", "setTimeout", "clearTimeout", "console", "Promise"]
    .map((name) => [name, globalThis[name]])),
  document,
  location: { href: "https://localhost/" },
});
browser.window = browser;
browser.self = browser;
let factory, seam;
try {
  factory = vm.runInContext(`${script.slice(0, engineEnd)}\nLumiqEngine`, browser);
  seam = vm.runInContext(`"use strict";\n${script.slice(bundleStart, bundleEnd)}\nLumiqPage`, browser);
} catch (error) {
  fail(`its script does not run: ${error}`);
}

const texts = new Map();
const messages = [];
const textChange = JSON.parse(layout).changes.indexOf("text");
const report = (kind, at, text) => kind === textChange && texts.set(at, text);
// A message is up until a later task closes it, as a user's OK would.
const showMessage = (text) => new Promise((resolve) => setTimeout(() => resolve(messages.push(text))));
async function convert(engine, degrees) {
  await seam.runClick(engine, row.C_mlm);
  seam.setText(engine, row.mcd, "1000");
  seam.setText(engine, row.deg, degrees);
  await seam.runClick(engine, row.Calculate);
}
// The engine's heap blocks the seam takes and gives back: an edit keeps none.
let held = 0;
const counted = (engine) => Object.assign(Object.create(engine), {
  _malloc: (size) => (++held, engine._malloc(size)),
  _free: (address) => (--held, engine._free(address)),
});
try {
  const engine = counted(await seam.startEngine(factory, block, { report, showMessage }));
  engine._lumiq_observe();
  // A click that shows a message ends only once the message is closed.
  await convert(engine, "x");
  if (messages.length !== 1) fail(`a conversion of "x" degrees ended with ${messages.length} messages closed, not one`);
  await convert(engine, "30");
  // A row that holds no box or control is the page's fault, and says so.
  for (const [what, wrong] of [["an edit of", () => seam.setText(engine, row.C_mlm, "1")],
    ["a click on", () => seam.runClick(engine, row.mcd)], ["a click past", () => seam.runClick(engine, 1e6)],
    ["a click just past", () => seam.runClick(engine, Object.keys(row).length)]]) {
    if (await Promise.resolve().then(wrong).then(() => true, () => false)) fail(`${what} a wrong row went unreported`);
  }
} catch (error) {
  fail(`its engine does not answer: ${seam.reasonOf(error)}`);
}
if (held !== 0) fail(`its edits left ${held} blocks in the engine's heap`);
if (texts.get(row.mlm) !== "214.1") fail(`1000 mcd at 30 degrees gave "${texts.get(row.mlm)}" mlm, not "214.1"`);
