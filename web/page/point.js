// SPDX-License-Identifier: GPL-3.0-or-later
// The page's script, the point inspector: an inner window that looks inside one detector
// point of one run, as the window's. The program gives what it shows as shapes in the
// inspector's design units (its numbers, the Cornu spiral enlarged, the trip time of every
// path against its height at the lens); the page draws them. It is not modal: the page goes
// on beside it. Left/Right (Page Up/Down) move to the neighbouring points of the run,
// Ctrl+C copies its picture, Ctrl+Shift+C its table of paths, Escape closes it; it closes
// by itself when a later run erases its mark.

const inspector = document.getElementById("inspector");
const inspectorPicture = document.getElementById("inspector-picture");
let inspected = null; // what the program gave for the point shown
let inspectorScale = 0; // image pixels per design unit of its picture
let focusBeforeInspector = null;

// Where the controls flow (a phone), the program lays the inspector out narrow (its texts,
// spiral and plot one above the other) where that shows it larger in the page, below its
// title, so that its texts keep their size.
function inspectorNarrow() {
    const root = document.documentElement;
    return layout === "flow" && Module.inspectorNarrow(root.clientWidth - 4, root.clientHeight - 32);
}

function sizeInspector() {
    // With the design, at its zoom; where the controls flow, as wide as the page lets it.
    const scale = layout === "flow"
        ? Math.min(1, (document.documentElement.clientWidth - 4) / inspected.width)
        : Math.max(Module.minimumZoom, Math.min(zoom, 2));
    inspector.style.setProperty("--inspector-zoom", String(scale));
    inspector.style.setProperty("--inspector-width", inspected.width + "px");
    inspector.style.setProperty("--inspector-height", inspected.height + "px");
    const wanted = Math.max(1, Math.ceil(scale * (window.devicePixelRatio || 1) - 1e-6));
    if (wanted === inspectorScale) return;
    inspectorScale = wanted;
    inspectorPicture.width = inspected.width * wanted;
    inspectorPicture.height = inspected.height * wanted;
}

// A label's lines: itself, or where it may wrap, its words in lines no wider than its box.
function labelLines(g, s) {
    if (!s.wrap) return [s.text];
    const lines = [""];
    for (const word of s.text.split(" ")) {
        const line = lines[lines.length - 1];
        const longer = line ? line + " " + word : word;
        if (line && g.measureText(longer).width > s.x2) lines.push(word);
        else lines[lines.length - 1] = longer;
    }
    return lines;
}

// A text in its box, clipped to it: centred upright, or from the top where it wraps; a
// turned one reads from bottom to top.
function drawLabel(g, s, fontFamily) {
    g.save();
    g.font = (s.bold ? "bold " : "") + s.fontPixels + "px \"" + fontFamily
        + "\", Arial, Helvetica, sans-serif";
    let [x, y, w, h] = [s.x1, s.y1, s.x2, s.y2];
    if (s.turned) {
        g.translate(x + w / 2, y + h / 2);
        g.rotate(-Math.PI / 2);
        [x, y, w, h] = [-h / 2, -w / 2, h, w];
    }
    g.beginPath();
    g.rect(x, y, w, h);
    g.clip();
    g.textAlign = s.align;
    g.textBaseline = "alphabetic";
    const lines = labelLines(g, s);
    const m = g.measureText(s.text);
    const ascent = m.fontBoundingBoxAscent;
    const lineHeight = ascent + m.fontBoundingBoxDescent;
    const top = s.wrap ? y : y + (h - lineHeight * lines.length) / 2;
    const at = s.align === "left" ? x : s.align === "right" ? x + w : x + w / 2;
    lines.forEach((line, i) => g.fillText(line, at, top + ascent + i * lineHeight));
    g.restore();
}

