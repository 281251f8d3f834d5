// SPDX-License-Identifier: GPL-3.0-or-later
// The page's script, where everything stands: the design zoomed to the window as the
// desktop's, or, where that would make it smaller than readable (a phone, a narrow window,
// a large browser zoom), the controls in groups above the picture and the picture as wide
// as the page; the run's buttons beside the picture; full screen; and the page printed.

const sheet = document.getElementById("sheet");
const runKeys = document.getElementById("run-keys");
const fullScreenButton = document.getElementById("full-screen");
const flowBar = document.getElementById("flow-bar");
const groupsBox = document.getElementById("groups");

// "design": the desktop's design zoomed by one zoom; "flow": the controls in groups.
let layout = "design";
let controlZoom = 1; // CSS pixels per design pixel of the controls
// The least zoom of the controls in groups: every text at least 12 CSS pixels (the
// design's smallest is 11), and the scroll bar, the design's lowest target (17 pixels), at
// least 24 high.
const FLOW_ZOOM = 24 / 17;
const FLOW_GAP = 8; // CSS pixels between groups and around them
// The run's buttons as the design would hold them, in design pixels: right of "Exit", where
// a run draws nothing, when the window has no room beside the design.
const RUN_KEYS_CORNER = [694, 8];
const RUN_KEYS_WIDTH = 104;

// --- Zoom and reflow -------------------------------------------------------------------

function placeDesign() {
    const width = document.documentElement.clientWidth;
    const height = document.documentElement.clientHeight;
    const fitted = Math.min(width / Module.designWidth, height / Module.designHeight);
    if (fitted >= Module.readableZoom) placeZoomed(width, height, fitted);
    else placeFlowing(width, height);
    document.documentElement.classList.toggle("flowing", layout === "flow");
    // The boxes, the menu and the list of keys grow with the design, never below its size.
    document.documentElement.style.setProperty("--ui-zoom",
        String(layout === "design" ? Math.max(1, zoom) : 1));
    placeScrollReach();
    const wanted = Math.max(1, Math.ceil(zoom * (window.devicePixelRatio || 1) - 1e-6));
    if (wanted !== (renewal ? renewal.factor : factor)) changeFactor(wanted);
    else if (labelsPainted !== (layout === "design")) renewPicture(factor);
    placeRunKeys();
    if (inspected) paintInspector();
}

// As the desktop: z = min(width / 800, height / 581), centred; the canvas keeps design x
// ceil(z x devicePixelRatio) pixels.
function placeZoomed(width, height, fitted) {
    if (layout !== "design") unflow();
    layout = "design";
    zoom = Math.max(Module.minimumZoom, fitted);
    controlZoom = zoom;
    const shownWidth = Math.ceil(Module.designWidth * zoom - 1e-9);
    const shownHeight = Math.ceil(Module.designHeight * zoom - 1e-9);
    const left = Math.max(0, Math.floor((width - shownWidth) / 2));
    const top = Math.max(0, Math.floor((height - shownHeight) / 2));
    design.style.transform = "translate(" + left + "px," + top + "px) scale(" + zoom + ")";
    design.style.width = "";
    design.style.height = "";
    stage.style.width = Math.max(width, shownWidth) + "px";
    stage.style.height = Math.max(height, shownHeight) + "px";
    designBox = { left, top, width: shownWidth, height: shownHeight, stageWidth: width,
        stageHeight: height };
    placeFullScreenButton();
}

let designBox = null; // where the zoomed design stands on the stage, in CSS pixels

// The controls a group holds: each frame with what stands in it (the frequency and
// dispersion displays), the design's columns of frames together; the title first, the
// scroll bar and the push buttons each on their own. In the design's order, left to right.
function controlGroups() {
    const shown = controlList.filter((c) => !c.container && controls[c.name] && c.shown
        && c.kind !== "Label" && c.textBox !== "Caption");
    const groups = [];
    for (const c of shown) {
        const [x, , w] = c.rect;
        const joined = c.kind === "Frame" || c.kind === "TextBox" ? groups.find((g) =>
            g.frames && x < g.right && g.left < x + w) : null;
        if (joined) {
            joined.members.push(c);
            joined.left = Math.min(joined.left, x);
            joined.right = Math.max(joined.right, x + w);
        } else {
            groups.push({ members: [c], left: x, right: x + w,
                frames: c.kind === "Frame" || c.kind === "TextBox" });
        }
    }
    for (const g of groups) {
        g.top = Math.min(...g.members.map((c) => c.rect[1]));
        g.bottom = Math.max(...g.members.map((c) => c.rect[1] + c.rect[3]));
    }
    groups.sort((a, b) => a.left - b.left || a.top - b.top);
    return groups;
}

