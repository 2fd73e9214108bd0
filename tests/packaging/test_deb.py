"""The Debian package taken apart: its fields and files, lintian's and
desktop-file-validate's verdicts, the icons against the Windows icon, and
its launcher, unpacked with dpkg -x, started with a private home on the
suite's display."""
import gzip
import os
import pathlib
import re
import shutil
import subprocess
import tempfile
import unittest

from harness import WineProgram, run, wait_until
from images import ico_images, png_rgba
from packages import DEB, GAME_EXE, ICON, VERSION, WORK, command
from zorvik import CLIENT_HEIGHT, CLIENT_WIDTH, CLOSE_BUTTON, TITLE, Game

# Every file of the package: its mode as dpkg-deb lists it.
FILES = {
    "usr/games/zorvik": "-rwxr-xr-x",
    "usr/share/zorvik/zorvik.exe": "-rw-r--r--",
    "usr/share/applications/zorvik.desktop": "-rw-r--r--",
    "usr/share/icons/hicolor/16x16/apps/zorvik.png": "-rw-r--r--",
    "usr/share/icons/hicolor/32x32/apps/zorvik.png": "-rw-r--r--",
    "usr/share/icons/hicolor/48x48/apps/zorvik.png": "-rw-r--r--",
    "usr/share/man/man6/zorvik.6.gz": "-rw-r--r--",
    "usr/share/doc/zorvik/copyright": "-rw-r--r--",
    "usr/share/doc/zorvik/changelog.gz": "-rw-r--r--",
}


def unpack():
    folder = pathlib.Path(tempfile.mkdtemp(dir=WORK, prefix="deb-"))
    status, output = command("dpkg-deb", "-x", DEB, folder)
    assert status == 0, output
    return folder


class PackageContents(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.root = unpack()

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.root, ignore_errors=True)

    def test_fields(self):
        status, output = command("dpkg-deb", "-f", DEB)
        self.assertEqual(status, 0, output)
        fields = dict(re.findall(r"^(\S+): (.*)$", output, re.M))
        self.assertEqual(fields.get("Package"), "zorvik")
        self.assertEqual(fields.get("Version"), VERSION)
        self.assertEqual(fields.get("Architecture"), "all")
        self.assertEqual(fields.get("Section"), "games")
        self.assertIn("wine", re.split(r",\s*", fields.get("Depends", "")))
        installed_kib = sum(p.stat().st_size for p in self.root.rglob("*") if p.is_file()) / 1024
        self.assertAlmostEqual(int(fields.get("Installed-Size", 0)), installed_kib, delta=64)

    def test_holds_exactly_its_files_owned_by_root(self):
        status, output = command("dpkg-deb", "-c", DEB)
        self.assertEqual(status, 0, output)
        files = {}
        for line in output.splitlines():
            mode, owner, _, _, _, path = line.split(None, 5)
            self.assertEqual(owner, "root/root", path)
            if not mode.startswith("d"):
                files[path.removeprefix("./")] = mode
        self.assertEqual(files, FILES)
        self.assertEqual((self.root / "usr/share/zorvik/zorvik.exe").read_bytes(), GAME_EXE.read_bytes())

    def test_changelog_and_manual_page_name_this_version(self):
        changelog = gzip.decompress((self.root / "usr/share/doc/zorvik/changelog.gz").read_bytes()).decode()
        self.assertTrue(changelog.startswith(f"zorvik ({VERSION}) "), changelog[:60])
        status, page = command("man", "-l", "-E", "UTF-8", "-P", "cat",
                               self.root / "usr/share/man/man6/zorvik.6.gz",
                               env=dict(os.environ, MANWIDTH="80", LC_ALL="C.UTF-8"))
        self.assertEqual(status, 0, page)
        self.assertRegex(page, r"zorvik - mine-clearing game")
        self.assertIn(f"Zorvik {VERSION}", page)

    def test_icons_are_the_windows_icons_pictures_as_png(self):
        windows = ico_images(ICON.read_bytes())
        for size in (16, 32, 48):
            with self.subTest(size=size):
                png = self.root / f"usr/share/icons/hicolor/{size}x{size}/apps/zorvik.png"
                width, height, pixels = png_rgba(png.read_bytes())
                self.assertEqual((width, height), (size, size))
                self.assertEqual(pixels, windows[size][1])
                alpha = pixels[3::4]
                self.assertTrue(0 < alpha.count(255) < size * size, "a shape on a transparent ground")

    def test_desktop_entry_is_valid_and_starts_the_launcher(self):
        entry = self.root / "usr/share/applications/zorvik.desktop"
        status, output = command("desktop-file-validate", entry)
        self.assertEqual((status, output.strip()), (0, ""))
        text = entry.read_text()
        self.assertIn("\nCategories=Game;LogicGame;\n", text)
        self.assertIn("\nExec=zorvik\n", text)
        self.assertIn("\nIcon=zorvik\n", text)


