// The three browser engines behind one small interface, so that every test
// runs the same way in each: Chromium and Firefox through puppeteer-core (CDP
// and WebDriver BiDi), WebKitGTK through its WebDriver. Each browser is
// Debian's own; nothing is downloaded.
import { spawn } from "node:child_process";
import net from "node:net";

import puppeteer from "puppeteer-core";
import { Builder, By, Capabilities, Key } from "selenium-webdriver";

export const ENGINES = (process.env.LUMIQ_ENGINES ?? "chromium,firefox,webkit").split(",");

const CHROMIUM_FLAGS = [
  "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
  "--disable-background-networking", "--disable-component-update", "--disable-sync",
];

// A page in a fresh browser profile: no cache, no service worker, no state.
// `scheme` is the colour scheme the system prefers, "light" or "dark".
export async function launch(engine, { width = 800, height = 700, scheme = "light" } = {}) {
  if (engine === "webkit") return WebKitSession.start(width, height, scheme);
  const options = engine === "firefox"
    // Without its crash reporter, whose window would outlive a crash and
    // hold the test run open.
    ? { browser: "firefox", executablePath: "/usr/bin/firefox-esr", headless: true,
        env: { ...process.env, MOZ_CRASHREPORTER_DISABLE: "1" },
        extraPrefsFirefox: { "layout.css.prefers-color-scheme.content-override": scheme === "dark" ? 0 : 1 } }
    : { browser: "chrome", executablePath: "/usr/bin/chromium", headless: true, args: CHROMIUM_FLAGS };
  const browser = await startRetryingCrashes(() => puppeteer.launch(options));
  const page = (await browser.pages())[0] ?? (await browser.newPage());
  await page.setViewport({ width, height, deviceScaleFactor: 1 });
  if (engine === "chromium") await page.emulateMediaFeatures([{ name: "prefers-color-scheme", value: scheme }]);
  return new PuppeteerSession(engine, browser, page);
}

// A browser that crashes while it starts (now and then Firefox does here,
// before any page is open) is started once more; a page never is.
async function startRetryingCrashes(start, attempts = 3) {
  for (let attempt = 1; ; ++attempt) {
    try {
      return await start();
    } catch (error) {
      if (attempt === attempts || !/Failed to launch the browser process/.test(error.message)) throw error;
      console.log(`# the browser crashed while starting (${error.message.split("\n")[0]}); again`);
    }
  }
}

class PuppeteerSession {
  constructor(engine, browser, page) {
    this.engine = engine;
    this.browser = browser;
    this.page = page;
    this.keysActivateButtons = engine !== "firefox";
    this.consoleErrors = [];
    page.on("console", (message) => {
      if (message.type() === "error") this.consoleErrors.push(message.text());
    });
    page.on("pageerror", (error) => this.consoleErrors.push(String(error)));
  }

  goto(url) {
    return this.page.goto(url, { waitUntil: "load" });
  }
  evaluate(fn, ...args) {
    return this.page.evaluate(fn, ...args);
  }
  // Run as the driver runs a script, which the page's policy does not govern.
  addScript(source) {
    return this.page.evaluate(source);
  }
  click(id) {
    return this.page.click(`#${id}`);
  }
  press(key) {
    return this.page.keyboard.press(key);
  }
  type(text) {
    return this.page.keyboard.type(text);
  }
  screenshot() {
    return this.page.screenshot();
  }
  viewport(width, height) {
    return this.page.setViewport({ width, height, deviceScaleFactor: 1 });
  }
  async errors() {
    return [...this.consoleErrors, ...((await this.evaluate(() => window.__lumiqErrors)) ?? [])];
  }
  // After errors a test provoked on purpose.
  forgetErrors() {
    this.consoleErrors.length = 0;
    return this.evaluate(() => window.__lumiqErrors.splice(0));
  }
  // Chromium's own verdict on whether the page can be installed; null where
  // the engine has none to give.
  async installabilityErrors() {
    if (this.engine !== "chromium") return null;
    const cdp = await this.page.createCDPSession();
    const { installabilityErrors } = await cdp.send("Page.getInstallabilityErrors");
    return installabilityErrors.map((e) => e.errorId);
  }
  close() {
    return this.browser.close();
  }
}

