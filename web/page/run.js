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
    advanceAfterFrame = false;
}

// On at once, after the browser has had its turn (a message, not a clamped timeout); but
// where the browser has not shown the picture for a while, after it has: what a run draws
// is put into the picture's pixels when it is shown, and a run that went on without that
// would leave a long while of it for one frame, which would hold the page meanwhile.
const FRAME_AFTER_MS = 48;
let lastFrame = 0;
let frameAsked = false;
let advanceAfterFrame = false;
// After a click or a key (Start, an answer) the browser holds the page's ordinary tasks
// until it has shown its next frame; until then the run's slices go to it as tasks that
// cannot wait (where the browser has them), so that the time is the run's, in short tasks.
let inputBeforeFrame = false;
const urgentTasks = window.scheduler && typeof window.scheduler.postTask === "function";
function frameShown() {
    frameAsked = false;
    lastFrame = performance.now();
    if (advanceAfterFrame) {
        advanceAfterFrame = false;
        soonChannel.port2.postMessage(0);
    }
}

function advanceSoon() {
    if (!page.running() || page.waitingForAnswer()) return;
    cancelAdvance();
    soonPending = true;
    if (!frameAsked) {
        frameAsked = true;
        if (!lastFrame) lastFrame = performance.now();
        requestAnimationFrame(frameShown);
    }
    // A page out of sight shows no frames: its run goes on without them.
    if (performance.now() - lastFrame > FRAME_AFTER_MS && document.visibilityState === "visible")
        advanceAfterFrame = true;
    else if (inputBeforeFrame && urgentTasks)
        window.scheduler.postTask(soonArrived, { priority: "user-blocking" });
    else soonChannel.port2.postMessage(0);
}
// The run goes on at once after it waited (for Start, or for an answer): the page's slices
// are short, which keeps the task short. Nothing it drew waits to be shown, so the frame it
// waits for only after a while counts from now.
function goOn() {
    lastFrame = performance.now();
    inputBeforeFrame = true;
    requestAnimationFrame(() => {
        inputBeforeFrame = false;
    });
    advanceRun();
}
function soonArrived() {
    if (!soonPending || advanceAfterFrame) return;
    soonPending = false;
    advanceRun();
}
soonChannel.port1.onmessage = soonArrived;

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
    revealPicture();
    goOn();
}

// However a run ended, the picture's readers follow its records, and a run that drew says
// how it ended and where it came to its focus.
function endRun() {
    cancelAdvance();
    design.removeAttribute("aria-busy");
    // The run's buttons go; one that had the focus gives it to Start.
    const hadKeys = runKeys.contains(document.activeElement);
    showRunKeys();
    if (hadKeys) controls["cmdStart"].focus();
    showForm();
    recheckInspector();
    marksChanged();
    showRunState();
    if (page.runCount() > runsBefore) {
        runsBefore = page.runCount();
        readOut(page.runEnded());
    }
}

// A box and its first button, which takes the focus (by the script, not by autofocus,
// which a browser refuses in a page framed by another site, such as a learning platform).
function openBox(box, textId, text) {
    document.getElementById(textId).textContent = text;
    box.returnValue = "";
    box.showModal();
    const first = box.querySelector("button");
    if (first) first.focus();
    showRunState();
}

// The question's answer: "Yes" only by its button; Escape or closing is "No".
// A box's answer is taken when its button is pressed, not when the browser later tells that
// the box closed: the run goes on at once. Escape, or a box closed otherwise, answers "No".
function boxAnswered(yes) {
    if (!page.running() || !page.waitingForAnswer()) {
        showRunState();
        return;
    }
    page.answer(yes);
    goOn();
}
for (const box of [questionBox, noticeBox]) {
    box.addEventListener("submit", (event) => {
        const value = event.submitter ? event.submitter.value : "";
        event.preventDefault();
        box.close(value);
        boxAnswered(value === "yes");
    });
    box.addEventListener("close", () => boxAnswered(box.returnValue === "yes"));
}
// A key held down does not answer the next box by its repeats. Ctrl+Q closes the page as
// at any other time of a run: the run stops where it stands, its question unanswered.
for (const box of [questionBox, noticeBox])
    box.addEventListener("keydown", (event) => {
        if (event.repeat) {
            event.preventDefault();
            return;
        }
        if (page.running() && commandOf(event) === "Quit") {
            event.preventDefault();
            page.close();
            box.close();
            exitPage();
        }
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
    const title = held ? page.pausedTitle(caption) : caption;
    if (document.title !== title) document.title = title;
    const going = page.running() && !held && !boxOpen();
    if (design.classList.contains("busy") !== going) design.classList.toggle("busy", going);
    const status = page.status();
    if (status !== shownStatus) {
        shownStatus = status;
        // Every change that matters is read out: that a run goes on (once, not at each of
        // its points), that it waits for an answer, is held, stopped or finished.
        if (!going || !runningSaid) statusBox.textContent = status;
        runningSaid = going;
    }
    const state = page.state();
    if (document.body.dataset.state !== state) document.body.dataset.state = state;
    showBand();
    showRunKeys();
    // A run paints over the prompt; where the controls flow, its text above the picture goes.
    const prompt = controls["labKlepnete"];
    const covered = String(page.runCount() > 0);
    if (prompt && prompt.getAttribute("aria-hidden") !== covered)
        prompt.setAttribute("aria-hidden", covered);
    planSpare();
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
    // The run's buttons take a press, a tap and a click, and the keys that move between
    // them and press them; every other key keeps its meaning for the run.
    const onKeys = event.target instanceof Node && runKeys.contains(event.target);
    if (onKeys && event.type !== "keydown" && event.type !== "keypress"
        && event.type !== "keyup" && event.type !== "contextmenu")
        return;
    if (event.type === "pointerdown") closeMenu();
    if (event.type === "keydown" && runKeysKey(event)) {
        // handled: the focus moved between the run's buttons, or one was pressed
    } else if (event.type === "keydown") {
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
    // A finger on a held run's picture, as on a picture with no run going on.
    if (page.held() && event.target === canvas) {
        if (event.type === "pointerdown") pressOnPicture(event);
        else if (event.type === "pointerup") releaseOnPicture(event);
    }
    event.preventDefault();
    event.stopImmediatePropagation();
    if (event.type === "input" || event.type === "change") showForm();
}
for (const type of ["keydown", "keyup", "keypress", "pointerdown", "pointerup",
    "mousedown", "mouseup", "click", "dblclick", "auxclick", "contextmenu", "wheel",
    "touchstart", "touchend", "beforeinput", "input", "change", "paste", "cut",
    "drop", "dragstart", "dragover", "submit"])
    window.addEventListener(type, holdBack, { capture: true, passive: false });
