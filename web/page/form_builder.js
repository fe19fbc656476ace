// Builds the form's elements from the layout table the page carries, each
// where the window has it, in the window's tab order, and wires each control
// to the engine. (The state it fills is declared in lumiq.js.)

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

function caption(element, text, fit) {
  const span = document.createElement("span");
  span.textContent = text;
  element.append(span);
  if (fit) fitted.push(span);
  return span;
}

const builders = {
  frame(widget) {
    const frame = document.createElement("div");
    frame.className = "frame";
    frame.setAttribute("role", "group");
    if (widget.caption) {
      const span = caption(frame, widget.caption, true);
      span.className = "caption";
      span.id = `${widget.name}-caption`;
      frame.setAttribute("aria-labelledby", span.id);
    }
    return frame;
  },
  text(widget) {
    const box = document.createElement("input");
    box.type = "text";
    box.autocomplete = "off";
    box.spellcheck = false;
    box.setAttribute("aria-label", widget.accessibleName);
    box.addEventListener("input", () => {
      setText(widget.name, box.value);
      describeClipped(box);
    });
    return box;
  },
  button(widget) {
    const button = document.createElement("button");
    button.type = "button";
    caption(button, widget.caption, true);
    button.addEventListener("click", () => click(widget.name));
    return button;
  },
  label(widget) {
    const label = document.createElement("div");
    label.className = widget.wraps ? "label wraps" : "label";
    const shown = caption(label, widget.caption, !widget.wraps);
    // A caption drawn with line-break hyphens is read as its plain sentence.
    if (widget.accessibleName && widget.accessibleName !== widget.caption) {
      shown.setAttribute("aria-hidden", "true");
      const spoken = document.createElement("span");
      spoken.className = "visually-hidden";
      spoken.textContent = widget.accessibleName;
      label.append(spoken);
    }
    if (widget.clickable) makeClickable(label);
    return label;
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
function makeClickable(label) {
  label.classList.add("clickable");
  label.setAttribute("role", "button");
  label.tabIndex = 0;
  label.addEventListener("click", () => click(label.id));
  label.addEventListener("keydown", (event) => {
    if (event.key === " ") event.preventDefault(); // no scrolling; acts on release
    if (event.key !== "Enter") return;
    // Otherwise the same key press would go on to press the dialog's OK.
    event.preventDefault();
    click(label.id);
  });
  label.addEventListener("keyup", (event) => {
    if (event.key === " ") click(label.id);
  });
}

// Where an element stands in the DOM, and so in the tab order: controls by
// the window's tab order, a frame where its first control is, the credit
// after every control, the rest after the controls of their container.
function orderKey(widget) {
  if (widget.clickable) return Number.MAX_SAFE_INTEGER;
  if (widget.kind === "frame") {
    const inside = [...widgets.values()].filter((w) => w.container === widget.name && isControl(w));
    if (inside.length > 0) return Math.min(...inside.map((w) => w.tab));
  }
  return isControl(widget) ? widget.tab : 1000 + Math.max(widget.tab, 0);
}
function isControl(widget) {
  return widget.kind === "text" || widget.kind === "button";
}

function build(layout) {
  layoutWidth = layout.width;
  root.style.setProperty("--greyed-text", layout.disabledText);
  root.style.setProperty("--form-width", `${layout.width}px`);
  root.style.setProperty("--form-height", `${layout.height}px`);
  root.style.fontFamily = [...layout.fontFamilies, "sans-serif"]
    .map((family) => (family.includes(" ") ? `"${family}"` : family))
    .join(", ");
  for (const widget of layout.widgets) widgets.set(widget.name, widget);
  for (const widget of layout.widgets) {
    const element = builders[widget.kind](widget);
    place(element, widget);
    elements.set(widget.name, element);
  }
  const containers = new Map([["Lumiq", root]]);
  for (const widget of layout.widgets) {
    if (widget.kind === "frame") containers.set(widget.name, elements.get(widget.name));
  }
  const ordered = [...layout.widgets].sort((a, b) => orderKey(a) - orderKey(b));
  for (const widget of ordered) containers.get(widget.container).append(elements.get(widget.name));
  root.addEventListener("focusin", (event) => (lastFocused = event.target));
}
