// The page's contract in real browsers, the same suite in every engine: it
// proves the bindings and the view; the numbers themselves are proven by ctest.
import assert from "node:assert/strict";
import { after, before, describe, test } from "node:test";

import { ENGINES, launch, waitUntil } from "./engines.mjs";
import {
  BOXES, CAPTION_FLOOR, LAYOUT, TAGS, activate, announced, attribute, axeViolations, contrast, dialogOpen, focusOn, focused,
  openPage, typeInto, value, withPage as withPageIn,
} from "./page_helpers.mjs";
import { WEB_DIR, serve } from "./server.mjs";

for (const engine of ENGINES) {
  describe(engine, () => {
    let server;
    // As a host that serves the precompressed copies would.
    before(async () => { server = await serve(WEB_DIR, { gzip: true }); });
    after(() => server.stop());
    const withPage = (body, options) => withPageIn(engine, server.url, body, options);

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
      const origin = (row) => row.container === "Lumiq" ? [0, 0] : placed[row.container].rect;
      const form = await s.evaluate(() => { const r = document.getElementById("Lumiq").getBoundingClientRect(); return [r.x, r.y]; });
      for (const [name, row] of LAYOUT) {
        assert.equal(placed[name].tag, TAGS[row.kind], name);
        const [ox, oy] = row.container === "Lumiq" ? form : origin(row);
        const [x, y, w, h] = placed[name].rect;
        const got = [x - ox, y - oy, w, h];
        assert.ok(got.every((v, i) => Math.abs(v - row.box[i]) <= 1), `${name}: ${got} vs ${row.box}`);
      }
      for (const name of BOXES) assert.ok(placed[name].label, name);

      // What a screen reader meets: each box's tooltip (no value while it
      // fits) says more than its name; a frame is named by its caption; a
      // label is read once, without the hyphens that break its lines.
      const read = await s.evaluate((names) => {
        const readText = (node) => node.nodeType === Node.TEXT_NODE ? node.textContent
          : node.getAttribute?.("aria-hidden") === "true" ? "" : [...node.childNodes].map(readText).join("");
        return Object.fromEntries(names.map((name) => {
          const e = document.getElementById(name);
          const by = e.getAttribute("aria-labelledby");
          return [name, { title: e.getAttribute("title"), label: e.getAttribute("aria-label"),
                          description: e.getAttribute("aria-description"),
                          named: by === null ? null : by.split(" ").map((id) => document.getElementById(id).textContent).join(" "),
                          text: readText(e) }];
        }));
      }, [...LAYOUT.keys()]);
      for (const [name, row] of LAYOUT) {
        const got = read[name];
        if (row.kind === "text") {
          assert.equal(got.title, row.toolTip, name);
          assert.notEqual(got.title, got.label, name);
          assert.equal(got.description, null, name);
        } else if (row.kind === "frame") {
          assert.equal(got.named, row.caption || null, name);
        } else if (row.kind !== "swatch") {
          assert.equal(got.title, null, name);
          assert.equal(got.text, row.accessibleName || row.caption, name);
          assert.doesNotMatch(got.text, /\w- \w/, name);
        }
      }

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
        for (const e of document.querySelectorAll("#Lumiq .label.wraps")) {
          if (e.firstChild.offsetHeight > e.clientHeight) out.overflow.push(`${e.id}: ${e.firstChild.offsetHeight} high in ${e.clientHeight}`);
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
      assert.ok(fit.factor >= CAPTION_FLOOR, `condensed to ${fit.factor}`);
      assert.deepEqual(await axeViolations(s), []);
    }));

    // Its own code only: what an injection adds to the live page never runs.
    test("a script or handler injected into the live page does not run", () => withPage(async (s) => {
      const got = await s.evaluate(() => new Promise((resolve) => {
        const refused = [];
        document.addEventListener("securitypolicyviolation", (e) => refused.push(e.violatedDirective.split("-")[0]));
        const script = document.createElement("script");
        script.textContent = "window.__injected = 'script'";
        document.body.append(script);
        const holder = document.createElement("div");
        holder.innerHTML = `<img src="icons/lumiq-32.png?1" onload="window.__injected = 'handler'">`;
        document.body.append(holder);
        setTimeout(() => resolve({ injected: window.__injected ?? null, refused: refused.sort() }), 1000);
      }));
      assert.deepEqual(got, { injected: null, refused: ["script", "script"] });
      await s.forgetErrors(); // the two refusals, provoked above
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
      // The same result again is read out again: the live region changes.
      const region = () => s.evaluate(() => document.getElementById("announcer").textContent);
      const before = await region();
      await s.click("C_mlm");
      await s.click("Calculate");
      assert.equal(await value(s, "mlm"), "214.1");
      assert.notEqual(await region(), before);
      assert.equal(await announced(s), "millilumen 214.1");
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
      const unringed = new Set(); // stops that drew not the page's own focus ring (the browser's is "auto")
      async function order(count) {
        const names = [await focused(s)];
        for (let i = 0; i < count; ++i) {
          await s.press("Tab");
          names.push(await focused(s));
          if (await s.evaluate(() => getComputedStyle(document.activeElement).outlineStyle !== "solid")) {
            unringed.add(names.at(-1));
          }
        }
        return names;
      }
      // The credit ends the order, once; the DOM order is the tab order.
      assert.deepEqual(await order(5), ["C_mlm", "C_mcd", "Voltage", "Current", "Wavelength", "Label4"]);
      await s.click("C_mcd");
      await focusOn(s, "C_mlm");
      assert.deepEqual(await order(8), ["C_mlm", "C_mcd", "Calculate", "deg", "mlm", "Voltage", "Current",
                                        "Wavelength", "Label4"]);
      // Firefox here never has the system focus, so matches no :focus (see the README).
      if (engine !== "firefox") assert.deepEqual([...unringed], []);
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

    // The system's scheme, light or dark: the form is drawn in it, and every
    // text, greyed results too, reads at 4.5:1 or more.
    for (const scheme of ["light", "dark"]) {
      test(`a system that prefers ${scheme} gets a ${scheme} form that reads`, () => withPage(async (s) => {
        await typeInto(s, "Voltage", "3.2");
        await typeInto(s, "Current", "20");
        const colors = await s.evaluate(() => Object.fromEntries(["Lumiq", "Voltage", "Power", "message"].map((id) => {
          const style = getComputedStyle(document.getElementById(id));
          return [id, { color: style.color, background: style.backgroundColor }];
        })));
        const form = colors.Lumiq;
        assert.equal(contrast(form.background, "rgb(0, 0, 0)") < contrast(form.color, "rgb(0, 0, 0)"), scheme === "dark",
          `${form.color} on ${form.background}`);
        for (const id of ["Lumiq", "Voltage", "Power", "message"]) {
          const { color, background } = colors[id];
          assert.ok(contrast(color, background) >= 4.5, `${id}: ${color} on ${background}`);
        }
        // A greyed result reads fainter than a box the user types in.
        const reads = ({ color, background }) => contrast(color, background);
        assert.ok(reads(colors.Power) < reads(colors.Voltage), `${colors.Power.color} as greyed as ${colors.Voltage.color}`);
        assert.deepEqual(await axeViolations(s), []);
      }, { scheme }));
    }

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
                 title: e.title, clipped: e.scrollWidth > e.clientWidth, description: e.getAttribute("aria-description") };
      });
      assert.deepEqual([mcd.scroll, mcd.caret, mcd.overflow, mcd.clipped], [0, 0, "ellipsis", true]);
      assert.ok(mcd.title.startsWith("417941773994.5\n"), mcd.title);
      assert.equal(mcd.description, "417941773994.5"); // as the window describes it
      // Enabled again, a box says so.
      await s.click("C_mcd");
      assert.equal(await attribute(s, "mlm", "aria-disabled"), "false");
      assert.equal(await s.evaluate(() => document.getElementById("mlm").tabIndex), 0);
      // The focus fell to <body> from the box (a click on the background), and
      // a click that takes no focus greys the box: the next control takes it.
      // (Firefox here, without the system focus, sends no focus events.)
      await focusOn(s, "mlm");
      await s.evaluate(() => {
        document.activeElement.blur();
        document.getElementById("C_mlm").click();
      });
      assert.equal(await attribute(s, "mlm", "aria-disabled"), "true");
      if (engine !== "firefox") assert.equal(await focused(s), "Voltage");
    }));

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
        // A rotation fits the form again, and describes its boxes again, and
        // only its boxes.
        const width = () => s.evaluate(() => document.getElementById("Lumiq").getBoundingClientRect().width);
        const before = await width();
        // Whatever described the boxes before is described anew.
        await s.evaluate(() => document.querySelectorAll("#Lumiq input").forEach((box) => (box.title = "stale")));
        await s.viewport(370, 844);
        const rotated = await waitUntil(async () => (await width()) !== before, 2000); // WebKit's window stays wider
        await new Promise((resolve) => setTimeout(resolve, 100));
        assert.deepEqual(await s.evaluate(() => [...document.querySelectorAll("#Lumiq button, #Lumiq .label")]
          .filter((e) => e.hasAttribute("title")).map((e) => e.id)), []);
        for (const name of BOXES) {
          if (rotated) assert.equal(await attribute(s, name, "title"), LAYOUT.get(name).toolTip, name);
        }
        await s.click("Label4");
        assert.ok(await waitUntil(() => dialogOpen(s)));
        assert.ok(await s.evaluate(() => document.getElementById("message-ok").getBoundingClientRect().height) >= 24);
        await s.click("message-ok");
        assert.deepEqual(await s.errors(), []);
      } finally {
        await s.close();
      }
    });
  });
}
