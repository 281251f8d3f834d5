# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the real Ravo window on a private X server, for the end-to-end test and the
screenshot script.

Only the standard library is used. The X server is Xvfb, the input comes from xdotool and
the window contents from xwd, whose dump is decoded here; the pointer's cursor is read
through libXfixes, which comes with Xvfb.
"""

import ctypes
import json
import os
import signal
import struct
import subprocess
import sys
import tempfile
import time
import zlib

# The window's layout, the design's own numbers written out by the build (layout_json);
# CTest names the file.
LAYOUT_FILE = os.environ["RAVO_LAYOUT_FILE"]


def _read_layout():
    with open(LAYOUT_FILE, encoding="utf-8") as f:
        layout = json.load(f)
    rects = {}
    for c in layout["controls"]:
        ox, oy = rects[c["container"]][:2] if c["container"] else (0, 0)
        x, y, w, h = c["at"]
        rects[c["name"]] = (ox + x, oy + y, w, h)
    return layout, rects


LAYOUT, _RECTS = _read_layout()


def rect(name):
    """Where a control stands on the window: (x, y, width, height) in pixels of the client
    area at scale 1."""
    return _RECTS[name]


def _rgb(text):
    return tuple(int(text[i : i + 2], 16) for i in (1, 3, 5))


START_BUTTON = rect("cmdStart")
EXIT_BUTTON = rect("cmdKonec")
COLOUR_BUTTONS = {c["text"]: rect(c["name"]) for c in LAYOUT["controls"]
                  if c["container"] == "frmKmitočet"}
CAPTION_BOXES = {c["text"]: rect(c["name"]) for c in LAYOUT["controls"]
                 if c["shown"] == "after a run"}
GREY = _rgb(LAYOUT["window"]["background"])
MAIN_TITLE = "^" + LAYOUT["window"]["title"]
QUESTION_TITLE = "^Ravo$"
# Reading the window as a screen reader does: Debian's Python with its pyatspi.
A11Y_PYTHON = "/usr/bin/python3"
A11Y_STATUS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "a11y_status.py")
ATSPI_BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
# The colour of a run's probability marks, and where its last detector point lies.
MARK_COLOURS = {"Red": (255, 0, 0), "Green": (0, 255, 0), "Blue": (0, 0, 255)}
LAST_DETECTOR_X = 745


class DriverError(Exception):
    pass


class _CursorImage(ctypes.Structure):
    _fields_ = [
        ("x", ctypes.c_short), ("y", ctypes.c_short),
        ("width", ctypes.c_ushort), ("height", ctypes.c_ushort),
        ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
        ("cursor_serial", ctypes.c_ulong),
        ("pixels", ctypes.POINTER(ctypes.c_ulong)),
    ]


class CursorWatch:
    """The cursor that the X server shows at the pointer. Ravo shows the busy cursor for
    the whole of a run and the ordinary one when it takes input."""

    def __init__(self, display_name):
        self.x11 = ctypes.CDLL("libX11.so.6")
        self.xfixes = ctypes.CDLL("libXfixes.so.3")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.x11.XFree.argtypes = [ctypes.c_void_p]
        self.xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(_CursorImage)
        self.xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
        self.display = self.x11.XOpenDisplay(display_name.encode())
        if not self.display:
            raise DriverError("cannot open display %s" % display_name)

    def serial(self):
        """The server's number for the cursor shown now; equal numbers, equal cursors."""
        image = self.xfixes.XFixesGetCursorImage(self.display)
        if not image:
            raise DriverError("no cursor image")
        serial = image.contents.cursor_serial
        self.x11.XFree(image)
        return serial

    def close(self):
        if self.display:
            self.x11.XCloseDisplay(self.display)
            self.display = None


def _die_with_parent():
    # Runs in the child before exec: if this driver is killed outright (SIGKILL from a test
    # timeout), the kernel asks the child to end too, so no X server or window is left
    # behind; Xvfb then also removes its lock file.
    try:
        libc = ctypes.CDLL(None, use_errno=True)
        PR_SET_PDEATHSIG = 1
        libc.prctl(PR_SET_PDEATHSIG, signal.SIGTERM)
    except (OSError, AttributeError):
        pass


