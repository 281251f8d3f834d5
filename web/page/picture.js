// SPDX-License-Identifier: GPL-3.0-or-later
// The page's script, first part (all parts share one scope, make_page.py): the picture's
// canvas, which draws the program's batches of lines and circles in the colours of the
// palette shown, the colours of the controls, and the band that says where a held or
// stopped run stands. Where the design stands on the page: layout.js.

const stage = document.getElementById("stage");
const design = document.getElementById("design");
const canvas = document.getElementById("picture");
// Over the picture, never in it: the legend, and while the picture has the focus its frame
// and the cursor on a mark (reading.js).
const overlay = document.getElementById("overlay");
const statusBand = document.getElementById("band");

let Module = null; // the program, compiled from C++
let page = null; // its Page: the form, the run, the texts in the page's language
let controlList = []; // the design's controls, as the program has them

let zoom = 1; // CSS pixels per design pixel of the picture
let factor = 0; // image pixels per design pixel of the canvas
let labelsPainted = true; // the labels' texts are in the picture, as the design has them
let ctx = null;
let colours = null; // the palette shown: the design's or the projector's
let projector = false;
let redraws = 0;

// --- The picture -----------------------------------------------------------------------

// While the picture is drawn anew at another factor a run at a time (a picture of many kept
// runs), the canvas it is drawn on and the drawings that wait for it; the shown picture, at
// the factor it has, stands in for it meanwhile, scaled by the browser.
let renewal = null; // a picture drawn anew (drawnAnew)
let renewPending = false;
const renewChannel = new MessageChannel();
// Up to this many runs the picture is drawn anew at once, as it always was; beyond, in
// slices of the event loop, so that the page answers keys and taps meanwhile.
const RENEW_AT_ONCE = 8;
const RENEW_SLICE_MS = 16;
const RENEW_CHUNK = 512; // drawings between two looks at the clock

// A picture of many kept runs drawn ahead, while the page has nothing else to do, at the
// next factor up: the one a larger window, full screen or a projector asks for, where the
// screen has room for it. When the window grows, it is shown at once instead of being drawn
// anew for seconds; the picture it replaces is kept in its place, so that going back is at
// once too. What a run draws meanwhile waits for it (drawn when the page is idle, or with
// the swap); anything else that changes the picture lets it go.
let spare = null; // a picture drawn anew (drawnAnew), not shown
let spareTimer = 0;
const SPARE_AFTER_MS = 400; // the page idle this long before a spare is begun

// A canvas of the picture's size at a factor, with its ground and the labels' texts.
function groundedCanvas(target, newFactor, labels) {
    target.width = Module.designWidth * newFactor;
    target.height = Module.designHeight * newFactor;
    const g = target.getContext("2d", { alpha: false });
    g.setTransform(1, 0, 0, 1, 0, 0);
    g.fillStyle = colours.ground;
    g.fillRect(0, 0, target.width, target.height);
    // Where the controls flow, the labels are texts above the picture (layout.js).
    if (labels) paintLabels(g, newFactor);
    return g;
}

// A picture drawn anew at a factor a run at a time: its canvas (made with its first slice),
// the drawings that wait for it and how far the first is drawn, whether the labels' texts
// are in it, and whether every run is.
function drawnAnew(newFactor) {
    return { canvas: null, ctx: null, factor: newFactor, waiting: [], at: 0,
        labels: layout === "design", whole: false };
}

function readyCanvas(r) {
    if (r.ctx) return;
    r.canvas = document.createElement("canvas");
    r.ctx = groundedCanvas(r.canvas, r.factor, r.labels);
}

// A new image at the factor, drawn again: its ground, the labels' texts, then every record.
function renewPicture(newFactor) {
    renewal = null;
    dropSpare();
    labelsPainted = layout === "design";
    if (page.runCount() <= RENEW_AT_ONCE) {
        factor = newFactor;
        ctx = groundedCanvas(canvas, newFactor, labelsPainted);
        page.redraw();
        pictureRenewed();
        return;
    }
    renewal = drawnAnew(newFactor);
    page.renewBegin();
    renewLater();
}

