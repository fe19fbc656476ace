// Starts the engine that a built page carries, through the page's own seam to
// it, and drives it: a click that waits for a message, then one conversion
// (1000 mcd at 30 degrees is 214.1 mlm). A page whose engine cannot start or
// answer fails its build here, whatever the Emscripten that built it, rather
// than in a user's browser.
//   node check_engine.mjs PAGE ENGINE_MODULE
import fs from "node:fs";
import vm from "node:vm";

const [pagePath, seamPath] = process.argv.slice(2);
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
if (!code || !layout || engineEnd < 0) fail("found no engine or layout in the page");
// The layout rows the check drives, by the names it knows them by.
const row = Object.fromEntries(JSON.parse(layout).widgets.map((widget, i) => [widget.name, i]));

// The browser globals the engine's script and the seam reach for; nothing
// of the form's own.
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
let factory;
try {
  factory = vm.runInContext(`${script.slice(0, engineEnd)}\nLumiqEngine`, browser);
} catch (error) {
  fail(`its engine's script does not run: ${error}`);
}

// The seam as bundled into the page; it has no imports of its own.
const seam = await import(`data:text/javascript,${encodeURIComponent(fs.readFileSync(seamPath, "utf8"))}`);

const texts = new Map();
const messages = [];
const view = {
  text: (at, text) => texts.set(at, text),
  enabled() {},
  shown() {},
  color() {},
};
// A message is up until a later task closes it, as a user's OK would.
const showMessage = (text) => new Promise((resolve) => setTimeout(() => resolve(messages.push(text))));
async function convert(engine, degrees) {
  await seam.runClick(engine, row.C_mlm);
  seam.setText(engine, row.mcd, "1000");
  seam.setText(engine, row.deg, degrees);
  await seam.runClick(engine, row.Calculate);
}
try {
  const engine = await seam.startEngine(factory, block, { view, showMessage });
  engine._lumiq_observe();
  // A click that shows a message ends only once the message is closed.
  await convert(engine, "x");
  if (messages.length !== 1) fail(`a conversion of "x" degrees ended with ${messages.length} messages closed, not one`);
  await convert(engine, "30");
  // A row that holds no box or control is the page's fault, and says so.
  for (const [what, wrong] of [["an edit of", () => seam.setText(engine, row.C_mlm, "1")],
    ["a click on", () => seam.runClick(engine, row.mcd)], ["a click past", () => seam.runClick(engine, 1e6)]]) {
    if (await Promise.resolve().then(wrong).then(() => true, () => false)) fail(`${what} a wrong row went unreported`);
  }
} catch (error) {
  fail(`its engine does not answer: ${seam.reasonOf(error)}`);
}
if (texts.get(row.mlm) !== "214.1") fail(`1000 mcd at 30 degrees gave "${texts.get(row.mlm)}" mlm, not "214.1"`);
