// SPDX-License-Identifier: GPL-3.0-or-later
// The page's script, the picture as a link, as the window's: one line of text that holds
// the runs and how they are shown. The page opens one in its address's fragment
// (ravo.html#ravo1_...), copies its own (Ctrl+L), opens one pasted on the picture (Ctrl+V)
// or typed into a small box, and brings back what the last "Yes" to "Delete probability"
// erased (Ctrl+Z). A short notice says what was done.

const linkBox = document.getElementById("link-box");
const linkField = document.getElementById("link-field");
const toast = document.getElementById("toast");

// --- Notices ---------------------------------------------------------------------------

let toastTimer = 0;

// A notice, read out as the status and shown over the picture for a few seconds, or until
// the next key or click.
function tell(text) {
    say(text);
    toast.textContent = text;
    toast.hidden = false;
    clearTimeout(toastTimer);
    toastTimer = setTimeout(hideToast, 5000);
}

function hideToast() {
    clearTimeout(toastTimer);
    toast.hidden = true;
}
for (const type of ["keydown", "pointerdown"])
    window.addEventListener(type, (event) => {
        if (!event.repeat && !toast.hidden && !(type === "keydown" && isModifier(event)))
            hideToast();
    }, { capture: true });

function isModifier(event) {
    return ["Control", "Shift", "Alt", "Meta"].includes(event.key);
}

// What is wrong, in a box that waits for OK.
function warn(text) {
    if (noticeBox.open) {
        document.getElementById("notice-text").textContent = text;
        return;
    }
    openBox(noticeBox, "notice-text", text);
}

// --- Copying and opening ---------------------------------------------------------------

// The picture as a link: from a web server, the page's own address with the link as its
// fragment; from a file, whose address would mean nothing on another computer, the link
// alone. With no run going on, or while one is held.
function linkToCopy() {
    const link = page.link();
    if (!/^https?:$/.test(location.protocol)) return link;
    return location.origin + location.pathname + location.search + "#" + link;
}

function copyLink() {
    if (!page.takesInput()) return;
    const text = linkToCopy();
    if (!navigator.clipboard) {
        tell(page.text(Module.PageText.NoTextCopy));
        return;
    }
    navigator.clipboard.writeText(text).then(() => tell(page.linkCopied()),
        (error) => tell(page.linkTextWith(Module.PageLinkText.NotCopied, error.message)));
}

// A link's runs in place of the picture's: drawn again from the records, the controls as
// after its last run, its view shown; a text that is no link says what is wrong with it, and
// the picture stays as it was. Not during a run.
function openLink(text) {
    if (page.running()) return false;
    const opened = page.openLink(text);
    if (!opened.opened) {
        if (opened.message) warn(opened.message);
        return false;
    }
    closeMenu();
    closeInspector();
    showView();
    showForm();
    showHelp();
    marksChanged();
    showRunState();
    tell(opened.message);
    return true;
}

// The link in the page's address, when it opens and when the fragment changes.
function openAddressLink() {
    if (location.hash.length > 1) openLink(location.hash);
}
window.addEventListener("hashchange", openAddressLink);

// Ctrl+V on the picture: the browser hands the page what it pastes where it lets it; where
// it does not, the clipboard is read if the page may, and otherwise the link is asked for.
let pasted = false;
function pasteByKey() {
    pasted = false;
    setTimeout(() => {
        if (!pasted) readLinkOrAsk();
    }, 0);
}
canvas.addEventListener("paste", (event) => {
    if (!page || page.running()) return;
    pasted = true;
    event.preventDefault();
    const text = event.clipboardData ? event.clipboardData.getData("text/plain") : "";
    if (text) openLink(text);
    else askForLink();
});

// "Open link": the clipboard's text where the browser lets the page read it without asking,
// and otherwise a small box into which it is pasted.
async function readLinkOrAsk() {
    if (page.running()) return;
    let allowed = false;
    try {
        allowed = !!navigator.clipboard && !!navigator.clipboard.readText
            && (await navigator.permissions.query({ name: "clipboard-read" })).state === "granted";
    } catch (error) {
        allowed = false;
    }
    if (allowed) {
        try {
            const text = await navigator.clipboard.readText();
            if (text.trim()) {
                openLink(text);
                return;
            }
        } catch (error) {
            // the box below
        }
    }
    askForLink();
}

function askForLink() {
    if (page.running() || linkBox.open) return;
    linkField.value = "";
    linkBox.returnValue = "";
    linkBox.showModal();
    linkField.focus();
}

linkBox.addEventListener("close", () => {
    if (linkBox.returnValue === "open" && linkField.value.trim()) openLink(linkField.value);
});

function showLinkTexts() {
    const title = page.menu().find((entry) => entry.id === "open-link").label;
    document.getElementById("link-title").textContent = title;
    document.getElementById("link-label").textContent = page.linkText(Module.PageLinkText.Field);
    document.getElementById("link-open").textContent = page.linkText(Module.PageLinkText.Open);
    document.getElementById("link-cancel").textContent =
        page.linkText(Module.PageLinkText.Cancel);
}

// --- Undoing an erase ------------------------------------------------------------------

// Ctrl+Z, or "Undo erase": what the last run's "Yes" to "Delete probability" erased comes
// back, before the next run.
function undoErase() {
    if (page.running()) return;
    if (!page.undoErase()) {
        tell(page.nothingToUndo());
        return;
    }
    recheckInspector();
    renewPicture(factor);
    marksChanged();
    showRunState();
    tell(page.eraseUndone());
}

// Ctrl+L and Ctrl+Z (where no text box has its own undo) with no run going on; Ctrl+L also
// while one is held.
function linkKey(event) {
    const ctrl = (event.ctrlKey || event.metaKey) && !event.altKey && !event.shiftKey;
    if (!ctrl || event.repeat) return null;
    const key = event.key.toLowerCase();
    if (key === "l") return "CopyLink";
    const active = document.activeElement;
    const typing = active instanceof HTMLTextAreaElement
        || (active instanceof HTMLInputElement && active.type === "text");
    if (key === "z" && !typing) return "UndoErase";
    return null;
}

function doLinkKey(name) {
    if (name === "CopyLink") copyLink();
    else if (name === "UndoErase") undoErase();
    return !!name;
}