function renewLater() {
    if (renewPending) return;
    renewPending = true;
    renewChannel.port2.postMessage(0);
}
renewChannel.port1.onmessage = () => {
    renewPending = false;
    if (renewal) renewSlice();
    else if (spare) spareSlice();
};

// A slice of the renewal: the drawings that wait, and the next runs' as they are made,
// until the slice's time is up. The last run, while a run goes on, is drawn at once with
// the swap, so that the picture drawn anew holds the run as far as it stands; its later
// drawings are drawn on the shown picture, which the renewed one then is.
function renewSlice() {
    const r = renewal;
    const deadline = performance.now() + RENEW_SLICE_MS;
    readyCanvas(r);
    for (;;) {
        if (r.waiting.length) {
            drawWaiting(r, RENEW_CHUNK);
            // The canvas puts what it was given into its pixels now, not in one long task
            // later: the clock then tells what the drawing took.
            r.ctx.getImageData(0, 0, 1, 1);
        } else if (page.renewed() < page.runCount()) {
            const last = page.renewed() + 1 === page.runCount();
            if (last && page.running()) {
                page.renewStep(0, 1);
                drawWaiting(r, Infinity);
                showRenewed();
                return;
            }
            page.renewStep(0, 1);
        } else {
            showRenewed();
            return;
        }
        if (performance.now() >= deadline) break;
    }
    renewLater();
}

// Up to `most` of the drawings that wait for the renewed picture.
function drawWaiting(r, most) {
    let left = most;
    while (r.waiting.length && left > 0) {
        const records = r.waiting[0];
        const count = Math.min(left, records.length / 7 - r.at);
        drawRecords(r.ctx, r.factor, records.subarray(r.at * 7), count);
        r.at += count;
        left -= count;
        if (r.at * 7 >= records.length) {
            r.waiting.shift();
            r.at = 0;
        }
    }
}

// The picture drawn anew is shown.
function showRenewed(done = renewal) {
    renewal = null;
    factor = done.factor;
    if (canvas.width !== done.canvas.width || canvas.height !== done.canvas.height) {
        canvas.width = done.canvas.width;
        canvas.height = done.canvas.height;
    }
    ctx = canvas.getContext("2d", { alpha: false });
    ctx.setTransform(1, 0, 0, 1, 0, 0);
    ctx.drawImage(done.canvas, 0, 0);
    pictureRenewed();
}

function pictureRenewed() {
    ++redraws;
    paintOverlay(); // at the picture's size, where it shows something
    planSpare();
}

// --- The spare picture -----------------------------------------------------------------

// The factor a spare is drawn at, if one is wanted now: the next up, where the screen could
// show the design that large.
function spareFactor() {
    if (!page || !ctx || renewal || page.running() || document.hidden) return 0;
    if (page.runCount() <= RENEW_AT_ONCE) return 0;
    const ratio = window.devicePixelRatio || 1;
    const largest = Math.ceil(Math.min(screen.width / Module.designWidth,
        screen.height / Module.designHeight) * ratio - 1e-6);
    return factor + 1 <= largest ? factor + 1 : 0;
}

// A spare is begun after the page has been idle a while; one that waits for drawings goes
// on with them.
function planSpare() {
    if (spare) {
        if (spare.waiting.length && !page.running()) renewLater();
        return;
    }
    if (!page) return;
    if (spareTimer || !spareFactor()) return;
    spareTimer = setTimeout(() => {
        spareTimer = 0;
        const f = spareFactor();
        if (!f || spare) return;
        spare = drawnAnew(f);
        page.renewBegin();
        renewLater();
    }, SPARE_AFTER_MS);
}

function dropSpare() {
    spare = null;
    if (spareTimer) clearTimeout(spareTimer);
    spareTimer = 0;
}

