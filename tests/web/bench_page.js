#!/usr/bin/env node
// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the browser page runs, beside the window's ravo-bench, in one report. It asserts
// nothing: it prints what it measured, and fails only where it could not measure.
//
//   node tests/web/bench_page.js PAGE.html [RAVO_BENCH] [--runs N]
//
// PAGE.html is build-web/ravo.html, opened from an empty folder in Debian's headless
// Chromium (puppeteer-core from build-web/test-node, or NODE_PATH); RAVO_BENCH is the
// window's build/bench/ravo-bench, run offscreen at the design's size and full screen on a
// screen of 1366 x 768. It prints
//   - a default run at 800 x 581 and at 1366 x 768: the first in a fresh page, and runs like
//     the window's (after a first run, each answering "Yes", the time the question was open
//     left out), the medians, and the same of the window's (a), with their ratio; and the
//     runs from the answer on, without the opening of the question's box, as ravo-bench
//     measures the window's (it answers without a box);
//   - with the processor slowed four times (the DevTools protocol's CPU throttling), the
//     longest task during a run (PerformanceObserver 'longtask': none is reported under
//     50 ms) and how soon Space held it;
//   - a resize from 800 x 581 to 1366 x 768 with 100 kept runs (opened from a link): how
//     soon the picture stood at the new size, and how soon it was drawn anew exactly, with
//     the longest task meanwhile; once at once after the runs were opened, and once after
//     the page was left alone until its picture at the larger size was ready.
// Every page is on a screen of 1366 x 768, a school laptop's.

"use strict";

const fs = require("fs");
const os = require("os");
const path = require("path");
const { execFileSync } = require("child_process");

function loadPuppeteer() {
    const here = path.resolve(__dirname, "..", "..", "build-web", "test-node", "node_modules");
    for (const dir of [here, ...(process.env.NODE_PATH || "").split(":").filter(Boolean)]) {
        try {
            return require(path.join(dir, "puppeteer-core"));
        } catch (error) {
            // the next place
        }
    }
    throw new Error("puppeteer-core is missing: scripts/dev test installs it (npm ci of "
        + "tests/web/package-lock.json into build-web/test-node)");
}

const args = process.argv.slice(2);
let runs = 7;
const files = [];
for (let i = 0; i < args.length; ++i) {
    if (args[i] === "--runs") runs = Math.max(1, Number(args[++i]));
    else files.push(args[i]);
}
if (!files.length || !fs.existsSync(files[0])) {
    console.error("usage: bench_page.js PAGE.html [RAVO_BENCH] [--runs N]");
    process.exit(2);
}
const [pageFile, benchFile] = files;

const median = (values) => {
    const v = [...values].sort((a, b) => a - b);
    return v.length % 2 ? v[v.length >> 1] : (v[v.length / 2 - 1] + v[v.length / 2]) / 2;
};
const ms = (v) => (v === null || v === undefined ? "   -   " : v.toFixed(1).padStart(7) + " ms");

// The window's default run, (a) of ravo-bench, at the design's size and full screen at
// 1366 x 768 on an offscreen screen of that size.
function windowRuns() {
    if (!benchFile) return {};
    const folder = fs.mkdtempSync(path.join(os.tmpdir(), "ravo-bench-"));
    const screen = path.join(folder, "screen-1366x768.json");
    fs.writeFileSync(screen, JSON.stringify({ screens: [{ name: "Screen", x: 0, y: 0,
        width: 1366, height: 768, logicalDpi: 96, logicalBaseDpi: 96, dpr: 1 }] }));
    const run = (extra, env) => {
        const out = execFileSync(benchFile, [String(runs), ...extra], {
            encoding: "utf8", env: Object.assign({}, process.env, env,
                { XDG_RUNTIME_DIR: folder }), stdio: ["ignore", "pipe", "ignore"] });
        const line = out.split("\n").find((l) => l.startsWith("(a)"));
        return line ? Number(line.match(/([\d.]+) ms/)[1]) : null;
    };
    try {
        return {
            design: run([], { QT_QPA_PLATFORM: "offscreen" }),
            wide: run(["--full-screen"], { QT_QPA_PLATFORM: "offscreen:configfile=" + screen }),
        };
    } finally {
        fs.rmSync(folder, { recursive: true, force: true });
    }
}

// The page copied alone into an empty folder, and opened from there.
function pageCopy() {
    const folder = fs.mkdtempSync(path.join(os.tmpdir(), "ravo-page-"));
    const file = path.join(folder, "ravo.html");
    fs.copyFileSync(pageFile, file);
    return { folder, url: "file://" + file };
}

