// The page's contract in real browsers, the same suite in every engine: it
// proves the bindings and the view; the numbers themselves are proven by ctest.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import zlib from "node:zlib";
import { after, before, describe, test } from "node:test";
import { fileURLToPath } from "node:url";

import { ENGINES, launch, waitUntil } from "./engines.mjs";
import { WEB_DIR, serve } from "./server.mjs";

const HERE = path.dirname(fileURLToPath(import.meta.url));

// The shared layout table, read from its one source.
function layoutRows() {
  const source = fs.readFileSync(path.join(HERE, "../../view/layout_table.cpp"), "utf8");
  const row = /\{"(\w+)",\s*(\w+),\s*(\w+),\s*"[^"]*"?\s*(?:"[^"]*")?,?\s*(\d+),\s*(\d+),\s*(\d+),\s*(\d+),\s*(-?\d+),/gs;
  const rows = new Map();
  for (const m of source.matchAll(row)) {
    rows.set(m[1], { kind: m[2], container: m[3], box: m.slice(4, 8).map((t) => Number(t) / 15), tab: Number(m[8]) });
  }
  return rows;
}
const LAYOUT = layoutRows();
const TAGS = { TextBox: "INPUT", Button: "BUTTON", Label: "DIV", Frame: "DIV", Swatch: "DIV" };
const BOXES = [...LAYOUT].filter(([, row]) => row.kind === "TextBox").map(([name]) => name);

export async function openPage(session, url) {
  await session.goto(url);
  assert.ok(await waitUntil(() => session.evaluate(() => document.getElementById("Lumiq").dataset.ready === "true")),
            "the form never got ready");
}

const AXE = fs.readFileSync(path.join(HERE, "node_modules/axe-core/axe.min.js"), "utf8");

// axe-core's findings on the page as it stands: none is allowed.
async function axeViolations(s) {
  if (!(await s.evaluate(() => typeof axe === "object"))) await s.addScript(AXE);
  return s.evaluate(() => axe.run(document, { resultTypes: ["violations"] }).then((result) =>
    result.violations.map((v) => `${v.id} (${v.impact}): ${v.nodes.map((n) => n.target.join(" ")).join(", ")}`)));
}

const value = (s, name) => s.evaluate((id) => document.getElementById(id).value, name);
const attribute = (s, name, attr) => s.evaluate((id, a) => document.getElementById(id).getAttribute(a), name, attr);
const focused = (s) => s.evaluate(() => document.activeElement.id || document.activeElement.tagName);
const announced = (s) => s.evaluate(() => document.getElementById("announcer").textContent.trim());
const dialogOpen = (s) => s.evaluate(() => document.getElementById("message").open);

// Presses the focused button by key. Firefox ESR driven over WebDriver BiDi
// delivers the key events but never activates a native button with them (a
// bare page shows the same), so there the button is clicked instead.
async function activate(s, key = "Enter") {
  if (s.keysActivateButtons) return s.press(key);
  return s.evaluate(() => document.activeElement.click());
}

// Puts the focus on a control, as a script may; retried, since WebKit's
// driver now and then runs a script before the document answers.
async function focusOn(s, name) {
  assert.ok(await waitUntil(() => s.evaluate((id) => {
    const e = document.getElementById(id);
    e?.focus();
    return e !== null && document.activeElement === e;
  }, name)), `could not focus ${name}`);
}

// Selects the box's text and types over it, as a user does.
async function typeInto(s, name, text) {
  await s.evaluate((id) => { const box = document.getElementById(id); box.focus(); box.select(); }, name);
  await s.press("Delete");
  if (text) await s.type(text);
}