// The inspection's shapes in the palette shown, on the ground of the picture.
function paintInspector() {
    if (!inspected) return;
    if (inspected.narrow !== inspectorNarrow()) {
        // The page turned or was zoomed across the inspector's width: laid out anew.
        const p = page.inspection(inspected.run, inspected.index, inspectorNarrow());
        if (!p) return;
        inspected = p;
        inspectorScale = 0;
    }
    sizeInspector();
    const g = inspectorPicture.getContext("2d", { alpha: false });
    g.setTransform(inspectorScale, 0, 0, inspectorScale, 0, 0);
    g.fillStyle = colours.ground;
    g.fillRect(0, 0, inspected.width, inspected.height);
    g.lineCap = "square";
    g.lineJoin = "bevel";
    const fontFamily = Module.textFont();
    for (const s of inspected.shapes) {
        const colour = colours.roles[s.role];
        g.strokeStyle = colour;
        g.fillStyle = colour;
        g.lineWidth = s.width;
        g.beginPath();
        switch (s.kind) {
        case "Line":
            g.moveTo(s.x1, s.y1);
            g.lineTo(s.x2, s.y2);
            g.stroke();
            break;
        case "DottedRect":
            g.save();
            g.lineCap = "butt";
            g.setLineDash([s.width, 2 * s.width]);
            g.strokeRect(s.x1, s.y1, s.x2, s.y2);
            g.restore();
            break;
        case "Disc":
            g.arc(s.x1, s.y1, s.x2, 0, 2 * Math.PI);
            g.fill();
            break;
        case "Ring":
            g.arc(s.x1, s.y1, s.x2, 0, 2 * Math.PI);
            g.stroke();
            break;
        default:
            drawLabel(g, s, fontFamily);
            break;
        }
    }
}

// Shows point `index` (among the points the run drew) of run `run`; false where its mark is
// not shown, when nothing changes. `focus`: the inspector takes the keys.
function inspect(run, index, focus = true) {
    const p = page.inspection(run, index, inspectorNarrow());
    if (!p) return false;
    inspected = p;
    document.getElementById("inspector-title").textContent = p.title;
    document.getElementById("inspector-point").textContent = p.numbers;
    document.getElementById("inspector-paths").textContent = p.paths;
    document.getElementById("inspector-run").textContent = p.runText;
    document.getElementById("inspector-status").textContent = "";
    inspectorPicture.setAttribute("aria-label", p.numbers);
    for (const [id, text] of [["inspector-close", Module.PageText.Close],
        ["inspector-previous", Module.PageText.PreviousPoint],
        ["inspector-next", Module.PageText.NextPoint]]) {
        const button = document.getElementById(id);
        button.title = page.text(text);
        button.setAttribute("aria-label", button.title);
    }
    // The neighbours that can be looked inside: a button without one does nothing.
    document.getElementById("inspector-previous").setAttribute("aria-disabled",
        String(!page.inspectNext(run, index, -1)));
    document.getElementById("inspector-next").setAttribute("aria-disabled",
        String(!page.inspectNext(run, index, 1)));
    paintInspector();
    if (!inspector.open) {
        focusBeforeInspector = document.activeElement;
        inspector.show();
    }
    if (focus) inspector.focus();
    return true;
}

function closeInspector() {
    inspected = null;
    if (inspector.open) inspector.close();
}

// Escape: the focus goes back to the picture, its cursor on the mark looked inside last.
function leaveInspector() {
    const at = inspected;
    focusBeforeInspector = null;
    closeInspector();
    focusPicture(at);
}

inspector.addEventListener("close", () => {
    if (inspector.open) return; // opened again before this came
    inspected = null;
    const back = focusBeforeInspector;
    focusBeforeInspector = null;
    if (back && back.isConnected && back !== document.body) back.focus();
    else if (inspector.contains(document.activeElement) || document.activeElement === document.body)
        focusPicture(null); // the focus is not lost with the window that had it
});

// Closes the inspector when its point's mark is no longer shown (a later run erased it).
function recheckInspector() {
    if (inspected && !page.canInspect(inspected.run, inspected.index)) closeInspector();
}

// A click on a shown mark opens its inspector: while no run goes on, or while one is held.
// A tap is taken by the touch's own handling, below.
function inspectAt(event) {
    if (!page || !page.takesInput() || touching.lastWasTouch) return;
    const [x, y] = designPoint(event);
    const mark = page.markAt(x, y);
    if (mark) inspect(mark.run, mark.index);
}
canvas.addEventListener("click", inspectAt);

// --- A finger on the picture -----------------------------------------------------------

// A finger is broader than a mouse's point: a tap within TAP_REACH CSS pixels of a mark
// shows the readout of the nearest mark beside it, and opens that mark's inspector; a
// finger held still on the picture for LONG_PRESS_MS opens its menu there. A finger that
// moves (to scroll or to pinch the page larger) does neither.
const TAP_REACH = 12;
const LONG_PRESS_MS = 550;
const TAP_SLOP = 10;
const touching = { id: null, x: 0, y: 0, timer: 0, longPressed: false, lastWasTouch: false };
const readoutNote = document.getElementById("readout");
let readoutTimer = 0;

function isTouch(event) {
    return event.pointerType === "touch" || event.pointerType === "pen";
}

