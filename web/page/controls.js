// SPDX-License-Identifier: GPL-3.0-or-later
// The page's script, its controls: built from the program's table of controls at their
// places of the design, each use handed to the program's form, and the form's state, the
// settings shown and the help texts that follow them shown again after every change.

const ARROW_WIDTH = 16; // the scroll bar's arrow buttons, ravo.css

const controls = {}; // name: the element a screen reader and the script see
const inputs = {}; // name: the input element of an option, the check box, the boxes
const looks = {}; // name: the indicator drawn for an option or the check box

// The least height of an option's or the check box's hit area, in design pixels: 24 CSS
// pixels and more where the design is shown on a tablet of 1024 x 768 (zoom 1.28) or
// larger, as a finger or an unsteady hand needs, although the design draws them 13 to 17
// pixels high. The areas stand on whole design pixels, where the browser finds them exactly.
const HIT_HEIGHT = 20;
// The scroll bar, 17 design pixels high, is as easy to hit: a clear strip above it takes a
// press as the bar would (placeScrollReach). Above it, where the title's label is, not below,
// where the picture takes a finger.
const SCROLL_HEIGHT = 17;

// The hit areas of the options and the check box of each frame, one above the other: each
// HIT_HEIGHT high, as near the middle of its row as that lets them be without overlapping
// (the least squares of their displacements, by pooling neighbours that would overlap).
// {name: [top, height]} in design pixels from the top of the control.
function hitBands() {
    const bands = {};
    const frames = {};
    for (const c of controlList)
        if ((c.kind === "OptionButton" || c.kind === "CheckBox") && c.container)
            (frames[c.container] = frames[c.container] || []).push(c);
    for (const rows of Object.values(frames)) {
        rows.sort((a, b) => a.rect[1] - b.rect[1]);
        // Centres less i heights must not decrease: pool each run that does.
        const pools = [];
        rows.forEach((c, i) => {
            pools.push({ sum: c.rect[1] + c.rect[3] / 2 - i * HIT_HEIGHT, count: 1 });
            while (pools.length > 1) {
                const [a, b] = pools.slice(-2);
                if (a.sum / a.count <= b.sum / b.count) break;
                pools.splice(-2, 2, { sum: a.sum + b.sum, count: a.count + b.count });
            }
        });
        let i = 0;
        for (const pool of pools)
            for (let k = 0; k < pool.count; ++k, ++i) {
                const c = rows[i];
                const centre = pool.sum / pool.count + i * HIT_HEIGHT;
                bands[c.name] = [Math.round(centre - HIT_HEIGHT / 2) - c.rect[1], HIT_HEIGHT];
            }
    }
    return bands;
}

function placeHitAreas() {
    for (const [name, [top, height]] of Object.entries(hitBands())) {
        const input = inputs[name];
        input.style.top = top + "px";
        input.style.height = height + "px";
    }
}

// The strip that makes the scroll bar at least 24 CSS pixels high to a pointer at the
// controls' zoom (none where it is that high already), above it in its container.
let scrollReach = null;
function placeScrollReach() {
    const scroll = inputs["HScroll1"];
    if (!scroll) return;
    if (!scrollReach) {
        scrollReach = document.createElement("div");
        scrollReach.className = "scroll-reach";
        scrollReach.dataset.reachOf = "HScroll1";
        scrollReach.addEventListener("pointerdown", (event) => pressScrollReach(event, scrollReach));
    }
    // Whole design pixels, where the browser finds them exactly, with one to spare.
    const needed = 24.5 / controlZoom - SCROLL_HEIGHT;
    const extra = needed > 0 ? Math.ceil(needed) + 1 : 0;
    if (scrollReach.parentNode !== scroll.parentNode) scroll.before(scrollReach);
    scrollReach.hidden = extra === 0;
    scrollReach.style.left = scroll.style.left;
    scrollReach.style.width = scroll.style.width;
    scrollReach.style.height = extra + "px";
    scrollReach.style.top = parseFloat(scroll.style.top) - extra + "px";
}

