// How the page is served and kept, in every engine: offline after one visit,
// browsers that cannot start the engine or start it only later, and a new
// version.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import path from "node:path";
import { describe, test } from "node:test";

import { ENGINES, launch, waitUntil } from "./engines.mjs";
import { HERE, attribute, copyOfBuild, listFiles, openPage, typeInto, value } from "./page_helpers.mjs";
import { WEB_DIR, serve } from "./server.mjs";

for (const engine of ENGINES) {
  describe(engine, () => {
    test("the page works offline after one visit", async () => {
      const own = await serve(WEB_DIR);
      const s = await launch(engine);
      try {
        await openPage(s, own.url);
        assert.ok(await s.evaluate(() => !!document.querySelector("link[rel=manifest]")));
        assert.ok(await waitUntil(() => s.evaluate(() => !!navigator.serviceWorker.controller), 20000),
                  "no service worker took control");
        await own.stop();
        // Also as a link with a query string (a campaign's, say) opens it.
        for (const address of [own.url, `${own.url}?utm_source=lumiq`]) {
          await openPage(s, address);
          await typeInto(s, "Wavelength", "300");
          assert.equal(await s.evaluate(() => !document.getElementById("Invisible").hidden), true, address);
        }
        // Every file of the build, from the cache (the .gz copies are for hosts).
        const files = listFiles(WEB_DIR).filter((file) => !file.endsWith(".gz") && file !== "sw.js");
        assert.deepEqual(await s.evaluate((list) => Promise.all(list.map((file) =>
          fetch(file).then((r) => (r.ok ? "" : file), () => file)))
          .then((missing) => missing.filter(Boolean)), files), []);
        assert.deepEqual(await s.errors(), []);
        assert.deepEqual(await s.installabilityErrors() ?? [], []);
      } finally {
        await s.close();
        await own.stop(); // again: a failure while online would keep node waiting on it
      }
    });

    // Where the engine may not start at once: the page starts, or says why it cannot.
    const SLOW_OFF_THREAD_ONLY = `delete Uint8Array.fromBase64;
      WebAssembly.Module = function () { throw new RangeError("too large to compile here"); };
      { const instantiate = WebAssembly.instantiate;
        WebAssembly.instantiate = (...args) => new Promise((r) => setTimeout(r, 2000)).then(() => instantiate(...args)); }`;
    const HOSTINGS = [
      { name: "in a browser without WebAssembly", head: "delete window.WebAssembly;", starts: false,
        says: /no WebAssembly/ },
      { name: "with the engine's code damaged", edit: (page) => page.replace('id="engine-code">AGFzbQ', 'id="engine-code">AAAAAA'),
        starts: false, says: /^Lumiq could not start: CompileError: ./ },
      // Older browsers: no native base64, and no compiling on the main thread.
      // Drawn as it starts while the engine compiles, only not yet live.
      { name: "in a browser that compiles only off the main thread, slowly", head: SLOW_OFF_THREAD_ONLY, starts: true,
        drawnFirst: true },
    ];
    for (const hosting of HOSTINGS) {
      test(`${hosting.name} the page ${hosting.starts ? "starts" : "says that Lumiq could not start"}`, async () => {
        const dir = copyOfBuild();
        if (hosting.edit) {
          const page = path.join(dir, "index.html");
          const edited = hosting.edit(fs.readFileSync(page, "utf8"));
          assert.notEqual(edited, fs.readFileSync(page, "utf8"));
          fs.writeFileSync(page, edited);
        }
        const own = await serve(dir, { head: hosting.head && `<script>${hosting.head}</script>` });
        const s = await launch(engine);
        try {
          await s.goto(own.url);
          const start = await s.evaluate(() => document.getElementById("Lumiq").getAttribute("aria-busy"));
          assert.ok(start === "true" || start === null); // busy until it knows
          if (hosting.drawnFirst) {
            assert.deepEqual(await s.evaluate(() => {
              const form = document.getElementById("Lumiq");
              const $ = (id) => document.getElementById(id);
              return [form.dataset.ready ?? "no", !!$("Voltage").closest("[inert]"), $("Voltage").value,
                      $("mcd").readOnly, $("Calculate").disabled, $("Invisible").hidden,
                      getComputedStyle($("Color")).backgroundColor];
            }), ["no", true, "in Volts", true, true, true, "rgb(0, 0, 0)"]);
          }
          if (hosting.starts) {
            await openPage(s, own.url);
            await typeInto(s, "Voltage", "3.2");
            await typeInto(s, "Current", "20");
            assert.equal(await value(s, "Power"), "64 mW"); // the engine answers
            assert.deepEqual(await s.errors(), []);
            return;
          }
          assert.ok(await waitUntil(() => s.evaluate(() => !!document.querySelector("#Lumiq [role=alert]")), 11000),
                    "no alert within 10 s");
          const said = await s.evaluate(() => [document.querySelector("#Lumiq [role=alert]").textContent,
                                               document.getElementById("Lumiq").getAttribute("aria-busy"),
                                               document.querySelectorAll("#Lumiq input, #Lumiq button").length]);
          assert.match(said[0], /^Lumiq could not start: ./);
          assert.match(said[0], hosting.says);
          assert.equal(said[1], null);
          assert.equal(said[2], 0); // no form that cannot compute
        } finally {
          await s.close();
          await own.stop();
          fs.rmSync(dir, { recursive: true });
        }
      });
    }

    test("a new version is offered, then shown whole; other applications' caches survive", async () => {
      const dir = copyOfBuild();
      // Cacheable for a year, as many hosts serve files: the new version's
      // files must still come from the network.
      const own = await serve(dir, { cache: "max-age=31536000" });
      const s = await launch(engine);
      const build = () => s.evaluate(() => /\((\d)\)$/.exec(document.title)?.[1] ?? "");
      try {
        await openPage(s, own.url);
        assert.ok(await waitUntil(() => s.evaluate(() => !!navigator.serviceWorker.controller), 20000));
        await s.evaluate(() => caches.open("another-app").then((cache) => cache.put("/kept", new Response("kept"))));
        // A second build with one asset changed (where its policy allows).
        const index = path.join(dir, "index.html");
        fs.writeFileSync(index, fs.readFileSync(index, "utf8").replace("</title>", " (2)</title>"));
        execFileSync("cmake", [`-DDIR=${dir}`, `-DTEMPLATE=${path.join(HERE, "../sw.js.in")}`, "-P",
                               path.join(HERE, "../write_service_worker.cmake")]);
        await openPage(s, own.url); // the navigation finds the new worker
        assert.ok(await waitUntil(() => s.evaluate(() => !document.getElementById("update").hidden), 20000),
                  "no update notice");
        assert.equal(await attribute(s, "update", "role"), "status");
        assert.equal(await build(), ""); // still wholly the old version
        await s.click("update-reload");
        assert.ok(await waitUntil(async () => (await build()) === "2" &&
          (await s.evaluate(() => document.getElementById("Lumiq").dataset.ready === "true")), 20000));
        const keys = await s.evaluate(() => caches.keys());
        assert.ok(keys.includes("another-app"), keys.join());
        assert.equal(keys.filter((key) => key.startsWith("lumiq-")).length, 1, keys.join());
      } finally {
        await s.close();
        await own.stop();
        fs.rmSync(dir, { recursive: true });
      }
    });
  });
}
