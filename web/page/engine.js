// The engine: the form model compiled to WebAssembly, carried in the page as
// base64 and started within the task that draws the form; within 10 s it is
// live, or says why not.

const kStartLimitMs = 10000;

// The engine's wasm, in base64 in a data block of the page: a script's
// string literal of that size costs Chromium a tenth of the start to parse.
// Read once, and the block removed: the page keeps no copy.
function takeEngineCode(block) {
  block.remove();
  return block.textContent;
}

// The engine's wasm, decoded natively where the browser can.
function decode(code) {
  if (typeof Uint8Array.fromBase64 === "function") return Uint8Array.fromBase64(code);
  return Uint8Array.from(atob(code), (c) => c.charCodeAt(0));
}

// Compiled and started within the task that draws the form, so that the form
// is live at its first paint; a browser that refuses to compile so large a
// module on the main thread (older Chromium: a RangeError) does it off it.
// Returns what the engine's runtime takes as its exports: those `receive`
// made ready when started at once (newer runtimes keep only this), or none
// yet.
function instantiate(bytes, imports, receive, reject) {
  try {
    let code;
    try {
      code = new WebAssembly.Module(bytes);
    } catch (error) {
      if (!(error instanceof RangeError)) throw error;
      WebAssembly.instantiate(bytes, imports).then(({ module, instance }) => receive(instance, module), reject);
      return {};
    }
    return receive(new WebAssembly.Instance(code, imports), code) ?? {};
  } catch (error) {
    reject(error); // the engine's own script would only log it, and wait
    return {};
  }
}

// Starts the engine from `factory` (its script's) and its code in the data
// block `codeBlock`, and hands it the page's `showMessage` and `report`.
export function startEngine(factory, codeBlock, { showMessage, report }) {
  return new Promise((resolve, reject) => {
    if (typeof WebAssembly !== "object") throw new Error("this browser has no WebAssembly");
    const limit = setTimeout(() => reject(new Error("the engine took too long to load")), kStartLimitMs);
    factory({
      showMessage,
      report,
      onAbort: (what) => reject(new Error(String(what))),
      instantiateWasm(imports, receive) {
        return instantiate(decode(takeEngineCode(codeBlock)), imports, receive, reject);
      },
    }).then(resolve, reject).finally(() => clearTimeout(limit));
  });
}

// The page's own reasons as they are; the browser's with their kind
// ("CompileError: ..."), which their text alone may not say.
export function reasonOf(error) {
  if (!(error instanceof Error)) return String(error);
  return error.name === "Error" ? error.message : `${error.name}: ${error.message}`;
}

// A user's edit of the box in layout row `row`. The text goes through the
// engine's heap, not its stack (as ccall's strings do), since a paste may be
// of any length.
export function setText(engine, row, text) {
  const bytes = engine.lengthBytesUTF8(text) + 1;
  const address = engine._malloc(bytes);
  let done;
  try {
    engine.stringToUTF8(text, address, bytes);
    done = engine._lumiq_set_text(row, address);
  } finally {
    engine._free(address);
  }
  if (!done) throw new Error(`layout row ${row} is not a box`);
}

// A click on the control in layout row `row`, whose handler may wait for a
// message: its completion.
export async function runClick(engine, row) {
  const done = await engine.ccall("lumiq_click", "number", ["number"], [row], { async: true });
  if (!done) throw new Error(`layout row ${row} is not a control`);
}

// The page's one link to the engine: edits and clicks by layout row, which
// do nothing until the engine is live.
export function createEngineLink() {
  let engine = null;
  return {
    goLive(started) {
      engine = started;
    },
    isLive: () => engine !== null,
    edit(row, text) {
      if (engine) setText(engine, row, text);
    },
    click: (row) => (engine ? runClick(engine, row) : Promise.resolve()),
    // The engine reports its whole state to the view, then every change.
    observe: () => engine._lumiq_observe(),
  };
}