// A press on a strip is a press on the bar at the same x: the arrow buttons step by one, the
// track moves the thumb there, and a drag from there drags it.
function pressScrollReach(event, strip) {
    const scroll = inputs["HScroll1"];
    if (page.running()) return;
    event.preventDefault();
    const box = scroll.getBoundingClientRect();
    const scale = box.width / scroll.offsetWidth;
    const x = (event.clientX - box.left) / scale;
    if (x < ARROW_WIDTH || x > scroll.offsetWidth - ARROW_WIDTH) {
        stepScroll(x < ARROW_WIDTH ? -1 : 1);
        return;
    }
    const valueAt = (clientX) => {
        const track = scroll.offsetWidth - 2 * ARROW_WIDTH - THUMB_WIDTH;
        const along = ((clientX - box.left) / scale - ARROW_WIDTH - THUMB_WIDTH / 2) / track;
        return Math.round(1 + Math.min(1, Math.max(0, along)) * 9999);
    };
    const move = (e) => {
        const value = valueAt(e.clientX);
        if (value === Number(scroll.value)) return;
        scroll.value = String(value);
        scroll.dispatchEvent(new Event("input"));
    };
    move(event);
    strip.setPointerCapture(event.pointerId);
    strip.addEventListener("pointermove", move);
    const end = () => {
        strip.removeEventListener("pointermove", move);
        strip.removeEventListener("pointerup", end);
        strip.removeEventListener("pointercancel", end);
        scroll.dispatchEvent(new Event("change"));
    };
    strip.addEventListener("pointerup", end);
    strip.addEventListener("pointercancel", end);
}

const THUMB_WIDTH = 10; // ravo.css

function stepScroll(step) {
    const scroll = inputs["HScroll1"];
    const value = Math.min(10000, Math.max(1, Number(scroll.value) + step));
    if (value === Number(scroll.value)) return;
    scroll.value = String(value);
    scroll.dispatchEvent(new Event("input"));
    scroll.dispatchEvent(new Event("change"));
}

function place(element, rect) {
    const [x, y, w, h] = rect;
    element.style.left = x + "px";
    element.style.top = y + "px";
    element.style.width = w + "px";
    element.style.height = h + "px";
}

function buildControls() {
    for (const c of controlList) {
        // The labels and the caption boxes belong to the picture: they go with it.
        const parent = c.container ? controls[c.container]
            : c.kind === "Label" || c.textBox === "Caption" ? sheet : design;
        let element = null;
        switch (c.kind) {
        case "Label":
            element = document.createElement(c.name === "labTitul" ? "h1" : "p");
            element.className = "label";
            break;
        case "PushButton":
            element = document.createElement("button");
            element.type = "button";
            element.className = "push";
            element.tabIndex = c.tab;
            break;
        case "ScrollBar":
            element = document.createElement("input");
            element.type = "range";
            element.className = "scroll";
            element.min = "1";
            element.max = "10000";
            element.step = "1";
            element.value = "1";
            element.tabIndex = c.tab;
            inputs[c.name] = element;
            break;
        case "Frame":
            element = document.createElement("fieldset");
            element.className = "frame";
            element.append(document.createElement("legend"));
            break;
        case "OptionButton":
        case "CheckBox": {
            // The input is the hit area, clear and larger than what is drawn (hitBands);
            // the indicator drawn is a copy of it that takes no input.
            element = document.createElement("label");
            element.className = c.kind === "CheckBox" ? "check" : "option";
            const type = c.kind === "CheckBox" ? "checkbox" : "radio";
            const input = document.createElement("input");
            input.type = type;
            input.className = "hit";
            if (c.kind === "OptionButton") input.name = c.container;
            input.id = c.name;
            input.tabIndex = c.tab;
            const look = document.createElement("input");
            look.type = type;
            look.className = "look";
            look.tabIndex = -1;
            look.inert = true;
            look.setAttribute("aria-hidden", "true");
            const caption = document.createElement("span");
            caption.className = "caption-text";
            element.append(input, look, caption);
            // Where the system's colours replace the page's (Windows' high contrast), a
            // colour button keeps its colour in a swatch beside its caption (ravo.css).
            if (c.colour !== colours.faces.indexOf(colours.ground)) {
                const swatch = document.createElement("span");
                swatch.className = "swatch";
                swatch.setAttribute("aria-hidden", "true");
                element.append(swatch);
                element.classList.add("coloured");
            }
            inputs[c.name] = input;
            looks[c.name] = look;
            break;
        }
        case "TextBox":
            if (c.textBox === "Hidden") continue; // a setting, kept by the program
            if (c.textBox === "Editable") {
                element = document.createElement("input");
                element.type = "text";
                element.className = "text";
                element.tabIndex = c.tab;
                element.spellcheck = false;
                element.autocomplete = "off";
                inputs[c.name] = element;
            } else if (c.textBox === "Display") {
                element = document.createElement("output");
                element.className = "display";
            } else {
                element = document.createElement("div");
                element.className = "caption";
            }
            break;
        default:
            continue;
        }
        element.dataset.control = c.name;
        element.style.font = Module.fontCss(c.font, 0);
        place(element, c.rect);
        if (!c.shown) element.hidden = true;
        controls[c.name] = element;
        parent.append(element);
    }
    placeHitAreas();
}

