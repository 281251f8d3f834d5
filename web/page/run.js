// SPDX-License-Identifier: GPL-3.0-or-later
// The page's script, the run: advanced from the browser's event loop as the window's event
// loop advances it, its question and refusal in dialogs, its keys, where it stands, and
// every other input held back while it goes on.

const statusBox = document.getElementById("status");
const questionBox = document.getElementById("question");
const noticeBox = document.getElementById("notice");
const pictureDescription = document.getElementById("picture-description");

let caption = ""; // the page's title
let timer = 0;
let soonPending = false;
const soonChannel = new MessageChannel();

function cancelAdvance() {
    if (timer) clearTimeout(timer);
    timer = 0;
    soonPending = false;
}

// On at once, after the browser has had its turn (a message, not a clamped timeout).
function advanceSoon() {
    if (!page.running() || page.waitingForAnswer()) return;
    cancelAdvance();
    soonPending = true;
    soonChannel.port2.postMessage(0);
}
soonChannel.port1.onmessage = () => {
    if (!soonPending) return;
    soonPending = false;
    advanceRun();
};

// A pause goes to the event loop for as long as the program says: it has made the wait
// early by how late the loop has lately woken, and waits out the rest itself.
function waitFor(delayMs) {
    cancelAdvance();
    timer = setTimeout(() => {
        timer = 0;
        advanceRun();
    }, delayMs);
}

function advanceRun() {
    if (!page.running()) return;
    cancelAdvance();
    const next = page.advance();
    recheckInspector();
    switch (next.wait) {
    case "Soon":
        advanceSoon();
        break;
    case "Until":
        waitFor(next.delayMs);
        break;
    case "Answer":
        openBox(questionBox, "question-text", next.text);
        break;
    case "Acknowledge":
        openBox(noticeBox, "notice-text", next.text);
        break;
    case "Ended":
        endRun();
        break;
    default: // Held: a key goes on
        break;
    }
    showRunState();
}

let runsBefore = 0; // the runs of the picture when Start was pressed

function startRun() {
    if (page.running()) return;
    closeMenu();
    runsBefore = page.runCount();
    if (!page.start()) return;
    design.setAttribute("aria-busy", "true");
    advanceRun();
}

// However a run ended, the picture's readers follow its records, and a run that drew says
// how it ended and where it came to its focus.
function endRun() {
    cancelAdvance();
    design.removeAttribute("aria-busy");
    showForm();
    recheckInspector();
    marksChanged();
    showRunState();
    if (page.runCount() > runsBefore) {
        runsBefore = page.runCount();
        readOut(page.runEnded());
    }
}

function openBox(box, textId, text) {
    document.getElementById(textId).textContent = text;
    box.returnValue = "";
    box.showModal();
    showRunState();
}

// The question's answer: "Yes" only by its button; Escape or closing is "No".
questionBox.addEventListener("close", () => {
    if (!page.running()) return;
    page.answer(questionBox.returnValue === "yes");
    advanceRun();
});
noticeBox.addEventListener("close", () => {
    if (!page.running()) {
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
    return questionBox.open || noticeBox.open || linkBox.open;
}

// Where a run stands: a held one says so in the title and by the ordinary cursor, the
// status (which a screen reader hears) says where any run stands, and the band over the
// prompt where a held run stands, and after Escape where it stopped.
let shownStatus = "";
let runningSaid = false; // the status says that a run goes on, since it last went on
function showRunState() {
    const held = page.held();
    document.title = held ? page.pausedTitle(caption) : caption;
    const going = page.running() && !held && !boxOpen();
    design.classList.toggle("busy", going);
    const status = page.status();
    if (status !== shownStatus) {
        shownStatus = status;
        // Every change that matters is read out: that a run goes on (once, not at each of
        // its points), that it waits for an answer, is held, stopped or finished.
        if (!going || !runningSaid) statusBox.textContent = status;
        runningSaid = going;
    }
    document.body.dataset.state = page.state();
    showBand();
}

// A short notice, as the status, which a screen reader hears.
function say(text) {
    statusBox.textContent = text;
    shownStatus = text;
}

// --- Keys ------------------------------------------------------------------------------

function commandOf(event) {
    return page.commandFor(event.key, event.ctrlKey || event.metaKey, event.shiftKey,
        event.altKey, event.repeat);
}

function selectionInTextBox() {
    const active = document.activeElement;
    return active instanceof HTMLInputElement && active.type === "text"
        && active.selectionStart !== active.selectionEnd;
}

// What a key means to the program, done: the run's keys during a run, and copying, the
// list of keys and closing, as the window's. Whether it meant anything.
function doCommand(command) {
    switch (command) {
    case "ToggleHold":
    case "Step":
    case "Stop":
        if (page.command(command)) {
            showRunState();
            advanceSoon();
        }
        return true;
    case "CopyPicture":
        copyPicture();
        return true;
    case "CopyData":
        copyData();
        return true;
    case "KeysHelp":
        showKeys();
        return true;
    case "Quit":
        exitPage();
        return true;
    default:
        return false;
    }
}

// With no run going on: the window's keys, where no box, menu or inner window has its own.
document.addEventListener("keydown", (event) => {
    if (page.running() || boxOpen() || event.defaultPrevented) return;
    if (doLinkKey(linkKey(event))) {
        event.preventDefault();
        return;
    }
    const command = commandOf(event);
    if (command === "CopyPicture" && selectionInTextBox()) return; // the text box's own copy
    if (doCommand(command)) event.preventDefault();
});

// While a run goes on, no click, key or text reaches the controls: the run's own keys go
// to the run; while it is held, the picture's menu, its readout and inspector, copying and
// the list of keys work too.
function holdBack(event) {
    if (!page.running()) return;
    if (event.target instanceof Node && (questionBox.contains(event.target)
        || noticeBox.contains(event.target) || linkBox.contains(event.target)
        || menu.contains(event.target)
        || inspector.contains(event.target) || keysBox.contains(event.target)))
        return; // the boxes, the menu and the inner windows take their own input
    if (event.type === "pointerdown") closeMenu();
    if (event.type === "keydown") {
        if (page.held() && linkKey(event) === "CopyLink") copyLink();
        else if (!doCommand(commandOf(event)) && event.target === canvas
            && (event.key === "l" || event.key === "L") && !event.repeat)
            listen(); // which waits until the run has ended, and says so
    }
    if (event.type === "contextmenu" && page.held() && event.target === canvas) {
        openMenu(event);
        return;
    }
    if (event.type === "click" && page.held() && event.target === canvas) inspectAt(event);
    event.preventDefault();
    event.stopImmediatePropagation();
    if (event.type === "input" || event.type === "change") showForm();
}
for (const type of ["keydown", "keyup", "keypress", "pointerdown", "pointerup",
    "mousedown", "mouseup", "click", "dblclick", "auxclick", "contextmenu", "wheel",
    "touchstart", "touchend", "beforeinput", "input", "change", "paste", "cut",
    "drop", "dragstart", "dragover", "submit"])
    window.addEventListener(type, holdBack, { capture: true, passive: false });
