// SPDX-License-Identifier: GPL-3.0-or-later
// The page's script, the picture read without the eyes' help or the mouse's, as the
// window's: the picture takes the focus after the controls, and its keys walk a cursor from
// mark to mark (its words in the picture's name and read out), open the inspector at the
// cursor's mark and the menu there, and play the run as tones; the picture described in
// sentences; marks by shape, marks hidden and the legend over the picture.

const pictureReading = document.getElementById("reading");

// --- The view --------------------------------------------------------------------------

// Marks by shape, marks hidden, the legend: drawn again from the records where the marks
// change, the legend over the picture where it alone changes.
function setViewOption(name, on) {
    if (name === "projector") {
        if (on !== projector) setProjector(on);
        return;
    }
    const view = page.view();
    if (view[name] === on) return;
    view[name] = on;
    if (page.setView(view)) renewPicture(factor);
    else paintOverlay();
}

// After a link set the view: its colours, and the picture drawn again.
function showView() {
    const on = page.view().projector;
    if (on !== projector) {
        projector = on;
        colours = Module.colours(on);
        page.useColours(on);
        applyColours();
        showBand();
        paintInspector();
    }
    renewPicture(factor);
}

// --- Over the picture ------------------------------------------------------------------

// A colour made lighter as the window's QColor::lighter does it for a grey: each part by
// the factor, at most 255.
function lighter(css, by) {
    const parts = css.match(/\d+/g).slice(0, 3).map((v) => Math.min(255, Math.round(v * by)));
    return "rgb(" + parts.join(",") + ")";
}

const LEGEND_PIXELS = 11; // the legend's texts, in design pixels

// The legend's box, its size and its place in design pixels, and its lines; null where no
// run shows a mark.
function legendLayout(g) {
    const legend = page.legend();
    if (!legend.entries.length) return null;
    g.font = LEGEND_PIXELS + "px \"" + Module.textFont() + "\", Arial, Helvetica, sans-serif";
    const m = g.measureText(legend.title);
    const ascent = m.fontBoundingBoxAscent;
    const height = Math.ceil(ascent + m.fontBoundingBoxDescent);
    let width = Math.ceil(m.width);
    for (const entry of legend.entries)
        width = Math.max(width, 18 + Math.ceil(g.measureText(entry.words).width));
    const row = height + 2;
    const size = [width + 12, row * (legend.entries.length + 1) + 8];
    const [x, y] = page.legendPlace(size[0], size[1]);
    return { legend, x, y, width, size, row, ascent, height };
}

// The legend at k image pixels per design pixel: a box in a free corner that names each
// run shown, with its mark as drawn (its colour, and its shape where marks are by shape).
function paintLegend(g, k) {
    const l = legendLayout(g);
    if (!l) return null;
    const ink = colours.roles[colours.axis];
    g.save();
    g.setTransform(k, 0, 0, k, l.x * k, l.y * k);
    g.lineWidth = 1;
    g.strokeStyle = ink;
    g.fillStyle = lighter(colours.ground, 1.1);
    g.fillRect(0.5, 0.5, l.size[0] - 1, l.size[1] - 1);
    g.strokeRect(0.5, 0.5, l.size[0] - 1, l.size[1] - 1);
    g.textBaseline = "alphabetic";
    g.textAlign = "left";
    const baseline = (top) => top + (l.row - l.height) / 2 + l.ascent;
    g.fillStyle = ink;
    g.fillText(l.legend.title, 6, baseline(4));
    l.legend.entries.forEach((entry, i) => {
        const top = 4 + l.row * (i + 1);
        paintLegendMark(g, entry, 12, top, l.row);
        g.fillStyle = ink;
        g.fillText(entry.words, 24, baseline(top));
    });
    g.restore();
    return [l.x, l.y, l.size[0], l.size[1]];
}

// A run's mark in the legend, as drawn: its colour, and its shape where marks are by shape;
// centred at cx in a row from `top`, `row` high.
function paintLegendMark(g, entry, cx, top, row) {
    const cy = top + row / 2;
    const shapes = page.view().shapes;
    g.fillStyle = colours.roles[entry.role];
    if (entry.bars) {
        g.fillRect(cx - 1, top + 2, 2, row - 4);
    } else if (shapes && entry.role === colours.markGreen) {
        g.fillRect(cx - 2, cy - 2, 4, 4);
    } else if (shapes && entry.role === colours.markRed) {
        g.beginPath();
        g.moveTo(cx, cy - 2.5);
        g.lineTo(cx + 2.5, cy + 2.5);
        g.lineTo(cx - 2.5, cy + 2.5);
        g.closePath();
        g.fill();
    } else {
        g.beginPath();
        g.arc(cx, cy, 2, 0, 2 * Math.PI);
        g.fill();
    }
}

