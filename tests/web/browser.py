# SPDX-License-Identifier: GPL-3.0-or-later
"""Opens Ravo's browser page in Debian's headless Chromium, driven by selenium through
chromium-driver, for the page's tests and screenshots. Debian's /usr/bin/python3 runs it,
with Debian's python3-selenium.

The page is copied alone into an empty temporary folder and opened from there by
file://, so that it can only work if it needs nothing beside itself.
"""

import base64
import json
import os
import shutil
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"


class PageError(AssertionError):
    pass


class Page:
    """The page in a browser of its own: a fresh profile, no network services."""

    def __init__(self, page_file, width=800, height=581, scale=1, languages=None):
        self.folder = tempfile.mkdtemp(prefix="ravo-web-")
        self.page = os.path.join(self.folder, "ravo.html")
        shutil.copyfile(page_file, self.page)
        self.profile = os.path.join(self.folder, "profile")
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                     "--no-first-run", "--disable-background-networking",
                     "--disable-component-update", "--disable-sync",
                     "--disable-default-apps", "--disable-extensions",
                     "--user-data-dir=" + self.profile,
                     "--window-size=%d,%d" % (width, height),
                     "--force-device-scale-factor=%s" % scale):
            options.add_argument(flag)
        if languages:
            options.add_argument("--lang=" + languages.split(",")[0])
            options.add_experimental_option("prefs", {"intl.accept_languages": languages})
        options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
        self.driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
        try:
            self.viewport(width, height, scale)
            self.driver.get("file://" + self.page)
            self.wait_for(lambda s: s and s["ready"], "the page to start")
        except BaseException:
            self.close()
            raise

    def viewport(self, width, height, scale=1):
        """The page's viewport, exactly: width × height CSS pixels at scale device pixels
        each."""
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": scale, "mobile": False})

    def close(self):
        try:
            if getattr(self, "driver", None):
                self.driver.quit()
        finally:
            shutil.rmtree(self.folder, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def snapshot(self):
        return self.js("return window.ravoPage ? window.ravoPage.snapshot() : null;")

    def wait_for(self, condition, what, timeout=60):
        """Polls the page's state until condition(state) holds; fails after timeout."""
        deadline = time.monotonic() + timeout
        state = None
        while time.monotonic() < deadline:
            state = self.snapshot()
            if condition(state):
                return state
            time.sleep(0.02)
        raise PageError("timed out waiting for %s; the page's state: %r" % (what, state))

    def click(self, selector):
        self.driver.find_element("css selector", selector).click()

    def pixels(self, design_rows=None):
        """The canvas, or its top design_rows rows of design pixels: (width, height, bytes
        RGBA row by row)."""
        data = self.js("""
            const c = document.getElementById('picture');
            const rows = arguments[0] === null ? c.height
                : Math.min(c.height, arguments[0] * c.width / 800);
            const d = c.getContext('2d').getImageData(0, 0, c.width, rows).data;
            let s = '';
            for (let i = 0; i < d.length; i += 32768)
                s += String.fromCharCode.apply(null, d.subarray(i, i + 32768));
            return [c.width, rows, btoa(s)];""", design_rows)
        return data[0], data[1], base64.b64decode(data[2])

    def console_errors(self):
        return [e for e in self.driver.get_log("browser") if e.get("level") == "SEVERE"]

    def network_requests(self):
        """Every request the page made that is neither its own file nor embedded data.
        Fails if the browser's log does not even show the page itself being loaded."""
        requests = []
        saw_page = False
        for entry in self.driver.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            if message.get("method") == "Network.requestWillBeSent":
                params = message["params"]
                url = params["request"]["url"]
                if not params.get("documentURL", "").startswith("file://" + self.page):
                    continue  # the browser's own start page, before the page was opened
                if url == "file://" + self.page:
                    saw_page = True
                elif not (url.startswith("data:") or url.startswith("blob:")):
                    requests.append(url)
        if not saw_page:
            raise PageError("the browser's network log does not show the page's own load")
        requests += [r for r in self.js(
            "return performance.getEntriesByType('resource').map(e => e.name);")]
        return requests