// A slice of the spare, while no run goes on: the runs drawn again one by one, then what
// was drawn on the shown picture since.
function spareSlice() {
    const s = spare;
    if (page.running()) {
        // A spare that is not whole is let go (the run changes what it would hold); a whole
        // one draws the run's drawings when the run is over.
        if (!s.whole) dropSpare();
        return;
    }
    const deadline = performance.now() + RENEW_SLICE_MS;
    readyCanvas(s);
    for (;;) {
        if (s.waiting.length) {
            drawWaiting(s, RENEW_CHUNK);
            s.ctx.getImageData(0, 0, 1, 1);
        } else if (s.whole) {
            return;
        } else if (page.renewed() < page.runCount()) {
            page.renewStep(0, 1);
        } else {
            s.whole = true;
        }
        if (performance.now() >= deadline) break;
    }
    renewLater();
}

// The picture at another factor: the spare, where it is at that factor, with the picture it
// replaces kept as the next spare; otherwise drawn anew.
function changeFactor(wanted) {
    const s = spare;
    if (!s || s.factor !== wanted || s.labels !== (layout === "design")) {
        renewPicture(wanted);
        return;
    }
    spare = null;
    const keptLabels = labelsPainted;
    labelsPainted = s.labels;
    if (!s.whole) {
        // Drawn on at once, as a renewal, while the shown picture stands in for it.
        renewal = s;
        renewLater();
        return;
    }
    drawWaiting(s, Infinity);
    const kept = document.createElement("canvas");
    kept.width = canvas.width;
    kept.height = canvas.height;
    const keptCtx = kept.getContext("2d", { alpha: false });
    keptCtx.drawImage(canvas, 0, 0);
    const keptSpare = Object.assign(drawnAnew(factor),
        { canvas: kept, ctx: keptCtx, labels: keptLabels, whole: true });
    showRenewed(s);
    spare = keptSpare;
}

// The two labels belong to the picture, as on the desktop: what a run draws covers them.
function paintLabels(g, k) {
    g.setTransform(k, 0, 0, k, 0, 0);
    g.fillStyle = colours.text;
    g.textBaseline = "alphabetic";
    for (const c of controlList) {
        if (c.kind !== "Label") continue;
        const [x, y, w, h] = c.rect;
        g.font = Module.fontCss(c.font, 0);
        const m = g.measureText(c.caption);
        const ascent = m.fontBoundingBoxAscent;
        const descent = m.fontBoundingBoxDescent;
        if (c.name === "labKlepnete")
            g.fillText(c.caption, x + (w - m.width) / 2, y + (h - ascent - descent) / 2 + ascent);
        else
            g.fillText(c.caption, x, y + ascent);
    }
}

// A batch of the program's drawings: per record kind (0 line, 1 circle), role, pen width
// and four numbers, in design pixels, for the shown picture (target 0) or the one drawn anew
// (1, which draws them in its own slices). They are drawn as the desktop's painter draws
// them on its image of factor x factor pixels per design pixel: horizontal and vertical
// lines and the small circles of the marks pixel by pixel (the pixels whose centres the pen
// covers, with round caps; at factor 1 a line one pixel wide has the square ends of the
// desktop's thin lines), so that rows, erasures and marks keep whole pixels in their pure
// colours; slanted lines and the lens's outline as smooth strokes, each blended on its own,
// so that the picture is the same however its drawings came in batches (a run's, or a
// redraw's). Whole pixels of one colour in a row go to the canvas as one path of
// rectangles, filled once: the same pixels as each filled on its own, in a fraction of the
// canvas's calls. So do slanted lines one image pixel wide, one path of them stroked once:
// the canvas draws lines that thin one by one even within a path, each blended on its own
// where they cross, so the pixels are those of each stroked alone, in less than half the
// time (a run has some 15,000 of them). Wider lines are stroked each alone: within one path
// their overlaps would be blended once.
function drawBatch(records, count, target) {
    if (target === 1) {
        // The batch's memory is the program's, and is used again: a copy waits.
        const r = renewal || spare;
        if (r) r.waiting.push(records.slice(0, count * 7));
        return;
    }
    if (spare) {
        if (spare.whole) spare.waiting.push(records.slice(0, count * 7));
        else dropSpare();
    }
    if (ctx) drawRecords(ctx, factor, records, count);
}