class Lintian(unittest.TestCase):
    def test_reports_no_errors_or_warnings(self):
        status, output = command("lintian", "--tag-display-limit", "0", "--display-info", DEB, timeout=180)
        errors = [line for line in output.splitlines() if line.startswith(("E:", "W:"))]
        self.assertEqual(errors, [], output)
        self.assertEqual(status, 0, output)


class LauncherProgram(WineProgram):
    """The package's launcher started as a program of its own: its Wine runs
    in the prefix the launcher chooses, with the environment given."""

    def __init__(self, launcher, env, log):
        super().__init__(launcher)
        self.env, self.log = env, log

    def start(self):
        with open(self.log, "wb") as log:
            self.process = subprocess.Popen([self.exe], env=self.env, stdout=log, stderr=subprocess.STDOUT)
        return self

    def start_window(self, title_regex, timeout=90, attempts=1):
        # A first start boots a whole Wine prefix before the game shows.
        return super().start_window(title_regex, timeout=90, attempts=1)

    def stop(self):
        if self.process is None:
            return
        prefix = dict(self.env, WINEPREFIX=str(pathlib.Path(self.env["HOME"]) / ".local/share/zorvik/wine"))
        if self.process.poll() is None:
            subprocess.run(["wineserver", "-k"], env=prefix, stderr=subprocess.DEVNULL, timeout=30)
            try:
                self.process.wait(timeout=15)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait(timeout=5)
        subprocess.run(["wineserver", "-w"], env=prefix, stderr=subprocess.DEVNULL, timeout=30)


class Launcher(unittest.TestCase):
    """The launcher as a player with a new account starts it: no Wine prefix
    yet, no XDG_DATA_HOME."""

    def setUp(self):
        self.root = unpack()
        self.home = pathlib.Path(tempfile.mkdtemp(dir=WORK, prefix="home-"))
        self.addCleanup(shutil.rmtree, self.root, True)
        self.addCleanup(shutil.rmtree, self.home, True)

    def test_first_start_makes_the_users_prefix_quietly_and_brings_up_the_game(self):
        env = {k: v for k, v in os.environ.items() if not k.startswith(("WINE", "XDG_"))}
        env["HOME"] = str(self.home)
        log = self.home / "launcher.log"
        game = Game()
        game.program = LauncherProgram(self.root / "usr/games/zorvik", env, log)
        self.addCleanup(game.stop)
        game.window = game.program.start_window(TITLE)
        # Wine leaves the frame to the desktop's window manager here (there is
        # none on the test display), so the X window may be the client area.
        wait_until(lambda: (g := game.window.geometry())[2] >= CLIENT_WIDTH and g[3] >= CLIENT_HEIGHT
                   and g == game.window.geometry(), 20, 0.2, "the window's final size")
        game.origin = game.window.client_origin(CLIENT_WIDTH, CLIENT_HEIGHT)
        # The desktop ties the window to the menu entry by its class.
        entry = (self.root / "usr/share/applications/zorvik.desktop").read_text()
        window_class = re.search(r"^StartupWMClass=(.*)$", entry, re.M).group(1)
        self.assertIn(f'"{window_class}"', run("xprop", "-id", str(game.window.xid), "WM_CLASS"))
        data = self.home / ".local/share/zorvik"
        self.assertEqual([p.name for p in data.iterdir()], ["wine"], "the prefix, nothing half-made beside it")
        self.assertTrue((data / "wine/drive_c/windows/Fonts/marlett.ttf").is_file(), "Wine's caption font")
        game.click(*CLOSE_BUTTON)
        game.answer_exit_question(yes=True)
        self.assertEqual(game.program.wait_exit(20), 0, "the game's own exit status")
        self.assertEqual(log.read_text(errors="replace"), "", "nothing printed on the way")


if __name__ == "__main__":
    unittest.main()
