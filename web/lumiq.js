// The page's view of the form. It builds the elements from the layout table
// the page carries (written by the build), forwards the user's edits and
// clicks to the engine, and mirrors every change the engine reports; it
// decides nothing about the form.
"use strict";

(function () {
  const root = document.getElementById("Lumiq");
  const dialog = document.getElementById("message");
  const dialogText = document.getElementById("message-text");
  const announcer = document.getElementById("announcer");
  const elements = new Map(); // control name -> element
  const widgets = new Map(); // control name -> its row of the layout
  const fitted = []; // caption spans condensed together to fit their boxes
  let engine = null;
  let lastFocused = null;
  let replaying = false; // the engine's first report of every field

  // ---- Focus: the DOM order is the tab order, and focus never falls to <body>.

  function focusable(element) {
    return element.tabIndex >= 0 && !element.disabled && !element.hidden;
  }

  // The next control after `from` in tab order that can take the focus, as
  // the window moves on from a control that becomes disabled.
  function focusNext(from) {
    const controls = [...root.querySelectorAll("input, button, [role=button]")];
    const start = controls.indexOf(from);
    for (let i = 1; i <= controls.length; ++i) {
      const next = controls[(start + i) % controls.length];
      if (focusable(next)) return next.focus();
    }
  }

  // After the focused control (or the one focus left for a dialog) stops
  // taking the focus.
  function keepFocusFrom(element) {
    const active = document.activeElement;
    const lost = active === null || active === document.body;
    if (active === element || (lost && lastFocused === element)) {
      if (!focusable(element)) focusNext(element);
    }
  }

  // ---- Messages: the engine awaits this, so the handler that shows a
  // message goes on only once the dialog has closed (OK or Escape).

  function showMessage(text) {
    messageShown = true;
    const returnTo = document.activeElement;
    dialogText.textContent = text; // its lines already broken by the engine
    return new Promise((resolve) => {
      dialog.addEventListener(
        "close",
        () => {
          const active = document.activeElement;
          if ((active === null || active === document.body) && returnTo && root.contains(returnTo)) {
            if (focusable(returnTo)) returnTo.focus();
            else focusNext(returnTo);
          }
          resolve();
        },
        { once: true },
      );
      dialog.showModal();
      document.getElementById("message-ok").focus();
    });
  }

  // One event at a time, as the window takes them: a click that comes while a
  // handler still waits for its dialog to close (the dialog gone, the handler
  // not yet resumed) runs after that handler, where it would otherwise start a
  // second suspended call, which Asyncify refuses. Any other click runs at once.
  let suspended = null; // the click whose handler waits for a dialog
  let messageShown = false;
  function click(name) {
    if (suspended) return suspended.then(() => click(name));
    messageShown = false;
    const done = engine.ccall("lumiq_click", null, ["string"], [name], { async: true });
    if (messageShown) suspended = done.finally(() => (suspended = null));
    return done;
  }

  // A user's edit. The text goes through the engine's heap, not its stack
  // (as ccall's strings do), since a paste may be of any length.
  function setText(name, text) {
    const heap = [name, text].map((s) => {
      const bytes = engine.lengthBytesUTF8(s) + 1;
      const address = engine._malloc(bytes);
      engine.stringToUTF8(s, address, bytes);
      return address;
    });
    try {
      engine._lumiq_set_text(...heap);
    } finally {
      heap.forEach((address) => engine._free(address));
    }
  }

  // Read out once by screen readers (a polite live region).
  function announce(text) {
    announcer.textContent = announcer.textContent === text ? `${text}\u00a0` : text;
  }

  // ---- Building the form from the layout table.

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

  // Captions laid out for MS Sans Serif run wider in its stand-ins: every
  // caption is condensed by the same factor, just enough that all fit.
  function fitCaptions() {
    // A hidden label (the warning) is measured too, shown for the moment.
    const hidden = fitted.map((span) => span.parentElement).filter((box) => box.hidden);
    for (const box of hidden) box.hidden = false;
    for (const span of fitted) span.style.transform = span.style.width = "";
    const natural = fitted.map((span) => span.offsetWidth);
    let factor = 1;
    fitted.forEach((span, i) => (factor = Math.min(factor, roomFor(span) / natural[i])));
    // Condensed in its layout width too, so that no box counts it as overflow.
    fitted.forEach((span, i) => {
      if (factor >= 1) return;
      span.style.transform = `scaleX(${factor})`;
      span.style.width = `${natural[i] * factor}px`;
    });
    for (const box of hidden) box.hidden = true;
    root.dataset.captionFit = String(factor);
  }
  function roomFor(span) {
    const box = span.parentElement;
    const style = getComputedStyle(box);
    const padding = parseFloat(style.paddingLeft) + parseFloat(style.paddingRight);
    if (span.classList.contains("caption")) return box.clientWidth - 2 * span.offsetLeft;
    return box.clientWidth - padding;
  }

  // A box whose text is wider than it shows "…" while it has no focus (CSS),
  // and carries the whole text as its title, so also as its description.
  function describeClipped(box) {
    const toolTip = widgets.get(box.id).toolTip;
    const clipped = box.scrollWidth > box.clientWidth;
    box.title = clipped ? `${box.value}\n${toolTip}` : toolTip;
  }

  // On a narrow screen the form grows to the width, less 8 px each side. The
  // captions are measured again only when their size on the screen may have
  // changed (the scale, the zoom, the fonts): each measure is a layout.
  function scaleToScreen({ refit = false } = {}) {
    const narrow = window.innerWidth < 480;
    const scale = String(narrow ? (window.innerWidth - 16) / layoutWidth : 1);
    if (scale !== currentScale) root.style.setProperty("--scale", (currentScale = scale));
    else if (!refit && devicePixelRatio === currentZoom) return;
    currentZoom = devicePixelRatio;
    fitCaptions();
    if (engine) describeClippedBoxes(); // before, every box is empty
  }
  let layoutWidth = 0;
  let currentScale = "1"; // as the style sheet has it
  let currentZoom = 0;

  function describeClippedBoxes() {
    for (const [name, element] of elements) {
      if (widgets.get(name).kind === "text") describeClipped(element);
    }
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

  // ---- Everything the engine reports, by kind of change.
  const view = {
    text(name, text) {
      const box = elements.get(name);
      if (box.value !== text) {
        box.value = text; // not the user's own edit, which is already shown
        if (!replaying) {
          // A long result shows its first digits. (A new box needs neither,
          // and each would cost it a layout.)
          box.setSelectionRange(0, 0);
          box.scrollLeft = 0;
        }
        const widget = widgets.get(name);
        if (widget.announced && text !== "" && !replaying) announce(`${widget.accessibleName} ${text}`);
      }
      if (!replaying) describeClipped(box); // measured once, after the replay
    },
    enabled(name, enabled) {
      const element = elements.get(name);
      if (!isControl(widgets.get(name))) return; // the credit label is always live
      if (element.tagName === "BUTTON") {
        element.disabled = !enabled;
      } else {
        // Disabled boxes keep their text selectable and copyable.
        element.readOnly = !enabled;
        element.setAttribute("aria-disabled", String(!enabled));
        element.tabIndex = enabled ? 0 : -1;
      }
      if (!enabled) keepFocusFrom(element);
    },
    shown(name, shown) {
      const element = elements.get(name);
      const appears = shown && element.hidden;
      element.hidden = !shown;
      if (appears) announce(element.textContent);
    },
    color(name, r, g, b) {
      const swatch = elements.get(name);
      swatch.style.backgroundColor = `rgb(${r}, ${g}, ${b})`;
      swatch.setAttribute("aria-description", `RGB ${r}, ${g}, ${b}`);
    },
  };

  // ---- Start: the form is drawn from the layout the page carries while the
  // engine compiles; it goes live with the engine, or within 10 s says why not.

  const kStartLimitMs = 10000;

  function nextTask() {
    return new Promise((resolve) => setTimeout(resolve));
  }

  // The engine's script runs once the page has been read (it is deferred).
  function parsed() {
    if (document.readyState !== "loading") return Promise.resolve();
    return new Promise((resolve) => addEventListener("DOMContentLoaded", resolve, { once: true }));
  }

  async function startEngine() {
    if (typeof WebAssembly !== "object") throw new Error("this browser has no WebAssembly");
    await parsed();
    if (typeof LumiqEngine !== "function") throw new Error("the engine's script did not load");
    return new Promise((resolve, reject) => {
      setTimeout(() => reject(new Error("the engine took too long to load")), kStartLimitMs);
      LumiqEngine({
        showMessage,
        view,
        onAbort: (what) => reject(new Error(String(what))),
        // The code the page began compiling as it started.
        instantiateWasm(imports, receive) {
          window.lumiqEngineCode
            .then((code) => WebAssembly.instantiate(code, imports).then((instance) => receive(instance, code)))
            .catch(reject);
          return {};
        },
      }).then(resolve, reject);
    });
  }

  // Drawn, but nothing answers until the engine does; the status stays
  // readable, where an inert form would hide it too.
  function setFormInert(inert) {
    for (const child of root.children) child.inert = inert && child.id !== "status";
  }

  async function start() {
    const status = document.getElementById("status");
    const layout = JSON.parse(document.getElementById("layout").textContent);
    build(layout);
    setFormInert(true);
    scaleToScreen({ refit: true }); // the first layout, measuring the captions
    addEventListener("resize", () => scaleToScreen());
    // Fonts that load later may change that measure (the form's are local,
    // so this is rare; asking whether any are loading would be a layout).
    document.fonts?.addEventListener("loadingdone", () => scaleToScreen({ refit: true }));
    try {
      engine = await startEngine();
    } catch (error) {
      root.replaceChildren(status); // a form that cannot compute is not shown
      fitted.length = 0; // and its captions are not fitted again on a resize
      status.setAttribute("role", "alert");
      status.textContent = `Lumiq could not start: ${error.message ?? error}`;
      root.removeAttribute("aria-busy");
      return;
    }
    await nextTask(); // the engine's start and its first report: two short tasks
    replaying = true;
    engine._lumiq_observe();
    replaying = false;
    setTimeout(describeClippedBoxes); // measured after this task: no layout of its own
    status.remove();
    setFormInert(false);
    root.removeAttribute("aria-busy");
    root.dataset.ready = "true";
    elements.get(layout.firstFocus).focus();
    performance.mark?.("lumiq-live"); // for anyone timing the start (User Timing)
  }

  // ---- Offline use and updates: a new version waits until the user reloads,
  // so a page never runs on two versions' files.

  function offerUpdate(registration) {
    const notice = document.getElementById("update");
    const waiting = () => registration.waiting && navigator.serviceWorker.controller;
    const show = () => {
      if (waiting()) notice.hidden = false;
    };
    show();
    registration.addEventListener("updatefound", () => {
      const worker = registration.installing;
      worker?.addEventListener("statechange", show);
    });
    document.getElementById("update-reload").addEventListener("click", () => {
      registration.waiting?.postMessage("activate");
    });
    let reloading = false;
    navigator.serviceWorker.addEventListener("controllerchange", () => {
      if (!notice.hidden && !reloading) {
        reloading = true;
        location.reload();
      }
    });
  }

  // Registered once the page has loaded, so that caching every file does not
  // compete with the start.
  function registerWorker() {
    if (!("serviceWorker" in navigator)) return;
    navigator.serviceWorker
      .register("sw.js")
      .then(offerUpdate)
      .catch(() => {}); // offline use is a bonus: the page works without it
  }
  const registerLater = () => setTimeout(registerWorker); // a task of its own
  if (document.readyState === "complete") registerLater();
  else addEventListener("load", registerLater, { once: true });
  start();
})();
