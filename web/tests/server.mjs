// The page's folder served on 127.0.0.1, on a port of its own, as a static
// host serves it. Every HTML page gets a first script that records errors and
// what the page's security policy refuses (a hook for engines whose driver has
// no console log), and with `gzip` a client
// that accepts gzip is sent the .gz copy beside a file, as hosts that serve
// precompressed files do.
import fs from "node:fs/promises";
import http from "node:http";
import path from "node:path";
import { fileURLToPath } from "node:url";

// The page under test: the one this checkout builds, or LUMIQ_WEB_DIR (a page
// another system built).
export const WEB_DIR = process.env.LUMIQ_WEB_DIR
  ? path.resolve(process.env.LUMIQ_WEB_DIR)
  : path.join(path.dirname(fileURLToPath(import.meta.url)), "../../build/web");

const TYPES = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript",
  ".css": "text/css",
  ".json": "application/json",
  ".webmanifest": "application/manifest+json",
  ".png": "image/png",
  ".svg": "image/svg+xml",
  ".txt": "text/plain; charset=utf-8",
};

const ERROR_HOOK = `<script>
window.__lumiqErrors = [];
addEventListener("error", (e) => __lumiqErrors.push(String(e.message || e.target.src || e.target.href)), true);
addEventListener("unhandledrejection", (e) => __lumiqErrors.push(String(e.reason)));
addEventListener("securitypolicyviolation", (e) => __lumiqErrors.push(\`refused by \${e.violatedDirective}: \${e.blockedURI}\`));
{ const original = console.error;
  console.error = (...args) => { __lumiqErrors.push(args.join(" ")); original.apply(console, args); }; }
</script>`;

// `head` is more markup to put first in every page's head (a measuring hook);
// `hooks: false` serves the pages as they are, for measuring them; `cache` is
// every answer's Cache-Control.
export async function serve(root, { gzip = false, head = "", hooks = true, cache = "no-cache" } = {}) {
  const server = http.createServer(async (request, response) => {
    const url = new URL(request.url, "http://localhost");
    let file = path.join(server.root, decodeURIComponent(url.pathname));
    if (!file.startsWith(server.root)) return end(response, 403);
    try {
      if ((await fs.stat(file)).isDirectory()) file = path.join(file, "index.html");
      const type = TYPES[path.extname(file)] ?? "application/octet-stream";
      const headers = { "Content-Type": type, "Cache-Control": cache };
      let body;
      if (hooks && type.startsWith("text/html")) {
        body = Buffer.from((await fs.readFile(file, "utf8")).replace("<head>", `<head>${ERROR_HOOK}${head}`));
      } else if (gzip && /\bgzip\b/.test(request.headers["accept-encoding"] ?? "")) {
        body = await fs.readFile(`${file}.gz`).catch(() => null);
        if (body) headers["Content-Encoding"] = "gzip";
      }
      body ??= await fs.readFile(file);
      server.served.push(url.pathname);
      response.writeHead(200, headers);
      response.end(body);
    } catch {
      end(response, 404);
    }
  });
  server.root = path.resolve(root);
  server.served = [];
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  server.url = `http://127.0.0.1:${server.address().port}/`;
  server.stop = () =>
    new Promise((resolve) => {
      server.close(resolve);
      server.closeAllConnections();
    });
  return server;
}

function end(response, status) {
  response.writeHead(status);
  response.end();
}
