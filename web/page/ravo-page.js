// SPDX-License-Identifier: GPL-3.0-or-later
// The page's script, its start: the program (compiled from C++, the same controls, form,
// run, marks, inspector, colours and texts as the window's), the page's language and its
// translations, and what the page tells about itself, for anyone who reads it (its tests
// among them).

// The translations the page carries, from i18n/ravo_<lang>.ts: {language: {context: {source
// (a character 4 and the note to the translator, where there is one): translation, and
// under the same key and a character 5 the plural forms}}}.
const translations = JSON.parse(document.getElementById("ravo-texts").textContent).languages;

// A language's translations as the program takes them: [context, source, note, forms].
function catalogEntries(code) {
    const entries = [];
    for (const [context, messages] of Object.entries(translations[code] || {}))
        for (const [key, value] of Object.entries(messages)) {
            if (key.endsWith("\u0005")) continue;
            const [source, note] = key.split("\u0004");
            entries.push([context, source, note || "", messages[key + "\u0005"] || [value]]);
        }
    return entries;
}

// English, and every language the page has translations of.
function pageLanguages() {
    return Module.languages().filter((l) => l.code === "en" || translations[l.code]);
}

// Every text of the page in the language: the controls' captions and help, the picture's
// labels (the picture is drawn again, as it stands), the boxes, menus and inner windows,
// where a run stands, and the page's own language for the browser.
function useLanguage(code) {
    page.setLanguage(code, catalogEntries(code));
    document.documentElement.lang = page.language();
    controlList = page.controls();
    showCaptions();
    showForm();
    showHelp();
    for (const [id, text] of [["question-yes", Module.PageText.Yes],
        ["question-no", Module.PageText.No], ["notice-ok", Module.PageText.Ok]])
        document.getElementById(id).textContent = page.text(text);
    canvas.setAttribute("aria-label", document.activeElement === canvas ? page.cursorWords()
        : page.text(Module.PageText.Picture));
    const closer = document.getElementById("keys-close");
    closer.title = page.text(Module.PageText.Close);
    closer.setAttribute("aria-label", closer.title);
    canvas.title = "";
    describePicture();
    showLinkTexts();
    showRunKeyTexts();
    showFullScreenText();
    closeMenu();
    if (factor) renewPicture(factor);
    if (keysBox.open) fillKeys();
    if (inspected) inspect(inspected.run, inspected.index, false);
    shownStatus = "";
    showRunState();
}

// What the page shows, as a state.
function snapshot() {
    const shown = (name) => !!controls[name] && !controls[name].hidden;
    return {
        ready: page !== null,
        language: page.language(),
        state: page.state(),
        point: page.point(),
        running: page.running(),
        waiting: page.waitingForAnswer(),
        question: questionBox.open ? document.getElementById("question-text").textContent : null,
        notice: noticeBox.open ? document.getElementById("notice-text").textContent : null,
        runs: page.runCount(),
        drawn: page.drawn(),
        zoom: zoom,
        layout: layout,
        controlZoom: controlZoom,
        factor: factor,
        redraws: redraws,
        renewing: renewal !== null,
        spare: spare ? { factor: spare.factor, whole: spare.whole,
            waiting: spare.waiting.length } : null,
        projector: projector,
        captions: ["nPravděpodobnost", "nSoučetRadiusvektorů", "nClonaOtvor"].filter(shown),
        settings: Object.fromEntries(["nPoloměr", "nIndex", "nKmitočet", "nClona",
            "nPůlLupy", "nDisperze", "nZobrazení", "nSpomaleni", "nStart"].map(
            (name) => [name, page.setting(name)])),
        scroll: page.scrollValue(),
        status: statusBox.textContent,
        band: statusBand.hidden ? null : statusBand.textContent,
        menu: menu.hidden ? null : [...menu.querySelectorAll(":scope > button .entry")].map(
            (label) => label.textContent),
        keys: keysBox.open ? {
            title: document.getElementById("keys-title").textContent,
            rows: [...keysBox.querySelectorAll("tr")].map(
                (row) => [...row.children].map((cell) => cell.textContent)),
        } : null,
        view: page.view(),
        focus: document.activeElement === canvas ? "picture" : document.activeElement
            ? document.activeElement.id || document.activeElement.dataset.control || null : null,
        cursor: page.cursorPlace() ? Object.assign(page.cursorPlace(), {
            words: page.cursorWords(), at: page.cursorAt() }) : null,
        label: canvas.getAttribute("aria-label"),
        reading: pictureReading.textContent,
        description: [...pictureDescription.children].map((p) => p.textContent),
        legend: legendShown,
        // The legend's texts as shown, in CSS pixels: over the picture, or below it.
        legendText: !legendShown ? null : legendList.hidden ? LEGEND_PIXELS * zoom
            : parseFloat(getComputedStyle(legendList).fontSize),
        toast: toast.hidden ? null : toast.textContent,
        linkBox: linkBox.open,
        sound: { available: soundAvailable(), played: played.slice() },
        runKeys: runKeys.hidden ? null : [...runKeys.querySelectorAll("button")].map(
            (b) => [b.textContent, b.getAttribute("aria-disabled") !== "true"]),
        readout: readoutNote.hidden ? null : readoutNote.textContent,
        downloads: downloaded.slice(),
        fullScreen: !!fullScreenElement(),
        printed: printed,
        inspector: inspected ? {
            run: inspected.run + 1,
            point: inspected.point,
            title: document.getElementById("inspector-title").textContent,
            numbers: document.getElementById("inspector-point").textContent,
            status: document.getElementById("inspector-status").textContent,
            narrow: inspected.narrow,
            // The smallest text drawn in its picture, in CSS pixels as shown.
            smallestText: Math.min(...inspected.shapes.filter((s) => s.kind === "Label").map(
                (s) => s.fontPixels)) * inspectorPicture.getBoundingClientRect().width
                / inspected.width,
        } : null,
    };
}

function start(module) {
    Module = module;
    module.ravoPicture = { draw: drawBatch, showControl: showControl };
    page = new module.Page();
    caption = document.title;
    const wanted = navigator.languages && navigator.languages.length ? navigator.languages
        : [navigator.language || "en"];
    const code = module.chooseLanguage(wanted, Object.keys(translations));
    colours = module.colours(false);
    page.useColours(false);
    controlList = page.controls();
    buildControls();
    applyColours();
    page.listen(formChanged);
    page.load();
    connectControls();
    useLanguage(code);
    watchPixelRatio();
    window.addEventListener("resize", placeDesign);
    placeDesign();
    window.addEventListener("pagehide", () => page.close());
    controls["cmdStart"].focus();
    describePicture();
    openAddressLink();
    window.ravoPage = { snapshot: snapshot };
    document.body.dataset.ready = "true";
}

createRavoModule().then(start, (error) => {
    document.body.textContent = "Ravo could not start: " + error;
    console.error("Ravo could not start:", error);
});
