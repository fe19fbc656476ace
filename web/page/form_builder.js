// Builds the form's elements from the layout table the page carries, each
// where the window has it, in the table's order (the window's tab order), and
// wires each control to the handlers it is given. Every widget is known by
// its row in the table.

// Every length scales with --scale: 1 on a desktop, larger on a phone.
function place(element, widget) {
  element.id = widget.name;
  const scaled = (pixels) => `calc(${pixels}px * var(--scale))`;
  element.style.left = scaled(widget.left);
  element.style.top = scaled(widget.top);
  element.style.width = scaled(widget.width);
  element.style.height = scaled(widget.height);
  element.style.fontSize = `calc(${widget.points}pt * var(--scale))`;
  element.style.fontWeight = widget.bold ? "bold" : "normal";
  if (widget.toolTip) element.title = widget.toolTip;
}

function caption(element, text, captions) {
  const span = document.createElement("span");
  span.textContent = text;
  element.append(span);
  captions.push(span);
  return span;
}

// Each builder takes the widget, its row, the handlers and the list of
// captions to fit (every caption counts).
const builders = {
  frame(widget, row, handlers, captions) {
    const frame = document.createElement("div");
    frame.className = "frame";
    frame.setAttribute("role", "group");
    if (widget.caption) {
      const span = caption(frame, widget.caption, captions);
      span.className = "caption";
      span.id = `${widget.name}-caption`;
      frame.setAttribute("aria-labelledby", span.id);
    }
    return frame;
  },
  text(widget, row, { edit }) {
    const box = document.createElement("input");
    box.type = "text";
    box.autocomplete = "off";
    box.spellcheck = false;
    box.setAttribute("aria-label", widget.accessibleName);
    box.addEventListener("input", () => edit(row, box));
    return box;
  },
  button(widget, row, { click }, captions) {
    const button = document.createElement("button");
    button.type = "button";
    caption(button, widget.caption, captions);
    button.addEventListener("click", () => click(row));
    return button;
  },
  label(widget, row, handlers, captions) {
    const label = document.createElement("div");
    label.className = widget.wraps ? "label wraps" : "label";
    const shown = caption(label, widget.caption, captions);
    // A caption drawn with line-break hyphens is read as its plain sentence.
    if (widget.accessibleName && widget.accessibleName !== widget.caption) {
      shown.setAttribute("aria-hidden", "true");
      const spoken = document.createElement("span");
      spoken.className = "visually-hidden";
      spoken.textContent = widget.accessibleName;
      label.append(spoken);
    }
    return label;
  },
  link(widget, row, handlers, captions) {
    const link = builders.label(widget, row, handlers, captions);
    makeClickable(link, () => handlers.click(row));
    return link;
  },
  swatch(widget) {
    const swatch = document.createElement("div");
    swatch.className = "swatch";
    swatch.setAttribute("role", "img");
    swatch.setAttribute("aria-label", widget.accessibleName);
    return swatch;
  },
};

// The credit label: one Tab stop after every control; a click, Enter or
// Space shows the contact message.
function makeClickable(label, click) {
  label.classList.add("clickable");
  label.setAttribute("role", "button");
  label.tabIndex = 0;
  label.addEventListener("click", click);
  label.addEventListener("keydown", (event) => {
    if (event.key === " ") event.preventDefault(); // no scrolling; acts on release
    if (event.key !== "Enter") return;
    // Otherwise the same key press would go on to press the dialog's OK.
    event.preventDefault();
    click();
  });
  label.addEventListener("keyup", (event) => {
    if (event.key === " ") click();
  });
}

function styleRoot(root, layout) {
  root.style.fontFamily = [...layout.fontFamilies, "sans-serif"]
    .map((family) => (family.includes(" ") ? `"${family}"` : family))
    .join(", ");
}

// The built form: its elements and widgets by row, and the captions to fit.
// `handlers.edit(row, box)` hears the user's edits and `handlers.click(row)`
// the clicks.
export function build(root, layout, handlers) {
  styleRoot(root, layout);
  const form = { width: layout.width, elements: [], widgets: layout.widgets, captions: [] };
  layout.widgets.forEach((widget, row) => {
    if (!Object.hasOwn(builders, widget.kind)) throw new Error(`the layout has a widget "${widget.kind}" the page cannot build`);
    const element = builders[widget.kind](widget, row, handlers, form.captions);
    place(element, widget);
    form.elements.push(element);
    (widget.in < 0 ? root : form.elements[widget.in]).append(element);
  });
  return form;
}