class XwdImage:
    """One window dump of xwd: ZPixmap, 24 or 32 bits per pixel, TrueColor."""

    def __init__(self, data):
        if len(data) < 100:
            raise DriverError("xwd gave no image")
        fields = struct.unpack(">25I", data[:100])
        header_size = fields[0]
        pixmap_format, depth = fields[2], fields[3]
        self.width, self.height = fields[4], fields[5]
        self.byte_order = fields[7]
        self.bits_per_pixel = fields[11]
        self.bytes_per_line = fields[12]
        masks = fields[14:17]
        ncolors = fields[19]
        if pixmap_format != 2 or depth < 24 or self.bits_per_pixel not in (24, 32):
            raise DriverError(
                "unexpected xwd format %d, depth %d, %d bits per pixel"
                % (pixmap_format, depth, self.bits_per_pixel)
            )
        self.shifts = [(m & -m).bit_length() - 1 for m in masks]
        offset = header_size + ncolors * 12
        self.pixels = data[offset : offset + self.bytes_per_line * self.height]
        if len(self.pixels) < self.bytes_per_line * self.height:
            raise DriverError("xwd image is truncated")
        self.step = self.bits_per_pixel // 8
        self.order = "little" if self.byte_order == 0 else "big"

    def pixel(self, x, y):
        at = y * self.bytes_per_line + x * self.step
        value = int.from_bytes(self.pixels[at : at + self.step], self.order)
        r, g, b = ((value >> s) & 0xFF for s in self.shifts)
        return (r, g, b)

    def rgb_rows(self):
        """The image as rows of packed RGB bytes."""
        rows = []
        channel_bytes = [s // 8 for s in self.shifts]
        if self.order == "big":
            channel_bytes = [self.step - 1 - c for c in channel_bytes]
        for y in range(self.height):
            start = y * self.bytes_per_line
            raw = self.pixels[start : start + self.width * self.step]
            row = bytearray(self.width * 3)
            for i, c in enumerate(channel_bytes):
                row[i::3] = raw[c :: self.step]
            rows.append(bytes(row))
        return rows

    def save_png(self, path, crop=None):
        """Writes the image (or the crop (x, y, width, height) of it) as an RGB PNG."""
        rows = self.rgb_rows()
        x, y, w, h = crop or (0, 0, self.width, self.height)
        w, h = min(w, self.width - x), min(h, self.height - y)
        raw = b"".join(b"\x00" + rows[y + i][3 * x : 3 * (x + w)] for i in range(h))

        def chunk(kind, body):
            return (
                struct.pack(">I", len(body))
                + kind
                + body
                + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)
            )

        png = (
            b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b"")
        )
        with open(path, "wb") as f:
            f.write(png)