// The page's writer puts the style, the script and the layout into the page,
// and refuses a part that would end its element early.
const SCRIPT_PARTS = [...fs.readdirSync(path.join(HERE, "../page")).sort().map((f) => `page/${f}`), "lumiq.js"];
const PAGE_SOURCES = ["index.html", "lumiq.css", ...SCRIPT_PARTS];
const PAGE_PARTS = [
  { name: "the parts as they are", writes: true },
  { name: "a script holding </script>", file: "lumiq.js", more: "\n// </script>\n", writes: false },
  { name: "a part of the script holding </Script>", file: SCRIPT_PARTS[0], more: "\n// </Script>\n", writes: false },
  { name: "a style holding </STYLE>", file: "lumiq.css", more: "\n/* </STYLE> */\n", writes: false },
];
for (const part of PAGE_PARTS) {
  test(`the page's writer, given ${part.name}, ${part.writes ? "writes the page" : "refuses"}`, () => {
    const dir = fs.mkdtempSync(path.join(os.tmpdir(), "lumiq-page-"));
    try {
      fs.mkdirSync(path.join(dir, "page"));
      for (const file of PAGE_SOURCES) fs.copyFileSync(path.join(HERE, "..", file), path.join(dir, file));
      if (part.file) fs.appendFileSync(path.join(dir, part.file), part.more);
      const output = path.join(dir, "out.html");
      const write = () => execFileSync("cmake", [`-DOUTPUT=${output}`, `-DDIR=${dir}`, "-DWRITE_LAYOUT=echo;{}",
                                                 "-P", path.join(HERE, "../write_page.cmake")], { stdio: "pipe" });
      if (!part.writes) {
        assert.throws(write, /closing tag/);
        assert.ok(!fs.existsSync(output));
        return;
      }
      write();
      const page = fs.readFileSync(output, "utf8");
      assert.doesNotMatch(page, /@LUMIQ_\w+@/);
      assert.ok(page.includes(fs.readFileSync(path.join(dir, "lumiq.css"), "utf8")));
      // Every part of the script, the one that starts the page last.
      const at = SCRIPT_PARTS.map((file) => page.indexOf(fs.readFileSync(path.join(dir, file), "utf8")));
      assert.ok(at.every((position, i) => position >= 0 && (i === 0 || position > at[i - 1])), at.join(" "));
      assert.ok(page.includes('<script type="application/json" id="layout">{}</script>'));
    } finally {
      fs.rmSync(dir, { recursive: true });
    }
  });
}

test("the build writes a gzip copy beside every asset but the PNGs", () => {
  for (const file of listFiles(WEB_DIR).filter((f) => !f.endsWith(".gz") && !f.endsWith(".png"))) {
    const copy = path.join(WEB_DIR, `${file}.gz`);
    assert.ok(fs.existsSync(copy), file);
    assert.ok(zlib.gunzipSync(fs.readFileSync(copy)).equals(fs.readFileSync(path.join(WEB_DIR, file))), file);
  }
});

