"""Drives Windows programs under Wine from outside, as a person would.

Everything here goes through the X display: clicks, screen reads and the list
of windows go straight to the X server (xdisplay.py), xdotool types keys, and
files are read from the Wine prefix. Every step waits, bounded, for the
condition it needs (a window shown, a dialog's buttons painted, a window gone
in several reads); a wait that runs out leaves a screenshot and the window
list under the results folder. stop() leaves no process behind.
"""
import os
import pathlib
import pwd
import re
import subprocess
import time

from xdisplay import bgrx_to_rgb, shared_display

ROOT = pathlib.Path(__file__).resolve().parents[2]


class E2EError(AssertionError):
    pass


def run(*args, timeout=20, check=True):
    result = subprocess.run(args, capture_output=True, text=True, timeout=timeout)
    if check and result.returncode != 0:
        raise E2EError(f"{' '.join(map(str, args))} failed: {result.stderr.strip()}")
    return result.stdout


def poll_until(predicate, timeout, interval=0.1):
    """Calls predicate until it gives a true value and returns that value, or
    None once the time is up (for a wait whose end is no failure)."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            return None
        time.sleep(interval)


def wait_until(predicate, timeout, interval=0.1, what="condition"):
    """Calls predicate until it gives a true value and returns that value. A
    wait that runs out fails, naming what was awaited, and leaves a
    screenshot and the list of windows under the results folder."""
    value = poll_until(predicate, timeout, interval)
    if value:
        return value
    evidence = save_evidence(what)
    raise E2EError(f"timed out after {timeout}s waiting for {what} (see {evidence}.png and .txt)")


_evidence_count = 0


def save_evidence(what):
    """Saves the screen and the window list as <results>/e2e-evidence/NN-what
    (.png and .txt); returns that path without its suffix."""
    global _evidence_count
    _evidence_count += 1
    folder = pathlib.Path(os.environ.get("ZORVIK_RESULTS", ROOT / "build/results")) / "e2e-evidence"
    folder.mkdir(parents=True, exist_ok=True)
    base = folder / f"{_evidence_count:02d}-{re.sub(r'[^A-Za-z0-9]+', '-', what).strip('-')[:60]}"
    display = shared_display()
    lines = [f"waiting for: {what}", f"focus: {display.focus():#x}", "windows, bottom to top:"]
    try:
        lines += [f"  {xid:#x} {title!r} at {geometry}" for xid, title, geometry in display.top_windows()]
    except Exception as error:  # the listing is evidence only; never hide the timeout behind it
        lines.append(f"  cannot list: {error}")
    base.with_suffix(".txt").write_text("\n".join(lines) + "\n")
    try:
        Screenshot(save_as=base.with_suffix(".png"))
    except Exception as error:
        with base.with_suffix(".txt").open("a") as log:
            log.write(f"no screenshot: {error}\n")
    return base


class Screenshot:
    """The screen, or one rectangle of it, as RGB pixels addressed in screen
    coordinates."""

    def __init__(self, save_as=None, area=None):
        display = shared_display()
        self.left, self.top, self.width, self.height = area or (0, 0, display.width, display.height)
        self.pixels = bgrx_to_rgb(display.image(self.left, self.top, self.width, self.height))
        if save_as:
            pathlib.Path(save_as).parent.mkdir(parents=True, exist_ok=True)
            ppm = b"P6 %d %d 255\n" % (self.width, self.height) + self.pixels
            subprocess.run(["convert", "ppm:-", str(save_as)], input=ppm, timeout=20, check=True)

    def pixel(self, x, y):
        at = ((y - self.top) * self.width + x - self.left) * 3
        return tuple(self.pixels[at:at + 3])

    def row_bytes(self, x, y, count):
        at = ((y - self.top) * self.width + x - self.left) * 3
        return self.pixels[at:at + 3 * count]

    def region(self, left, top, width, height):
        return [[self.pixel(left + i, top + j) for i in range(width)] for j in range(height)]


class Window:
    """A top-level window on the display: its X geometry is the outer window
    (Wine draws the frames itself on a display without a window manager)."""

    def __init__(self, xid):
        self.xid = xid

    def geometry(self):
        geometry = shared_display().geometry(self.xid)
        if geometry is None:
            raise E2EError(f"the window {self.xid:#x} is no longer shown")
        return geometry

    def settled_geometry(self, timeout=10):
        """The geometry once two reads a little apart agree: a window may be
        shown first and moved or sized just after."""
        def settled():
            first = self.geometry()
            time.sleep(0.1)
            return first == self.geometry() and first
        return wait_until(settled, timeout, 0, f"the window {self.xid:#x} to stop moving")

    def client_origin(self, client_width, client_height):
        """Screen position of the client area's top-left corner, given the
        client size: the frame is as wide on the left, right and bottom."""
        left, top, width, height = self.geometry()
        border = (width - client_width) // 2
        return left + border, top + height - client_height - border

    def exists(self):
        return shared_display().geometry(self.xid) is not None

    def has_focus(self):
        display = shared_display()
        return display.top_level_of(display.focus()) == self.xid

    def activate(self, timeout=10):
        """Clicks the window's caption until the keyboard focus is in it. A
        window that a task-modal message box disabled is enabled again only
        after the box has gone from the screen, and a click on it before
        then is dropped, as Windows drops it; a click on the caption does
        nothing else, so it is sent again until the window takes it."""
        def active():
            left, top, width, _ = self.geometry()
            click_screen(left + min(60, width // 3), top + 10)
            return poll_until(self.has_focus, 1, 0.05)
        wait_until(active, timeout, 0, f"the window {self.xid:#x} to take the focus")
        return self

    def wait_focus(self, timeout=10):
        """Waits until the X keyboard focus is in this window, as after a
        click that activates it. (A window that takes the focus while it is
        made, before it is shown, such as a dialog, gets the Windows focus
        but not the X one; Wine hands it the typed keys all the same.)"""
        wait_until(self.has_focus, timeout, 0.05, f"the keyboard focus in the window {self.xid:#x}")
        return self


def windows_named(title_regex):
    """The shown top-level windows whose title matches, bottom to top."""
    pattern = re.compile(title_regex)
    return [Window(xid) for xid, title, _ in shared_display().top_windows() if pattern.search(title)]


def popup_at(x, y, besides):
    """A shown top-level window other than those listed in `besides` (window
    ids) that holds the screen point: a menu or list that has dropped down."""
    for xid, _, (left, top, width, height) in reversed(shared_display().top_windows()):
        if xid not in besides and left <= x < left + width and top <= y < top + height:
            return Window(xid)
    return None


def window_shown(title_regex):
    """Whether a window with a matching title is shown now. The listing is
    read with the X server directly and is never cut short by a window that
    disappears while it is read."""
    return bool(windows_named(title_regex))


def find_window(title_regex, timeout=30):
    def search():
        found = windows_named(title_regex)
        return found[-1] if found else None
    return wait_until(search, timeout, 0.05, f"a window named {title_regex!r}")


def window_gone(title_regex, reads=4, spacing=0.1):
    """Whether no window with a matching title is shown, in several reads over
    a short time: a window that is being replaced or shown again is not gone."""
    for read in range(reads):
        if read:
            time.sleep(spacing)
        if window_shown(title_regex):
            return False
    return True


def click_screen(x, y, button=1):
    shared_display().click(x, y, button)


def add_keys(text):
    """Puts every character of `text` on a key of its own before a program
    that will be typed to is started (see XDisplay.add_keys)."""
    shared_display().add_keys(text)


def type_keys(text):
    """Types text whose characters add_keys put on keys of their own."""
    shared_display().type_keys(text)


def type_text(text):
    run("xdotool", "type", "--delay", "40", text)


def press_key(name):
    run("xdotool", "key", name)


def buttons_in(window, shot):
    """The push buttons along the bottom of a dialog (a message box), left to
    right, as screen points at their centres; empty while none is painted. A
    button is found by its dark bottom edge: a short dark horizontal run
    inside the lower part of the box."""
    left, top, width, height = window.geometry()
    dark = lambda p: max(p) < 170  # edge shadows are mid grey on a light face
    for y in range(top + height - 4, top + height - 60, -1):
        runs, start = [], None
        for x in range(left + 2, left + width - 2):
            if dark(shot.pixel(x, y)):
                start = x if start is None else start
            elif start is not None:
                runs.append((start, x - 1))
                start = None
        buttons = [(a + b) // 2 for a, b in runs if 30 <= b - a <= 0.45 * width]
        if len(buttons) >= 2:
            return [(x, y - 10) for x in buttons]
    return []


def find_buttons(window, timeout=10):
    """The buttons of a dialog once they are painted: found in two reads in a
    row at the same places, so a box still painting is not read half done."""
    previous = []

    def painted():
        nonlocal previous
        found = buttons_in(window, Screenshot())
        steady = found if found and found == previous else None
        previous = found
        return steady
    return wait_until(painted, timeout, 0.05, "the dialog's buttons to be painted")


class WineProgram:
    """A Windows executable started under the suite's Wine prefix."""

    def __init__(self, exe, *args):
        self.exe = str(exe)
        self.args = [str(a) for a in args]
        self.process = None

    def start(self):
        env = dict(os.environ, WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")
        self.process = subprocess.Popen(["wine", self.exe, *self.args], env=env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return self

    def start_window(self, title_regex, timeout=25, attempts=2):
        """Starts the program and waits for its window. Right after the
        prefix's server was ended a first start under Wine now and then never
        shows its window; that start is ended and made once more."""
        for attempt in range(attempts):
            self.start()
            try:
                return find_window(title_regex, timeout=timeout)
            except E2EError:
                self.stop()
                if attempt == attempts - 1:
                    raise

    def running(self):
        return self.process is not None and self.process.poll() is None

    def wait_exit(self, timeout=20):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise E2EError(f"{self.exe} did not end within {timeout}s")

    def stop(self):
        """Ends the program whatever state it is in, and the prefix's server."""
        if self.process is None:
            return
        if self.process.poll() is None:
            subprocess.run(["wineserver", "-k"], timeout=20)
            try:
                self.process.wait(timeout=15)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait(timeout=5)
        subprocess.run(["wineserver", "-w"], timeout=30)


def prefix_path(windows_path):
    """The Linux path of a file in the prefix, from a path below the user's
    profile such as 'AppData/Local/Zorvik/Score/Classifica.txt'."""
    user = pwd.getpwuid(os.getuid()).pw_name  # Wine names the profile after the Unix user
    return pathlib.Path(os.environ["WINEPREFIX"]) / "drive_c" / "users" / user / windows_path


def windows_path(linux_path):
    return "Z:" + str(pathlib.Path(linux_path).resolve()).replace("/", "\\")