function pressOnPicture(event) {
    touching.lastWasTouch = isTouch(event);
    if (!touching.lastWasTouch || !event.isPrimary || !page.takesInput()) return;
    cancelPress();
    touching.id = event.pointerId;
    touching.x = event.clientX;
    touching.y = event.clientY;
    touching.longPressed = false;
    touching.timer = setTimeout(() => {
        touching.timer = 0;
        touching.id = null;
        touching.longPressed = true;
        hideReadout();
        showMenuAt(touching.x, touching.y);
    }, LONG_PRESS_MS);
}

function cancelPress() {
    if (touching.timer) clearTimeout(touching.timer);
    touching.timer = 0;
    touching.id = null;
}

function releaseOnPicture(event) {
    if (event.pointerId !== touching.id) return;
    const tap = touching.timer !== 0;
    cancelPress();
    if (tap && event.type === "pointerup") tapOnPicture(event);
}

function moveOnPicture(event) {
    if (event.pointerId === touching.id && Math.hypot(event.clientX - touching.x,
        event.clientY - touching.y) > TAP_SLOP)
        cancelPress();
}

// The mark nearest the tap, within reach: its readout beside it, then its inspector.
function tapOnPicture(event) {
    if (!page.takesInput()) return;
    const [x, y] = designPoint(event);
    const mark = page.nearestMark(x, y, (TAP_REACH + 0.5) / zoom);
    if (!mark) return;
    showReadout(mark);
    inspect(mark.run, mark.index);
}

// The readout of a mark in a note beside it, as the mouse's resting shows it.
function showReadout(mark) {
    readoutNote.textContent = page.readoutAt(mark.x, mark.y);
    readoutNote.hidden = false;
    const width = readoutNote.offsetWidth;
    const left = Math.max(2, Math.min(Module.designWidth - width - 2, mark.x - width / 2));
    readoutNote.style.left = left + "px";
    readoutNote.style.top = Math.max(2, mark.y - readoutNote.offsetHeight - 8) + "px";
    clearTimeout(readoutTimer);
    readoutTimer = setTimeout(hideReadout, 6000);
}

function hideReadout() {
    clearTimeout(readoutTimer);
    readoutNote.hidden = true;
}

// The finger that opened the menu is lifted: that is no tap on what now lies under it.
canvas.addEventListener("touchend", (event) => {
    if (!touching.longPressed) return;
    touching.longPressed = false;
    event.preventDefault();
}, { passive: false });
canvas.addEventListener("pointerdown", pressOnPicture);
canvas.addEventListener("pointermove", moveOnPicture);
for (const type of ["pointerup", "pointercancel"])
    canvas.addEventListener(type, releaseOnPicture);
// The browser's own long-press menu (where it makes one) is the page's menu, opened above.
canvas.addEventListener("contextmenu", (event) => {
    if (touching.longPressed || touching.timer) {
        event.preventDefault();
        event.stopImmediatePropagation();
    }
}, { capture: true });
window.addEventListener("pointerdown", (event) => {
    if (!readoutNote.hidden && event.target !== canvas) hideReadout();
}, { capture: true });

// Moves to a neighbouring point of the same run whose mark is still shown.
function stepInspector(by) {
    if (!inspected) return;
    const next = page.inspectNext(inspected.run, inspected.index, by);
    if (next) inspect(next.run, next.index);
}

function inspectorSays(text) {
    document.getElementById("inspector-status").textContent = text;
}

inspector.addEventListener("keydown", (event) => {
    if (!inspected) return;
    const command = (event.ctrlKey || event.metaKey) && !event.altKey;
    if (command && event.key.toLowerCase() === "c") {
        if (!event.repeat) {
            if (event.shiftKey) copyText(inspected.table, inspectorSays);
            else copyImage(inspectorPicture, inspectorSays);
        }
    } else if (command || event.altKey || event.shiftKey) {
        return;
    } else if (event.key === "ArrowLeft" || event.key === "Left" || event.key === "PageUp") {
        stepInspector(-1);
    } else if (event.key === "ArrowRight" || event.key === "Right" || event.key === "PageDown") {
        stepInspector(1);
    } else if (event.key === "Escape" || event.key === "Esc") {
        leaveInspector();
    } else {
        return;
    }
    event.preventDefault();
    event.stopPropagation();
});
document.getElementById("inspector-close").addEventListener("click", closeInspector);
document.getElementById("inspector-previous").addEventListener("click", () => stepInspector(-1));
document.getElementById("inspector-next").addEventListener("click", () => stepInspector(1));