// In the page: Start, and the time until the run has finished, its question answered by
// `answer` as soon as it is open; with the longest task seen meanwhile, and the time from
// the answer on (`afterAnswer`, from the moment before the click): without the opening of
// the question's box, which the window's ravo-bench leaves out (it answers without a box).
function timedRun(answer) {
    return new Promise((resolve) => {
        let longest = 0;
        const tasks = new PerformanceObserver((list) => {
            for (const e of list.getEntries()) longest = Math.max(longest, e.duration);
        });
        tasks.observe({ type: "longtask" });
        const question = document.getElementById("question");
        let start = 0;
        let answered = 0; // the moment before the click: its task (the box closing, the
        // run going on) is the run's
        const watch = new MutationObserver(() => {
            if (question.open && !answered) {
                answered = performance.now();
                document.getElementById(answer ? "question-yes" : "question-no").click();
            }
            if (document.body.dataset.state === "Finished") {
                // Until its last drawings are in the picture's pixels, as the window's run
                // until they reach the screen.
                document.getElementById("picture").getContext("2d").getImageData(0, 0, 1, 1);
                const end = performance.now();
                const time = end - start;
                const afterAnswer = answered ? end - answered : time;
                watch.disconnect();
                // A long task is told after it ended: one more turn of the loop.
                setTimeout(() => {
                    tasks.disconnect();
                    resolve({ time, afterAnswer, longest });
                }, 50);
            }
        });
        watch.observe(document.body, { attributes: true, attributeFilter: ["data-state"] });
        watch.observe(question, { attributes: true, attributeFilter: ["open"] });
        start = performance.now();
        document.querySelector('[data-control="cmdStart"]').click();
    });
}

// The page's size, on a screen of 1366 x 768.
async function sizePage(page, width, height) {
    if (!page.benchCdp) page.benchCdp = await page.createCDPSession();
    await page.benchCdp.send("Emulation.setDeviceMetricsOverride", {
        width, height, deviceScaleFactor: 1, mobile: false, screenWidth: 1366, screenHeight: 768,
    });
}

async function openPage(browser, url, width, height) {
    const page = await browser.newPage();
    // When a key came, seen before the page's own listeners see it.
    await page.evaluateOnNewDocument(() => {
        window.addEventListener("keydown", (e) => {
            if (e.key === " ") window.benchSpace = e.timeStamp;
        }, { capture: true });
    });
    await sizePage(page, width, height);
    await page.goto(url);
    await page.waitForFunction(() => document.body.dataset.ready === "true");
    return page;
}

async function pageRuns(browser, url, width, height) {
    const first = [];
    for (let i = 0; i < Math.min(runs, 5); ++i) {
        const page = await openPage(browser, url, width, height);
        first.push((await page.evaluate(timedRun, true)).time);
        await page.close();
    }
    const page = await openPage(browser, url, width, height);
    await page.evaluate(timedRun, true);
    const warm = [];
    const afterAnswer = [];
    for (let i = 0; i < runs; ++i) {
        const r = await page.evaluate(timedRun, true);
        warm.push(r.time);
        afterAnswer.push(r.afterAnswer);
    }
    await page.close();
    return { first: median(first), warm: median(warm), low: Math.min(...warm),
        afterAnswer: median(afterAnswer) };
}

// With the processor slowed four times: the longest task of a run, and how long Space took
// to hold a run (from the key's event to the state Held).
async function slowRuns(browser, url) {
    const page = await openPage(browser, url, 800, 581);
    const cdp = await page.createCDPSession();
    await page.evaluate(timedRun, true);
    await cdp.send("Emulation.setCPUThrottlingRate", { rate: 4 });
    const longest = [];
    const times = [];
    for (let i = 0; i < 3; ++i) {
        const r = await page.evaluate(timedRun, true);
        longest.push(r.longest);
        times.push(r.time);
    }
    // Space in the middle of a run at 0.1 s per point.
    await page.evaluate(() => {
        const scroll = document.querySelector('[data-control="HScroll1"]');
        scroll.value = "1000";
        scroll.dispatchEvent(new Event("change"));
        window.benchHeld = null;
        const watch = new MutationObserver(() => {
            if (document.body.dataset.state === "Held" && window.benchHeld === null)
                window.benchHeld = performance.now();
        });
        watch.observe(document.body, { attributes: true, attributeFilter: ["data-state"] });
        document.querySelector('[data-control="cmdStart"]').click();
    });
    await page.waitForFunction(() => document.getElementById("question").open);
    await page.evaluate(() => document.getElementById("question-yes").click());
    await page.waitForFunction(() => window.ravoPage.snapshot().point >= 5);
    await page.keyboard.press("Space");
    await page.waitForFunction(() => window.benchHeld !== null);
    const space = await page.evaluate(() => window.benchHeld - window.benchSpace);
    await page.keyboard.press("Escape");
    await cdp.send("Emulation.setCPUThrottlingRate", { rate: 1 });
    await page.close();
    return { longest: Math.max(...longest), time: median(times), space };
}