const WEBKIT_KEYS = {
  Tab: Key.TAB, Enter: Key.ENTER, Escape: Key.ESCAPE, " ": Key.SPACE, Delete: Key.DELETE,
  Backspace: Key.BACK_SPACE,
};

async function freePort() {
  const probe = net.createServer();
  await new Promise((resolve) => probe.listen(0, "127.0.0.1", resolve));
  const { port } = probe.address();
  await new Promise((resolve) => probe.close(resolve));
  return port;
}

// MiniBrowser has no headless mode: it needs a display (scripts/with-xvfb).
// Without one, session creation hangs silently, hence the time limit.
class WebKitSession {
  static async start(width, height, scheme) {
    if (!process.env.DISPLAY) throw new Error("WebKit needs a display: run under scripts/with-xvfb");
    const port = await freePort();
    // WebKitGTK prefers the scheme of its GTK theme.
    const env = { ...process.env, GTK_THEME: scheme === "dark" ? "Adwaita:dark" : "Adwaita" };
    const service = spawn("/usr/bin/WebKitWebDriver", [`--port=${port}`], { stdio: "ignore", env });
    const capabilities = new Capabilities({
      browserName: "MiniBrowser",
      "webkitgtk:browserOptions": {
        binary: "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser",
        args: ["--automation"], // without it: "Failed to match capabilities"
      },
    });
    try {
      const driver = await within(30000, "WebKit session", async () => {
        for (let attempt = 0; ; ++attempt) {
          try {
            return await new Builder().usingServer(`http://127.0.0.1:${port}`)
              .withCapabilities(capabilities).build();
          } catch (error) {
            if (attempt > 40) throw error;
            await new Promise((resolve) => setTimeout(resolve, 100)); // driver still starting
          }
        }
      });
      const session = new WebKitSession(driver, service);
      await session.viewport(width, height);
      return session;
    } catch (error) {
      service.kill();
      throw error;
    }
  }

  constructor(driver, service) {
    this.engine = "webkit";
    this.keysActivateButtons = true;
    this.driver = driver;
    this.service = service;
  }

  goto(url) {
    return this.driver.get(url);
  }
  evaluate(fn, ...args) {
    return this.driver.executeScript(`return (${fn}).apply(null, arguments)`, ...args);
  }
  addScript(source) {
    return this.driver.executeScript(source);
  }
  async click(id) {
    await (await this.driver.findElement(By.id(id))).click();
  }
  // Keys reach the page only once its window has the input focus, which a
  // window system without a window manager gives it some time after loading.
  async press(key) {
    await this.#windowFocused();
    return this.driver.actions().sendKeys(WEBKIT_KEYS[key] ?? key).perform();
  }
  async type(text) {
    await this.#windowFocused();
    return this.driver.actions().sendKeys(text).perform();
  }
  async #windowFocused() {
    await waitUntil(() => this.evaluate(() => document.hasFocus()), 5000);
  }
  // Element screenshots come back black here: the window's is cropped instead.
  async screenshot() {
    return Buffer.from(await this.driver.takeScreenshot(), "base64");
  }
  // The window is sized so that its viewport, not its frame, has this size.
  async viewport(width, height) {
    const window = this.driver.manage().window();
    await window.setRect({ width, height });
    const inner = await this.evaluate(() => [innerWidth, innerHeight]);
    await window.setRect({ width: 2 * width - inner[0], height: 2 * height - inner[1] });
  }
  async errors() {
    return (await this.evaluate(() => window.__lumiqErrors)) ?? [];
  }
  forgetErrors() {
    return this.evaluate(() => window.__lumiqErrors.splice(0));
  }
  installabilityErrors() {
    return null;
  }
  async close() {
    try {
      await this.driver.quit();
    } finally {
      this.service.kill();
    }
  }
}

export async function within(ms, what, work) {
  let timer;
  const timeout = new Promise((_, reject) => {
    timer = setTimeout(() => reject(new Error(`${what} took over ${ms} ms`)), ms);
  });
  try {
    return await Promise.race([work(), timeout]);
  } finally {
    clearTimeout(timer);
  }
}

export async function waitUntil(condition, ms = 10000) {
  const deadline = Date.now() + ms;
  while (Date.now() < deadline) {
    if (await condition().catch(() => false)) return true; // a page reloading answers nothing
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
  return false;
}