let flowGroups = null; // the groups' boxes, while the controls flow

function flow() {
    groupsBox.hidden = false;
    flowBar.hidden = false;
    design.classList.add("flowing");
    const title = controls["labTitul"];
    if (title) groupsBox.append(title);
    flowGroups = controlGroups().map((g) => {
        const box = document.createElement("div");
        box.className = "group";
        const inner = document.createElement("div");
        inner.className = "group-inner";
        inner.style.width = g.right - g.left + "px";
        inner.style.height = g.bottom - g.top + "px";
        for (const c of g.members) {
            const element = controls[c.name];
            element.style.left = c.rect[0] - g.left + "px";
            element.style.top = c.rect[1] - g.top + "px";
            inner.append(element);
        }
        box.append(inner);
        groupsBox.append(box);
        return { box, inner, width: g.right - g.left, height: g.bottom - g.top };
    });
    const prompt = controls["labKlepnete"];
    if (prompt) flowBar.prepend(prompt);
}

// Back into the design, each control at its place.
function unflow() {
    design.classList.remove("flowing");
    for (const c of controlList) {
        const element = controls[c.name];
        if (!element || c.container) continue;
        place(element, c.rect);
        (c.kind === "Label" || c.textBox === "Caption" ? sheet : design).append(element);
    }
    groupsBox.replaceChildren();
    groupsBox.hidden = true;
    flowBar.hidden = true;
    flowGroups = null;
    sheet.style.transform = "";
    sheet.style.left = "0px";
    sheet.style.top = "0px";
    sheet.classList.remove("small");
    legendList.hidden = true;
}

// The controls in groups, wrapped as the page's width lets them, at FLOW_ZOOM (or less
// where a group would not fit the width), the title first and the prompt under them; the
// picture as wide as the page and no taller than the window, below them.
function placeFlowing(width, height) {
    if (layout !== "flow") flow();
    layout = "flow";
    const room = width - 2 * FLOW_GAP;
    const widest = Math.max(...flowGroups.map((g) => g.width));
    controlZoom = Math.max(0.5, Math.min(FLOW_ZOOM, room / widest));
    for (const g of flowGroups) {
        g.box.style.width = g.width * controlZoom + "px";
        g.box.style.height = g.height * controlZoom + "px";
        g.inner.style.transform = "scale(" + controlZoom + ")";
    }
    design.style.transform = "none";
    design.style.width = width + "px";
    groupsBox.style.width = room + "px";
    design.style.setProperty("--control-zoom", String(controlZoom));
    const barTop = groupsBox.offsetTop + groupsBox.offsetHeight + FLOW_GAP;
    flowBar.style.top = barTop + "px";
    flowBar.style.width = room + "px";
    const sheetTop = barTop + flowBar.offsetHeight + FLOW_GAP / 2;
    zoom = Math.min(width / Module.designWidth, height / Module.designHeight);
    const shownWidth = Module.designWidth * zoom;
    const shownHeight = Module.designHeight * zoom;
    sheet.style.left = Math.max(0, Math.floor((width - shownWidth) / 2)) + "px";
    sheet.style.top = sheetTop + "px";
    sheet.style.transform = "scale(" + zoom + ")";
    // The texts over the picture stay readable: at least 12 CSS pixels.
    sheet.style.setProperty("--readable", String(12 / zoom) + "px");
    sheet.classList.toggle("small", 12 / zoom > 11);
    flowBottom = sheetTop + shownHeight;
    stage.style.width = width + "px";
    legendList.style.left = FLOW_GAP + "px";
    legendList.style.maxWidth = room + "px";
    placeLegendList();
    designBox = null;
    placeFullScreenButton();
}

let flowBottom = 0; // where the picture ends, while the controls flow

// The legend's list below the picture, where the controls flow, and the page's height with it.
function placeLegendList() {
    if (layout !== "flow") return;
    const top = flowBottom + FLOW_GAP / 2;
    legendList.style.top = top + "px";
    const total = Math.ceil((legendList.hidden ? flowBottom : top + legendList.offsetHeight)
        + FLOW_GAP);
    design.style.height = total + "px";
    stage.style.height = Math.max(document.documentElement.clientHeight, total) + "px";
}