// Where the controls flow, the legend is a list below the picture, in texts of 12 CSS
// pixels and marks of their size on the phone's screen; hidden otherwise. Where it stands,
// in design pixels of the picture (below it), or null.
// It is made anew only when what it shows changes, not at each move of the cursor.
const legendList = document.getElementById("legend-list");
let legendListShows = ""; // what the list was made from
function showLegendList(shown) {
    const legend = shown ? page.legend() : null;
    if (!legend || !legend.entries.length) {
        legendListShows = "";
        if (!legendList.hidden) {
            legendList.hidden = true;
            placeLegendList();
        }
        return null;
    }
    const ratio = window.devicePixelRatio || 1;
    const shows = JSON.stringify([legend, page.view().shapes, colours.ground, ratio]);
    if (shows !== legendListShows || legendList.hidden) {
        legendListShows = shows;
        makeLegendList(legend, ratio);
    }
    const box = legendList.getBoundingClientRect();
    const picture = canvas.getBoundingClientRect();
    return [(box.left - picture.left) / zoom, (box.top - picture.top) / zoom,
        box.width / zoom, box.height / zoom];
}

function makeLegendList(legend, ratio) {
    const row = 16;
    const title = document.createElement("div");
    title.textContent = legend.title;
    const lines = [title];
    for (const entry of legend.entries) {
        const line = document.createElement("div");
        const mark = document.createElement("canvas");
        mark.width = Math.ceil(12 * ratio);
        mark.height = Math.ceil(row * ratio);
        mark.style.width = "12px";
        mark.style.height = row + "px";
        const g = mark.getContext("2d");
        // The mark at its size in the picture's design, twice: a dot of a few pixels.
        g.setTransform(2 * ratio, 0, 0, 2 * ratio, 0, 0);
        paintLegendMark(g, entry, 3, 0, row / 2);
        line.append(mark, entry.words);
        lines.push(line);
    }
    legendList.style.setProperty("--legend-ground", lighter(colours.ground, 1.1));
    legendList.replaceChildren(...lines);
    legendList.hidden = false;
    placeLegendList();
}

let legendShown = null; // where the legend stands, in design pixels, for the page's state

// What lies over the picture: the legend, where it is asked for; while the picture has the
// focus, a frame inside its edge (a light band under a dashed line in the ink of its axis,
// so that it shows on any ground) and a ring around the cursor's mark. The overlay stands
// over the picture only while it shows something: an empty one as large as the picture
// would cost its clearing at every change of size, and the browser's compositing at every
// frame.
function paintOverlay() {
    const ready = Boolean(page && factor);
    const flowing = layout === "flow";
    const legend = ready && page.view().legend;
    if (ready) legendShown = showLegendList(flowing && legend);
    const shows = ready && ((!flowing && legend) || document.activeElement === canvas);
    if (!shows) {
        if (!overlay.hidden) {
            overlay.getContext("2d").clearRect(0, 0, overlay.width, overlay.height);
            overlay.hidden = true;
        }
        return;
    }
    overlay.hidden = false;
    if (overlay.width !== canvas.width || overlay.height !== canvas.height) {
        overlay.width = canvas.width;
        overlay.height = canvas.height;
    }
    const g = overlay.getContext("2d");
    g.setTransform(1, 0, 0, 1, 0, 0);
    g.clearRect(0, 0, overlay.width, overlay.height);
    if (!flowing && legend) legendShown = paintLegend(g, factor);
    if (document.activeElement !== canvas) return;
    g.setTransform(factor, 0, 0, factor, 0, 0);
    g.strokeStyle = lighter(colours.ground, 1.5);
    g.lineWidth = 4;
    g.strokeRect(2, 2, Module.designWidth - 5, Module.designHeight - 5);
    g.strokeStyle = colours.roles[colours.axis];
    g.lineWidth = 2;
    g.setLineDash([8, 4]);
    g.strokeRect(2, 2, Module.designWidth - 5, Module.designHeight - 5);
    g.setLineDash([]);
    const at = page.cursorAt();
    if (!at) return;
    g.beginPath();
    g.arc(at[0], at[1], 7, 0, 2 * Math.PI);
    g.strokeStyle = "#fff";
    g.lineWidth = 4;
    g.stroke();
    g.strokeStyle = "#000";
    g.lineWidth = 2;
    g.stroke();
}

// The picture as it is copied: with the legend where it is shown, never the focus frame or
// the cursor, which belong to the page.
function pictureToCopy() {
    if (!page.view().legend) return canvas;
    const copy = document.createElement("canvas");
    copy.width = canvas.width;
    copy.height = canvas.height;
    const g = copy.getContext("2d", { alpha: false });
    g.drawImage(canvas, 0, 0);
    paintLegend(g, factor);
    return copy;
}

// --- The description -------------------------------------------------------------------

// What a sighted pupil sees in the picture, in sentences that a screen reader reads as the
// picture's description: the lens, each run shown with its focus, how the runs compare.
function describePicture() {
    pictureDescription.replaceChildren(...page.describe().map((sentence) => {
        const p = document.createElement("p");
        p.textContent = sentence;
        return p;
    }));
}

// Read out politely, after what is being read.
function readOut(text) {
    pictureReading.textContent = text;
}

// --- The cursor ------------------------------------------------------------------------

// The mark's words: the picture's name while it has the focus, and read out.
function announceCursor() {
    const words = page.cursorWords();
    canvas.setAttribute("aria-label", words);
    readOut(words);
}

