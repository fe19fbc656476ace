// What every browser test of the page shares: the layout table, opening the
// page, reading and driving its controls, axe-core, copies of the build.
import assert from "node:assert/strict";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { fileURLToPath } from "node:url";

import { launch, waitUntil } from "./engines.mjs";
import { WEB_DIR } from "./server.mjs";

export const HERE = path.dirname(fileURLToPath(import.meta.url));

// The layout the build writes into the page.
export function builtLayout(dir = WEB_DIR) {
  const page = fs.readFileSync(path.join(dir, "index.html"), "utf8");
  return JSON.parse(page.match(/<script type="application\/json" id="layout">(.*?)<\/script>/s)[1]);
}

// The narrowest a caption may be condensed, as the shared table says it.
const TABLE = fs.readFileSync(path.join(HERE, "../../view/layout_table.h"), "utf8");
export const CAPTION_FLOOR = Number(/kNarrowestCaptionPercent = (\d+);/.exec(TABLE)[1]) / 100;

// The shared layout table, as the build writes it into the page (in pixels).
function layoutRows() {
  const widgets = builtLayout().widgets;
  return new Map(widgets.map((w) => [w.name, {
    kind: w.kind, container: widgets[w.in]?.name ?? "Lumiq", box: [w.left, w.top, w.width, w.height],
    caption: w.caption, toolTip: w.toolTip, accessibleName: w.accessibleName }]));
}
export const LAYOUT = layoutRows();
export const TAGS = { text: "INPUT", button: "BUTTON", label: "DIV", link: "DIV", frame: "DIV", swatch: "DIV" };
export const BOXES = [...LAYOUT].filter(([, row]) => row.kind === "text").map(([name]) => name);

export async function openPage(session, url) {
  await session.goto(url);
  assert.ok(await waitUntil(() => session.evaluate(() => document.getElementById("Lumiq").dataset.ready === "true")),
            "the form never got ready");
  // Live, so no longer busy to a screen reader either.
  assert.equal(await session.evaluate(() => document.getElementById("Lumiq").getAttribute("aria-busy")), null);
}

const AXE = fs.readFileSync(path.join(HERE, "node_modules/axe-core/axe.min.js"), "utf8");

// axe-core's findings on the page as it stands: none is allowed.
export async function axeViolations(s) {
  if (!(await s.evaluate(() => typeof axe === "object"))) await s.addScript(AXE);
  return s.evaluate(() => axe.run(document, { resultTypes: ["violations"] }).then((result) =>
    result.violations.map((v) => `${v.id} (${v.impact}): ${v.nodes.map((n) => n.target.join(" ")).join(", ")}`)));
}

export const value = (s, name) => s.evaluate((id) => document.getElementById(id).value, name);
export const attribute = (s, name, attr) => s.evaluate((id, a) => document.getElementById(id).getAttribute(a), name, attr);
export const focused = (s) => s.evaluate(() => document.activeElement.id || document.activeElement.tagName);
export const announced = (s) => s.evaluate(() => document.getElementById("announcer").textContent.trim());
export const dialogOpen = (s) => s.evaluate(() => document.getElementById("message").open);

// Presses the focused button by key. Firefox ESR driven over WebDriver BiDi
// delivers the key events but never activates a native button with them (a
// bare page shows the same), so there the button is clicked instead.
export async function activate(s, key = "Enter") {
  if (s.keysActivateButtons) return s.press(key);
  return s.evaluate(() => document.activeElement.click());
}

// Puts the focus on a control, as a script may; retried, since WebKit's
// driver now and then runs a script before the document answers.
export async function focusOn(s, name) {
  assert.ok(await waitUntil(() => s.evaluate((id) => {
    const e = document.getElementById(id);
    e?.focus();
    return e !== null && document.activeElement === e;
  }, name)), `could not focus ${name}`);
}

// Selects the box's text and types over it, as a user does.
export async function typeInto(s, name, text) {
  await s.evaluate((id) => { const box = document.getElementById(id); box.focus(); box.select(); }, name);
  await s.press("Delete");
  if (text) await s.type(text);
}

// Runs `body` in a fresh browser on a freshly loaded page of `engine`; fails
// on any error reported.
// WebKitGTK now and then reloads a page under the test (its web process
// restarting, on this virtual machine): the page then shows its start
// state again. Such a run says nothing of the page, so it is run once
// more in a fresh browser, and said so; any other failure stands.
export async function withPage(engine, url, body, options, attempt = 1) {
  const s = await launch(engine, options);
  const mark = `${Date.now()}-${attempt}`;
  try {
    await openPage(s, url);
    await s.evaluate((m) => { window.__lumiqRun = m; }, mark);
    await body(s);
    assert.deepEqual(await s.errors(), []);
    assert.deepEqual(await s.installabilityErrors() ?? [], []);
  } catch (error) {
    const reloaded = await s.evaluate((m) => window.__lumiqRun !== m, mark).catch(() => true);
    if (!(reloaded && engine === "webkit" && attempt === 1)) throw error;
    console.log(`# ${engine} reloaded the page under the test (${error.message.split("\n")[0]}); once more`);
    await s.close();
    return withPage(engine, url, body, options, attempt + 1);
  } finally {
    await s.close().catch(() => {});
  }
}

// A copy of the build to change: a second build, or one with a file missing.
export function copyOfBuild() {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), "lumiq-web-"));
  fs.cpSync(WEB_DIR, dir, { recursive: true });
  return dir;
}

export function listFiles(dir, prefix = "") {
  return fs.readdirSync(dir, { withFileTypes: true }).flatMap((entry) => entry.isDirectory()
    ? listFiles(path.join(dir, entry.name), `${prefix}${entry.name}/`) : [`${prefix}${entry.name}`]);
}

function luminance(css) {
  const [r, g, b] = css.match(/\d+/g).slice(0, 3).map((c) => Number(c) / 255)
    .map((c) => (c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4));
  return 0.2126 * r + 0.7152 * g + 0.0722 * b;
}
export function contrast(foreground, background) {
  const [a, b] = [luminance(foreground), luminance(background)];
  return (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05);
}