function drawRecords(g, k, records, count) {
    g.setTransform(1, 0, 0, 1, 0, 0);
    g.lineCap = "round";
    g.lineJoin = "round";
    let colour = null;
    let width = -1;
    let filling = false; // rectangles wait in the path, in `colour`
    let stroking = false; // thin slanted lines wait in the path, in `colour`
    const roles = colours.roles;
    const finish = () => {
        if (filling) g.fill();
        else if (stroking) g.stroke();
        filling = false;
        stroking = false;
    };
    for (let i = 0; i < count; ++i) {
        const o = i * 7;
        const pen = records[o + 2];
        const wanted = roles[records[o + 1]];
        if (wanted !== colour) {
            finish();
            g.strokeStyle = wanted;
            g.fillStyle = wanted;
            colour = wanted;
        }
        const a = records[o + 3] * k;
        const b = records[o + 4] * k;
        const c = records[o + 5] * k;
        const d = records[o + 6] * k;
        const line = records[o] === 0;
        if (line ? b === d || a === c : c + pen * k / 2 <= 8 * k) {
            if (!filling) {
                finish();
                g.beginPath();
                filling = true;
            }
            if (!line) disc(g, a, b, c, pen * k / 2);
            else if (b === d) band(g, Math.min(a, c), Math.max(a, c), b, pen * k / 2, pen === 1 && k === 1, false);
            else band(g, Math.min(b, d), Math.max(b, d), a, pen * k / 2, pen === 1 && k === 1, true);
            continue;
        }
        const thin = line && pen * k === 1;
        if (!thin || !stroking || pen !== width) finish();
        if (pen !== width) {
            g.lineWidth = pen * k;
            width = pen;
        }
        if (!stroking) g.beginPath();
        if (line) {
            g.moveTo(a, b);
            g.lineTo(c, d);
        } else {
            g.arc(a, b, c, 0, 2 * Math.PI);
        }
        if (thin) stroking = true;
        else g.stroke();
    }
    finish();
}

// A horizontal (or, across, a vertical) line from `from` to `to` at `at`, half `half`
// image pixels wide: the rows whose centres lie in (at - half, at + half], each from the
// first to the last pixel whose centre lies within the line and its caps.
function band(g, from, to, at, half, squareEnds, across) {
    const first = Math.floor(at - half - 0.5) + 1; // the first r with r + 0.5 > at - half
    const last = Math.floor(at + half - 0.5); // the last r with r + 0.5 <= at + half
    for (let r = first; r <= last; ++r) {
        const dy = r + 0.5 - at;
        const reach = squareEnds ? half : Math.sqrt(Math.max(0, half * half - dy * dy));
        const start = Math.floor(from - reach - 0.5) + 1; // first s with s + 0.5 > from - reach
        const end = Math.floor(to + reach - 0.5); // last s with s + 0.5 <= to + reach
        if (end < start) continue;
        if (across) g.rect(r, start, 1, end - start + 1);
        else g.rect(start, r, end - start + 1, 1);
    }
}

// How far a small circle drawn as wide as its radius (a dot) reaches up and down from its
// centre, by how far aside, both in units of its outer radius: the outline of the desktop
// painter's dot, measured on its pictures (at 0.5 aside it reaches 1.91 of its 2 pixels, at
// 1.5 aside 1.16), which is a little less round than a circle.
const DOT_OUTLINE = [[0, 0.96], [0.25, 0.955], [0.75, 0.58], [1, 0]];

function dotReach(aside) {
    for (let i = 1; i < DOT_OUTLINE.length; ++i) {
        const [u0, v0] = DOT_OUTLINE[i - 1];
        const [u1, v1] = DOT_OUTLINE[i];
        if (aside <= u1) return v0 + (v1 - v0) * (aside - u0) / (u1 - u0);
    }
    return 0;
}

