// SPDX-License-Identifier: GPL-3.0-or-later
// The page's script, first part (all parts share one scope, make_page.py): the design
// zoomed to the window, the picture's canvas, which draws the program's batches of lines
// and circles in the colours of the palette shown, the colours of the controls, and the
// band that says where a held or stopped run stands.

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

let zoom = 1;
let factor = 0; // image pixels per design pixel of the canvas
let ctx = null;
let colours = null; // the palette shown: the design's or the projector's
let projector = false;
let redraws = 0;

// --- Zoom ------------------------------------------------------------------------------

// As the desktop: z = min(width / 800, height / 581), at least 0.5, centred; the canvas
// keeps design × ceil(z × devicePixelRatio) pixels.
function placeDesign() {
    const width = document.documentElement.clientWidth;
    const height = document.documentElement.clientHeight;
    zoom = Math.max(Module.minimumZoom,
        Math.min(width / Module.designWidth, height / Module.designHeight));
    const shownWidth = Math.ceil(Module.designWidth * zoom - 1e-9);
    const shownHeight = Math.ceil(Module.designHeight * zoom - 1e-9);
    const left = Math.max(0, Math.floor((width - shownWidth) / 2));
    const top = Math.max(0, Math.floor((height - shownHeight) / 2));
    design.style.transform = "translate(" + left + "px," + top + "px) scale(" + zoom + ")";
    stage.style.width = Math.max(width, shownWidth) + "px";
    stage.style.height = Math.max(height, shownHeight) + "px";
    // The boxes, the menu and the list of keys grow with the design, never below its size.
    document.documentElement.style.setProperty("--ui-zoom", String(Math.max(1, zoom)));
    const wanted = Math.max(1, Math.ceil(zoom * (window.devicePixelRatio || 1) - 1e-6));
    if (wanted !== factor) renewPicture(wanted);
}

let pixelRatioQuery = null;
function watchPixelRatio() {
    if (pixelRatioQuery) pixelRatioQuery.removeEventListener("change", onPixelRatio);
    pixelRatioQuery = window.matchMedia("(resolution: " + (window.devicePixelRatio || 1)
        + "dppx)");
    pixelRatioQuery.addEventListener("change", onPixelRatio);
}
function onPixelRatio() {
    watchPixelRatio();
    placeDesign();
}

// The design point under a pointer event: the centre of its pixel.
function designPoint(event) {
    const box = canvas.getBoundingClientRect();
    return [(event.clientX - box.left + 0.5) / zoom - 0.5,
        (event.clientY - box.top + 0.5) / zoom - 0.5];
}

// --- The picture -----------------------------------------------------------------------

// A new image at the factor, drawn again: its ground, the labels' texts, then every record.
function renewPicture(newFactor) {
    factor = newFactor;
    canvas.width = Module.designWidth * factor;
    canvas.height = Module.designHeight * factor;
    ctx = canvas.getContext("2d", { alpha: false });
    ctx.setTransform(1, 0, 0, 1, 0, 0);
    ctx.fillStyle = colours.ground;
    ctx.fillRect(0, 0, canvas.width, canvas.height);
    paintLabels();
    page.redraw();
    ++redraws;
    overlay.width = canvas.width;
    overlay.height = canvas.height;
    paintOverlay();
}

// The two labels belong to the picture, as on the desktop: what a run draws covers them.
function paintLabels() {
    ctx.setTransform(factor, 0, 0, factor, 0, 0);
    ctx.fillStyle = colours.text;
    ctx.textBaseline = "alphabetic";
    for (const c of controlList) {
        if (c.kind !== "Label") continue;
        const [x, y, w, h] = c.rect;
        ctx.font = Module.fontCss(c.font, 0);
        const m = ctx.measureText(c.caption);
        const ascent = m.fontBoundingBoxAscent;
        const descent = m.fontBoundingBoxDescent;
        if (c.name === "labKlepnete")
            ctx.fillText(c.caption, x + (w - m.width) / 2, y + (h - ascent - descent) / 2 + ascent);
        else
            ctx.fillText(c.caption, x, y + ascent);
    }
}

