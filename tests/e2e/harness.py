"""Drives Windows programs under Wine from outside, as a person would.

Everything here goes through the X display: clicks and screen reads go
straight to the X server (xdisplay.py), xdotool types keys and finds windows
by title, and files are read from the Wine prefix. Every wait is bounded, and
stop() leaves no process behind.
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


def wait_until(predicate, timeout, interval=0.1, what="condition"):
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise E2EError(f"timed out after {timeout}s waiting for {what}")
        time.sleep(interval)


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
        info = run("xwininfo", "-id", str(self.xid))
        value = lambda key: int(re.search(key + r":\s+(-?\d+)", info).group(1))
        return (value("Absolute upper-left X"), value("Absolute upper-left Y"),
                value("Width"), value("Height"))

    def client_origin(self, client_width, client_height):
        """Screen position of the client area's top-left corner, given the
        client size: the frame is as wide on the left, right and bottom."""
        left, top, width, height = self.geometry()
        border = (width - client_width) // 2
        return left + border, top + height - client_height - border

    def exists(self):
        return subprocess.run(["xwininfo", "-id", str(self.xid)], capture_output=True,
                              timeout=10).returncode == 0


def find_window(title_regex, timeout=30):
    def search():
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title_regex],
                             capture_output=True, text=True, timeout=10).stdout.split()
        return Window(int(out[-1])) if out else None
    return wait_until(search, timeout, 0.2, f"a window named {title_regex!r}")


def window_gone(title_regex):
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title_regex],
                         capture_output=True, text=True, timeout=10).stdout.split()
    return not out


def click_screen(x, y, button=1):
    shared_display().click(x, y, button)


def type_text(text):
    run("xdotool", "type", "--delay", "40", text)


def press_key(name):
    run("xdotool", "key", name)


def find_buttons(window, shot=None):
    """The push buttons along the bottom of a dialog (a message box), left to
    right, as screen points at their centres. A button is found by its dark
    bottom edge: a short dark horizontal run inside the lower part of the box."""
    left, top, width, height = window.geometry()
    shot = shot or Screenshot()
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
    raise E2EError("no buttons found in the dialog")


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
