# SPDX-License-Identifier: GPL-3.0-or-later
"""Opens Ravo's browser page in Debian's headless Chromium, driven by selenium through
chromium-driver, for the page's tests and screenshots. Debian's /usr/bin/python3 runs it,
with Debian's python3-selenium.

The page is copied alone into an empty temporary folder and opened from there by
file://, so that it can only work if it needs nothing beside itself; or, with serve=True,
from a web server of the standard library's that serves that folder alone on this computer
(127.0.0.1, a port of the system's choosing).
"""

import base64
import functools
import http.server
import json
import os
import shutil
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains

CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"


def axe_source(testcase):
    """axe-core's script (RAVO_AXE names it), for an accessibility audit. Where npm could not
    reach its registry, scripts/dev leaves a note beside the modules instead: then the audit
    is skipped, and says why; otherwise a missing axe-core fails."""
    axe = os.environ.get("RAVO_AXE", "")
    if not os.path.isfile(axe):
        note = os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(axe))),
                            "UNAVAILABLE")
        if os.path.isfile(note):
            with open(note, encoding="utf-8", errors="replace") as f:
                testcase.skipTest("axe-core was not installed: " + f.read().strip())
        testcase.fail("no axe-core at %r: scripts/dev test installs it (npm ci of "
                      "tests/web/package-lock.json into build-web/test-node)" % axe)
    with open(axe, encoding="utf-8") as f:
        return f.read()


class PageError(AssertionError):
    pass


