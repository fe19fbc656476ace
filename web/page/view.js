// Everything the engine reports, by kind of change, mirrored into the form's
// elements. It decides nothing about the form.

import { isControl } from "./form_builder.js";

// A long result shows its first digits. (A new box needs neither, and each
// would cost it a layout.)
function showStart(box) {
  box.setSelectionRange(0, 0);
  box.scrollLeft = 0;
}

function showText(page, name, text) {
  const box = page.elements.get(name);
  if (box.value !== text) {
    box.value = text; // not the user's own edit, which is already shown
    const widget = page.widgets.get(name);
    if (!page.replaying) showStart(box);
    if (widget.announced && text !== "" && !page.replaying) page.announce(`${widget.accessibleName} ${text}`);
  }
  if (!page.replaying) page.describe(box); // measured once, after the replay
}

function setEnabled(page, name, enabled) {
  const element = page.elements.get(name);
  if (!isControl(page.widgets.get(name))) return; // the credit label is always live
  if (element.tagName === "BUTTON") {
    element.disabled = !enabled;
  } else {
    // Disabled boxes keep their text selectable and copyable.
    element.readOnly = !enabled;
    element.setAttribute("aria-disabled", String(!enabled));
    element.tabIndex = enabled ? 0 : -1;
  }
  if (!enabled) page.focus.keepFocusFrom(element);
}

function setShown(page, name, shown) {
  const element = page.elements.get(name);
  const appears = shown && element.hidden;
  element.hidden = !shown;
  if (appears) page.announce(element.textContent);
}

function setColor(swatch, r, g, b) {
  swatch.style.backgroundColor = `rgb(${r}, ${g}, ${b})`;
  swatch.setAttribute("aria-description", `RGB ${r}, ${g}, ${b}`);
}

// `form` is the built form; `focus` moves the focus on from what stops
// taking it; `announce` reads a text out; `describe(box)` describes a box
// whose text may be clipped.
export function createView(form, { focus, announce, describe }) {
  // replaying: a whole state being reported, the start or the engine's first
  const page = { elements: form.elements, widgets: form.widgets, focus, announce, describe, replaying: false };
  const view = {
    text: (name, text) => showText(page, name, text),
    enabled: (name, enabled) => setEnabled(page, name, enabled),
    shown: (name, shown) => setShown(page, name, shown),
    color: (name, r, g, b) => setColor(page.elements.get(name), r, g, b),
  };
  // A whole state reported at once: no box scrolled to its start, nothing
  // announced.
  function whileReplaying(report) {
    page.replaying = true;
    try {
      report();
    } finally {
      page.replaying = false;
    }
  }
  return { view, whileReplaying };
}