// Every caption in the page's language; the labels' are painted into the picture too.
function showCaptions() {
    for (const c of controlList) {
        const element = controls[c.name];
        if (!element) continue;
        if (c.kind === "Frame") element.querySelector("legend").textContent = c.caption;
        else if (c.kind === "OptionButton" || c.kind === "CheckBox")
            element.querySelector(".caption-text").textContent = c.caption;
        else if (c.kind === "Label" || c.kind === "PushButton" || c.textBox === "Caption")
            element.textContent = c.caption;
    }
}

// What each control does, with the settings as they are: its tooltip and its description
// for assistive technology, and its accessible name.
function showHelp() {
    const help = page.help();
    for (const [name, h] of Object.entries(help)) {
        const element = controls[name];
        if (!element) continue;
        const target = inputs[name] || element;
        // Only what changed: every attribute set makes the browser look at the page again.
        if (element.title !== h.text) element.title = h.text;
        if (target.getAttribute("aria-description") !== h.text)
            target.setAttribute("aria-description", h.text);
        if (["INPUT", "BUTTON", "OUTPUT"].includes(target.tagName)
            && target.getAttribute("aria-label") !== h.name)
            target.setAttribute("aria-label", h.name);
    }
    const scroll = inputs["HScroll1"];
    const valueText = scroll ? page.slowDownHelp(Number(scroll.value)) : null;
    if (scroll && scroll.getAttribute("aria-valuetext") !== valueText)
        scroll.setAttribute("aria-valuetext", valueText);
}

// The check marks, the scroll bar and the setting boxes as the form has them: those to be
// checked first, since an option of a group is cleared by checking another.
function showForm() {
    for (const checked of [true, false])
        for (const c of controlList) {
            if (c.kind !== "OptionButton" && c.kind !== "CheckBox") continue;
            const wanted = page.checked(c.name);
            if (wanted === checked && inputs[c.name].checked !== wanted)
                inputs[c.name].checked = wanted;
            if (looks[c.name].checked !== wanted) looks[c.name].checked = wanted;
        }
    const scroll = inputs["HScroll1"];
    if (scroll && Number(scroll.value) !== page.scrollValue())
        scroll.value = String(page.scrollValue());
    const frequency = inputs["nKmitočet"];
    const typed = page.shownText("nKmitočet");
    if (frequency && frequency.value !== typed) frequency.value = typed;
    const dispersion = controls["nDisperze"];
    if (dispersion) dispersion.textContent = page.shownText("nDisperze");
}

// The program tells of every change of the form; the page shows it once the change is done.
let showPending = false;
function formChanged() {
    if (showPending) return;
    showPending = true;
    queueMicrotask(() => {
        showPending = false;
        showForm();
        showHelp();
        // Before any run the description tells the lens the settings make.
        if (!page.runCount()) describePicture();
    });
}

function connectControls() {
    for (const c of controlList) {
        const input = inputs[c.name];
        if (c.kind === "OptionButton" || c.kind === "CheckBox")
            input.addEventListener("change", () => {
                if (!page.click(c.name)) showForm();
            });
    }
    controls["cmdStart"].addEventListener("click", startRun);
    controls["cmdKonec"].addEventListener("click", exitPage);
    const frequency = inputs["nKmitočet"];
    frequency.addEventListener("input", () => {
        if (!page.type(frequency.value)) showForm();
    });
    const scroll = inputs["HScroll1"];
    scroll.addEventListener("input", () => scroll.setAttribute("aria-valuetext",
        page.slowDownHelp(Number(scroll.value))));
    // One change when the thumb is let go, as the desktop's scroll bar.
    scroll.addEventListener("change", () => {
        if (!page.scroll(Number(scroll.value))) showForm();
    });
    // The arrow buttons at its ends step by one.
    scroll.addEventListener("pointerdown", (event) => {
        const box = scroll.getBoundingClientRect();
        const scale = box.width / scroll.offsetWidth; // CSS pixels per design pixel
        const x = (event.clientX - box.left) / scale;
        const step = x < ARROW_WIDTH ? -1 : x > scroll.offsetWidth - ARROW_WIDTH ? 1 : 0;
        if (!step) return;
        event.preventDefault();
        stepScroll(step);
    });
}

// The pace, as a drag of the scroll bar would set it; not during a run.
function setPace(slowDown) {
    if (page.running()) return;
    inputs["HScroll1"].value = String(slowDown);
    if (!page.scroll(slowDown)) showForm();
}

// "Exit": a page cannot always close its own tab; where the browser refuses, it says how.
// A run stops where it stands; nothing is kept.
function exitPage() {
    page.close();
    endRun();
    window.close();
    if (!window.closed && !noticeBox.open)
        openBox(noticeBox, "notice-text", page.text(Module.PageText.CloseTab));
}
