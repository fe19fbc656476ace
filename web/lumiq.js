// The page's view of the form. It builds the elements from the engine's
// layout table, forwards the user's edits and clicks to the engine, and
// mirrors every change the engine reports; it decides nothing itself.
"use strict";

(function () {
  const root = document.getElementById("Lumiq");
  const dialog = document.getElementById("message");
  const dialogText = document.getElementById("message-text");
  const elements = new Map(); // control name -> element
  const tabs = new Map(); // control name -> tabindex when enabled
  let engine = null;

  // The engine awaits this: the handler that shows a message goes on only
  // once the dialog has closed (OK or Escape).
  function showMessage(text) {
    dialogText.textContent = text; // its lines already broken by the engine
    return new Promise((resolve) => {
      dialog.addEventListener("close", () => resolve(), { once: true });
      dialog.showModal();
      document.getElementById("message-ok").focus();
    });
  }

  function click(name) {
    return engine.ccall("lumiq_click", null, ["string"], [name], { async: true });
  }

  function place(element, widget) {
    element.id = widget.name;
    element.style.left = `${widget.left}px`;
    element.style.top = `${widget.top}px`;
    element.style.width = `${widget.width}px`;
    element.style.height = `${widget.height}px`;
    element.style.fontSize = `${widget.points}pt`;
    element.style.fontWeight = widget.bold ? "bold" : "normal";
    if (widget.toolTip) element.title = widget.toolTip;
    if (widget.accessibleName) element.setAttribute("aria-label", widget.accessibleName);
  }

  function caption(element, text) {
    const span = document.createElement("span");
    span.textContent = text;
    element.append(span);
    return span;
  }

  const builders = {
    frame(widget) {
      const frame = document.createElement("div");
      frame.className = "frame";
      if (widget.caption) caption(frame, widget.caption).className = "caption";
      return frame;
    },
    text(widget) {
      const box = document.createElement("input");
      box.type = "text";
      box.autocomplete = "off";
      box.spellcheck = false;
      box.addEventListener("input", () => engine.setText(widget.name, box.value));
      return box;
    },
    button(widget) {
      const button = document.createElement("button");
      button.type = "button";
      button.textContent = widget.caption;
      button.addEventListener("click", () => click(widget.name));
      return button;
    },
    label(widget) {
      const label = document.createElement("div");
      label.className = widget.wraps ? "label wraps" : "label";
      caption(label, widget.caption);
      return label;
    },
    swatch() {
      const swatch = document.createElement("div");
      swatch.className = "swatch";
      swatch.setAttribute("role", "img");
      return swatch;
    },
  };

  // The credit label answers a click, or Enter when it has the focus.
  function makeClickable(label) {
    label.classList.add("clickable");
    label.setAttribute("role", "button");
    label.tabIndex = -1; // labels take no place in the tab order, as on the desktop
    label.addEventListener("click", () => click(label.id));
    label.addEventListener("keydown", (event) => {
      if (event.key !== "Enter") return;
      // Otherwise the same key press would go on to press the dialog's OK.
      event.preventDefault();
      click(label.id);
    });
  }

  // Captions laid out for MS Sans Serif run wider in its stand-ins: every
  // caption is condensed by the same factor, just enough that all fit.
  function fitCaptions() {
    const spans = [...root.querySelectorAll(".label > span")];
    let factor = 1;
    for (const span of spans) {
      const box = span.parentElement;
      if (box.classList.contains("wraps")) continue;
      factor = Math.min(factor, box.clientWidth / span.scrollWidth);
    }
    for (const span of spans) {
      if (span.parentElement.classList.contains("wraps")) continue;
      span.style.transform = factor < 1 ? `scaleX(${factor})` : "";
    }
  }

  function build(layout) {
    root.style.setProperty("--greyed-text", layout.disabledText);
    root.style.fontFamily = [...layout.fontFamilies, "sans-serif"]
      .map((family) => (family.includes(" ") ? `"${family}"` : family))
      .join(", ");
    for (const widget of layout.widgets) {
      const element = builders[widget.kind](widget);
      place(element, widget);
      const container = widget.container === "Lumiq" ? root : elements.get(widget.container);
      container.append(element);
      elements.set(widget.name, element);
      if (widget.clickable) makeClickable(element);
      if (widget.kind === "text" || widget.kind === "button") tabs.set(widget.name, widget.tab + 1);
    }
    fitCaptions();
  }

  // Everything the engine reports, by kind of change.
  const view = {
    text(name, text) {
      const box = elements.get(name);
      if (box.value === text) return; // the user's own edit, already shown
      box.value = text;
      box.setSelectionRange(0, 0); // a long result shows its first digits
      box.scrollLeft = 0;
    },
    enabled(name, enabled) {
      const element = elements.get(name);
      if (!tabs.has(name)) return; // the credit label is always live
      if (element.tagName === "BUTTON") {
        element.disabled = !enabled;
      } else {
        // Disabled boxes keep their text selectable and copyable.
        element.readOnly = !enabled;
        element.setAttribute("aria-disabled", String(!enabled));
      }
      element.tabIndex = enabled ? tabs.get(name) : -1;
    },
    shown(name, shown) {
      elements.get(name).hidden = !shown;
    },
    color(name, r, g, b) {
      const swatch = elements.get(name);
      swatch.style.backgroundColor = `rgb(${r}, ${g}, ${b})`;
      swatch.setAttribute("aria-description", `RGB ${r}, ${g}, ${b}`);
    },
  };

  async function start() {
    engine = await LumiqEngine({ showMessage });
    const layout = engine.layout();
    build(layout);
    engine.observe(view);
    root.dataset.ready = "true";
    elements.get(layout.firstFocus).focus();
  }

  if ("serviceWorker" in navigator) {
    navigator.serviceWorker.register("sw.js").catch(() => {}); // offline use is a bonus
  }
  start();
})();
