#!/usr/bin/env node
// SPDX-License-Identifier: GPL-3.0-or-later
// The browser page in Debian's Firefox ESR, headless, driven by puppeteer-core over WebDriver
// BiDi (nothing is downloaded: the browser is /usr/bin/firefox-esr, the modules come from
// tests/web/package-lock.json through npm ci):
//
//   node tests/web/test_firefox.js PAGE.html
//
// The page, copied alone into an empty folder and opened by file://, starts in English;
// Start runs a default run whose dots lie where the sum over paths puts them (model.py, here
// in JavaScript) and shows the three captions; a second Start asks "Delete probability" in
// a modal box whose "No" keeps the first dots; at a slow pace Space holds the run, Right
// steps it by one point, a click on a control changes nothing, Escape stops it; the data
// and the picture are copied as far as Firefox lets a page copy; and nothing is logged as
// an error.

"use strict";

const assert = require("assert");
const fs = require("fs");
const os = require("os");
const path = require("path");

function loadPuppeteer() {
    const here = path.resolve(__dirname, "..", "..", "build-web", "test-node", "node_modules");
    for (const dir of [process.env.RAVO_NODE_MODULES, here,
        ...(process.env.NODE_PATH || "").split(":")].filter(Boolean)) {
        try {
            return require(path.join(dir, "puppeteer-core"));
        } catch (error) {
            // the next place
        }
    }
    // scripts/dev leaves a note beside the modules where npm could not reach its registry:
    // then the test is skipped (CTest's SKIP_RETURN_CODE), and says why.
    for (const dir of [process.env.RAVO_NODE_MODULES, here].filter(Boolean)) {
        const note = path.join(path.dirname(dir), "UNAVAILABLE");
        if (fs.existsSync(note)) {
            console.log("puppeteer-core was not installed, skipped: "
                + fs.readFileSync(note, "utf8").trim());
            process.exit(SKIPPED);
        }
    }
    throw new Error("puppeteer-core is missing: scripts/dev test installs it (npm ci of "
        + "tests/web/package-lock.json into build-web/test-node)");
}

const SKIPPED = 77;

const FIREFOX = process.env.RAVO_FIREFOX || "/usr/bin/firefox-esr";
const TOLERANCE = 1.5; // design pixels between a dot and the model's place for it

// --- The sum over paths, independently of the program (tests/web/model.py) --------------

const AXIS_Y = 581 / 2;
const MARK_BASE_Y = AXIS_Y - 60;
const MARK = { "1": 1.3, "0.5": 1.0, "0.75": 1.08 };

function glassFactor(frequency, dispersion) {
    if (frequency === "0.5") return dispersion ? 1.9 : 2.1;
    if (frequency === "0.75") return dispersion ? 1.98 : 2.1;
    return frequency === "1" ? 2.1 : 0;
}

// [[i, x, P, markY]] for detector points 1 to 85 of a run with the default lens.
function modelPoints(frequency) {
    const radius = 500;
    const refractive = 0.98 * glassFactor(frequency, true);
    const phaseFactor = Number(frequency) * 0.8;
    const centreX = 50 - radius + 60;
    const out = [];
    for (let i = 1; i <= 85; ++i) {
        const x = 150 + 7 * i;
        let sx = 0;
        let sy = 0;
        for (let j = 0; j <= 80; ++j) {
            const y = AXIS_Y - 200 + 5 * j;
            const face = centreX + Math.sqrt(radius * radius - (y - AXIS_Y) ** 2);
            const time = (face - 50) * refractive + Math.hypot(x - face, y - AXIS_Y);
            sx += 1.5 * Math.cos(phaseFactor * time);
            sy += 1.5 * Math.sin(phaseFactor * time);
        }
        const p = (sx * sx + sy * sy) * 0.015 * 0.8;
        out.push([i, x, p, MARK_BASE_Y - MARK[frequency] * p]);
    }
    return out;
}

// --- The page ---------------------------------------------------------------------------

