// The page's view of the form. It builds the elements from the layout table
// the page carries (written by the build), forwards the user's edits and
// clicks to the engine, and mirrors every change the engine reports; it
// decides nothing about the form. The build puts web/page/*.js before this
// file in one function: this file declares the state they share, and starts.
const root = document.getElementById("Lumiq");
const dialog = document.getElementById("message");
const dialogText = document.getElementById("message-text");
const announcer = document.getElementById("announcer");
const elements = new Map(); // control name -> element
const widgets = new Map(); // control name -> its row of the layout
const fitted = []; // caption spans condensed together to fit their boxes
let engine = null;
let lastFocused = null;
let replaying = false; // a whole state being reported: the start, or the engine's first

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

// A whole state reported at once: no box scrolled to its start, nothing
// announced.
function whileReplaying(report) {
  replaying = true;
  try {
    report();
  } finally {
    replaying = false;
  }
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

// ---- Start: the form is built from the layout the page carries and the
// engine it carries started in the same task; within 10 s it is live, or says
// why not.

const kStartLimitMs = 10000;

// The engine's wasm, decoded natively where the browser can.
function takeEngineBytes() {
  const code = engineCode;
  engineCode = null; // read once: the page holds no reference to it afterwards
  if (typeof Uint8Array.fromBase64 === "function") return Uint8Array.fromBase64(code);
  return Uint8Array.from(atob(code), (c) => c.charCodeAt(0));
}

// Compiled and started within the task that draws the form, so that the form
// is live at its first paint; a browser that refuses to compile so large a
// module on the main thread (older Chromium: a RangeError) does it off it.
function instantiateEngine(imports, receive, reject) {
  try {
    const bytes = takeEngineBytes();
    let code;
    try {
      code = new WebAssembly.Module(bytes);
    } catch (error) {
      if (!(error instanceof RangeError)) throw error;
      WebAssembly.instantiate(bytes, imports).then(({ module, instance }) => receive(instance, module), reject);
      return;
    }
    receive(new WebAssembly.Instance(code, imports), code);
  } catch (error) {
    reject(error); // the engine's own script would only log it, and wait
  }
}

function startEngine() {
  return new Promise((resolve, reject) => {
    if (typeof WebAssembly !== "object") throw new Error("this browser has no WebAssembly");
    const limit = setTimeout(() => reject(new Error("the engine took too long to load")), kStartLimitMs);
    LumiqEngine({
      showMessage,
      view,
      onAbort: (what) => reject(new Error(String(what))),
      instantiateWasm(imports, receive) {
        instantiateEngine(imports, receive, reject);
        return {};
      },
    }).then(resolve, reject).finally(() => clearTimeout(limit));
  });
}

// The page's own reasons as they are; the browser's with their kind
// ("CompileError: ..."), which their text alone may not say.
function reasonOf(error) {
  if (!(error instanceof Error)) return String(error);
  return error.name === "Error" ? error.message : `${error.name}: ${error.message}`;
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
  // Drawn as the form starts (prompts, greyed boxes, black swatch), as the
  // model reported it when the page was built: what shows while a browser
  // compiles the engine off the main thread. The engine reports the same.
  whileReplaying(() => layout.start.forEach(([kind, ...values]) => view[kind](...values)));
  setFormInert(true);
  scaleToScreen({ refit: true }); // the first layout, measuring the captions
  performance.mark?.("lumiq-drawn"); // built and laid out, not yet live
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
    status.textContent = `Lumiq could not start: ${reasonOf(error)}`;
    root.removeAttribute("aria-busy");
    return;
  }
  whileReplaying(() => engine._lumiq_observe());
  setTimeout(describeClippedBoxes); // measured after this task: no layout of its own
  status.remove();
  setFormInert(false);
  root.removeAttribute("aria-busy");
  root.dataset.ready = "true";
  elements.get(layout.firstFocus).focus();
  performance.mark?.("lumiq-live"); // for anyone timing the start (User Timing)
}
// The service worker caches every file: it waits until the form is live (or
// has said why not) and the page has loaded, so as not to compete with the
// start, and then runs in a task of its own.
const loaded = new Promise((resolve) => {
  if (document.readyState === "complete") resolve();
  else addEventListener("load", resolve, { once: true });
});
Promise.all([start(), loaded]).then(() => setTimeout(registerWorker));
