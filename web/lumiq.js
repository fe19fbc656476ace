// The page's view of the form. It builds the elements from the layout the
// page carries (written by the build), forwards the user's edits and clicks
// to the engine, and mirrors every change the engine reports; it decides
// nothing about the form. The build bundles this module and its imports into
// the page, which calls start() with the engine's script.

import { describeClipped } from "./page/clipped.js";
import { createClickQueue } from "./page/click_queue.js";
import { reasonOf, runClick, setText, startEngine } from "./page/engine.js";
import { createFocusKeeper } from "./page/focus.js";
import { build } from "./page/form_builder.js";
import { createAnnouncer, createMessages } from "./page/messages.js";
import { createScreenFit } from "./page/screen_fit.js";
import { registerWorker } from "./page/updates.js";
import { createView } from "./page/view.js";

// Drawn, but nothing answers until the engine does; the status stays
// readable, where an inert form would hide it too.
function setFormInert(root, inert) {
  for (const child of root.children) child.inert = inert && child.id !== "status";
}

// Builds the form as the model reported it when the page was built (prompts,
// greyed boxes, black swatch): what shows while a browser compiles the engine
// off the main thread. The engine reports the same.
function drawForm(root, layout) {
  const page = { engine: null };
  const queue = createClickQueue((row) => runClick(page.engine, row));
  const describe = (box) => describeClipped(box, page.form.widgets[page.form.elements.indexOf(box)], layout.clippedDescription);
  page.form = build(root, layout, {
    edit(row, box) {
      setText(page.engine, row, box.value);
      describe(box);
    },
    click: queue.click,
  });
  page.focus = createFocusKeeper(root);
  const showDialog = createMessages(page.focus);
  page.showMessage = (text) => queue.hold(showDialog(text));
  const announce = createAnnouncer(document.getElementById("announcer"));
  Object.assign(page, createView(page.form, { focus: page.focus, announce, describe }));
  page.describeBoxes = () => {
    page.form.elements.forEach((element, row) => {
      if (page.form.widgets[row].kind === "text") describe(element);
    });
  };
  page.whileReplaying(() => layout.start.forEach(([kind, ...values]) => page.view[kind](...values)));
  return page;
}

// Scaled to the screen now (the first layout, measuring the captions), on
// every resize, and when fonts that load later change that measure (the
// form's are local, so this is rare; asking whether any are loading would be
// a layout). Until the engine runs, every box holds a start text that fits.
function fitToScreen(root, page) {
  const scaleToScreen = createScreenFit(root, page.form, () => page.engine && page.describeBoxes());
  scaleToScreen({ refit: true });
  addEventListener("resize", () => scaleToScreen());
  document.fonts?.addEventListener("loadingdone", () => scaleToScreen({ refit: true }));
}

// A form that cannot compute is not shown, and says why.
function showFailure(root, status, error) {
  root.replaceChildren(status);
  status.setAttribute("role", "alert");
  status.textContent = `Lumiq could not start: ${reasonOf(error)}`;
  root.removeAttribute("aria-busy");
}

function goLive(root, status, page, layout) {
  page.whileReplaying(() => page.engine._lumiq_observe());
  setTimeout(page.describeBoxes); // measured after this task: no layout of its own
  status.remove();
  setFormInert(root, false);
  root.removeAttribute("aria-busy");
  root.dataset.ready = "true";
  page.form.elements[layout.firstFocus].focus();
}

async function startForm(factory) {
  const root = document.getElementById("Lumiq");
  const status = document.getElementById("status");
  const layout = JSON.parse(document.getElementById("layout").textContent);
  const page = drawForm(root, layout);
  setFormInert(root, true);
  fitToScreen(root, page);
  performance.mark?.("lumiq-drawn"); // built and laid out, not yet live
  try {
    page.engine = await startEngine(factory, page);
  } catch (error) {
    page.form.fitted.length = 0; // its captions are not fitted again on a resize
    showFailure(root, status, error);
    return;
  }
  goLive(root, status, page, layout);
  performance.mark?.("lumiq-live"); // for anyone timing the start (User Timing)
}

// The service worker caches every file: it waits until the form is live (or
// has said why not) and the page has loaded, so as not to compete with the
// start, and then runs in a task of its own.
export function start(factory) {
  const loaded = new Promise((resolve) => {
    if (document.readyState === "complete") resolve();
    else addEventListener("load", resolve, { once: true });
  });
  Promise.all([startForm(factory), loaded]).then(() => setTimeout(registerWorker));
}
