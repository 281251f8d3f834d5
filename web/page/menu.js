// SPDX-License-Identifier: GPL-3.0-or-later
// The page's script, what the picture offers: its menu (copying, projector colours, the
// pace, the language, the list of keys), the list of keys, copying the picture and the
// data, and the readout of the marks under the mouse.

const menu = document.getElementById("menu");
const keysBox = document.getElementById("keys");

// --- Copying ---------------------------------------------------------------------------

function pictureBlob(source) {
    return new Promise((resolve, reject) => source.toBlob(
        (blob) => (blob ? resolve(blob) : reject(new Error("no image"))), "image/png"));
}

// A picture on the clipboard as PNG; tells how it went.
function copyImage(source, tell) {
    if (!navigator.clipboard || typeof ClipboardItem === "undefined") {
        tell(page.text(Module.PageText.NoPictureCopy));
        return;
    }
    navigator.clipboard.write([new ClipboardItem({ "image/png": pictureBlob(source) })]).then(
        () => tell(page.text(Module.PageText.PictureCopied)),
        (error) => tell(page.textWith(Module.PageText.PictureNotCopied, error.message)));
}

// A table on the clipboard as text; tells how it went.
function copyText(text, tell) {
    if (!navigator.clipboard) {
        tell(page.text(Module.PageText.NoTextCopy));
        return;
    }
    navigator.clipboard.writeText(text).then(
        () => tell(page.text(Module.PageText.DataCopied)),
        (error) => tell(page.textWith(Module.PageText.DataNotCopied, error.message)));
}

// The picture as shown, with its legend where the legend is shown.
function copyPicture() {
    if (page.takesInput()) copyImage(pictureToCopy(), say);
}

// Every mark shown, kept runs included, as the window's table: tab-separated, the first
// line the column names, words and decimal separator of the page's language.
function copyData() {
    if (page.takesInput()) copyText(page.marksTable(), say);
}

// --- Downloading ------------------------------------------------------------------------

// A file named after the picture: "ravo-3-runs.png". Where a file of that name is already
// there, the browser says so or names the new one otherwise; nothing is overwritten by the
// page.
function downloadName(extension) {
    const runs = page.runCount();
    return "ravo-" + runs + (runs === 1 ? "-run." : "-runs.") + extension;
}

function download(blob, name) {
    const url = URL.createObjectURL(blob);
    const link = document.createElement("a");
    link.href = url;
    link.download = name;
    link.rel = "noopener";
    link.hidden = true;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
    downloaded.push(name);
}
const downloaded = []; // the names given, for the page's state

// The picture as shown, with its legend where the legend is shown, as a PNG file.
function downloadPicture() {
    if (!page.takesInput()) return;
    pictureBlob(pictureToCopy()).then((blob) => download(blob, downloadName("png")),
        (error) => tell(page.textWith(Module.PageText.PictureNotCopied, error.message)));
}

// The table that "Copy data" copies, as a file of tab-separated text (UTF-8, marked as
// such at its start, so that a spreadsheet reads its letters right).
function downloadData() {
    if (!page.takesInput()) return;
    download(new Blob(["\ufeff" + page.marksTable()],
        { type: "text/tab-separated-values;charset=utf-8" }), downloadName("tsv"));
}

// --- The picture's menu ----------------------------------------------------------------

let focusBeforeMenu = null;

function menuItem(parent, role, label, shortcut) {
    const item = document.createElement("button");
    item.type = "button";
    item.setAttribute("role", role);
    const text = document.createElement("span");
    text.className = "entry";
    text.textContent = label;
    const keys = document.createElement("span");
    keys.className = "shortcut";
    keys.textContent = shortcut || "";
    item.append(text, keys);
    parent.append(item);
    return item;
}

// A submenu of choices, one of them checked, beside its entry.
function submenu(entry, id, choices) {
    const item = menuItem(menu, "menuitem", entry.label, "\u25b8");
    item.dataset.action = id;
    item.setAttribute("aria-haspopup", "menu");
    item.setAttribute("aria-expanded", "false");
    item.setAttribute("aria-controls", "menu-" + id);
    const list = document.createElement("div");
    list.id = "menu-" + id;
    list.className = "submenu";
    list.setAttribute("role", "menu");
    list.dataset.of = id;
    list.hidden = true;
    for (const choice of choices) {
        const option = menuItem(list, "menuitemradio", choice.label);
        option.setAttribute("aria-checked", String(choice.checked));
        option.disabled = !!choice.disabled;
        option.dataset[id] = choice.value;
        option.addEventListener("click", () => {
            closeMenu();
            choice.act();
        });
    }
    menu.append(list);
    item.addEventListener("click", () => openSubmenu(item, true));
    item.addEventListener("pointerenter", () => openSubmenu(item, false));
}

