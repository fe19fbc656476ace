#!/usr/bin/env python3
"""The web page's budgets: its size, and its start-up time (navigation to a
live form) against a bare page with one <input> served the same way, as a
median of 5 fresh loads each in headless Chromium, measured in the same run.

    make web-budget
"""
import gzip
import os
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "../web/tests"))
from conftest import WEB_DIR, Server, chromium, wait_until  # noqa: E402

LOADS = 5
SIZE_LIMIT = 400 * 1024

# Records when the form goes live (or, on the bare page, when it has loaded).
MARK = """
new MutationObserver((changes, observer) => {
  const form = document.getElementById('Lumiq');
  if (form && form.dataset.ready === 'true') {
    window.lumiqReadyAt = performance.now();
    observer.disconnect();
  }
}).observe(document, {attributes: true, subtree: true, childList: true});
addEventListener('load', () => { window.loadedAt = performance.now(); });
"""


def sizes(folder):
    raw = packed = 0
    for directory, _, files in os.walk(folder):
        for name in files:
            with open(os.path.join(directory, name), "rb") as f:
                data = f.read()
            raw += len(data)
            packed += len(gzip.compress(data, 9))
    return raw, packed


def start_ms(url, ready_variable):
    driver = chromium()  # a fresh profile: no cache, no service worker
    try:
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": MARK})
        driver.get(url)
        assert wait_until(lambda: driver.execute_script(f"return window.{ready_variable}"), 20)
        return driver.execute_script(f"return window.{ready_variable}")
    finally:
        driver.quit()


def main():
    raw, packed = sizes(WEB_DIR)
    page = Server()
    with tempfile.TemporaryDirectory() as bare_dir:
        with open(os.path.join(bare_dir, "index.html"), "w") as f:
            f.write("<!DOCTYPE html><html lang=en><title>bare</title><input type=text>")
        bare = Server(bare_dir)
        lumiq_ms, bare_ms = [], []
        for _ in range(LOADS):  # interleaved, so both see the same machine load
            lumiq_ms.append(start_ms(page.url, "lumiqReadyAt"))
            bare_ms.append(start_ms(bare.url, "loadedAt"))
        bare.stop()
    page.stop()
    lumiq, baseline = statistics.median(lumiq_ms), statistics.median(bare_ms)
    print(f"{'measure':34} {'lumiq':>10} {'baseline':>10} {'ratio':>7}")
    print(f"{'size, uncompressed (KB)':34} {raw / 1024:10.1f}")
    print(f"{'size, gzip -9 per file (KB)':34} {packed / 1024:10.1f} {SIZE_LIMIT / 1024:10.1f}"
          f" {packed / SIZE_LIMIT:6.2f}x  (budget)")
    print(f"{'start to live form, median of 5 (ms)':34} {lumiq:10.1f} {baseline:10.1f}"
          f" {lumiq / baseline:6.2f}x")
    return 0 if packed <= SIZE_LIMIT else 1


if __name__ == "__main__":
    sys.exit(main())