class Page:
    """The page in a browser of its own: a fresh profile, no network services."""

    def __init__(self, page_file, width=800, height=581, scale=1, languages=None,
                 fragment="", serve=False, before_load=None, wait_ready=True, touch=False,
                 site_files=None, screen=None):
        self.folder = tempfile.mkdtemp(prefix="ravo-web-")
        site = os.path.join(self.folder, "site")
        os.mkdir(site)
        self.page = os.path.join(site, "ravo.html")
        shutil.copyfile(page_file, self.page)
        # Other files beside the page (a learning platform's page that frames it): {name:
        # text}, served from the same folder.
        for name, text in (site_files or {}).items():
            with open(os.path.join(site, name), "w", encoding="utf-8") as f:
                f.write(text)
        self.server = None
        if serve:
            class Quiet(http.server.SimpleHTTPRequestHandler):
                def log_message(self, *args):
                    pass
            self.server = http.server.ThreadingHTTPServer(
                ("127.0.0.1", 0), functools.partial(Quiet, directory=site))
            threading.Thread(target=self.server.serve_forever, daemon=True).start()
            self.url = "http://127.0.0.1:%d/ravo.html" % self.server.server_address[1]
        else:
            self.url = "file://" + self.page
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
        self.touch = touch
        self.screen = screen  # (width, height) of the screen in CSS pixels, or the window's
        self.driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
        try:
            self.viewport(width, height, scale)
            if before_load:
                self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                            {"source": before_load})
            self.driver.get(self.url + fragment)
            if wait_ready:
                self.wait_for(lambda s: s and s["ready"], "the page to start")
        except BaseException:
            self.close()
            raise

    def viewport(self, width, height, scale=1):
        """The page's viewport, exactly: width × height CSS pixels at scale device pixels
        each; with touch, a tablet's or a phone's (a touch screen, the page's viewport tag
        honoured)."""
        metrics = {"width": width, "height": height, "deviceScaleFactor": scale,
                   "mobile": self.touch}
        if self.screen:
            metrics.update(screenWidth=self.screen[0], screenHeight=self.screen[1])
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", metrics)
        if self.touch:
            self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {
                "enabled": True, "maxTouchPoints": 5})

    def close(self):
        try:
            if getattr(self, "driver", None):
                self.driver.quit()
        finally:
            if getattr(self, "server", None):
                self.server.shutdown()
                self.server.server_close()
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

    def pixels(self, design_rows=None, canvas="picture"):
        """The canvas (the picture, or another by its id), or its top design_rows rows of
        design pixels: (width, height, bytes RGBA row by row)."""
        data = self.js("""
            const c = document.getElementById(arguments[1]);
            const rows = arguments[0] === null ? c.height
                : Math.min(c.height, arguments[0] * c.width / 800);
            const d = c.getContext('2d').getImageData(0, 0, c.width, rows).data;
            let s = '';
            for (let i = 0; i < d.length; i += 32768)
                s += String.fromCharCode.apply(null, d.subarray(i, i + 32768));
            return [c.width, rows, btoa(s)];""", design_rows, canvas)
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
                if not params.get("documentURL", "").startswith(self.url):
                    continue  # the browser's own start page, before the page was opened
                if url.split("#")[0] == self.url:
                    saw_page = True
                elif not (url.startswith("data:") or url.startswith("blob:")):
                    requests.append(url)
        if not saw_page:
            raise PageError("the browser's network log does not show the page's own load")
        requests += [r for r in self.js(
            "return performance.getEntriesByType('resource').map(e => e.name);")]
        return requests

    # --- Fingers --------------------------------------------------------------------------

    def touches(self, kind, *points):
        """A touch event of the touch screen: kind touchStart, touchMove or touchEnd, with
        the fingers at points [(x, y)] in CSS pixels of the viewport."""
        self.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {
            "type": kind, "touchPoints": [{"x": x, "y": y, "id": i}
                                          for i, (x, y) in enumerate(points)]})

    def tap(self, x, y):
        self.touches("touchStart", (x, y))
        self.touches("touchEnd")

    def tap_element(self, selector):
        x, y = self.centre(selector)
        self.tap(x, y)

    def centre(self, selector):
        return self.js("const r = document.querySelector(arguments[0]).getBoundingClientRect();"
                       "return [r.x + r.width / 2, r.y + r.height / 2];", selector)

    def pinch(self, x, y, spread=200):
        """Two fingers at (x, y) moved apart by spread CSS pixels: the page zoomed larger,
        where the page lets the browser do that."""
        self.touches("touchStart", (x - 20, y), (x + 20, y))
        for step in range(1, 11):
            d = 20 + spread / 2 * step / 10
            self.touches("touchMove", (x - d, y), (x + d, y))
        self.touches("touchEnd")

    # --- Keys and the clipboard -----------------------------------------------------------

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def chord(self, *modifiers_and_key):
        """Modifiers held down while the last key is pressed: chord(Keys.CONTROL, "l")."""
        *modifiers, key = modifiers_and_key
        actions = ActionChains(self.driver)
        for m in modifiers:
            actions.key_down(m)
        actions.send_keys(key)
        for m in reversed(modifiers):
            actions.key_up(m)
        actions.perform()

    def allow_clipboard(self):
        self.driver.execute_cdp_cmd("Browser.grantPermissions", {
            "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})

    def clipboard_text(self):
        self.allow_clipboard()
        return self.driver.execute_async_script(
            "navigator.clipboard.readText().then(arguments[0], e => arguments[0]('' + e));")

    def set_clipboard_text(self, text):
        self.allow_clipboard()
        result = self.driver.execute_async_script(
            "navigator.clipboard.writeText(arguments[0]).then(() => arguments[1](true),"
            " e => arguments[1]('' + e));", text)
        if result is not True:
            raise PageError("the clipboard took no text: %s" % result)

    def clipboard_image(self):
        """The PNG image on the clipboard: (width, height, bytes RGBA row by row)."""
        self.allow_clipboard()
        data = self.driver.execute_async_script("""
            const done = arguments[0];
            navigator.clipboard.read()
                .then(items => items[0].getType('image/png'))
                .then(blob => createImageBitmap(blob))
                .then(image => {
                    const c = document.createElement('canvas');
                    c.width = image.width;
                    c.height = image.height;
                    const g = c.getContext('2d');
                    g.drawImage(image, 0, 0);
                    const d = g.getImageData(0, 0, c.width, c.height).data;
                    let s = '';
                    for (let i = 0; i < d.length; i += 32768)
                        s += String.fromCharCode.apply(null, d.subarray(i, i + 32768));
                    done([c.width, c.height, btoa(s)]);
                }, e => done('' + e));""")
        if not isinstance(data, list):
            raise PageError("no image on the clipboard: %s" % data)
        return data[0], data[1], base64.b64decode(data[2])