// The entries of the window's menu that the page offers.
const MENU_ACTIONS = {
    "copy-picture": () => copyPicture(),
    "copy-data": () => copyData(),
    "copy-link": () => copyLink(),
    "open-link": () => readLinkOrAsk(),
    "undo-erase": () => undoErase(),
    "projector": () => setProjector(!projector),
    "shapes": () => setViewOption("shapes", !page.view().shapes),
    "hide-marks": () => setViewOption("hideMarks", !page.view().hideMarks),
    "legend": () => setViewOption("legend", !page.view().legend),
    "listen": () => listen(),
    "keys-help": () => showKeys(),
    "download-picture": () => downloadPicture(),
    "download-data": () => downloadData(),
    "full-screen": () => toggleFullScreen(),
};

// The view option that a checkable entry shows and sets.
const MENU_OPTIONS = {
    "projector": "projector", "shapes": "shapes", "hide-marks": "hideMarks", "legend": "legend",
};

// Entries that cannot be chosen now, as the window's: undoing without an erase to undo,
// opening a link or listening during a run, listening where no sound plays.
function menuEntryDisabled(id) {
    switch (id) {
    case "undo-erase":
        return !page.canUndoErase();
    case "open-link":
        return page.running();
    case "listen":
        return !soundAvailable() || page.running();
    case "full-screen":
        return !fullScreenAvailable();
    default:
        return false;
    }
}

// The window's entries that the page offers, and the page's own: downloading beside
// copying, full screen beside the projector's colours; without separators at the ends or
// twice.
function menuEntries() {
    const entries = [];
    const own = (id, text, checkable) => ({ id, label: page.text(text), shortcut: "",
        checkable });
    for (const entry of page.menu()) {
        if (!(entry.id in MENU_ACTIONS || ["separator", "pace", "language"].includes(entry.id)))
            continue;
        entries.push(entry);
        if (entry.id === "copy-data")
            entries.push(own("download-picture", Module.PageText.DownloadPicture, false),
                own("download-data", Module.PageText.DownloadData, false));
        if (entry.id === "projector")
            entries.push(own("full-screen", Module.PageText.FullScreen, true));
    }
    return entries.filter((entry, i) => entry.id !== "separator" || (i > 0
        && i < entries.length - 1 && entries[i - 1].id !== "separator"));
}

// The menu as the window builds it, with the state as it is now.
function buildMenu() {
    menu.replaceChildren();
    for (const entry of menuEntries()) {
        switch (entry.id) {
        case "separator": {
            const line = document.createElement("div");
            line.className = "separator";
            line.setAttribute("role", "separator");
            menu.append(line);
            break;
        }
        case "pace":
            submenu(entry, "pace", page.paces().map((pace) => ({
                label: pace.name,
                value: String(pace.slowDown),
                checked: page.scrollValue() === pace.slowDown,
                disabled: page.running(),
                act: () => setPace(pace.slowDown),
            })));
            break;
        case "language":
            submenu(entry, "language", pageLanguages().map((language) => ({
                label: language.name,
                value: language.code,
                checked: page.language() === language.code,
                act: () => useLanguage(language.code),
            })));
            break;
        default: {
            const label = entry.id === "listen" && !soundAvailable()
                ? page.listenWithoutSound() : entry.label;
            const item = menuItem(menu, entry.checkable ? "menuitemcheckbox" : "menuitem",
                label, entry.shortcut);
            item.dataset.action = entry.id;
            item.disabled = menuEntryDisabled(entry.id);
            if (entry.checkable)
                item.setAttribute("aria-checked", String(entry.id === "full-screen"
                    ? !!fullScreenElement() : !!page.view()[MENU_OPTIONS[entry.id]]));
            item.addEventListener("click", () => {
                closeMenu();
                MENU_ACTIONS[entry.id]();
            });
            item.addEventListener("pointerenter", () => closeSubmenus());
            break;
        }
        }
    }
}

// A fixed box at (x, y), kept within the window.
function placeWithin(box, x, y) {
    box.style.left = Math.max(0, Math.min(x, window.innerWidth - box.offsetWidth - 2)) + "px";
    box.style.top = Math.max(0, Math.min(y, window.innerHeight - box.offsetHeight - 2)) + "px";
}

function openMenu(event) {
    event.preventDefault();
    showMenuAt(event.clientX, event.clientY);
}

// The menu at (x, y) in the window, its first entry that can be chosen taking the keys.
function showMenuAt(x, y) {
    if (menu.hidden) focusBeforeMenu = document.activeElement;
    buildMenu();
    menu.hidden = false;
    placeWithin(menu, x, y);
    (menu.querySelector("button:not(:disabled)") || menu.querySelector("button")).focus();
}

