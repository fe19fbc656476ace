// The page's view of the form. It builds the elements from the layout the
// page carries (written by the build), forwards the user's edits and clicks
// to the engine, and mirrors every change the engine reports; it decides
// nothing about the form. The build bundles this module and its imports into
// the page, which calls start() with the engine's script.

import { describeClipped } from "./page/clipped.js";
import { createClickQueue } from "./page/click_queue.js";
import { createEngineLink, reasonOf, startEngine } from "./page/engine.js";
import { createFocusKeeper } from "./page/focus.js";
import { build } from "./page/form_builder.js";
import { createAnnouncer, createMessages } from "./page/messages.js";
import { startScreenFit } from "./page/screen_fit.js";
import { registerWorker } from "./page/updates.js";
import { createView } from "./page/view.js";

// The seam to the engine, as bundled: what the build's check drives.
export { reasonOf, runClick, setText, startEngine } from "./page/engine.js";

// The page's elements that its modules are handed; no module looks one up.
function pageNodes() {
  const byId = (id) => document.getElementById(id);
  return {
    root: byId("Lumiq"), status: byId("status"), layout: byId("layout"), engineCode: byId("engine-code"),
    announcer: byId("announcer"),
    message: { dialog: byId("message"), text: byId("message-text"), ok: byId("message-ok") },
    update: { notice: byId("update"), reload: byId("update-reload") },
  };
}

// Drawn, but nothing answers until the engine does; the status stays
// readable, where an inert form would hide it too.
function setFormInert(root, inert) {
  for (const child of root.children) child.inert = inert && child.id !== "status";
}

// Builds the form as the model reported it when the page was built (prompts,
// greyed boxes, black swatch): what shows while a browser compiles the engine
// off the main thread. The engine reports the same. Edits and clicks reach
// the engine through `link`, which ignores them until it is live.
function drawForm(nodes, layout, link) {
  const queue = createClickQueue(link.click);
  const page = {};
  const describe = (box, row) => describeClipped(box, layout.widgets[row], layout.clipped);
  page.form = build(nodes.root, layout, {
    edit(row, box) {
      link.edit(row, box.value);
      describe(box, row);
    },
    click: queue.click,
  });
  page.focus = createFocusKeeper(nodes.root);
  const showDialog = createMessages(page.focus, nodes.message);
  page.showMessage = (text) => queue.hold(showDialog(text));
  const announce = createAnnouncer(nodes.announcer);
  Object.assign(page, createView(page.form, { changes: layout.changes, focus: page.focus, announce, describe }));
  page.describeBoxes = () => {
    page.form.elements.forEach((element, row) => {
      if (element instanceof HTMLInputElement) describe(element, row);
    });
  };
  page.whileReplaying(() => layout.start.forEach((change) => page.report(...change)));
  return page;
}

// A form that cannot compute is not shown, and says why.
function showFailure(root, status, error) {
  root.replaceChildren(status);
  status.setAttribute("role", "alert");
  status.textContent = `Lumiq could not start: ${reasonOf(error)}`;
  root.removeAttribute("aria-busy");
}

function goLive({ root, status }, page, layout, link) {
  page.whileReplaying(link.observe);
  setTimeout(page.describeBoxes); // measured after this task: no layout of its own
  status.remove();
  setFormInert(root, false);
  root.removeAttribute("aria-busy");
  root.dataset.ready = "true";
  page.form.elements[layout.firstFocus].focus();
}

async function startForm(factory, nodes) {
  const layout = JSON.parse(nodes.layout.textContent);
  const link = createEngineLink();
  const page = drawForm(nodes, layout, link);
  setFormInert(nodes.root, true);
  // Until the engine runs, every box holds a start text that fits.
  const stopFitting = startScreenFit(nodes.root, { width: layout.width, captions: page.form.captions,
    floor: layout.captionFloor }, () => link.isLive() && page.describeBoxes());
  performance.mark?.("lumiq-drawn"); // built and laid out, not yet live
  try {
    link.goLive(await startEngine(factory, nodes.engineCode, page));
  } catch (error) {
    stopFitting(); // its captions are gone
    showFailure(nodes.root, nodes.status, error);
    return;
  }
  goLive(nodes, page, layout, link);
  performance.mark?.("lumiq-live"); // for anyone timing the start (User Timing)
}

// The service worker caches every file: it waits until the form is live (or
// has said why not) and the page has loaded, so as not to compete with the
// start, and then runs in a task of its own.
export function start(factory) {
  const nodes = pageNodes();
  const loaded = new Promise((resolve) => {
    if (document.readyState === "complete") resolve();
    else addEventListener("load", resolve, { once: true });
  });
  Promise.all([startForm(factory, nodes), loaded]).then(() => setTimeout(() => registerWorker(nodes.update)));
}