// 100 kept runs from a link; then the window is made larger (factor 1 to 2): at once, or
// after the page has made its picture at the larger size while it had nothing else to do.
async function keptRunsResize(browser, url, settled) {
    const link = "ravo1_V_F1R500I0.98C0H80DYMOS1A-PF"
        + "_F1R500I0.98C0H80DYMOS1ANPF".repeat(99);
    const page = await openPage(browser, url + "#" + link, 800, 581);
    await page.waitForFunction(() => {
        const s = window.ravoPage.snapshot();
        return s.runs === 100 && !s.renewing;
    }, { timeout: 120000 });
    if (settled) {
        await page.waitForFunction(() => {
            const s = window.ravoPage.snapshot().spare;
            return s && s.factor === 2 && s.whole && !s.waiting;
        }, { timeout: 120000, polling: 100 });
    }
    await page.evaluate(() => {
        window.benchResize = null;
        window.benchLongest = 0;
        window.benchTasks = new PerformanceObserver((list) => {
            for (const e of list.getEntries())
                window.benchLongest = Math.max(window.benchLongest, e.duration);
        });
        window.benchTasks.observe({ type: "longtask" });
        window.addEventListener("resize", (e) => {
            window.benchResize = { at: e.timeStamp, standing: performance.now() };
        }, { once: true });
    });
    const before = await page.evaluate(() => window.ravoPage.snapshot().redraws);
    await sizePage(page, 1366, 768);
    await page.waitForFunction((before) => {
        const s = window.ravoPage.snapshot();
        if (s.redraws > before && !s.renewing && window.benchDone === undefined)
            window.benchDone = performance.now();
        return window.benchDone !== undefined;
    }, { polling: "raf", timeout: 120000 }, before);
    await new Promise((resolve) => setTimeout(resolve, 100));
    const r = await page.evaluate(() => ({
        standing: window.benchResize.standing - window.benchResize.at,
        exact: window.benchDone - window.benchResize.at,
        longest: window.benchLongest,
        factor: window.ravoPage.snapshot().factor,
    }));
    await page.close();
    return r;
}

(async () => {
    const puppeteer = loadPuppeteer();
    const window = windowRuns();
    const copy = pageCopy();
    const browser = await puppeteer.launch({
        executablePath: "/usr/bin/chromium", headless: true,
        args: ["--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-extensions",
            "--disable-background-networking", "--disable-component-update"],
    });
    try {
        const design = await pageRuns(browser, copy.url, 800, 581);
        const wide = await pageRuns(browser, copy.url, 1366, 768);
        const slow = await slowRuns(browser, copy.url);
        const kept = await keptRunsResize(browser, copy.url, false);
        const settled = await keptRunsResize(browser, copy.url, true);
        const version = await browser.version();
        const ratio = (a, b) => (a && b ? (a / b).toFixed(2) + " x the window's" : "");
        console.log("bench_page: %s, %d runs each (medians), machine: %d cores, load %s",
            version, runs, os.cpus().length, os.loadavg()[0].toFixed(2));
        console.log("default run              page, first   page, like the window   window (a)");
        console.log("  800 x 581              %s     %s (min %s)   %s   %s", ms(design.first),
            ms(design.warm), ms(design.low).trim(), ms(window.design), ratio(design.warm,
                window.design));
        console.log("  1366 x 768             %s     %s (min %s)   %s   %s", ms(wide.first),
            ms(wide.warm), ms(wide.low).trim(), ms(window.wide), ratio(wide.warm, window.wide));
        console.log("  from the answer on,    800 x 581 %s (%s), 1366 x 768 %s (%s)",
            ms(design.afterAnswer).trim(), ratio(design.afterAnswer, window.design),
            ms(wide.afterAnswer).trim(), ratio(wide.afterAnswer, window.wide));
        console.log("  as the window's bench: without the opening of the question's box");
        console.log("processor slowed 4 x     a run %s, its longest task %s (none under 50 ms "
            + "is told), Space held it after %s", ms(slow.time).trim(),
            slow.longest ? ms(slow.longest).trim() : "under 50 ms", ms(slow.space).trim());
        for (const [when, r] of [["at once", kept], ["idle before", settled]]) {
            console.log("resize, 100 kept runs,   %s: the picture at the new size after %s, "
                + "drawn anew exactly after %s (factor %d), longest task %s", when,
                ms(r.standing).trim(), ms(r.exact).trim(), r.factor,
                r.longest ? ms(r.longest).trim() : "under 50 ms");
        }
    } finally {
        await browser.close();
        fs.rmSync(copy.folder, { recursive: true, force: true });
    }
})().catch((error) => {
    console.error("bench_page:", error);
    process.exit(1);
});