// The dots of one colour in the picture, as test_page.py finds them: {point: [x, y]} from
// the pure-coloured pixels near each detector point above the marks' base line, and the
// count of such pixels near none.
async function dots(page, rgb) {
    return page.evaluate((rgb) => {
        const c = document.getElementById("picture");
        const k = c.width / 800;
        const rows = Math.min(c.height, Math.floor((230.5 + 3) * k));
        const d = c.getContext("2d").getImageData(0, 0, c.width, rows).data;
        const found = {};
        let stray = 0;
        for (let y = 0; y < rows; ++y)
            for (let x = 0; x < c.width; ++x) {
                const o = (y * c.width + x) * 4;
                if (d[o] !== rgb[0] || d[o + 1] !== rgb[1] || d[o + 2] !== rgb[2]) continue;
                const dx = (x + 0.5) / k;
                const i = Math.round((dx - 150) / 7);
                if (i < 1 || i > 85 || Math.abs(dx - (150 + 7 * i)) > 3) {
                    ++stray;
                    continue;
                }
                (found[i] = found[i] || []).push([dx, (y + 0.5) / k]);
            }
        const centres = {};
        for (const [i, ps] of Object.entries(found))
            centres[i] = [ps.reduce((s, p) => s + p[0], 0) / ps.length,
                ps.reduce((s, p) => s + p[1], 0) / ps.length];
        return { centres, stray };
    }, rgb);
}

function assertDots(found, expected, skip = new Set()) {
    assert.strictEqual(found.stray, 0, "pixels of the dots' colour away from every point");
    for (const [i, x, , y] of expected) {
        if (skip.has(i)) continue;
        const c = found.centres[i];
        assert.ok(c, "no dot at point " + i);
        assert.ok(Math.abs(c[0] - x) <= TOLERANCE && Math.abs(c[1] - y) <= TOLERANCE,
            `dot ${i} at (${c[0].toFixed(2)}, ${c[1].toFixed(2)}), the model's (${x}, ${y.toFixed(2)})`);
    }
    assert.deepStrictEqual(Object.keys(found.centres).map(Number).sort((a, b) => a - b),
        expected.map((p) => p[0]).filter((i) => !skip.has(i) || found.centres[i]));
}

// The page's state; null until it has started (its module is compiled after the load).
const state = (page) => page.evaluate(() =>
    (window.ravoPage ? window.ravoPage.snapshot() : null));

async function waitFor(page, condition, what, timeout = 60000) {
    const deadline = Date.now() + timeout;
    let s = null;
    while (Date.now() < deadline) {
        s = await state(page);
        if (condition(s)) return s;
        await new Promise((resolve) => setTimeout(resolve, 25));
    }
    throw new Error("timed out waiting for " + what + "; the page's state: " + JSON.stringify(s));
}