// A small circle of radius r drawn `half` wide, as the pixels whose centres it covers:
// within its ring, or within the dot's outline when it is drawn as wide as its radius.
function disc(g, x, y, r, half) {
    const outer = r + half;
    const inner = r - half;
    const dot = inner <= 0;
    for (let row = Math.floor(y - outer); row <= Math.ceil(y + outer); ++row) {
        const dy = Math.abs(row + 0.5 - y);
        let start = null;
        for (let col = Math.floor(x - outer) - 1; col <= Math.ceil(x + outer) + 1; ++col) {
            const dx = Math.abs(col + 0.5 - x);
            const inside = dot ? dx < outer && dy < outer * dotReach(dx / outer)
                : Math.hypot(dx, dy) < outer && Math.hypot(dx, dy) >= inner;
            if (inside && start === null) start = col;
            if (!inside && start !== null) {
                g.rect(start, row, col - start, 1);
                start = null;
            }
        }
    }
}

// --- Colours ---------------------------------------------------------------------------

// The scroll bar's arrow buttons, raised, in the palette's bevels.
function arrowButton(c, left) {
    const svg = "<svg xmlns='http://www.w3.org/2000/svg' width='16' height='17'>"
        + "<rect width='16' height='17' fill='" + c.ground + "'/>"
        + "<path d='M0 16.5H15.5V0' fill='none' stroke='" + c.shadow + "'/>"
        + "<path d='M1 15.5H14.5V1' fill='none' stroke='" + c.dark + "'/>"
        + "<path d='M0.5 16V0.5H15' fill='none' stroke='" + c.midlight + "'/>"
        + "<path d='M1.5 15V1.5H14' fill='none' stroke='" + c.light + "'/>"
        + "<path d='" + (left ? "M9 5V12L5.5 8.5Z" : "M7 5V12L10.5 8.5Z") + "' fill='"
        + c.text + "'/></svg>";
    return "url(\"data:image/svg+xml," + encodeURIComponent(svg) + "\")";
}

// The page's colours from the palette: the ground and texts, the bevels of every control,
// the faces of the controls that have their own (the colour buttons).
function applyColours() {
    const root = document.documentElement.style;
    for (const name of ["ground", "text", "base", "light", "midlight", "dark", "shadow"])
        root.setProperty("--" + name, colours[name]);
    root.setProperty("--arrow-left", arrowButton(colours, true));
    root.setProperty("--arrow-right", arrowButton(colours, false));
    for (const c of controlList) {
        const element = controls[c.name];
        if (element && c.kind !== "Label" && c.kind !== "ScrollBar" && c.textBox !== "Editable") {
            element.style.background = colours.faces[c.colour];
            element.style.setProperty("--face", colours.faces[c.colour]);
        }
    }
}

// The projector's colours, or the design's: the picture is drawn again from the records in
// the other palette, and the controls, the band and the inspector follow.
function setProjector(on) {
    projector = on;
    page.setView(Object.assign(page.view(), { projector: on }));
    colours = Module.colours(on);
    page.useColours(on);
    applyColours();
    renewPicture(factor);
    showBand();
    paintInspector();
}

// --- The status band -------------------------------------------------------------------

const BAND = [200, 240, 401, 26]; // over the prompt, in design pixels
const measuring = document.createElement("canvas").getContext("2d");

// Where a held run stands, and after Escape where it stopped, until the next Start: in the
// prompt's font, made smaller only where the text would not fit.
function showBand() {
    if (!page.bandShown()) {
        if (!statusBand.hidden) statusBand.hidden = true;
        return;
    }
    const text = page.status();
    let pixels = 21;
    let font = Module.fontCss("Title", 0);
    for (;;) {
        measuring.font = font;
        if (pixels <= 5 || measuring.measureText(text).width <= BAND[2] - 4) break;
        font = Module.fontCss("Title", --pixels);
    }
    statusBand.textContent = text;
    statusBand.style.font = font;
    statusBand.style.background = colours.ground;
    statusBand.style.color = colours.roles[colours.axis];
    statusBand.hidden = false;
}

function showControl(name) {
    const element = controls[name];
    if (element) element.hidden = false;
}
