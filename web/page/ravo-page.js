// SPDX-License-Identifier: GPL-3.0-or-later
// The page's script: builds the design's controls from the layout (read from the desktop's
// control table), zooms the design to the window, hands the controls' events to the
// program's window (PageWindow, compiled from C++), advances a run from the browser's event
// loop, and draws the run's batches of lines and circles on the canvas.
"use strict";

(() => {
    const layout = JSON.parse(document.getElementById("ravo-layout").textContent);
    const catalog = JSON.parse(document.getElementById("ravo-texts").textContent);
    const [DESIGN_WIDTH, DESIGN_HEIGHT] = layout.size;
    const MINIMUM_ZOOM = 0.5;
    const ARROW_WIDTH = 16; // the scroll bar's arrow buttons, ravo.css

    // RunDriver::Wait and RunState, in their order in sim/.
    const WAIT = { soon: 0, until: 1, answer: 2, acknowledge: 3, held: 4, ended: 5 };
    const STATE_NAMES = ["Idle", "Running", "Held", "Stopped", "Finished"];
    const STATE = { idle: 0, running: 1, held: 2, stopped: 3, finished: 4 };

    // --- Texts ------------------------------------------------------------------------

    // The first of the reader's languages that the page has, by its full tag or its first
    // part; none (English) when an English one comes first or none is there.
    function chooseLanguage(wanted, available) {
        for (const tag of wanted) {
            const lower = String(tag).toLowerCase();
            if (lower === "en" || lower.startsWith("en-")) return null;
            const exact = available.find((a) => a.toLowerCase() === lower);
            if (exact) return exact;
            const primary = lower.split("-")[0];
            const near = available.find((a) => a.toLowerCase().split("-")[0] === primary);
            if (near) return near;
        }
        return null;
    }

    const language = chooseLanguage(
        navigator.languages && navigator.languages.length ? navigator.languages
            : [navigator.language || "en"],
        Object.keys(catalog.languages));
    const translations = language ? catalog.languages[language] : {};

    // A text of the page in the chosen language: by its English source text, in its own
    // context first, then in any other.
    // A note to the translator tells apart one English word that means different things.
    function tr(context, text, note) {
        const own = translations[context];
        if (note && own && own[text + "\u0004" + note]) return own[text + "\u0004" + note];
        if (own && own[text]) return own[text];
        for (const other of Object.values(translations))
            if (other[text]) return other[text];
        return text;
    }

    function trArgs(context, text, ...args) {
        return tr(context, text).replace(/%(\d)/g, (all, n) => String(args[Number(n) - 1]));
    }

    // Which plural form of a translation goes with count n, by the rules Qt Linguist uses
    // for each of the program's languages; the first form is the singular.
    function pluralForm(n) {
        const primary = (language || "en").toLowerCase().split("-")[0];
        switch (primary) {
        case "cs":
        case "sk":
            return n === 1 ? 0 : n >= 2 && n <= 4 ? 1 : 2;
        case "pl":
            return n === 1 ? 0 : n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 10 || n % 100 > 20)
                ? 1 : 2;
        case "fr":
            return n < 2 ? 0 : 1;
        default:
            return n === 1 ? 0 : 1;
        }
    }

    // A text with a count, %n, in the form for that count, and its other places %1, %2...
    function trPlural(context, text, n, ...args) {
        const forms = translations[context] && translations[context][text + "\u0005"];
        const chosen = forms && forms.length
            ? forms[Math.min(pluralForm(n), forms.length - 1)] : tr(context, text);
        return chosen.replace(/%n/g, String(n))
            .replace(/%(\d)/g, (all, k) => String(args[Number(k) - 1]));
    }

    // --- The design and its controls -------------------------------------------------

    const FONTS = {
        Default: '11px "Liberation Sans", Arial, Helvetica, sans-serif',
        DefaultBold: 'bold 11px "Liberation Sans", Arial, Helvetica, sans-serif',
        Title: 'bold 21px "Liberation Serif", "Times New Roman", Times, serif',
        Button: 'bold 19px "Liberation Serif", "Times New Roman", Times, serif',
        Caption: '16px "Liberation Sans", Arial, Helvetica, sans-serif',
    };

    const stage = document.getElementById("stage");
    const design = document.getElementById("design");
    const canvas = document.getElementById("picture");
    const pictureDescription = document.getElementById("picture-description");
    const statusBox = document.getElementById("status");
    const questionBox = document.getElementById("question");
    const noticeBox = document.getElementById("notice");
    const menu = document.getElementById("menu");

    const controls = {}; // name: the element a screen reader and the script see
    const inputs = {}; // name: the input element of an option, the check box, the boxes
    const help = layout.help;

    function rgb(colour) {
        return "rgb(" + colour.join(",") + ")";
    }

    function place(element, rect) {
        const [x, y, w, h] = rect;
        element.style.left = x + "px";
        element.style.top = y + "px";
        element.style.width = w + "px";
        element.style.height = h + "px";
    }

    // Where the page differs from the window, its own help: a page cannot always close
    // its tab, and Ctrl+Q is the browser's.
    const PAGE_HELP = {
        cmdKonec: "Ends Ravo: closes its tab where the browser lets a page do that. "
            + "Nothing is saved.",
    };

    function describe(element, name) {
        if (PAGE_HELP[name]) {
            element.title = tr("ravo-page", PAGE_HELP[name]);
            return;
        }
        const entry = help[name];
        if (entry && entry.text) element.title = tr("ControlHelp", entry.text);
    }

    function accessibleName(name, fallback) {
        const entry = help[name];
        return entry ? tr("ControlHelp", entry.name) : fallback;
    }

    function buildControls() {
        for (const c of layout.controls) {
            const parent = c.container ? controls[c.container] : design;
            const text = tr("ControlTable", c.text, c.textComment);
            let element = null;
            switch (c.kind) {
            case "Label":
                element = document.createElement(c.name === "labTitul" ? "h1" : "p");
                element.className = "label";
                element.style.font = FONTS[c.font];
                element.textContent = text;
                break;
            case "PushButton":
                element = document.createElement("button");
                element.type = "button";
                element.className = "push";
                element.textContent = text;
                element.tabIndex = c.tab;
                element.style.background = rgb(c.background);
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
                element.setAttribute("aria-label", accessibleName(c.name, c.name));
                inputs[c.name] = element;
                break;
            case "Frame": {
                element = document.createElement("fieldset");
                element.className = "frame";
                const legend = document.createElement("legend");
                legend.textContent = text;
                element.append(legend);
                element.style.background = rgb(c.background);
                break;
            }
            case "OptionButton":
            case "CheckBox": {
                element = document.createElement("label");
                element.className = c.kind === "CheckBox" ? "check" : "option";
                const input = document.createElement("input");
                input.type = c.kind === "CheckBox" ? "checkbox" : "radio";
                if (c.kind === "OptionButton") input.name = c.container;
                else input.checked = true;
                input.id = c.name;
                input.tabIndex = c.tab;
                const caption = document.createElement("span");
                caption.textContent = text;
                element.append(input, caption);
                element.style.background = rgb(c.background);
                inputs[c.name] = input;
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
                    element.setAttribute("aria-label", accessibleName(c.name, c.name));
                    inputs[c.name] = element;
                } else if (c.textBox === "Display") {
                    element = document.createElement("output");
                    element.className = "display";
                    element.setAttribute("aria-label", accessibleName(c.name, c.name));
                } else {
                    element = document.createElement("div");
                    element.className = "caption";
                    element.textContent = text;
                    element.style.background = rgb(c.background);
                }
                element.style.font = FONTS[c.font];
                break;
            default:
                continue;
            }
            element.dataset.control = c.name;
            place(element, c.rect);
            describe(element, c.name);
            if (inputs[c.name] && inputs[c.name] !== element) describe(inputs[c.name], c.name);
            if (!c.shown) element.hidden = true;
            controls[c.name] = element;
            parent.append(element);
        }
    }

    // --- Zoom ------------------------------------------------------------------------

    let zoom = 1;
    let factor = 0; // image pixels per design pixel of the canvas
    let ctx = null;

    // As the desktop: z = min(width / 800, height / 581), at least 0.5, centred; the
    // canvas keeps design × ceil(z × devicePixelRatio) pixels.
    function placeDesign() {
        const width = document.documentElement.clientWidth;
        const height = document.documentElement.clientHeight;
        zoom = Math.max(MINIMUM_ZOOM, Math.min(width / DESIGN_WIDTH, height / DESIGN_HEIGHT));
        const shownWidth = Math.ceil(DESIGN_WIDTH * zoom - 1e-9);
        const shownHeight = Math.ceil(DESIGN_HEIGHT * zoom - 1e-9);
        const left = Math.max(0, Math.floor((width - shownWidth) / 2));
        const top = Math.max(0, Math.floor((height - shownHeight) / 2));
        design.style.transform = "translate(" + left + "px," + top + "px) scale(" + zoom + ")";
        stage.style.width = Math.max(width, shownWidth) + "px";
        stage.style.height = Math.max(height, shownHeight) + "px";
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

    // --- The picture -----------------------------------------------------------------

    let palette = [];
    let ground = "rgb(192,192,192)";
    let redraws = 0;

    // A new image at the factor, drawn again: the labels' texts, then every record.
    function renewPicture(newFactor) {
        factor = newFactor;
        canvas.width = DESIGN_WIDTH * factor;
        canvas.height = DESIGN_HEIGHT * factor;
        ctx = canvas.getContext("2d", { alpha: false });
        ctx.setTransform(1, 0, 0, 1, 0, 0);
        ctx.fillStyle = ground;
        ctx.fillRect(0, 0, canvas.width, canvas.height);
        paintLabels();
        if (window.ravoWindow) window.ravoWindow.redraw();
        ++redraws;
    }

    function paintLabels() {
        ctx.setTransform(factor, 0, 0, factor, 0, 0);
        ctx.fillStyle = "#000";
        ctx.textBaseline = "alphabetic";
        for (const c of layout.controls) {
            if (c.kind !== "Label") continue;
            const text = tr("ControlTable", c.text, c.textComment);
            const [x, y, w, h] = c.rect;
            ctx.font = FONTS[c.font];
            const m = ctx.measureText(text);
            const ascent = m.fontBoundingBoxAscent;
            const descent = m.fontBoundingBoxDescent;
            if (c.name === "labKlepnete")
                ctx.fillText(text, x + (w - m.width) / 2, y + (h - ascent - descent) / 2 + ascent);
            else
                ctx.fillText(text, x, y + ascent);
        }
    }

    // A batch of the program's drawings: per record kind (0 line, 1 circle), role, pen
    // width and four numbers, in design pixels. They are drawn as the desktop's painter
    // draws them on its image of factor × factor pixels per design pixel: horizontal and
    // vertical lines and the small circles of the marks pixel by pixel (the pixels whose
    // centres the pen covers, with round caps; at factor 1 a line one pixel wide has the
    // square ends of the desktop's thin lines), so that rows, erasures and marks keep
    // whole pixels in their pure colours; slanted lines and the lens's outline as smooth
    // strokes, consecutive ones of one colour and width as one path.
    function drawBatch(records, count) {
        const k = factor;
        ctx.setTransform(1, 0, 0, 1, 0, 0);
        ctx.lineCap = "round";
        ctx.lineJoin = "round";
        let colour = null;
        let width = -1;
        let open = false; // a path of colour and width waits for its stroke
        const flush = () => {
            if (open) ctx.stroke();
            open = false;
        };
        const use = (wanted, pen) => {
            if (wanted !== colour || pen !== width) {
                flush();
                ctx.strokeStyle = wanted;
                ctx.fillStyle = wanted;
                ctx.lineWidth = pen * k;
                colour = wanted;
                width = pen;
            }
        };
        for (let i = 0; i < count; ++i) {
            const o = i * 7;
            const pen = records[o + 2];
            use(palette[records[o + 1]], pen);
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
                    if (!open) ctx.beginPath();
                    open = true;
                    ctx.moveTo(a, b);
                    ctx.lineTo(c, d);
                }
            } else if (c + pen * k / 2 <= 8 * k) {
                disc(a, b, c, pen * k / 2);
            } else {
                if (!open) ctx.beginPath();
                open = true;
                ctx.moveTo(a + c, b);
                ctx.arc(a, b, c, 0, 2 * Math.PI);
            }
        }
        flush();
    }

    // A horizontal (or, across, a vertical) line from `from` to `to` at `at`, half `half`
    // image pixels wide: the rows whose centres lie in (at - half, at + half], each from
    // the first to the last pixel whose centre lies within the line and its caps.
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

    // How far a small circle drawn as wide as its radius (a dot) reaches up and down from
    // its centre, by how far aside, both in units of its outer radius: the outline of the
    // desktop painter's dot, measured on its pictures (at 0.5 aside it reaches 1.91 of
    // its 2 pixels, at 1.5 aside 1.16), which is a little less round than a circle.
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

    function showControl(name) {
        const element = controls[name];
        if (element) element.hidden = false;
    }

    // --- The run ---------------------------------------------------------------------

    let page = null; // the PageWindow
    let timer = 0;
    let timerDue = 0;
    let wakeLateness = 0;
    let soonPending = false;
    const soonChannel = new MessageChannel();
    let heldControls = null;

    function running() {
        return page !== null && page.running();
    }

    function held() {
        return running() && page.state() === STATE.held;
    }

    function cancelAdvance() {
        if (timer) clearTimeout(timer);
        timer = 0;
        timerDue = 0;
        soonPending = false;
    }

    // On at once, after the browser has had its turn (a message, not a clamped timeout).
    function advanceSoon() {
        if (!running() || page.waitingForAnswer()) return;
        cancelAdvance();
        soonPending = true;
        soonChannel.port2.postMessage(0);
    }
    soonChannel.port1.onmessage = () => {
        if (!soonPending) return;
        soonPending = false;
        advanceRun();
    };

    // A pause goes to the event loop until shortly before its end, which the program then
    // waits out itself; the timer is set early by how late the loop has lately woken.
    function waitFor(delayMs) {
        cancelAdvance();
        const early = 1 + wakeLateness;
        const wait = Math.max(0, delayMs - early);
        timerDue = performance.now() + wait;
        timer = setTimeout(() => {
            timer = 0;
            const late = Math.min(10, Math.max(0, performance.now() - timerDue));
            wakeLateness = late > wakeLateness ? late : (wakeLateness * 7 + late) / 8;
            timerDue = 0;
            advanceRun();
        }, wait);
    }

    function advanceRun() {
        if (!running()) return;
        cancelAdvance();
        const next = page.advance();
        recheckInspector();
        switch (next.wait) {
        case WAIT.soon:
            advanceSoon();
            break;
        case WAIT.until:
            waitFor(next.delayMs);
            break;
        case WAIT.answer:
            openBox(questionBox, "question-text", next.text);
            break;
        case WAIT.acknowledge:
            openBox(noticeBox, "notice-text", next.text);
            break;
        case WAIT.held:
            break;
        case WAIT.ended:
            endRun();
            break;
        default:
            break;
        }
        showRunState();
    }

    function startRun() {
        if (running()) return;
        closeMenu();
        heldControls = controlStates();
        if (!page.start()) return;
        design.classList.add("busy");
        design.setAttribute("aria-busy", "true");
        advanceRun();
    }

    function endRun() {
        cancelAdvance();
        design.classList.remove("busy");
        design.removeAttribute("aria-busy");
        putBackControls();
        heldControls = null;
        recheckInspector();
        if (page.state() === STATE.finished)
            pictureDescription.textContent = peakText(page.pictureDescription());
        showRunState();
    }

    function openBox(box, textId, text) {
        document.getElementById(textId).textContent = tr("frmRavo", text);
        box.returnValue = "";
        box.showModal();
        showRunState();
    }

    // The question's answer: "Yes" only by its button; Escape or closing is "No".
    questionBox.addEventListener("close", () => {
        if (!running()) return;
        page.answer(questionBox.returnValue === "yes");
        advanceRun();
    });
    noticeBox.addEventListener("close", () => {
        if (!running()) {
            showRunState();
            return;
        }
        page.answer(false);
        advanceRun();
    });
    // A key held down does not answer the next box by its repeats.
    for (const box of [questionBox, noticeBox])
        box.addEventListener("keydown", (event) => {
            if (event.repeat) event.preventDefault();
        });

    function boxOpen() {
        return questionBox.open || noticeBox.open;
    }

    // Where a run stands, in a sentence, as the desktop's accessible description.
    function runStatus() {
        const point = page.point();
        const of = page.detectorCount;
        if (running() && (boxOpen() || page.waitingForAnswer()))
            return tr("frmRavo", "Waiting for an answer");
        switch (page.state()) {
        case STATE.idle:
            return tr("frmRavo", "Ready");
        case STATE.running:
            return trArgs("frmRavo", "Running: point %1 of %2", point, of);
        case STATE.held:
            return trArgs("frmRavo",
                "Held at point %1 of %2 \u2014 Space: go on \u00b7 \u2192: next point \u00b7 Esc: stop",
                point, of);
        case STATE.stopped:
            return trArgs("frmRavo", "Stopped at point %1 of %2", point, of);
        default:
            return trArgs("frmRavo", "Finished: %1 of %2 points", point, of);
        }
    }

    let shownStatus = "";
    function showRunState() {
        const isHeld = held();
        document.title = isHeld ? layout.title + " " + tr("frmRavo", "(paused)") : layout.title;
        design.classList.toggle("busy", running() && !isHeld && !boxOpen());
        const status = runStatus();
        if (status !== shownStatus) {
            shownStatus = status;
            // Read out when it matters, not at every point of a run that goes on.
            statusBox.setAttribute("aria-live", running() && !isHeld && !boxOpen()
                ? "off" : "polite");
            statusBox.textContent = status;
        }
        document.body.dataset.state = STATE_NAMES[page.state()] || "";
    }

    // --- Input during a run ----------------------------------------------------------

    // The check marks, the frequency and the slow-down as they stand.
    function controlStates() {
        const states = {};
        for (const [name, input] of Object.entries(inputs))
            states[name] = input.type === "radio" || input.type === "checkbox"
                ? input.checked : input.value;
        return states;
    }

    // A control changed during a run by some other way than the held-back input (an
    // assistive technology's action, say) goes back to what it showed at the start.
    function putBackControls() {
        if (!heldControls) return;
        for (const checked of [true, false])
            for (const [name, value] of Object.entries(heldControls)) {
                const input = inputs[name];
                if (input.type === "radio" || input.type === "checkbox") {
                    if (value === checked && input.checked !== value) input.checked = value;
                } else if (input.value !== value) {
                    input.value = value;
                }
            }
    }

    function runKey(event) {
        if (event.repeat) return;
        if (held() && (event.ctrlKey || event.metaKey) && !event.altKey
            && event.key.toLowerCase() === "c") {
            if (event.shiftKey) copyData(); else copyPicture();
            return;
        }
        if (event.ctrlKey || event.altKey || event.metaKey || event.shiftKey) return;
        const name = event.code === "Space" || event.key === " " ? "Space"
            : event.key === "ArrowRight" || event.key === "Right" ? "ArrowRight"
                : event.key === "PageDown" ? "PageDown"
                    : event.key === "Escape" || event.key === "Esc" ? "Escape" : "";
        if (name && page.key(name)) {
            showRunState();
            advanceSoon();
        }
    }

    // While a run goes on, no click, key or text reaches the controls: the run's own keys
    // go to the run; while it is held, the picture's menu and copying work too.
    function holdBack(event) {
        if (!running()) return;
        if (event.target instanceof Node && (questionBox.contains(event.target)
            || noticeBox.contains(event.target) || menu.contains(event.target)
            || inspector.contains(event.target)))
            return; // the boxes, the menu and the inspector take their own input
        if (event.type === "keydown") runKey(event);
        if (event.type === "contextmenu" && held() && event.target === canvas) {
            openMenu(event);
            return;
        }
        if (event.type === "click" && held() && event.target === canvas) inspectAt(event);
        event.preventDefault();
        event.stopImmediatePropagation();
        if (event.type === "input" || event.type === "change") putBackControls();
    }
    for (const type of ["keydown", "keyup", "keypress", "pointerdown", "pointerup",
        "mousedown", "mouseup", "click", "dblclick", "auxclick", "contextmenu", "wheel",
        "touchstart", "touchend", "beforeinput", "input", "change", "paste", "cut",
        "drop", "dragstart", "dragover", "submit"])
        window.addEventListener(type, holdBack, { capture: true, passive: false });

    // --- Controls' events ------------------------------------------------------------

    function showSettings() {
        const frequency = inputs["nKmitočet"];
        const wanted = page.setting("nKmitočet");
        if (frequency && frequency.value !== wanted) frequency.value = wanted;
        const dispersion = controls["nDisperze"];
        if (dispersion)
            dispersion.textContent =
                tr("frmRavo", page.setting("nDisperze"), "the dispersion display, 25 pixels");
        const scroll = inputs["HScroll1"];
        if (scroll) scroll.setAttribute("aria-valuetext",
            Module.slowDownText(Number(scroll.value)));
    }

    function connectControls() {
        for (const c of layout.controls) {
            const input = inputs[c.name];
            if (c.kind === "OptionButton" || c.kind === "CheckBox") {
                input.addEventListener("change", () => {
                    page.click(c.name);
                    showSettings();
                });
            }
        }
        controls["cmdStart"].addEventListener("click", startRun);
        controls["cmdKonec"].addEventListener("click", exitPage);
        const frequency = inputs["nKmitočet"];
        frequency.value = page.setting("nKmitočet");
        frequency.addEventListener("input", () => {
            page.typeFrequency(frequency.value);
            showSettings();
        });
        const scroll = inputs["HScroll1"];
        scroll.addEventListener("input", () => scroll.setAttribute("aria-valuetext",
            Module.slowDownText(Number(scroll.value))));
        // One change when the thumb is let go, as the desktop's scroll bar.
        scroll.addEventListener("change", () => {
            page.scroll(Number(scroll.value));
            showSettings();
        });
        // The arrow buttons at its ends step by one.
        scroll.addEventListener("pointerdown", (event) => {
            const box = scroll.getBoundingClientRect();
            const x = (event.clientX - box.left) / zoom;
            const arrow = ARROW_WIDTH;
            const step = x < arrow ? -1 : x > box.width / zoom - arrow ? 1 : 0;
            if (!step) return;
            event.preventDefault();
            const value = Math.min(10000, Math.max(1, Number(scroll.value) + step));
            if (value === Number(scroll.value)) return;
            scroll.value = String(value);
            scroll.dispatchEvent(new Event("input"));
            scroll.dispatchEvent(new Event("change"));
        });
    }

    // "Exit": a page cannot always close its own tab; where the browser refuses, it says
    // how. A run stops where it stands; nothing is kept.
    function exitPage() {
        page.close();
        endRun();
        window.close();
        if (!window.closed && !noticeBox.open)
            openBox(noticeBox, "notice-text", "To end Ravo, close this tab.");
    }

    // --- Copying ---------------------------------------------------------------------

    function say(text) {
        statusBox.textContent = text;
        shownStatus = text;
    }

    function mayCopy() {
        return !running() || held();
    }

    function copyPicture() {
        if (!mayCopy()) return;
        if (!navigator.clipboard || typeof ClipboardItem === "undefined") {
            say(tr("frmRavo", "This browser cannot copy pictures."));
            return;
        }
        const png = new Promise((resolve, reject) => canvas.toBlob(
            (blob) => (blob ? resolve(blob) : reject(new Error("no image"))), "image/png"));
        navigator.clipboard.write([new ClipboardItem({ "image/png": png })]).then(
            () => say(tr("frmRavo", "Picture copied")),
            (error) => say(tr("frmRavo", "The picture was not copied:") + " " + error.message));
    }

    // Every mark shown, kept runs included, as the desktop's table: tab-separated, the first
    // line the column names, words and decimal separator of the page's language.
    function marksTable() {
        const names = ["run", "colour", "frequency", "dispersion", "radius", "refractive index",
            "lens", "aperture", "detector point", "x", "P", "height of the mark"];
        const lines = [names.map((name) => tr("MarkTable", name)).join("\t")];
        for (const m of page.marks())
            lines.push([m.run, tr("MarkReadout", m.colour), localNumber(m.frequency),
                tr("MarkReadout", m.dispersion), localNumber(m.radius),
                localNumber(m.refractiveIndex), tr("MarkTable", m.wholeLens ? "whole" : "half"),
                localNumber(m.aperture), m.point, localNumber(m.x), localNumber(m.probability),
                localNumber(m.markHeight)].join("\t"));
        return lines.join("\n") + "\n";
    }

    function copyData() {
        if (!mayCopy()) return;
        if (!navigator.clipboard) {
            say(tr("frmRavo", "This browser cannot copy text."));
            return;
        }
        navigator.clipboard.writeText(marksTable()).then(
            () => say(tr("frmRavo", "Data copied")),
            (error) => say(tr("frmRavo", "The data was not copied:") + " " + error.message));
    }

    function selectionInTextBox() {
        const active = document.activeElement;
        return active instanceof HTMLInputElement && active.type === "text"
            && active.selectionStart !== active.selectionEnd;
    }

    document.addEventListener("keydown", (event) => {
        if (boxOpen() || !(event.ctrlKey || event.metaKey) || event.altKey) return;
        if (event.key.toLowerCase() !== "c") return;
        if (!event.shiftKey && selectionInTextBox()) return; // the text box's own copy
        event.preventDefault();
        if (event.shiftKey) copyData(); else copyPicture();
    });

    // --- The picture's menu and readout ----------------------------------------------

    let focusBeforeMenu = null;

    function openMenu(event) {
        event.preventDefault();
        if (menu.hidden) focusBeforeMenu = document.activeElement;
        menu.hidden = false;
        const x = Math.min(event.clientX, window.innerWidth - menu.offsetWidth - 2);
        const y = Math.min(event.clientY, window.innerHeight - menu.offsetHeight - 2);
        menu.style.left = Math.max(0, x) + "px";
        menu.style.top = Math.max(0, y) + "px";
        menu.querySelector("button").focus();
    }

    function closeMenu() {
        if (menu.hidden) return;
        const hadFocus = menu.contains(document.activeElement);
        menu.hidden = true;
        if (hadFocus && focusBeforeMenu && focusBeforeMenu.isConnected) focusBeforeMenu.focus();
        focusBeforeMenu = null;
    }

    canvas.addEventListener("contextmenu", (event) => {
        if (mayCopy()) openMenu(event);
    });
    menu.addEventListener("click", (event) => {
        const item = event.target.closest("button");
        if (!item) return;
        closeMenu();
        if (item.dataset.action === "copy-picture") copyPicture(); else copyData();
    });
    menu.addEventListener("keydown", (event) => {
        const items = [...menu.querySelectorAll("button")];
        const at = items.indexOf(document.activeElement);
        if (event.key === "Escape") {
            closeMenu();
        } else if (event.key === "ArrowDown" || event.key === "ArrowUp") {
            const step = event.key === "ArrowDown" ? 1 : items.length - 1;
            items[(at + step) % items.length].focus();
        } else {
            return;
        }
        event.preventDefault();
        event.stopPropagation();
    });
    document.addEventListener("pointerdown", (event) => {
        if (!menu.contains(event.target)) closeMenu();
    }, true);
    window.addEventListener("blur", closeMenu);

    // A run's settings as the readout and the inspector tell them, in the page's language:
    // "blue, f = 1, dispersion on · radius 500, index 0.98, whole lens, aperture 0".
    function runSettingsText(p) {
        return trArgs("MarkReadout", p.wholeLens
            ? "%1, f = %2, %3 \u00b7 radius %4, index %5, whole lens, aperture %6"
            : "%1, f = %2, %3 \u00b7 radius %4, index %5, half lens, aperture %6",
        tr("MarkReadout", p.colour), p.frequency, tr("MarkReadout", p.dispersion), p.radius,
        p.refractiveIndex, p.aperture);
    }

    // The last run's peak for the picture's description, as the desktop words it.
    function peakText(peak) {
        if (!peak) return "";
        const byColour = {
            red: "Red light: highest probability %1 at x = %2",
            green: "Green light: highest probability %1 at x = %2",
            blue: "Blue light: highest probability %1 at x = %2",
        };
        if (byColour[peak.colour])
            return trArgs("frmRavo", byColour[peak.colour], peak.probability, peak.x);
        return trArgs("frmRavo", "Frequency %1: highest probability %2 at x = %3",
            peak.frequency, peak.probability, peak.x);
    }

    // Resting the mouse on a mark tells its point, x, P and the settings of its run; also
    // while a run is held.
    canvas.addEventListener("mousemove", (event) => {
        if (!page || !mayCopy()) return;
        const box = canvas.getBoundingClientRect();
        const x = (event.clientX - box.left + 0.5) / zoom - 0.5;
        const y = (event.clientY - box.top + 0.5) / zoom - 0.5;
        const text = page.readoutAt(x, y).map((line) => trArgs("MarkReadout",
            "Point %1, x = %2: P = %3 \u00b7 %4", line.point, line.x, line.probability,
            runSettingsText(line))).join("\n");
        if (canvas.title !== text) canvas.title = text;
    });

    // --- The point inspector ---------------------------------------------------------

    // A window that looks inside one detector point of one run, as the desktop's: its
    // Cornu spiral enlarged, the trip time of every path against its height at the lens,
    // and the numbers. It is not modal: the page goes on beside it. Left/Right (Page
    // Up/Down) move to the neighbouring points of the run, Ctrl+C copies its picture,
    // Ctrl+Shift+C its table of paths, Escape closes it; it closes by itself when a later
    // run erases its mark. The program reads everything it shows from the run's records.
    const inspector = document.getElementById("inspector");
    const inspectorSpiral = document.getElementById("inspector-spiral");
    const inspectorPlot = document.getElementById("inspector-plot");
    const INSPECTOR = { width: 600, height: 440, top: 80 }; // design pixels, as the desktop's
    const PICTURE_WIDTH = 300; // each of the two pictures, below the numbers
    const PICTURE_HEIGHT = INSPECTOR.height - INSPECTOR.top;
    const SPIRAL_AREA = [12, 12, 284, 336]; // in the spiral's picture
    const PLOT_AREA = [50, 30, 236, 290]; // in the plot's picture
    const INSPECTOR_FONT = '"Liberation Sans", Arial, Helvetica, sans-serif';
    let inspected = null; // what the program gave for the point shown
    let inspectorScale = 0; // image pixels per design pixel of its pictures
    let focusBeforeInspector = null;
    let roles = null;

    // The page's language's decimal separator in the inspector's numbers, as the desktop's
    // tables write them in the program's language.
    const decimalSeparator = (() => {
        try {
            const part = new Intl.NumberFormat(language || "en").formatToParts(1.5)
                .find((p) => p.type === "decimal");
            return part ? part.value : ".";
        } catch (error) {
            return ".";
        }
    })();
    function localNumber(text) {
        return decimalSeparator === "." ? text : String(text).split(".").join(decimalSeparator);
    }

    function inspectorTexts(p) {
        const settings = runSettingsText(p);
        return {
            title: trArgs("PointView", "Ravo - point %1 of run %2", p.point, p.run + 1),
            point: trArgs("PointView", "Point %1 of %2, x = %3: P = %4", p.point,
                p.pointCount, localNumber(p.x), localNumber(p.probability)),
            paths: trPlural("PointView",
                "%n path(s); the resultant is %1 long (P = its length squared times %2)",
                p.y.length, localNumber(p.length), localNumber(p.factor)),
            run: trArgs("PointView", "Run %1: %2", p.run + 1, settings),
        };
    }

    // The table of paths as Ctrl+Shift+C copies it: the desktop's columns, in the page's
    // language.
    function pathsTable(p) {
        const header = ["path", "height at the lens", "glass thickness", "distance to the point",
            "trip time", "phase", "arrow x", "arrow y"].map((name) => tr("MarkTable", name));
        const rows = p.table.split("\n").slice(1).filter((line) => line !== "");
        return [header.join("\t"), ...rows.map(localNumber)].join("\n") + "\n";
    }

    function sizeInspector() {
        const scale = Math.max(MINIMUM_ZOOM, Math.min(zoom, 2));
        inspector.style.setProperty("--inspector-zoom", String(scale));
        const wanted = Math.max(1, Math.ceil(scale * (window.devicePixelRatio || 1) - 1e-6));
        if (wanted === inspectorScale) return;
        inspectorScale = wanted;
        for (const c of [inspectorSpiral, inspectorPlot]) {
            c.width = PICTURE_WIDTH * wanted;
            c.height = PICTURE_HEIGHT * wanted;
        }
    }

    function textIn(g, text, rect, align) {
        const [x, y, w, h] = rect;
        g.textBaseline = "middle";
        g.textAlign = align || "center";
        const at = align === "left" ? x : align === "right" ? x + w : x + w / 2;
        g.fillText(text, at, y + h / 2);
    }

    // The spiral: every path's arrow head to tail, and the green resultant.
    function drawSpiral(g, p) {
        const [ax, ay, aw, ah] = SPIRAL_AREA;
        g.fillStyle = ground;
        g.fillRect(0, 0, PICTURE_WIDTH, PICTURE_HEIGHT);
        const xs = p.spiralX;
        const ys = p.spiralY;
        const left = Math.min(...xs);
        const right = Math.max(...xs);
        const top = Math.min(...ys);
        const bottom = Math.max(...ys);
        const scale = Math.min(aw / Math.max(right - left, 1), ah / Math.max(bottom - top, 1))
            * 0.9;
        const shiftX = ax + aw / 2 - (left + right) / 2 * scale;
        const shiftY = ay + ah / 2 - (top + bottom) / 2 * scale;
        const at = (i) => [xs[i] * scale + shiftX, ys[i] * scale + shiftY];
        g.lineCap = "butt";
        g.strokeStyle = palette[roles.baseLine];
        g.lineWidth = 0.5;
        g.setLineDash([0.5, 1]);
        g.strokeRect(ax, ay, aw, ah);
        g.setLineDash([]);
        g.strokeStyle = palette[roles.spiral];
        g.lineWidth = 1.2;
        g.beginPath();
        for (let k = 1; k < xs.length; ++k) {
            const [x0, y0] = at(k - 1);
            const [x1, y1] = at(k);
            g.moveTo(x0, y0);
            g.lineTo(x1, y1);
            const len = Math.hypot(x1 - x0, y1 - y0);
            if (len > 6) { // a small head on each arrow long enough to carry one
                const ux = (x1 - x0) / len;
                const uy = (y1 - y0) / len;
                g.moveTo(x1, y1);
                g.lineTo(x1 - ux * 4 - uy * 2, y1 - uy * 4 + ux * 2);
                g.moveTo(x1, y1);
                g.lineTo(x1 - ux * 4 + uy * 2, y1 - uy * 4 - ux * 2);
            }
        }
        g.stroke();
        g.strokeStyle = palette[roles.resultant];
        g.lineWidth = 3;
        g.beginPath();
        g.moveTo(...at(0));
        g.lineTo(...at(xs.length - 1));
        g.stroke();
        g.fillStyle = palette[roles.axis];
        g.font = "12px " + INSPECTOR_FONT;
        textIn(g, tr("PointView", "Cornu spiral: the arrows of all paths, head to tail"),
            [ax, ay + ah - 18, aw, 18]);
    }

    // Trip time against height at the lens, each path's arrow beside its dot, the path of
    // least time ringed.
    function drawPlot(g, p) {
        const [ax, ay, aw, ah] = PLOT_AREA;
        const ink = palette[roles.axis];
        g.fillStyle = ground;
        g.fillRect(0, 0, PICTURE_WIDTH, PICTURE_HEIGHT);
        const t0 = p.time[p.leastTime];
        const t1 = Math.max(Math.max(...p.time), t0 + 1e-9);
        const y0 = p.y[0];
        const y1 = Math.max(p.y[p.y.length - 1], y0 + 1e-9);
        const at = (j) => [ax + (p.time[j] - t0) / (t1 - t0) * aw,
            ay + (p.y[j] - y0) / (y1 - y0) * ah];
        g.strokeStyle = ink;
        g.lineWidth = 1;
        g.lineCap = "butt";
        g.beginPath();
        g.moveTo(ax, ay + ah + 12);
        g.lineTo(ax + aw, ay + ah + 12);
        g.moveTo(ax - 12, ay);
        g.lineTo(ax - 12, ay + ah);
        g.stroke();
        g.fillStyle = ink;
        g.font = "12px " + INSPECTOR_FONT;
        textIn(g, tr("PointView", "trip time"), [ax, ay + ah + 14, aw, 18]);
        // The ends of the time axis: how little the trip times differ near a focus.
        textIn(g, localNumber(p.shortestTime), [ax - 30, ay + ah + 14, 60, 18]);
        textIn(g, localNumber(p.longestTime), [ax + aw - 60, ay + ah + 14, 68, 18], "right");
        g.save();
        g.translate(ax - 16, ay + ah / 2);
        g.rotate(-Math.PI / 2);
        textIn(g, tr("PointView", "height at the lens"), [-ah / 2, -18, ah, 18]);
        g.restore();
        textIn(g, tr("PointView", "each path: its trip time, and its arrow"),
            [ax - 12, ay - 30, aw + 24, 16]);
        g.strokeStyle = palette[roles.arrow];
        g.beginPath();
        for (let j = 0; j < p.y.length; ++j) {
            const [x, y] = at(j);
            g.moveTo(x, y);
            g.lineTo(x + 9 * Math.cos(p.phase[j]), y + 9 * Math.sin(p.phase[j]));
        }
        g.stroke();
        g.fillStyle = palette[p.markRole];
        g.beginPath();
        for (let j = 0; j < p.y.length; ++j) {
            const [x, y] = at(j);
            g.moveTo(x + 2.2, y);
            g.arc(x, y, 2.2, 0, 2 * Math.PI);
        }
        g.fill();
        const [lx, ly] = at(p.leastTime);
        g.strokeStyle = ink;
        g.lineWidth = 1.5;
        g.beginPath();
        g.arc(lx, ly, 6, 0, 2 * Math.PI);
        g.stroke();
        g.fillStyle = ink;
        textIn(g, tr("PointView", "least time"), [lx + 14, ly - 8, 120, 16], "left");
    }

    function paintInspector() {
        if (!inspected) return;
        sizeInspector();
        for (const [c, draw] of [[inspectorSpiral, drawSpiral], [inspectorPlot, drawPlot]]) {
            const g = c.getContext("2d");
            g.setTransform(inspectorScale, 0, 0, inspectorScale, 0, 0);
            draw(g, inspected);
        }
    }

    // Shows point `index` (among the points the run drew) of run `run`; false where its
    // mark is not shown, when nothing changes.
    function inspect(run, index) {
        const p = page.inspection(run, index);
        if (!p) return false;
        inspected = p;
        const texts = inspectorTexts(p);
        document.getElementById("inspector-title").textContent = texts.title;
        document.getElementById("inspector-point").textContent = texts.point;
        document.getElementById("inspector-paths").textContent = texts.paths;
        document.getElementById("inspector-run").textContent = texts.run;
        document.getElementById("inspector-status").textContent = "";
        inspectorSpiral.setAttribute("aria-label",
            tr("PointView", "Cornu spiral: the arrows of all paths, head to tail"));
        inspectorPlot.setAttribute("aria-label",
            tr("PointView", "each path: its trip time, and its arrow"));
        paintInspector();
        if (!inspector.open) {
            focusBeforeInspector = document.activeElement;
            inspector.show();
        }
        inspector.focus();
        return true;
    }

    function closeInspector() {
        inspected = null;
        if (inspector.open) inspector.close();
    }
    inspector.addEventListener("close", () => {
        if (inspector.open) return; // opened again before this came
        inspected = null;
        const back = focusBeforeInspector;
        focusBeforeInspector = null;
        if (back && back.isConnected && back !== document.body) back.focus();
    });

    // Closes the inspector when its point's mark is no longer shown (a later run erased it).
    function recheckInspector() {
        if (inspected && !page.canInspect(inspected.run, inspected.index)) closeInspector();
    }

    // A click on a shown mark opens its inspector: while no run goes on, or while one is held.
    function inspectAt(event) {
        if (!page || !mayCopy()) return;
        const box = canvas.getBoundingClientRect();
        const x = (event.clientX - box.left + 0.5) / zoom - 0.5;
        const y = (event.clientY - box.top + 0.5) / zoom - 0.5;
        const mark = page.markAt(x, y);
        if (mark) inspect(mark.run, mark.index);
    }
    canvas.addEventListener("click", inspectAt);

    // Moves to a neighbouring point of the same run whose mark is still shown.
    function stepInspector(by) {
        if (inspected) inspect(inspected.run, inspected.index + by);
    }

    function inspectorSays(text) {
        document.getElementById("inspector-status").textContent = text;
    }

    // The inspector's picture as the desktop's window grab: the numbers, then the two
    // pictures below them, at the pictures' resolution.
    function inspectorImage() {
        const k = inspectorScale;
        const image = document.createElement("canvas");
        image.width = INSPECTOR.width * k;
        image.height = INSPECTOR.height * k;
        const g = image.getContext("2d", { alpha: false });
        g.setTransform(k, 0, 0, k, 0, 0);
        g.fillStyle = ground;
        g.fillRect(0, 0, INSPECTOR.width, INSPECTOR.height);
        const texts = inspectorTexts(inspected);
        g.fillStyle = palette[roles.axis];
        g.font = "bold 14px " + INSPECTOR_FONT;
        textIn(g, texts.point, [12, 6, 576, 20], "left");
        g.font = "12px " + INSPECTOR_FONT;
        textIn(g, texts.paths, [12, 28, 576, 18], "left");
        // The run's line, wrapped at words into at most two lines.
        const words = texts.run.split(" ");
        const lines = [""];
        for (const word of words) {
            const line = lines[lines.length - 1];
            const longer = line ? line + " " + word : word;
            if (line && g.measureText(longer).width > 576 && lines.length < 2) lines.push(word);
            else lines[lines.length - 1] = longer;
        }
        lines.forEach((line, i) => textIn(g, line, [12, 46 + 16 * i, 576, 16], "left"));
        g.setTransform(1, 0, 0, 1, 0, 0);
        g.drawImage(inspectorSpiral, 0, INSPECTOR.top * k);
        g.drawImage(inspectorPlot, PICTURE_WIDTH * k, INSPECTOR.top * k);
        return image;
    }

    function copyInspectorPicture() {
        if (!navigator.clipboard || typeof ClipboardItem === "undefined") {
            inspectorSays(tr("frmRavo", "This browser cannot copy pictures."));
            return;
        }
        const image = inspectorImage();
        const png = new Promise((resolve, reject) => image.toBlob(
            (blob) => (blob ? resolve(blob) : reject(new Error("no image"))), "image/png"));
        navigator.clipboard.write([new ClipboardItem({ "image/png": png })]).then(
            () => inspectorSays(tr("frmRavo", "Picture copied")),
            (error) => inspectorSays(tr("frmRavo", "The picture was not copied:") + " "
                + error.message));
    }

    function copyInspectorPaths() {
        if (!navigator.clipboard) {
            inspectorSays(tr("frmRavo", "This browser cannot copy text."));
            return;
        }
        navigator.clipboard.writeText(pathsTable(inspected)).then(
            () => inspectorSays(tr("frmRavo", "Data copied")),
            (error) => inspectorSays(tr("frmRavo", "The data was not copied:") + " "
                + error.message));
    }

    inspector.addEventListener("keydown", (event) => {
        if (!inspected) return;
        const command = (event.ctrlKey || event.metaKey) && !event.altKey;
        if (command && event.key.toLowerCase() === "c") {
            if (!event.repeat) {
                if (event.shiftKey) copyInspectorPaths(); else copyInspectorPicture();
            }
        } else if (command || event.altKey || event.shiftKey) {
            return;
        } else if (event.key === "ArrowLeft" || event.key === "Left" || event.key === "PageUp") {
            stepInspector(-1);
        } else if (event.key === "ArrowRight" || event.key === "Right"
            || event.key === "PageDown") {
            stepInspector(1);
        } else if (event.key === "Escape" || event.key === "Esc") {
            closeInspector();
        } else {
            return;
        }
        event.preventDefault();
        event.stopPropagation();
    });
    document.getElementById("inspector-close").addEventListener("click", closeInspector);
    window.addEventListener("resize", () => {
        if (inspected) paintInspector();
    });

    // --- Start-up --------------------------------------------------------------------

    let Module = null;

    // What the page tells about itself, for anyone who reads it (its tests among them).
    function snapshot() {
        const shown = (name) => !!controls[name] && !controls[name].hidden;
        return {
            ready: page !== null,
            language: language || "en",
            state: STATE_NAMES[page.state()],
            point: page.point(),
            running: page.running(),
            waiting: page.waitingForAnswer(),
            question: questionBox.open ? document.getElementById("question-text").textContent : null,
            notice: noticeBox.open ? document.getElementById("notice-text").textContent : null,
            runs: page.runCount(),
            drawn: page.drawn(),
            zoom: zoom,
            factor: factor,
            redraws: redraws,
            captions: ["nPravděpodobnost", "nSoučetRadiusvektorů", "nClonaOtvor"].filter(shown),
            settings: Object.fromEntries(["nPoloměr", "nIndex", "nKmitočet", "nClona",
                "nPůlLupy", "nDisperze", "nZobrazení", "nSpomaleni", "nStart"].map(
                (name) => [name, page.setting(name)])),
            status: statusBox.textContent,
            inspector: inspected ? {
                run: inspected.run + 1,
                point: inspected.point,
                title: document.getElementById("inspector-title").textContent,
                numbers: document.getElementById("inspector-point").textContent,
                status: document.getElementById("inspector-status").textContent,
            } : null,
        };
    }

    function start(module) {
        Module = module;
        const colours = module.palette();
        palette = Array.from({ length: colours.size() }, (_, i) => colours.get(i));
        colours.delete();
        ground = module.groundColour();
        roles = module.inspectorRoles();
        module.ravoPicture = { draw: drawBatch, showControl: showControl };
        page = new module.PageWindow();
        page.detectorCount = module.detectorCount;
        document.documentElement.lang = language || "en";
        document.title = layout.title;
        for (const element of document.querySelectorAll("#question-yes, #question-no, #notice-ok, #menu button"))
            element.textContent = tr("frmRavo", element.textContent);
        canvas.setAttribute("aria-label", tr("frmRavo", "Picture"));
        const closer = document.getElementById("inspector-close");
        closer.title = tr("ravo-page", "Close (Esc)");
        closer.setAttribute("aria-label", closer.title);
        buildControls();
        const selected = page.formLoad();
        for (let i = 0; i < selected.size(); ++i) inputs[selected.get(i)].checked = true;
        selected.delete();
        connectControls();
        showSettings();
        window.ravoWindow = page;
        watchPixelRatio();
        window.addEventListener("resize", placeDesign);
        placeDesign();
        window.addEventListener("pagehide", () => page.close());
        controls["cmdStart"].focus();
        showRunState();
        window.ravoPage = { snapshot: snapshot };
        document.body.dataset.ready = "true";
    }

    createRavoModule().then(start, (error) => {
        document.body.textContent = "Ravo could not start: " + error;
        console.error("Ravo could not start:", error);
    });
})();