for (const engine of ENGINES) {
  describe(engine, () => {
    let server;
    // As a host that serves the precompressed copies would.
    before(async () => { server = await serve(WEB_DIR, { gzip: true }); });
    after(() => server.stop());

    // A fresh browser on a freshly loaded page; fails on any error reported.
    // WebKitGTK now and then reloads a page under the test (its web process
    // restarting, on this virtual machine): the page then shows its start
    // state again. Such a run says nothing of the page, so it is run once
    // more in a fresh browser, and said so; any other failure stands.
    async function withPage(body, options, attempt = 1) {
      const s = await launch(engine, options);
      const mark = `${Date.now()}-${attempt}`;
      try {
        await openPage(s, server.url);
        await s.evaluate((m) => { window.__lumiqRun = m; }, mark);
        await body(s);
        assert.deepEqual(await s.errors(), []);
        assert.deepEqual(await s.installabilityErrors() ?? [], []);
      } catch (error) {
        const reloaded = await s.evaluate((m) => window.__lumiqRun !== m, mark).catch(() => true);
        if (!(reloaded && engine === "webkit" && attempt === 1)) throw error;
        console.log(`# ${engine} reloaded the page under the test (${error.message.split("\n")[0]}); once more`);
        await s.close();
        return withPage(body, options, attempt + 1);
      } finally {
        await s.close().catch(() => {});
      }
    }

    test("every control is where the layout puts it", () => withPage(async (s) => {
      assert.equal(await s.evaluate(() => document.title), "LED utility for light conversion");
      assert.equal(LAYOUT.size, 26);
      await typeInto(s, "Wavelength", "300"); // shows the warning too
      const placed = await s.evaluate((names) => {
        const form = document.getElementById("Lumiq").getBoundingClientRect();
        const out = { form: [form.width, form.height] };
        for (const name of names) {
          const e = document.getElementById(name);
          const r = e.getBoundingClientRect();
          out[name] = { tag: e.tagName, type: e.type, rect: [r.x, r.y, r.width, r.height], label: e.getAttribute("aria-label") };
        }
        return out;
      }, [...LAYOUT.keys()]);
      assert.deepEqual(placed.form, [283, 304]);
      const [viewport, left] = await s.evaluate(() => [innerWidth, document.getElementById("Lumiq").getBoundingClientRect().left]);
      assert.ok(Math.abs(left - (viewport - 283) / 2) <= 1, `centred: ${left} in ${viewport}`);
      const origin = (row) => row.container === "Window" ? [0, 0] : placed[row.container].rect;
      const form = await s.evaluate(() => { const r = document.getElementById("Lumiq").getBoundingClientRect(); return [r.x, r.y]; });
      for (const [name, row] of LAYOUT) {
        assert.equal(placed[name].tag, TAGS[row.kind], name);
        const [ox, oy] = row.container === "Window" ? form : origin(row);
        const [x, y, w, h] = placed[name].rect;
        const got = [x - ox, y - oy, w, h];
        assert.ok(got.every((v, i) => Math.abs(v - row.box[i]) <= 1), `${name}: ${got} vs ${row.box}`);
      }
      for (const name of BOXES) assert.ok(placed[name].label, name);

      // One font, and nothing clipped: every caption and every start text
      // fits its box, button captions on one line; the widest caption fills
      // its box (the captions are condensed together just enough).
      const fit = await s.evaluate(() => {
        const form = getComputedStyle(document.getElementById("Lumiq")).fontFamily;
        const out = { fonts: [], overflow: [], lines: [], fill: 0 };
        for (const e of document.querySelectorAll("#Lumiq input, #Lumiq button")) {
          if (getComputedStyle(e).fontFamily !== form) out.fonts.push(e.id);
        }
        for (const e of document.querySelectorAll("#Lumiq .label:not(.wraps), #Lumiq button, #Lumiq input")) {
          if (e.scrollWidth > e.clientWidth) out.overflow.push(`${e.id}: ${e.scrollWidth} > ${e.clientWidth}`);
        }
        for (const span of document.querySelectorAll("#Lumiq button > span, #Lumiq .label:not(.wraps) > span, #Lumiq .caption")) {
          const box = span.parentElement;
          const range = document.createRange();
          range.selectNodeContents(span);
          const glyphs = range.getBoundingClientRect();
          const room = span.classList.contains("caption") ? box.getBoundingClientRect().right - glyphs.left
            : box.clientWidth - parseFloat(getComputedStyle(box).paddingLeft) - parseFloat(getComputedStyle(box).paddingRight);
          if (glyphs.width > room + 0.5) out.overflow.push(`${span.textContent}: ${glyphs.width} in ${room}`);
          if (span.parentElement.tagName === "BUTTON" && range.getClientRects().length !== 1) out.lines.push(span.textContent);
          if (!span.classList.contains("caption")) out.fill = Math.max(out.fill, glyphs.width / room);
        }
        out.factor = Number(document.getElementById("Lumiq").dataset.captionFit);
        out.room = 57;
        return out;
      });
      assert.deepEqual(fit.fonts, []);
      assert.deepEqual(fit.overflow, []);
      assert.deepEqual(fit.lines, []);
      if (fit.factor < 1) assert.ok(fit.fill > 1 - 1 / fit.room, `the widest caption fills ${fit.fill} of its box`);
      assert.deepEqual(await axeViolations(s), []);
    }));

    test("a typical conversion by mouse", () => withPage(async (s) => {
      await typeInto(s, "Voltage", "3.2");
      await typeInto(s, "Current", "20");
      await s.click("C_mlm");
      assert.equal(await value(s, "mlm"), "");
      await typeInto(s, "mcd", "1000");
      await typeInto(s, "deg", "30");
      await s.click("Calculate");
      assert.deepEqual([await value(s, "mlm"), await value(s, "Power"), await value(s, "Efficiency")],
                       ["214.1", "64 mW", "3.3 lm/W"]);
      assert.ok(await s.evaluate(() => document.getElementById("Calculate").disabled));
      assert.equal(await attribute(s, "mcd", "aria-disabled"), "true");
      assert.equal(await announced(s), "millilumen 214.1");
      assert.notEqual(await focused(s), "BODY");
      assert.deepEqual(await axeViolations(s), []);
    }));

    test("a typical conversion by keyboard", () => withPage(async (s) => {
      assert.equal(await focused(s), "C_mlm");
      await activate(s); // mcd -> mlm
      assert.ok(await waitUntil(() => s.evaluate(() => !document.getElementById("Calculate").disabled)));
      for (const [expected, keys] of [["C_mcd", ""], ["Calculate", ""], ["mcd", "100"], ["deg", "30"]]) {
        await s.press("Tab");
        assert.equal(await focused(s), expected);
        if (keys) await s.type(keys);
      }
      await focusOn(s, "Calculate");
      await activate(s, " ");
      assert.ok(await waitUntil(async () => (await value(s, "mlm")) === "21.4"));
      // Calculate greys out under the focus: it moves on, as in the window.
      assert.ok(await waitUntil(async () => (await focused(s)) === "Voltage"), await focused(s));
    }));

    test("the tab order follows the window over enabled controls", () => withPage(async (s) => {
      async function order(count) {
        const names = [await focused(s)];
        for (let i = 0; i < count; ++i) {
          await s.press("Tab");
          names.push(await focused(s));
        }
        return names;
      }
      // The credit ends the order, once; the DOM order is the tab order.
      assert.deepEqual(await order(5), ["C_mlm", "C_mcd", "Voltage", "Current", "Wavelength", "Label4"]);
      await s.click("C_mcd");
      await focusOn(s, "C_mlm");
      assert.deepEqual(await order(8), ["C_mlm", "C_mcd", "Calculate", "deg", "mlm", "Voltage", "Current",
                                        "Wavelength", "Label4"]);
      assert.deepEqual(await s.evaluate(() => [...document.querySelectorAll("[tabindex]")]
        .filter((e) => e.tabIndex > 0).map((e) => e.id)), []);
      assert.equal(await s.evaluate(() => [...document.querySelectorAll("#Lumiq [tabindex='0'], #Lumiq button")]
        .filter((e) => e.id === "Label4").length), 1);
    }));

    for (const [direction, input, degrees, ending] of [
      ["C_mlm", "mcd", "360", "degrees (0-360), please try again! (360)"],
      ["C_mlm", "mcd", "30", "millicandela, please try again! (<b>x</b>)"],
      ["C_mcd", "mlm", "30", "millilumens, please try again! (<b>x</b>)"],
    ]) {
      test(`the message "${ending}" blocks, and Calculate greys only after OK`, () => withPage(async (s) => {
        await s.click(direction);
        await typeInto(s, input, "<b>x</b>");
        await typeInto(s, "deg", degrees);
        await s.click("Calculate");
        assert.ok(await waitUntil(() => dialogOpen(s)));
        const shown = await s.evaluate(() => ({
          title: document.getElementById("message-title").textContent,
          text: document.getElementById("message-text").innerText,
          children: document.getElementById("message-text").children.length,
          calculateDisabled: document.getElementById("Calculate").disabled,
          // What a click at the centre of another button would reach.
          hit: (() => {
            const r = document.getElementById("C_mcd").getBoundingClientRect();
            return document.elementFromPoint(r.x + r.width / 2, r.y + r.height / 2).id;
          })(),
        }));
        assert.equal(shown.title, "Lumiq");
        assert.equal(shown.text, `No acceptable numeric value entered for\n${ending}`);
        assert.equal(shown.children, 0);
        assert.equal(shown.calculateDisabled, false); // the handler is suspended
        assert.notEqual(shown.hit, "C_mcd"); // the page is inert
        if (input === "mcd" && degrees === "360") assert.deepEqual(await axeViolations(s), []);
        await s.click("message-ok");
        assert.ok(await waitUntil(() => s.evaluate(() => document.getElementById("Calculate").disabled)));
        assert.equal(await dialogOpen(s), false);
        // The dialog closed onto Calculate, now greyed: the focus moved on.
        assert.ok(await waitUntil(async () => (await focused(s)) === "Voltage"), await focused(s));
      }));
    }

    test("Escape closes a message, and the credit label shows the contact", () => withPage(async (s) => {
      await s.click("Label4");
      assert.ok(await waitUntil(() => dialogOpen(s)));
      assert.match(await s.evaluate(() => document.getElementById("message-text").innerText),
                   /^Encounted an error\? Please mail:\n/);
      await s.press("Escape");
      assert.ok(await waitUntil(async () => !(await dialogOpen(s))));
      await focusOn(s, "Label4");
      await s.press("Enter");
      assert.ok(await waitUntil(() => dialogOpen(s)));
      await s.click("message-ok");
      assert.ok(await waitUntil(async () => !(await dialogOpen(s))));
      await focusOn(s, "Label4");
      await s.press(" ");
      assert.ok(await waitUntil(() => dialogOpen(s)));
      await s.press("Escape");
      assert.ok(await waitUntil(async () => (await focused(s)) === "Label4"));
      // OK and at once the credit again, before the first handler has resumed:
      // the second click waits for it instead of corrupting the engine.
      await s.evaluate(() => {
        document.getElementById("Label4").click();
        return new Promise((resolve) => setTimeout(resolve, 100)).then(() => {
          document.getElementById("message-ok").click();
          document.getElementById("Label4").click();
        });
      });
      assert.ok(await waitUntil(() => dialogOpen(s)));
      await s.click("message-ok");
      // With no handler waiting, a click acts at once: one that follows it in
      // the same task finds Calculate already enabled (and the empty angle).
      assert.ok(await waitUntil(async () => !(await dialogOpen(s))));
      await s.evaluate(() => new Promise((resolve) => setTimeout(resolve, 100)).then(() => {
        document.getElementById("C_mcd").click();
        document.getElementById("Calculate").click();
      }));
      assert.ok(await waitUntil(() => dialogOpen(s)));
      await s.click("message-ok");
    }));

    test("the readouts follow each keystroke", () => withPage(async (s) => {
      await typeInto(s, "Voltage", "3");
      await typeInto(s, "Current", "2");
      assert.equal(await value(s, "Power"), "6 mW");
      await s.type("0");
      assert.equal(await value(s, "Power"), "60 mW");
      await focusOn(s, "Voltage");
      await s.type("x");
      assert.equal(await value(s, "Power"), "");
    }));

    test("the swatch and the warning follow the wavelength", () => withPage(async (s) => {
      const swatch = () => s.evaluate(() => {
        const e = document.getElementById("Color");
        const w = document.getElementById("Invisible");
        return { role: e.getAttribute("role"), label: e.getAttribute("aria-label"),
                 color: getComputedStyle(e).backgroundColor, description: e.getAttribute("aria-description"),
                 warning: !w.hidden && w.getClientRects().length > 0, warningText: w.textContent };
      });
      let now = await swatch();
      assert.equal(now.color, "rgb(0, 0, 0)");
      assert.equal(now.description, "RGB 0, 0, 0");
      // Forced colours leave the swatch its colour (where the engine has them).
      assert.notEqual(await s.evaluate(() => !CSS.supports("forced-color-adjust", "none") ||
        getComputedStyle(document.getElementById("Color")).forcedColorAdjust === "none"), false);
      assert.equal(now.role, "img");
      assert.equal(now.label, "Estimated color");
      assert.equal(now.warning, false);
      await typeInto(s, "Wavelength", "55");
      now = await swatch();
      assert.ok(now.warning && now.warningText === "Invisible!!!");
      assert.equal(await announced(s), "Invisible!!!");
      await s.type("0");
      now = await swatch();
      assert.equal(now.warning, false);
      assert.equal(now.color, "rgb(127, 229, 0)");
      assert.equal(now.description, "RGB 127, 229, 0");
    }));

    test("disabled boxes are readable, skipped by Tab and ignore typing", () => withPage(async (s) => {
      await typeInto(s, "Voltage", "3.2");
      await typeInto(s, "Current", "20");
      const power = await s.evaluate(() => {
        const e = document.getElementById("Power");
        const style = getComputedStyle(e);
        return { readOnly: e.readOnly, disabled: e.getAttribute("aria-disabled"), tab: e.tabIndex,
                 color: style.color, background: style.backgroundColor };
      });
      assert.equal(power.readOnly, true);
      assert.equal(power.disabled, "true");
      assert.equal(power.tab, -1);
      assert.ok(contrast(power.color, power.background) >= 4.5, `${power.color} on ${power.background}`);
      await focusOn(s, "Power");
      await s.type("99");
      assert.equal(await value(s, "Power"), "64 mW");
      // A long result shows its first digits.
      await s.click("C_mcd");
      await typeInto(s, "mlm", "1");
      await typeInto(s, "deg", "0.0001");
      await s.click("Calculate");
      assert.equal(await value(s, "mcd"), "417941773994.5");
      // It shows its first digits and a sign that it goes on; the whole text
      // is its title (so its description), and its value.
      const mcd = await s.evaluate(() => {
        const e = document.getElementById("mcd");
        return { scroll: e.scrollLeft, caret: e.selectionStart, overflow: getComputedStyle(e).textOverflow,
                 title: e.title, clipped: e.scrollWidth > e.clientWidth };
      });
      assert.deepEqual([mcd.scroll, mcd.caret, mcd.overflow, mcd.clipped], [0, 0, "ellipsis", true]);
      assert.ok(mcd.title.startsWith("417941773994.5\n"), mcd.title);
      // Enabled again, a box says so.
      await s.click("C_mcd");
      assert.equal(await attribute(s, "mlm", "aria-disabled"), "false");
      assert.equal(await s.evaluate(() => document.getElementById("mlm").tabIndex), 0);
    }));

    test("the page works offline after one visit", async () => {
      const own = await serve(WEB_DIR);
      const s = await launch(engine);
      try {
        await openPage(s, own.url);
        assert.ok(await s.evaluate(() => !!document.querySelector("link[rel=manifest]")));
        assert.ok(await waitUntil(() => s.evaluate(() => !!navigator.serviceWorker.controller), 20000),
                  "no service worker took control");
        await own.stop();
        await openPage(s, own.url);
        await typeInto(s, "Wavelength", "300");
        assert.equal(await s.evaluate(() => !document.getElementById("Invisible").hidden), true);
        // Every file of the build, from the cache (the .gz copies are for hosts).
        const files = listFiles(WEB_DIR).filter((file) => !file.endsWith(".gz") && file !== "sw.js");
        assert.deepEqual(await s.evaluate((list) => Promise.all(list.map((file) =>
          fetch(file).then((r) => (r.ok ? "" : file), () => file)))
          .then((missing) => missing.filter(Boolean)), files), []);
        assert.deepEqual(await s.errors(), []);
        assert.deepEqual(await s.installabilityErrors() ?? [], []);
      } finally {
        await s.close();
      }
    });

    test("a phone-sized screen: the form grows to the width, text and targets with it", async () => {
      const s = await launch(engine, { width: 390, height: 844 });
      try {
        await openPage(s, server.url);
        const m = await s.evaluate(() => {
          const form = document.getElementById("Lumiq").getBoundingClientRect();
          const controls = [...document.querySelectorAll("#Lumiq input, #Lumiq button, #Lumiq [role=button]")];
          const texts = [...document.querySelectorAll("#Lumiq .label, #Lumiq input, #Lumiq button")];
          return {
            viewport: innerWidth, left: form.left, width: form.width, height: form.height,
            text: Math.min(...texts.map((e) => parseFloat(getComputedStyle(e).fontSize))),
            target: Math.min(...controls.map((e) => e.getBoundingClientRect().height)),
          };
        });
        // WebKit's MiniBrowser cannot be made narrower than about 447 px.
        assert.ok(m.viewport < 480, `viewport ${m.viewport}`);
        const scale = (m.viewport - 16) / 283;
        assert.ok(Math.abs(m.width - 283 * scale) <= 1 && Math.abs(m.height - 304 * scale) <= 1, `${m.width} x ${m.height}`);
        assert.ok(Math.abs(m.left - 8) <= 1, `left ${m.left}`);
        assert.ok(m.text >= 14, `text ${m.text} px`);
        assert.ok(m.target >= 24, `target ${m.target} px`);
        await s.click("Label4");
        assert.ok(await waitUntil(() => dialogOpen(s)));
        assert.ok(await s.evaluate(() => document.getElementById("message-ok").getBoundingClientRect().height) >= 24);
        await s.click("message-ok");
        assert.deepEqual(await s.errors(), []);
      } finally {
        await s.close();
      }
    });

    // How a host may serve the engine: the page starts, or says why it cannot.
    const HOSTINGS = [
      { name: "without lumiq-engine.wasm", missing: "lumiq-engine.wasm", starts: false },
      { name: "without lumiq-engine.js", missing: "lumiq-engine.js", starts: false },
      { name: "with the wasm served as application/octet-stream", types: { ".wasm": "application/octet-stream" },
        starts: true },
    ];
    for (const hosting of HOSTINGS) {
      test(`${hosting.name} the page ${hosting.starts ? "starts" : "says that Lumiq could not start"}`, async () => {
        const dir = copyOfBuild();
        if (hosting.missing) fs.rmSync(path.join(dir, hosting.missing));
        const own = await serve(dir, { types: hosting.types });
        const s = await launch(engine);
        try {
          await s.goto(own.url);
          const start = await s.evaluate(() => document.getElementById("Lumiq").getAttribute("aria-busy"));
          assert.ok(start === "true" || start === null); // busy until it knows
          if (hosting.starts) {
            await openPage(s, own.url);
            await typeInto(s, "Voltage", "3.2");
            await typeInto(s, "Current", "20");
            assert.equal(await value(s, "Power"), "64 mW"); // the engine answers
            assert.deepEqual(await s.errors(), []);
            return;
          }
          assert.ok(await waitUntil(() => s.evaluate(() => !!document.querySelector("#Lumiq [role=alert]")), 11000),
                    "no alert within 10 s");
          const said = await s.evaluate(() => [document.querySelector("#Lumiq [role=alert]").textContent,
                                               document.getElementById("Lumiq").getAttribute("aria-busy"),
                                               document.querySelectorAll("#Lumiq input, #Lumiq button").length]);
          assert.match(said[0], /^Lumiq could not start: ./);
          assert.equal(said[1], null);
          assert.equal(said[2], 0); // no form that cannot compute
        } finally {
          await s.close();
          await own.stop();
          fs.rmSync(dir, { recursive: true });
        }
      });
    }

    test("a new version is offered, then shown whole; other applications' caches survive", async () => {
      const dir = copyOfBuild();
      const own = await serve(dir);
      const s = await launch(engine);
      const build = () => s.evaluate(() => getComputedStyle(document.documentElement).getPropertyValue("--lumiq-build").trim());
      try {
        await openPage(s, own.url);
        assert.ok(await waitUntil(() => s.evaluate(() => !!navigator.serviceWorker.controller), 20000));
        await s.evaluate(() => caches.open("another-app").then((cache) => cache.put("/kept", new Response("kept"))));
        // A second build with one asset changed.
        fs.appendFileSync(path.join(dir, "index.html"), "<style>:root { --lumiq-build: 2; }</style>\n");
        execFileSync("cmake", [`-DDIR=${dir}`, `-DTEMPLATE=${path.join(HERE, "../sw.js.in")}`, "-P",
                               path.join(HERE, "../write_service_worker.cmake")]);
        await openPage(s, own.url); // the navigation finds the new worker
        assert.ok(await waitUntil(() => s.evaluate(() => !document.getElementById("update").hidden), 20000),
                  "no update notice");
        assert.equal(await attribute(s, "update", "role"), "status");
        assert.equal(await build(), ""); // still wholly the old version
        await s.click("update-reload");
        assert.ok(await waitUntil(async () => (await build()) === "2" &&
          (await s.evaluate(() => document.getElementById("Lumiq").dataset.ready === "true")), 20000));
        const keys = await s.evaluate(() => caches.keys());
        assert.ok(keys.includes("another-app"), keys.join());
        assert.equal(keys.filter((key) => key.startsWith("lumiq-")).length, 1, keys.join());
      } finally {
        await s.close();
        await own.stop();
        fs.rmSync(dir, { recursive: true });
      }
    });
  });
}

// A copy of the build to change: a second build, or one with a file missing.
function copyOfBuild() {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), "lumiq-web-"));
  fs.cpSync(WEB_DIR, dir, { recursive: true });
  return dir;
}

function listFiles(dir, prefix = "") {
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
