// What the build writes for the page, checked without a browser: the page's
// writer and the gzip copies.
import assert from "node:assert/strict";
import crypto from "node:crypto";
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import zlib from "node:zlib";
import { test } from "node:test";
import vm from "node:vm";

import { CAPTION_FLOOR, HERE, builtLayout, listFiles } from "./page_helpers.mjs";
import { WEB_DIR } from "./server.mjs";

// The page's writer puts the style, the bundled script, the layout and the
// engine into the page, and refuses a part that would end its element early.
const SCRIPT_PARTS = [...fs.readdirSync(path.join(HERE, "../page")).sort().map((f) => `page/${f}`), "lumiq.js"];
const PAGE_SOURCES = ["index.html", "lumiq.css", ...SCRIPT_PARTS];
const ENGINE = { "engine.js": "var LumiqEngine = () => {};\n", "engine.wasm": "\0asm\x01\0\0\0" }; // stand-ins
// The bundler escapes a closing tag in the script's strings and drops its
// comments, so only a style or the engine can hold one.
const PAGE_PARTS = [
  { name: "the parts as they are", writes: true },
  { name: "a script holding </script>", file: "lumiq.js", more: '\nconsole.log("</script>");\n', writes: true },
  { name: "a module holding </Script>", file: SCRIPT_PARTS[0], more: '\nconsole.log("</Script>");\n', writes: true },
  { name: "a style holding </STYLE>", file: "lumiq.css", more: "\n/* </STYLE> */\n", writes: false },
  { name: "an engine's script holding </script>", file: "engine.js", more: "// </script>\n", writes: false },
];
const LAYOUT = '{"title":"T","messageTitle":"M"}';
for (const part of PAGE_PARTS) {
  test(`the page's writer, given ${part.name}, ${part.writes ? "writes the page" : "refuses"}`, () => {
    const dir = fs.mkdtempSync(path.join(os.tmpdir(), "lumiq-page-"));
    try {
      fs.mkdirSync(path.join(dir, "page"));
      for (const file of PAGE_SOURCES) fs.copyFileSync(path.join(HERE, "..", file), path.join(dir, file));
      for (const [file, text] of Object.entries(ENGINE)) fs.writeFileSync(path.join(dir, file), text, "latin1");
      if (part.file) fs.appendFileSync(path.join(dir, part.file), part.more);
      const output = path.join(dir, "out.html");
      const write = () => execFileSync("cmake", [`-DOUTPUT=${output}`, `-DDIR=${dir}`, `-DWRITE_LAYOUT=printf;${LAYOUT}\\n:root{}`,
                                                 `-DENGINE=${path.join(dir, "engine.js")}`, `-DNODE=${process.execPath}`,
                                                 "-DESBUILD=esbuild",
                                                 "-P", path.join(HERE, "../write_page.cmake")], { stdio: "pipe" });
      if (!part.writes) {
        assert.throws(write, /closing tag/);
        assert.ok(!fs.existsSync(output));
        return;
      }
      write();
      const page = fs.readFileSync(output, "utf8");
      assert.doesNotMatch(page, /@LUMIQ_\w+@/);
      assert.ok(page.includes(fs.readFileSync(path.join(dir, "lumiq.css"), "utf8")));
      // One classic script, its modules bundled in (a text of focus.js's),
      // and no closing tag but the page's own three.
      const script = page.slice(page.lastIndexOf("<script>") + 8, page.lastIndexOf("</script>"));
      assert.doesNotThrow(() => new vm.Script(script));
      assert.ok(script.includes("input, button, [role=button]"));
      assert.equal(page.match(/<\/script/gi).length, 3);
      assert.ok(page.includes(`<script type="application/json" id="layout">${LAYOUT}</script>`));
      assert.ok(page.includes("<title>T</title>") && page.includes('<h2 id="message-title">M</h2>'));
      assert.ok(page.includes(fs.readFileSync(path.join(dir, "engine.js"), "utf8")));
      assert.ok(page.includes(`id="engine-code">${Buffer.from(ENGINE["engine.wasm"], "latin1").toString("base64")}<`));
    } finally {
      fs.rmSync(dir, { recursive: true });
    }
  });
}

test("the build writes a gzip copy beside every asset but the PNGs", () => {
  for (const file of listFiles(WEB_DIR).filter((f) => !f.endsWith(".gz") && !f.endsWith(".png"))) {
    const copy = path.join(WEB_DIR, `${file}.gz`);
    assert.ok(fs.existsSync(copy), file);
    assert.ok(zlib.gunzipSync(fs.readFileSync(copy)).equals(fs.readFileSync(path.join(WEB_DIR, file))), file);
  }
});

test("the build ships the notices of the code compiled into the engine", () => {
  const lines = fs.readFileSync(path.join(WEB_DIR, "NOTICES.txt"), "utf8").split("\n");
  for (const project of ["Lumiq", "{fmt}", "fast_float", "Emscripten"]) {
    assert.ok(lines.some((line) => line.startsWith(`${project} `) && line.includes("Copyright")), project);
  }
});

test("the page condenses its captions no further than the window does", () => {
  assert.equal(builtLayout().captionFloor, CAPTION_FLOOR);
});

// The policy the page declares, before anything it governs: its own files,
// its own script and style (the SHA-256 of the bytes it ships), the engine's
// WebAssembly, and nothing else.
test("the page lets only its own script and style run", () => {
  const page = fs.readFileSync(path.join(WEB_DIR, "index.html"), "utf8");
  const meta = /<meta http-equiv="Content-Security-Policy" content="([^"]*)">/.exec(page);
  assert.ok(meta && meta.index < page.indexOf("<style>"), "no policy before the style");
  const inline = (tag) => page.slice(page.lastIndexOf(`<${tag}>`) + tag.length + 2, page.lastIndexOf(`</${tag}>`));
  const hash = (text) => `'sha256-${crypto.createHash("sha256").update(text, "utf8").digest("base64")}'`;
  const policy = Object.fromEntries(meta[1].split(";").map((d) => d.trim().split(/\s+/)).map(([name, ...sources]) => [name, sources]));
  // Nothing is allowed but the page's origin, the engine's compile and the very bytes the page
  // ships; whatever no directive names falls back to its origin, and the script and style may be
  // only the page's own.
  const own = { script: hash(inline("script")), style: hash(inline("style")) };
  const allowed = new Set(["'self'", "'none'", "'wasm-unsafe-eval'", own.script, own.style]);
  for (const [name, sources] of Object.entries(policy)) {
    for (const source of sources) assert.ok(allowed.has(source), `${name} allows ${source}`);
  }
  assert.deepEqual(policy["default-src"], ["'self'"]);
  assert.ok(policy["script-src"].includes(own.script) && !policy["script-src"].includes(own.style));
  assert.deepEqual(policy["style-src"], [own.style]);
  // These two fall back to nothing: unnamed, they would allow anything.
  for (const name of ["base-uri", "form-action"]) assert.deepEqual(policy[name], ["'none'"], name);
  assert.equal(page.match(/<script>/g).length, 1);
  assert.equal(page.match(/<style>/g).length, 1);
  assert.doesNotMatch(page, /\son[a-z]+=/i); // no handler in the markup, which the policy would refuse
});
