"""The page served on 127.0.0.1 and a headless Chromium driven by Selenium."""
import functools
import http.server
import os
import threading
import time

import pytest
from selenium import webdriver
from selenium.webdriver.chrome.service import Service

WEB_DIR = os.path.join(os.path.dirname(__file__), "../../build/web")


class Server:
    """A static file server for the page, on a port of its own."""

    def __init__(self, directory=WEB_DIR):
        handler = functools.partial(QuietHandler, directory=os.path.abspath(directory))
        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.url = f"http://127.0.0.1:{self.httpd.server_port}/"
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def chromium():
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync", "--window-size=800,700",
                 "--force-device-scale-factor=1"):
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def wait_until(condition, seconds=10):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if condition():
            return True
        time.sleep(0.05)
    return False


def open_page(driver, url):
    driver.get(url)
    assert wait_until(lambda: driver.execute_script(
        "return document.getElementById('Lumiq').dataset.ready === 'true'")), "the form never got ready"


@pytest.fixture(scope="session")
def server():
    server = Server()
    yield server
    server.stop()


@pytest.fixture(scope="session")
def browser():
    driver = chromium()
    yield driver
    driver.quit()


@pytest.fixture
def page(browser, server):
    """A freshly loaded page; the test fails on any error in the console."""
    open_page(browser, server.url)
    yield browser
    errors = [entry for entry in browser.get_log("browser") if entry["level"] == "SEVERE"]
    assert errors == [], errors