function closeSubmenus() {
    for (const list of menu.querySelectorAll(".submenu")) list.hidden = true;
    for (const item of menu.querySelectorAll("[aria-haspopup]"))
        item.setAttribute("aria-expanded", "false");
}

function openSubmenu(item, focus) {
    const list = menu.querySelector('.submenu[data-of="' + item.dataset.action + '"]');
    if (list.hidden) {
        closeSubmenus();
        list.hidden = false;
        item.setAttribute("aria-expanded", "true");
        // Right of the menu, or left of it where the window leaves no room.
        const box = item.getBoundingClientRect();
        const right = box.right + list.offsetWidth + 2 <= window.innerWidth;
        placeWithin(list, right ? box.right : menu.getBoundingClientRect().left
            - list.offsetWidth, box.top);
    }
    if (focus) (list.querySelector("button:not(:disabled)") || item).focus();
}

function closeMenu() {
    if (menu.hidden) return;
    const hadFocus = menu.contains(document.activeElement);
    closeSubmenus();
    menu.hidden = true;
    if (hadFocus && focusBeforeMenu && focusBeforeMenu.isConnected) focusBeforeMenu.focus();
    focusBeforeMenu = null;
}

canvas.addEventListener("contextmenu", (event) => {
    if (page.takesInput()) openMenu(event);
});
// The menu key and Shift+F10 open the picture's menu at its cursor (reading.js); the
// browser's own menu, which the same keys may ask for too, does not open over it.
document.addEventListener("contextmenu", (event) => {
    if (event.target instanceof Node && menu.contains(event.target)) event.preventDefault();
});
menu.addEventListener("keydown", (event) => {
    const within = document.activeElement.closest('[role="menu"]');
    const items = [...within.querySelectorAll(":scope > button:not(:disabled)")];
    const at = items.indexOf(document.activeElement);
    const parent = within === menu ? null
        : menu.querySelector('[data-action="' + within.dataset.of + '"]');
    if (event.key === "Escape" && parent) {
        closeSubmenus();
        parent.focus();
    } else if (event.key === "Escape") {
        closeMenu();
    } else if (event.key === "ArrowDown" || event.key === "ArrowUp") {
        const step = event.key === "ArrowDown" ? 1 : items.length - 1;
        if (items.length) items[(at + step) % items.length].focus();
    } else if (event.key === "ArrowRight" && document.activeElement.hasAttribute("aria-haspopup")) {
        openSubmenu(document.activeElement, true);
    } else if (event.key === "ArrowLeft" && parent) {
        closeSubmenus();
        parent.focus();
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

// --- The list of keys ------------------------------------------------------------------

// F1, or "Keys and mouse": the keys and the mouse in the page's language, in an inner
// window beside the page, as the window's; Escape or F1 closes it.
let focusBeforeKeys = null;

function fillKeys() {
    const keys = page.keys();
    document.getElementById("keys-title").textContent = keys.title;
    keysBox.setAttribute("aria-label", keys.title);
    const body = keysBox.querySelector("tbody");
    body.replaceChildren();
    for (const row of keys.rows) {
        const line = document.createElement("tr");
        const what = document.createElement("th");
        what.scope = "row";
        what.textContent = row.keys;
        const does = document.createElement("td");
        does.textContent = row.does;
        line.append(what, does);
        body.append(line);
    }
}

function showKeys() {
    closeMenu();
    fillKeys();
    if (!keysBox.open) {
        focusBeforeKeys = document.activeElement;
        keysBox.show();
    }
    keysBox.focus();
}

function closeKeys() {
    if (keysBox.open) keysBox.close();
}
keysBox.addEventListener("close", () => {
    const back = focusBeforeKeys;
    focusBeforeKeys = null;
    if (back && back.isConnected && back !== document.body) back.focus();
});
keysBox.addEventListener("keydown", (event) => {
    if (event.key !== "Escape" && event.key !== "Esc" && event.key !== "F1") return;
    if (event.ctrlKey || event.altKey || event.shiftKey || event.metaKey) return;
    closeKeys();
    event.preventDefault();
    event.stopPropagation();
});
document.getElementById("keys-close").addEventListener("click", closeKeys);

// --- The readout -----------------------------------------------------------------------

// Resting the mouse on a mark tells its point, x, P and the settings of its run; also while
// a run is held.
canvas.addEventListener("mousemove", (event) => {
    if (!page || !page.takesInput()) return;
    const [x, y] = designPoint(event);
    const text = page.readoutAt(x, y);
    if (canvas.title !== text) canvas.title = text;
});