class RavoSession:
    """A private Xvfb with one Ravo window on it. Use as a context manager: leaving it ends
    the window and the X server whatever happened."""

    def __init__(self, binary, scale=1, screen="1024x768x24", log=None,
                 window_manager=False, language=None, arguments=()):
        self.binary = binary
        self.arguments = list(arguments)
        self.language = language
        self.scale = scale
        self.screen = screen
        self.window_manager = window_manager
        self.wm = None
        self.log = log or (lambda text: print(text, file=sys.stderr, flush=True))
        self.xvfb = None
        self.ravo = None
        self.window = None
        self.display = None
        self.runtime_dir = None
        self.dbus = None
        self.bus_address = None
        self.atspi = None
        self.cursor = None
        self.ordinary_cursor = None
        self._old_handlers = {}

    # -- life cycle --------------------------------------------------------------------

    def __enter__(self):
        for sig in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
            self._old_handlers[sig] = signal.signal(sig, self._on_signal)
        try:
            self._start_xvfb()
            self._start_accessibility_bus()
            if self.window_manager:
                self._start_window_manager()
            self._start_ravo()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def _on_signal(self, signum, frame):
        raise SystemExit(128 + signum)

    def close(self):
        if self.cursor is not None:
            self.cursor.close()
            self.cursor = None
        for proc in (self.ravo, self.wm, self.atspi, self.dbus, self.xvfb):
            if proc is not None and proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    proc.kill()
                    proc.wait()
        self.ravo = self.wm = self.atspi = self.dbus = self.xvfb = None
        if self.runtime_dir is not None:
            self.runtime_dir.cleanup()
            self.runtime_dir = None
        for sig, handler in self._old_handlers.items():
            signal.signal(sig, handler)
        self._old_handlers = {}

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        try:
            # Xvfb picks a free display itself and names it on the pipe once it accepts
            # connections.
            self.xvfb = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", self.screen,
                 "-nolisten", "tcp", "-noreset"],
                pass_fds=(write_end,),
                stdout=subprocess.DEVNULL,
                stderr=subprocess.DEVNULL,
                preexec_fn=_die_with_parent,
            )
        finally:
            os.close(write_end)
        try:
            number = b""
            deadline = time.monotonic() + 15
            while not number.endswith(b"\n"):
                if time.monotonic() > deadline or self.xvfb.poll() is not None:
                    raise DriverError("Xvfb did not start")
                part = os.read(read_end, 16)
                if not part:
                    raise DriverError("Xvfb did not start")
                number += part
        finally:
            os.close(read_end)
        self.display = ":" + number.decode().strip()
        self.log("X server on display %s" % self.display)
        self.cursor = CursorWatch(self.display)

    def _start_accessibility_bus(self):
        """A D-Bus session of its own with the accessibility bus on it, through which a
        screen reader, and this driver, read the window."""
        self._make_runtime_dir()
        self.dbus = subprocess.Popen(
            ["dbus-daemon", "--session", "--nofork", "--print-address=1"],
            env=self._env(), stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True,
            preexec_fn=_die_with_parent,
        )
        self.bus_address = self.dbus.stdout.readline().strip()
        if not self.bus_address:
            raise DriverError("dbus-daemon did not start")
        self.atspi = subprocess.Popen(
            [ATSPI_BUS_LAUNCHER, "--launch-immediately"], env=self._env(),
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, preexec_fn=_die_with_parent,
        )

    def status(self):
        """Where the window says a run stands, as a screen reader reads it, or None while
        the window is not on the accessibility bus."""
        result = subprocess.run([A11Y_PYTHON, A11Y_STATUS], env=self._env(),
                                capture_output=True, text=True, timeout=20)
        return result.stdout.strip() if result.returncode == 0 else None

    def accessible_tree(self, box=False):
        """Every named object of the window, or of the run's box: (role, name, description)."""
        result = subprocess.run([A11Y_PYTHON, A11Y_STATUS, "--tree"] + (["--box"] if box else []),
                                env=self._env(),
                                capture_output=True, text=True, timeout=20)
        return [tuple(line.split("|", 2)) for line in result.stdout.splitlines() if line]

    def focused(self):
        """The focused object of Ravo's windows as a screen reader reads it: (window, role,
        name, description), or None."""
        result = subprocess.run([A11Y_PYTHON, A11Y_STATUS, "--focused"], env=self._env(),
                                capture_output=True, text=True, timeout=20)
        if result.returncode != 0 or not result.stdout.strip():
            return None
        return tuple(result.stdout.strip().split("|", 3))

    def hidden_focusable(self):
        """The objects of the window that are not shown but say they can take the focus."""
        result = subprocess.run([A11Y_PYTHON, A11Y_STATUS, "--hidden-focusable"],
                                env=self._env(), capture_output=True, text=True, timeout=20)
        return [line for line in result.stdout.splitlines() if line]

    def wait_for_status(self, condition, timeout, what):
        """Waits until the window's status satisfies the condition; returns the status."""
        seen = []

        def holds():
            seen[:] = [self.status()]
            return seen[0] is not None and condition(seen[0])

        self.wait_until(holds, timeout, "%s (last status: %r)" % (what, seen and seen[0]),
                        interval=0.1)
        return seen[0]

    def _make_runtime_dir(self):
        if self.runtime_dir is None:
            self.runtime_dir = tempfile.TemporaryDirectory(prefix="ravo-x11-")
            os.chmod(self.runtime_dir.name, 0o700)

    def _start_window_manager(self):
        """Openbox, as a desktop runs one; ready once it has claimed the screen."""
        self._make_runtime_dir()
        self.wm = subprocess.Popen(
            ["openbox", "--sm-disable"], env=self._env(), stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL, preexec_fn=_die_with_parent,
        )

        def claimed():
            if self.wm.poll() is not None:
                raise DriverError("openbox ended with status %s" % self.wm.returncode)
            result = subprocess.run(
                ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self._env(),
                capture_output=True, text=True, timeout=10,
            )
            return "window id" in result.stdout

        self.wait_until(claimed, 15, "the window manager")
        self.log("openbox manages display %s" % self.display)

    def _env(self):
        env = dict(os.environ)
        env["DISPLAY"] = self.display
        env["QT_QPA_PLATFORM"] = "xcb"
        env["QT_SCALE_FACTOR"] = str(self.scale)
        if self.bus_address:
            env["DBUS_SESSION_BUS_ADDRESS"] = self.bus_address
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        if self.language:
            env["LANGUAGE"] = self.language
        env["XDG_RUNTIME_DIR"] = self.runtime_dir.name
        for name in ("QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR",
                     "QT_ENABLE_HIGHDPI_SCALING", "QT_STYLE_OVERRIDE"):
            env.pop(name, None)
        return env

    def _start_ravo(self):
        self._make_runtime_dir()
        self.ravo = subprocess.Popen(
            [self.binary, *self.arguments], env=self._env(), stdout=subprocess.DEVNULL,
            preexec_fn=_die_with_parent,
        )
        # A loaded machine (a package being built beside the test) can hold a start up for
        # many seconds; the limit only ends a start that failed.
        try:
            self.window = self.wait_for_window(MAIN_TITLE, timeout=60)
        except DriverError as error:
            _, names = self.xdotool("search", "--name", ".", "getwindowname", "%@")
            raise DriverError("%s; the windows there: %r" % (error, names.splitlines()))
        # The window is mapped; wait until it has painted its grey background.
        self.wait_until(lambda: self.grab().pixel(*self.at(700, 400)) == GREY, 10,
                        "the window to paint itself")
        # The cursor over the picture while the window takes input.
        self.move_to(700, 400)
        self.ordinary_cursor = self.cursor.serial()

    # -- X helpers ---------------------------------------------------------------------

    def xdotool(self, *args):
        result = subprocess.run(
            ["xdotool", *map(str, args)], env=self._env(), capture_output=True, text=True,
            timeout=10,
        )
        return result.returncode, result.stdout

    def find_windows(self, title):
        code, out = self.xdotool("search", "--onlyvisible", "--name", title)
        return [int(w) for w in out.split()] if code == 0 else []

    def wait_for_window(self, title, timeout):
        found = []

        def present():
            self.check_alive()
            found[:] = self.find_windows(title)
            return bool(found)

        self.wait_until(present, timeout, "a window titled %r" % title)
        return found[0]

    def geometry(self, window):
        """The window's client area on the screen: x, y, width, height. (xwininfo gives
        the true place also of a window that a window manager has framed.)"""
        result = subprocess.run(["xwininfo", "-id", str(window)], env=self._env(),
                                capture_output=True, text=True, timeout=10)
        if result.returncode != 0:
            raise DriverError("no geometry for window %s" % window)
        values = {}
        for line in result.stdout.splitlines():
            key, _, value = line.strip().partition(":")
            values[key] = value.strip()
        try:
            return tuple(int(values[k]) for k in ("Absolute upper-left X",
                                                  "Absolute upper-left Y", "Width", "Height"))
        except (KeyError, ValueError):
            raise DriverError("no geometry for window %s" % window)

    def check_alive(self):
        if self.ravo is not None and self.ravo.poll() is not None:
            raise DriverError("ravo ended with status %s" % self.ravo.returncode)

    def wait_until(self, condition, timeout, what, interval=0.05):
        """Polls the condition until it holds; the timeout only ends a wait that failed."""
        if not self.holds_within(condition, timeout, interval):
            raise DriverError("timed out waiting for %s" % what)

    def holds_within(self, condition, timeout, interval=0.05):
        deadline = time.monotonic() + timeout
        while True:
            if condition():
                return True
            if time.monotonic() > deadline:
                return False
            time.sleep(interval)

    def busy(self):
        """True while the window shows the busy cursor: throughout a run, but for the time
        that a box of the run waits for its answer under the ordinary arrow."""
        return self.cursor.serial() != self.ordinary_cursor

    def at(self, x, y):
        """A point of the layout (pixels at scale 1) in pixels of the window's dump."""
        return (int(x * self.scale), int(y * self.scale))

    def grab(self):
        self.check_alive()
        result = subprocess.run(
            ["xwd", "-silent", "-id", str(self.window)], env=self._env(),
            capture_output=True, timeout=10,
        )
        if result.returncode != 0:
            raise DriverError("xwd failed: %s" % result.stderr.decode(errors="replace"))
        return XwdImage(result.stdout)

    def move_to(self, x, y):
        """Moves the pointer to a point of the layout, relative to the client area."""
        wx, wy, _, _ = self.geometry(self.window)
        px, py = self.at(x, y)
        # (xdotool's --sync would wait for ever when the pointer is already there.)
        self.xdotool("mousemove", wx + px, wy + py)
        target = "x:%d y:%d " % (wx + px, wy + py)
        self.wait_until(lambda: self.xdotool("getmouselocation")[1].startswith(target), 10,
                        "the pointer to reach %s" % target)

    def click(self, x, y):
        """Clicks at a point of the layout, relative to the window's client area."""
        self.move_to(x, y)
        self.xdotool("click", "1")

    def click_control(self, rect):
        x, y, w, h = rect
        self.click(x + min(w // 2, 24), y + h // 2)

    def answer_no(self, timeout=15):
        """Waits for the question box and answers it with Escape, which means "No"."""
        box = self.wait_for_window(QUESTION_TITLE, timeout)
        self.xdotool("windowfocus", "--sync", box)
        self.xdotool("key", "--clearmodifiers", "Escape")
        self.wait_until(lambda: not self.find_windows(QUESTION_TITLE), timeout,
                        "the question box to close")

    def caption_dark_span(self, image, rect):
        """The columns (first, last) of the box's area that hold dark text pixels."""
        x, y, w, h = (int(v * self.scale) for v in rect)
        columns = [
            cx for cx in range(x, x + w)
            if any(sum(image.pixel(cx, cy)) < 200 for cy in range(y, y + h))
        ]
        return (columns[0], columns[-1]) if columns else None

    def captions_shown(self, image):
        return all(self.caption_dark_span(image, r) for r in CAPTION_BOXES.values())

    def last_mark_drawn(self, image, colour):
        """True when the mark of the last detector point shows in the colour (the marks
        stand between y = 20 and the base line at y = 230.5)."""
        top, bottom = self.at(0, 20)[1], self.at(0, 232)[1]
        return any(topmost(image, column, MARK_COLOURS[colour], top, bottom) is not None
                   for x in (LAST_DETECTOR_X - 1, LAST_DETECTOR_X, LAST_DETECTOR_X + 1)
                   for column in range(self.at(x, 0)[0], self.at(x + 1, 0)[0]))

    def run(self, colour="Blue", answer_no=False, timeout=60):
        """Clicks the colour's button and "Start", answers the question with "No" when told,
        and waits until the run has drawn its last mark in the colour, the caption boxes
        show and the window takes input again; returns the picture then. Marks of the
        colour must not be on the picture already."""
        self.click_control(COLOUR_BUTTONS[colour])
        self.click_control(START_BUTTON)
        if answer_no:
            self.answer_no()
        image = []

        def ended():
            image[:] = [self.grab()]
            return (self.last_mark_drawn(image[0], colour) and self.captions_shown(image[0])
                    and not self.busy())

        self.wait_until(ended, timeout, "the end of the %s run" % colour)
        return image[0]

    def settled(self, timeout=30):
        """The picture once two grabs in a row are equal: after a run, its last strokes."""
        images = [self.grab()]

        def same():
            images.append(self.grab())
            return images[-1].pixels == images[-2].pixels

        self.wait_until(same, timeout, "the picture to settle")
        return images[-1]


def topmost(image, x, colour, top, bottom):
    """The smallest y in [top, bottom) where column x has exactly the colour, or None."""
    for y in range(top, bottom):
        if image.pixel(x, y) == colour:
            return y
    return None


# -- for the test scripts ---------------------------------------------------------------

findings = {"passed": 0, "failed": []}


def check(condition, message):
    """Prints one finding of a test script and counts it."""
    print(("ok   " if condition else "FAIL ") + message, flush=True)
    if condition:
        findings["passed"] += 1
    else:
        findings["failed"].append(message)


def finish(started):
    """Prints the closing lines of a test script; returns its exit status."""
    print("%.1f s" % (time.monotonic() - started), flush=True)
    print("%d passed, %d failed" % (findings["passed"], len(findings["failed"])), flush=True)
    return 1 if findings["failed"] else 0


def run_test(main):
    """Runs a test script's main; a failure of the driver counts as a failed check."""
    try:
        sys.exit(main(sys.argv))
    except DriverError as error:
        print("FAIL " + str(error), flush=True)
        sys.exit(1)


def main(argv):
    """python3 ravo_x11.py BINARY OUT.png [SCALE]: the window after a red, a green and a
    blue run, the second and third answered "No", as a PNG."""
    if len(argv) not in (3, 4):
        print(main.__doc__, file=sys.stderr)
        return 2
    binary, out = argv[1], argv[2]
    scale = int(argv[3]) if len(argv) == 4 else 1
    screen = "%dx%dx24" % (1024 * scale, 768 * scale)
    with RavoSession(binary, scale=scale, screen=screen) as session:
        session.run("Red")
        session.run("Green", answer_no=True)
        session.run("Blue", answer_no=True)
        image = session.settled()
        _, _, width, height = session.geometry(session.window)
        image.save_png(out, crop=(0, 0, width, height))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))


