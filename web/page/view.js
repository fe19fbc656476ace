// Everything the engine reports, by kind of change and layout row, mirrored into the form's
// elements. It decides nothing about the form: a link, say, is never reported disabled.

// A long result shows its first digits. (A new box needs neither, and each
// would cost it a layout.)
function showStart(box) {
  box.setSelectionRange(0, 0);
  box.scrollLeft = 0;
}

// `echo`: the text is the user's own edit, which the box shows already.
function showText(page, row, text, echo) {
  const box = page.elements[row];
  if (!echo) {
    box.value = text;
    const widget = page.widgets[row];
    if (!page.replaying) showStart(box);
    if (widget.announced && text !== "" && !page.replaying) page.announce(`${widget.accessibleName} ${text}`);
  }
  if (!page.replaying) page.describe(box, row); // measured once, after the replay
}

function setEnabled(page, row, enabled) {
  const element = page.elements[row];
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

function setShown(page, row, shown) {
  const element = page.elements[row];
  const appears = shown && element.hidden;
  element.hidden = !shown;
  if (appears) page.announce(element.textContent);
}

function setColor(swatch, r, g, b, spoken) {
  swatch.style.backgroundColor = `rgb(${r}, ${g}, ${b})`;
  swatch.setAttribute("aria-description", spoken);
}

// What each kind of change does, by the name the layout gives it; each is
// handed the change as the engine reports it: (row, text, flag, red, green,
// blue).
const kChanges = {
  text: showText,
  enabled: (page, row, _text, enabled) => setEnabled(page, row, enabled),
  shown: (page, row, _text, shown) => setShown(page, row, shown),
  color: (page, row, spoken, _on, r, g, b) => setColor(page.elements[row], r, g, b, spoken),
};

// What handles each kind of change, by its number in `names` (the layout's).
function changeHandlers(names) {
  return names.map((name) => {
    if (!Object.hasOwn(kChanges, name)) throw new Error(`the engine reports a change "${name}" the page cannot show`);
    return kChanges[name];
  });
}

// `form` is the built form; `changes` the names of the kinds of change, by
// number; `focus` moves the focus on from what stops taking it; `announce`
// reads a text out; `describe(box, row)` describes a box whose text may be
// clipped. `report(kind, row, ...)` shows a change.
export function createView(form, { changes, focus, announce, describe }) {
  // replaying: a whole state being reported, the start or the engine's first
  const page = { elements: form.elements, widgets: form.widgets, focus, announce, describe, replaying: false };
  const handlers = changeHandlers(changes);
  const report = (kind, ...change) => handlers[kind](page, ...change);
  // A whole state reported at once: no box scrolled to its start, nothing
  // announced.
  function whileReplaying(reportAll) {
    page.replaying = true;
    try {
      reportAll();
    } finally {
      page.replaying = false;
    }
  }
  return { report, whileReplaying };
}