// Where a page point (clientX, clientY) falls on the picture, in design pixels: the centre
// of its pixel.
function designPoint(event) {
    const box = canvas.getBoundingClientRect();
    return [(event.clientX - box.left + 0.5) / zoom - 0.5,
        (event.clientY - box.top + 0.5) / zoom - 0.5];
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

// --- The run's buttons -----------------------------------------------------------------

// Hold (or Go on), Step and Stop, while a run goes on: beside the design where the window
// has room for them, else right of "Exit", where a run draws nothing; where the controls
// flow, above the picture.
function placeRunKeys() {
    if (runKeys.hidden) return;
    runKeys.classList.toggle("in-bar", layout === "flow");
    if (layout === "flow") {
        if (runKeys.parentNode !== flowBar) flowBar.append(runKeys);
        runKeys.style.transform = "";
        runKeys.style.left = "";
        runKeys.style.top = "";
        return;
    }
    if (runKeys.parentNode !== stage) stage.insertBefore(runKeys, design);
    const b = designBox;
    const scale = zoom;
    const keysWidth = RUN_KEYS_WIDTH * scale;
    const beside = b.stageWidth - (b.left + b.width) >= keysWidth + 2 * FLOW_GAP;
    const left = beside ? b.left + b.width + FLOW_GAP : b.left + RUN_KEYS_CORNER[0] * scale;
    const top = b.top + RUN_KEYS_CORNER[1] * scale;
    runKeys.style.left = left + "px";
    runKeys.style.top = top + "px";
    runKeys.style.transform = "scale(" + scale + ")";
    // At least 24 CSS pixels high, however small the design is shown.
    runKeys.style.setProperty("--key-height", Math.max(25, 24.5 / scale) + "px");
}

// Where the controls flow, a run is watched: the picture and the run's buttons above it are
// brought into the window, which the run's fingers cannot scroll.
function revealPicture() {
    if (layout !== "flow") return;
    const bar = flowBar.getBoundingClientRect();
    const picture = sheet.getBoundingClientRect();
    if (bar.top < 0 || picture.bottom > window.innerHeight)
        flowBar.scrollIntoView({ block: "start" });
}

// What the run's buttons say and offer: "Hold" while it runs, "Go on" while it is held;
// "Step" only while it is held, as the key.
// Shown while a run goes on, and placed when they appear (placeDesign places them anew);
// the words of Hold and whether Step can be used follow the run at each of its slices.
function showRunKeys() {
    const shown = page.running();
    if (runKeys.hidden === shown) {
        runKeys.hidden = !shown;
        placeRunKeys();
    }
    if (!shown) return;
    const held = page.held();
    const hold = document.getElementById("run-hold");
    const text = page.text(held ? Module.PageText.GoOn : Module.PageText.Hold);
    if (hold.textContent !== text) hold.textContent = text;
    const step = document.getElementById("run-step");
    if (step.getAttribute("aria-disabled") !== String(!held))
        step.setAttribute("aria-disabled", String(!held));
}

function showRunKeyTexts() {
    runKeys.setAttribute("aria-label", page.text(Module.PageText.RunKeys));
    document.getElementById("run-step").textContent = page.text(Module.PageText.Step);
    document.getElementById("run-stop").textContent = page.text(Module.PageText.Stop);
    for (const [id, text] of [["run-hold", Module.PageText.HoldHelp],
        ["run-step", Module.PageText.StepHelp], ["run-stop", Module.PageText.StopHelp]])
        document.getElementById(id).title = page.text(text);
    showRunKeys();
}

// A press of a run's button: as its key.
for (const [id, command] of [["run-hold", "ToggleHold"], ["run-step", "Step"],
    ["run-stop", "Stop"]])
    document.getElementById(id).addEventListener("click", () => {
        if (!page.running()) return;
        if (command === "Step" && !page.held()) return;
        if (page.command(command)) {
            showRunState();
            advanceSoon();
        }
    });

// Tab and Shift+Tab go from one run's button to the next while a run goes on; Return and
// Space press the one that has the focus. Whether the key was one of these.
function runKeysKey(event) {
    if (runKeys.hidden || event.ctrlKey || event.altKey || event.metaKey) return false;
    const buttons = [...runKeys.querySelectorAll("button")];
    const at = buttons.indexOf(document.activeElement);
    if (event.key === "Tab") {
        const next = at < 0 ? (event.shiftKey ? buttons.length - 1 : 0)
            : (at + (event.shiftKey ? buttons.length - 1 : 1)) % buttons.length;
        buttons[next].focus();
        return true;
    }
    if (at >= 0 && !event.shiftKey && (event.key === "Enter" || event.key === " ")) {
        if (!event.repeat) buttons[at].click();
        return true;
    }
    return false;
}

// --- Full screen -----------------------------------------------------------------------

function fullScreenElement() {
    return document.fullscreenElement || document.webkitFullscreenElement || null;
}

function fullScreenAvailable() {
    const root = document.documentElement;
    return !!(document.fullscreenEnabled || document.webkitFullscreenEnabled)
        && !!(root.requestFullscreen || root.webkitRequestFullscreen);
}

// The page fills the screen, or leaves it; a teacher's whiteboard or projector.
function toggleFullScreen() {
    if (!fullScreenAvailable()) return;
    const root = document.documentElement;
    try {
        const done = fullScreenElement()
            ? (document.exitFullscreen || document.webkitExitFullscreen).call(document)
            : (root.requestFullscreen || root.webkitRequestFullscreen).call(root);
        if (done && done.catch) done.catch(() => {});
    } catch (error) {
        // the browser refused; nothing changes
    }
}

function showFullScreenText() {
    const text = page.text(fullScreenElement() ? Module.PageText.LeaveFullScreen
        : Module.PageText.FullScreen);
    fullScreenButton.title = text;
    fullScreenButton.setAttribute("aria-label", text);
}

// Beside the design where the window has room for it, at the foot of that room; above the
// picture where the controls flow; not at all where the design fills the window (the menu
// and the browser's F11 still offer it).
function placeFullScreenButton() {
    let shown = fullScreenAvailable();
    if (shown && layout === "flow") {
        if (fullScreenButton.parentNode !== flowBar) flowBar.append(fullScreenButton);
        fullScreenButton.style.transform = "";
        fullScreenButton.style.left = "";
        fullScreenButton.style.top = "";
    } else if (shown) {
        const b = designBox;
        const size = 28 * Math.max(1, zoom);
        const right = b.stageWidth - (b.left + b.width);
        const below = b.stageHeight - (b.top + b.height);
        shown = right >= size + 2 * FLOW_GAP || below >= size + 2 * FLOW_GAP;
        if (fullScreenButton.parentNode !== stage) stage.insertBefore(fullScreenButton, runKeys.parentNode === stage ? runKeys : design);
        fullScreenButton.style.left = b.stageWidth - size - FLOW_GAP + "px";
        fullScreenButton.style.top = b.stageHeight - size - FLOW_GAP + "px";
        fullScreenButton.style.transform = "scale(" + Math.max(1, zoom) + ")";
    }
    if (fullScreenButton.hidden === shown) fullScreenButton.hidden = !shown;
}

fullScreenButton.addEventListener("click", toggleFullScreen);
for (const type of ["fullscreenchange", "webkitfullscreenchange"])
    document.addEventListener(type, () => {
        showFullScreenText();
        closeMenu();
    });

// --- Printing --------------------------------------------------------------------------

// What a print holds beside the picture: the page's title, the date, and the runs shown with
// their settings, each beside its mark as drawn. The controls are not printed (ravo.css).
let printed = 0; // prints prepared, for the page's state
function preparePrint() {
    ++printed;
    document.getElementById("print-title").textContent = caption;
    document.getElementById("print-date").textContent = new Date().toLocaleDateString(
        page.language(), { year: "numeric", month: "long", day: "numeric" });
    const legend = page.legend();
    const list = document.getElementById("print-runs");
    document.getElementById("print-runs-title").textContent = legend.title;
    list.replaceChildren(...legend.entries.map((entry) => {
        const item = document.createElement("li");
        const mark = document.createElement("span");
        mark.className = "print-mark" + (entry.bars ? " bar" : "");
        mark.style.background = colours.roles[entry.role];
        item.append(mark, document.createTextNode(entry.words));
        return item;
    }));
    document.getElementById("print-runs-title").hidden = !legend.entries.length;
    const image = document.getElementById("print-picture");
    image.src = pictureToCopy().toDataURL("image/png");
    image.alt = page.describe().join(" ");
}

window.addEventListener("beforeprint", preparePrint);
window.addEventListener("afterprint", () => {
    document.getElementById("print-picture").removeAttribute("src");
});