class XClientMessageEvent(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int),
        ("serial", ctypes.c_ulong),
        ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p),
        ("window", ctypes.c_ulong),
        ("message_type", ctypes.c_ulong),
        ("format", ctypes.c_int),
        ("data", ctypes.c_long * 5),
    ]


class XEvent(ctypes.Union):
    _fields_ = [("xclient", XClientMessageEvent), ("pad", ctypes.c_long * 24)]


def _send_client_message(display_name, window, message_type, data, to_root=False):
    """Sends a client message about the window, either to the window itself or, as a pager
    does, to the root window for the window manager."""
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.POINTER(XEvent)]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(display_name.encode())
    if not display:
        raise DriverError("cannot open display %s" % display_name)
    try:
        event = XEvent()
        event.xclient.type = 33  # ClientMessage
        event.xclient.window = window
        event.xclient.message_type = x11.XInternAtom(display, message_type, 0)
        event.xclient.format = 32
        for i, value in enumerate(data):
            event.xclient.data[i] = (x11.XInternAtom(display, value, 0)
                                     if isinstance(value, bytes) else value)
        if to_root:
            substructure_redirect_and_notify = (1 << 20) | (1 << 19)
            x11.XSendEvent(display, x11.XDefaultRootWindow(display), 0,
                           substructure_redirect_and_notify, ctypes.byref(event))
        else:
            x11.XSendEvent(display, window, 0, 0, ctypes.byref(event))
        x11.XFlush(display)
    finally:
        x11.XCloseDisplay(display)


def request_close(display_name, window):
    """Sends the window the WM_DELETE_WINDOW request that a window manager sends when its
    close button is pressed."""
    _send_client_message(display_name, window, b"WM_PROTOCOLS",
                         [b"WM_DELETE_WINDOW", 0])  # 0: CurrentTime


def ask_window_manager_to_close(display_name, window):
    """Asks the window manager to close the window, as a pager or a task bar does; the
    window manager then sends the window its close request."""
    _send_client_message(display_name, window, b"_NET_CLOSE_WINDOW",
                         [0, 2], to_root=True)  # CurrentTime, from a pager