async function main(pageFile) {
    const puppeteer = loadPuppeteer();
    const folder = fs.mkdtempSync(path.join(os.tmpdir(), "ravo-firefox-"));
    const site = path.join(folder, "site");
    fs.mkdirSync(site);
    fs.copyFileSync(pageFile, path.join(site, "ravo.html"));
    const browser = await puppeteer.launch({
        browser: "firefox",
        protocol: "webDriverBiDi",
        executablePath: FIREFOX,
        headless: true,
        userDataDir: path.join(folder, "profile"),
        extraPrefsFirefox: {
            "intl.accept_languages": "en-GB,en",
            // The tests' clipboard: a page may write to it on a key or a click.
            "dom.events.asyncClipboard.clipboardItem": true,
        },
    });
    const errors = [];
    let passed = 0;
    const check = async (name, body) => {
        process.stdout.write(name + " ... ");
        await body();
        ++passed;
        console.log("ok");
    };
    try {
        const page = await browser.newPage();
        page.on("console", (message) => {
            if (message.type() === "error") errors.push(message.text());
        });
        page.on("pageerror", (error) => errors.push(String(error)));
        await page.setViewport({ width: 800, height: 581 });
        await page.goto("file://" + path.join(site, "ravo.html"));
        await waitFor(page, (s) => s && s.ready, "the page to start");
        console.log("Firefox", await browser.version());

        await check("the page from a file, in English, at the design's size", async () => {
            const s = await state(page);
            assert.strictEqual(s.language, "en");
            assert.strictEqual(s.layout, "design");
            assert.strictEqual(s.zoom, 1);
            assert.strictEqual(await page.title(), "Ravo - https://ravo.example.org");
            const start = await page.$eval('[data-control="cmdStart"]',
                (e) => [e.textContent, e.getBoundingClientRect().x, e.getBoundingClientRect().y]);
            assert.deepStrictEqual(start, ["Start", 552, 8]);
        });

        const blue = modelPoints("1");
        await check("a default run against the model", async () => {
            await page.click('[data-control="cmdStart"]');
            const s = await waitFor(page, (s) => s.state === "Finished" && !s.running, "the run");
            assert.deepStrictEqual(s.captions, ["nPravděpodobnost", "nSoučetRadiusvektorů",
                "nClonaOtvor"]);
            assertDots(await dots(page, [0, 0, 255]), blue);
        });

        await check("the question, and \"No\" keeps the dots", async () => {
            await page.click("#opČervený");
            assert.strictEqual((await state(page)).settings.nKmitočet, "0.5");
            await page.click('[data-control="cmdStart"]');
            const s = await waitFor(page, (s) => s.question, "the question");
            assert.strictEqual(s.question, "Delete probability");
            assert.deepStrictEqual(await page.$eval("#question", (d) => [d.open,
                d.matches(":modal"), [...d.querySelectorAll("button")].map((b) => b.textContent),
                document.activeElement.id]), [true, true, ["Yes", "No"], "question-yes"]);
            await page.click("#question-no");
            await waitFor(page, (s) => s.state === "Finished" && !s.running, "the red run");
            const red = modelPoints("0.5");
            assertDots(await dots(page, [255, 0, 0]), red);
            const nearRed = new Set(blue.filter(([, x, , y]) => red.some(([, rx, , ry]) =>
                Math.abs(x - rx) < 1 && Math.abs(y - ry) < 5)).map((p) => p[0]));
            assert.ok(nearRed.size < 40);
            assertDots(await dots(page, [0, 0, 255]), blue, nearRed);
        });

        await check("the run's keys: Space, Right, a click held back, Escape", async () => {
            await page.click("#opModrý");
            await page.evaluate(() => {
                const s = document.querySelector('[data-control="HScroll1"]');
                s.value = "1000";
                s.dispatchEvent(new Event("change"));
            });
            assert.strictEqual((await state(page)).settings.nSpomaleni, "1000");
            await page.click('[data-control="cmdStart"]');
            await waitFor(page, (s) => s.question, "the question");
            await page.click("#question-yes");
            await waitFor(page, (s) => s.state === "Running" && s.point >= 2, "point 2");
            await page.keyboard.press(" ");
            let s = await waitFor(page, (s) => s.state === "Held", "the run held");
            assert.ok((await page.title()).endsWith("(paused)"));
            assert.ok(s.band.startsWith("Held at point " + s.point + " of 85"), s.band);
            const held = s.point;
            await page.keyboard.press("ArrowRight");
            s = await waitFor(page, (s) => s.point === held + 1 && s.state === "Held",
                "one more point");
            await page.click("#OpZelená");
            s = await state(page);
            assert.strictEqual(s.settings.nKmitočet, "1");
            assert.strictEqual(await page.$eval("#OpZelená", (e) => e.checked), false);
            await page.keyboard.press("Escape");
            s = await waitFor(page, (s) => s.state === "Stopped" && !s.running, "the stop");
            assert.strictEqual(s.point, held + 1);
            assert.strictEqual(s.band, "Stopped at point " + (held + 1) + " of 85");
        });

        await check("copying the data and the picture", async () => {
            await page.focus("#picture");
            await page.keyboard.down("Control");
            await page.keyboard.down("Shift");
            await page.keyboard.press("c");
            await page.keyboard.up("Shift");
            await page.keyboard.up("Control");
            let s = await waitFor(page, (s) => s.status !== "Stopped at point "
                + s.point + " of 85" && s.status.length > 0, "the data copied");
            assert.strictEqual(s.status, "Data copied");
            await page.keyboard.down("Control");
            await page.keyboard.press("c");
            await page.keyboard.up("Control");
            s = await waitFor(page, (s) => s.status !== "Data copied", "the picture copied");
            // Firefox copies a picture only where it offers ClipboardItem to pages; the page
            // then says that it cannot.
            const canCopy = await page.evaluate(() => typeof ClipboardItem !== "undefined");
            assert.strictEqual(s.status, canCopy ? "Picture copied"
                : "This browser cannot copy pictures.");
        });

        await check("nothing logged as an error", async () => {
            assert.deepStrictEqual(errors, []);
        });
    } finally {
        await browser.close();
        fs.rmSync(folder, { recursive: true, force: true });
    }
    console.log("%d checks passed in Firefox", passed);
}

if (process.argv.length < 3 || !fs.existsSync(process.argv[2])) {
    console.error("test_firefox.js: no page at %s; scripts/dev web builds it",
        process.argv[2] || "(none given)");
    process.exit(2);
}
main(process.argv[2]).catch((error) => {
    console.error("FAILED:", error && error.stack || error);
    process.exit(1);
});