// A batch of the program's drawings: per record kind (0 line, 1 circle), role, pen width
// and four numbers, in design pixels. They are drawn as the desktop's painter draws them
// on its image of factor × factor pixels per design pixel: horizontal and vertical lines
// and the small circles of the marks pixel by pixel (the pixels whose centres the pen
// covers, with round caps; at factor 1 a line one pixel wide has the square ends of the
// desktop's thin lines), so that rows, erasures and marks keep whole pixels in their pure
// colours; slanted lines and the lens's outline as smooth strokes, each on its own, so that
// the picture is the same however its drawings came in batches (a run's, or a redraw's).
function drawBatch(records, count) {
    const k = factor;
    ctx.setTransform(1, 0, 0, 1, 0, 0);
    ctx.lineCap = "round";
    ctx.lineJoin = "round";
    let colour = null;
    let width = -1;
    const use = (wanted, pen) => {
        if (wanted !== colour) {
            ctx.strokeStyle = wanted;
            ctx.fillStyle = wanted;
            colour = wanted;
        }
        if (pen !== width) {
            ctx.lineWidth = pen * k;
            width = pen;
        }
    };
    for (let i = 0; i < count; ++i) {
        const o = i * 7;
        const pen = records[o + 2];
        use(colours.roles[records[o + 1]], pen);
        const a = records[o + 3] * k;
        const b = records[o + 4] * k;
        const c = records[o + 5] * k;
        const d = records[o + 6] * k;
        if (records[o] === 0) {
            if (b === d) {
                band(Math.min(a, c), Math.max(a, c), b, pen * k / 2, pen === 1 && k === 1, false);
            } else if (a === c) {
                band(Math.min(b, d), Math.max(b, d), a, pen * k / 2, pen === 1 && k === 1, true);
            } else {
                ctx.beginPath();
                ctx.moveTo(a, b);
                ctx.lineTo(c, d);
                ctx.stroke();
            }
        } else if (c + pen * k / 2 <= 8 * k) {
            disc(a, b, c, pen * k / 2);
        } else {
            ctx.beginPath();
            ctx.arc(a, b, c, 0, 2 * Math.PI);
            ctx.stroke();
        }
    }
}

// A horizontal (or, across, a vertical) line from `from` to `to` at `at`, half `half`
// image pixels wide: the rows whose centres lie in (at - half, at + half], each from the
// first to the last pixel whose centre lies within the line and its caps.
function band(from, to, at, half, squareEnds, across) {
    const first = Math.floor(at - half - 0.5) + 1; // the first r with r + 0.5 > at - half
    const last = Math.floor(at + half - 0.5); // the last r with r + 0.5 <= at + half
    for (let r = first; r <= last; ++r) {
        const dy = r + 0.5 - at;
        const reach = squareEnds ? half : Math.sqrt(Math.max(0, half * half - dy * dy));
        const start = Math.floor(from - reach - 0.5) + 1; // first s with s + 0.5 > from - reach
        const end = Math.floor(to + reach - 0.5); // last s with s + 0.5 <= to + reach
        if (end < start) continue;
        if (across) ctx.fillRect(r, start, 1, end - start + 1);
        else ctx.fillRect(start, r, end - start + 1, 1);
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
function disc(x, y, r, half) {
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
                ctx.fillRect(start, row, col - start, 1);
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
        if (element && c.kind !== "Label" && c.kind !== "ScrollBar" && c.textBox !== "Editable")
            element.style.background = colours.faces[c.colour];
    }
}

// The projector's colours, or the design's: the picture is drawn again from the records in
// the other palette, and the controls, the band and the inspector follow.
function setProjector(on) {
    projector = on;
    page.setView(Object.assign(page.view(), { projector: on }));
    colours = Module.colours(on);
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
        statusBand.hidden = true;
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