// The focus on the picture at a mark (or where the cursor stands, for null).
function focusPicture(at) {
    if (at) page.cursorMoveTo(at.run, at.index);
    if (document.activeElement === canvas) {
        announceCursor();
        paintOverlay();
    } else {
        canvas.focus();
    }
}

canvas.addEventListener("focus", () => {
    page.cursorRecheck();
    announceCursor();
    paintOverlay();
});
canvas.addEventListener("blur", () => {
    canvas.setAttribute("aria-label", page.text(Module.PageText.Picture));
    paintOverlay();
});

// After the marks changed (a run, a link, an erase undone): the cursor on the nearest mark
// shown, and the picture's description and overlay as they are now.
function marksChanged() {
    page.cursorRecheck();
    describePicture();
    // A run paints over the prompt, whose text is then no longer offered to be read.
    const prompt = controls["labKlepnete"];
    if (prompt) prompt.setAttribute("aria-hidden", String(page.runCount() > 0));
    if (document.activeElement === canvas) canvas.setAttribute("aria-label", page.cursorWords());
    paintOverlay();
}

const CURSOR_KEYS = {
    ArrowLeft: "Left", Left: "Left", ArrowRight: "Right", Right: "Right",
    Home: "First", End: "Last", ArrowUp: "Up", Up: "Up", ArrowDown: "Down", Down: "Down",
};

// Where the menu opens from the keyboard: at the cursor's mark, or the picture's middle.
function menuAtCursor() {
    const box = canvas.getBoundingClientRect();
    const at = page.cursorAt() || [Module.designWidth / 2, Module.designHeight / 2];
    showMenuAt(box.left + at[0] * zoom, box.top + at[1] * zoom);
}

// The picture's keys while it has the focus and no run goes on (a run's keys are the run's).
canvas.addEventListener("keydown", (event) => {
    if (!page || page.running() || event.defaultPrevented) return;
    const ctrl = event.ctrlKey || event.metaKey;
    if (event.key === "ContextMenu" || (event.key === "F10" && event.shiftKey && !ctrl
        && !event.altKey)) {
        menuAtCursor();
        event.preventDefault();
        return;
    }
    if (ctrl && !event.altKey && !event.shiftKey && event.key.toLowerCase() === "v") {
        pasteByKey(); // the browser's paste comes next, where it lets the page have it
        return;
    }
    if (ctrl || event.altKey || event.shiftKey) return;
    const move = CURSOR_KEYS[event.key];
    if (move) {
        page.cursorMove(move);
        announceCursor();
        playCursor();
        paintOverlay();
    } else if (event.key === "Enter") {
        const at = page.cursorPlace();
        if (at) inspect(at.run, at.index);
        else announceCursor();
    } else if (event.key === "l" || event.key === "L") {
        listen();
    } else {
        return;
    }
    event.preventDefault();
});

// --- Listening -------------------------------------------------------------------------

let audio = null; // the page's AudioContext, made at the first sound asked for
let soundFailed = false; // the browser has Web Audio, but it would not start
let playing = null;
const played = []; // what was played, for the page's state: "run 2", "point"

function soundAvailable() {
    return !soundFailed && typeof (window.AudioContext || window.webkitAudioContext)
        === "function";
}

function audioContext() {
    if (!soundAvailable()) return null;
    if (!audio) {
        try {
            audio = new (window.AudioContext || window.webkitAudioContext)();
        } catch (error) {
            soundFailed = true;
            return null;
        }
    }
    if (audio.state === "suspended")
        audio.resume().catch(() => {
            soundFailed = true;
        });
    return audio.state === "closed" ? null : audio;
}

// Stereo samples, left and right in turn, at the program's rate; whether they play.
function play(samples, what) {
    const context = samples ? audioContext() : null;
    if (!context) return false;
    try {
        const frames = samples.length / 2;
        const buffer = context.createBuffer(2, frames, Module.toneRate);
        const left = buffer.getChannelData(0);
        const right = buffer.getChannelData(1);
        for (let i = 0; i < frames; ++i) {
            left[i] = samples[2 * i];
            right[i] = samples[2 * i + 1];
        }
        if (playing) playing.stop();
        const source = context.createBufferSource();
        source.buffer = buffer;
        source.connect(context.destination);
        source.onended = () => {
            if (playing === source) playing = null;
        };
        source.start();
        playing = source;
    } catch (error) {
        soundFailed = true;
        return false;
    }
    played.push(what);
    return true;
}

// "Listen", or L on the picture: the run under the cursor, or the last run, as tones; not
// during a run, and only where the browser can play sound.
function listen() {
    if (page.running()) {
        tell(page.listenDuringRun());
        return;
    }
    if (!soundAvailable()) {
        tell(page.listenWithoutSound());
        return;
    }
    const runs = page.runCount();
    if (!runs) {
        announceCursor();
        return;
    }
    const at = page.cursorPlace();
    const run = at ? at.run : runs - 1;
    if (!play(page.runTones(run), "run " + (run + 1))) tell(page.listenWithoutSound());
}

// The tone of the mark the cursor moved to, where sound plays.
function playCursor() {
    if (soundAvailable()) play(page.cursorTone(), "point");
}
