// The page's pure parts under node alone, without a browser: the caption
// fitting and scaling arithmetic, the focus order, the click queue behind a
// waiting dialog, and what is read out or shown for a clipped box.
import assert from "node:assert/strict";
import { test } from "node:test";

import { commonFactor, roomFor } from "../page/caption_fit.js";
import { createClickQueue } from "../page/click_queue.js";
import { clippedTitle } from "../page/clipped.js";
import { nextFocusable } from "../page/focus.js";
import { nextAnnouncement } from "../page/messages.js";
import { scaleFor } from "../page/screen_fit.js";

const ARITHMETIC = [
  { name: "captions that fit are not widened", got: () => commonFactor([50, 40], [100, 100]), want: 1 },
  { name: "one caption too wide condenses all by its ratio", got: () => commonFactor([125, 50], [100, 100]), want: 0.8 },
  { name: "the tightest caption sets the factor", got: () => commonFactor([125, 200], [100, 100]), want: 0.5 },
  { name: "no caption, no condensing", got: () => commonFactor([], []), want: 1 },
  { name: "never narrower than the floor", got: () => commonFactor([125, 200], [100, 100], 0.7), want: 0.7 },
  { name: "a floor below the need changes nothing", got: () => commonFactor([125, 50], [100, 100], 0.7), want: 0.8 },
  { name: "a frame's caption is inset on both sides",
    got: () => roomFor({ boxWidth: 200, padding: 4, offset: 8, framed: true }), want: 184 },
  { name: "a label's caption fills its box less padding",
    got: () => roomFor({ boxWidth: 200, padding: 4, offset: 8, framed: false }), want: 196 },
  { name: "a desktop keeps the form's size", got: () => scaleFor(1024, 283), want: 1 },
  { name: "480 px is not yet narrow", got: () => scaleFor(480, 283), want: 1 },
  { name: "a 299 px phone: the form is 283 px, 8 px from each side", got: () => scaleFor(299, 283), want: 1 },
  { name: "a 568 px form on a 300 px phone halves", got: () => scaleFor(300, 568), want: 0.5 },
];
for (const row of ARITHMETIC) test(`arithmetic: ${row.name}`, () => assert.equal(row.got(), row.want));

const TEXTS = [
  { name: "a new text is read as it is", got: () => nextAnnouncement("", "mcd 12"), want: "mcd 12" },
  { name: "the same text again differs, so it is read again",
    got: () => nextAnnouncement("mcd 12", "mcd 12"), want: "mcd 12\u00a0" },
  { name: "and a third time differs again", got: () => nextAnnouncement("mcd 12\u00a0", "mcd 12"), want: "mcd 12" },
  { name: "a clipped box's title: the whole text, then the tooltip",
    got: () => clippedTitle(["text", "toolTip"], "1.5E+20", "Flux"), want: "1.5E+20\nFlux" },
  { name: "the title follows the layout's order", got: () => clippedTitle(["toolTip", "text"], "1", "F"), want: "F\n1" },
];
for (const row of TEXTS) test(`texts: ${row.name}`, () => assert.equal(row.got(), row.want));

// Controls as the focus order sees them; b to d cannot take the focus.
const [a, b, c, d, e] = [
  { tabIndex: 0 }, { tabIndex: 0, disabled: true }, { tabIndex: 0, hidden: true }, { tabIndex: -1 }, { tabIndex: 0 },
];
const FOCUS = [
  { name: "skips disabled, hidden and greyed controls", controls: [a, b, c, d, e], from: a, want: e },
  { name: "goes round after the last", controls: [a, b, c, d, e], from: e, want: a },
  { name: "starts at the top from outside the list", controls: [b, a, e], from: {}, want: a },
  { name: "finds none when none can take it", controls: [b, c, d], from: b, want: undefined },
];
for (const row of FOCUS) {
  test(`focus order: ${row.name}`, () => assert.equal(nextFocusable(row.controls, row.from), row.want));
}

// Clicks on A, B, C; "close" closes the oldest open dialog, and "settle" lets
// every handler that can go on do so. A handler shows its messages (how many:
// `dialogs`) one after another, the first at once, as the engine does.
const QUEUE = [
  { name: "clicks with no message up run at once", dialogs: {}, steps: "A B", log: "A+ A- B+ B-" },
  { name: "a click before the handler resumes waits for it to end",
    dialogs: { A: 1 }, steps: "A close B", log: "A+ A- B+ B-" },
  { name: "waiting clicks run in order", dialogs: { A: 1 }, steps: "A B C close", log: "A+ A- B+ B- C+ C-" },
  { name: "a handler's second message holds clicks too",
    dialogs: { A: 2 }, steps: "A close settle B close", log: "A+ A- B+ B-" },
  { name: "a waiting click's own message holds the next",
    dialogs: { A: 1, B: 1 }, steps: "A B C close settle close", log: "A+ A- B+ B- C+ C-" },
];
const settle = () => new Promise((resolve) => setTimeout(resolve));
for (const row of QUEUE) {
  test(`click queue: ${row.name}`, async () => {
    const log = [];
    const open = [];
    const showDialog = () => queue.hold(new Promise((resolve) => open.push(resolve)));
    const queue = createClickQueue((name) => {
      log.push(`${name}+`);
      const count = row.dialogs[name] ?? 0;
      if (count === 0) return Promise.resolve(log.push(`${name}-`)); // ran through
      let done = showDialog();
      for (let i = 1; i < count; ++i) done = done.then(showDialog);
      return done.then(() => log.push(`${name}-`));
    });
    for (const step of row.steps.split(" ")) {
      if (step === "close") open.shift()();
      else if (step === "settle") await settle();
      else queue.click(step);
    }
    await settle();
    assert.equal(log.join(" "), row.log);
  });
}
