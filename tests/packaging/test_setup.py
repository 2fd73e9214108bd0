"""The Windows setup program, run silently with /S in the suite's fresh Wine
prefix as a player's Windows would run it: what it installs, what "Apps"
reads from the registry, the program started from its shortcut, installing
over an earlier installation and the silent uninstall."""
import os
import pwd
import re
import shutil
import subprocess
import unittest

from harness import WineProgram, prefix_path
from images import PeFile, ico_images
from packages import GAME_EXE, ICON, SETUP, VERSION, product_text
from zorvik import CLOSE_BUTTON, Game

USER = pwd.getpwuid(os.getuid()).pw_name
INSTALLED = "AppData/Local/Programs/Zorvik"
INSTALLED_WINDOWS = rf"C:\users\{USER}\AppData\Local\Programs\Zorvik"
START_MENU_LINK = "AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Zorvik.lnk"
DESKTOP_LINK = "Desktop/Zorvik.lnk"
LEADERBOARD = "AppData/Local/Zorvik/Score/Classifica.txt"
UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zorvik"
PROGRAM_FILES = ["zorvik.exe", "LEGGIMI.txt", "uninstall.exe"]


def wine(*args, everything_it_started=False, timeout=120):
    """Runs a Windows program to its end, and on request whatever it started
    too (an uninstaller goes on in a copy of itself, and only the end of the
    prefix's server tells when that is done); its exit status."""
    status = subprocess.run(["wine", *map(str, args)], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            timeout=timeout).returncode
    if everything_it_started:
        subprocess.run(["wineserver", "-w"], timeout=60)
    return status


def registry_values(key):
    """{name: (type, data)} of the values under a key of the prefix's
    registry; None when there is no such key."""
    result = subprocess.run(["wine", "reg", "query", key], capture_output=True, text=True, timeout=60)
    if result.returncode != 0:
        return None
    values = {}
    for line in result.stdout.splitlines():
        found = re.match(r"^    (\S.*?)    (REG_\w+)    (.*?)\s*$", line)
        if found:
            values[found.group(1)] = (found.group(2), found.group(3))
    return values


def install():
    return wine(SETUP, "/S")


def uninstall_quietly():
    """Runs the uninstaller as "Apps" does for a quiet removal: the command
    line its entry names."""
    command = registry_values(UNINSTALL_KEY)["QuietUninstallString"][1]
    program, arguments = re.match(r'^"([^"]+)"\s*(.*)$', command).groups()
    return wine(program, *arguments.split(), everything_it_started=True)


def remove_installation():
    """Takes away whatever an earlier test installed or left behind, so each
    test starts from a prefix Zorvik was never installed in."""
    shutil.rmtree(prefix_path(INSTALLED), ignore_errors=True)
    shutil.rmtree(prefix_path(LEADERBOARD).parent.parent, ignore_errors=True)
    for link in (START_MENU_LINK, DESKTOP_LINK):
        prefix_path(link).unlink(missing_ok=True)
    subprocess.run(["wine", "reg", "delete", UNINSTALL_KEY, "/f"], capture_output=True, timeout=60)


def write_leaderboard():
    board = prefix_path(LEADERBOARD)
    board.parent.mkdir(parents=True, exist_ok=True)
    board.write_bytes(b"0000000042  Giulia     \r\n0000000007  Marco      \r\n")
    return board.read_bytes()


class SetupProgram(unittest.TestCase):
    """The setup file itself, read as data."""

    def test_is_a_64_bit_program_run_as_invoker_with_the_games_icon_and_version_block(self):
        setup = PeFile(SETUP.read_bytes())
        self.assertEqual(setup.machine, 0x8664, "Wine here runs 64-bit programs only")
        manifest = b"".join(setup.of_type(24))
        self.assertRegex(manifest, rb'requestedExecutionLevel\s+level="asInvoker"', "no administrator prompt")
        icons = setup.of_type(3)
        for size, (image, _) in ico_images(ICON.read_bytes()).items():
            self.assertIn(image, icons, f"the game's {size} pixel icon image")
        file_version, product_version, strings = setup.version()
        self.assertEqual((file_version, product_version), (VERSION, VERSION))
        self.assertEqual(strings.get("ProductName"), "Zorvik")
        self.assertEqual(strings.get("CompanyName"), product_text("COMPANY_NAME"))
        self.assertEqual(strings.get("ProductVersion"), VERSION)


class SilentInstall(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        remove_installation()
        cls.status = install()

    def test_puts_the_program_and_its_read_me_in_the_users_program_folder(self):
        self.assertEqual(self.status, 0)
        folder = prefix_path(INSTALLED)
        self.assertEqual(sorted(p.name for p in folder.iterdir()), sorted(PROGRAM_FILES))
        self.assertEqual((folder / "zorvik.exe").read_bytes(), GAME_EXE.read_bytes())
        readme = (folder / "LEGGIMI.txt").read_bytes()
        self.assertIn("Zorvik è un gioco".encode(), readme)
        self.assertEqual(readme.count(b"\n"), readme.count(b"\r\n"), "Windows line ends")

    def test_makes_start_menu_and_desktop_shortcuts_to_the_program(self):
        target = (INSTALLED_WINDOWS + r"\zorvik.exe").encode()
        for link in (START_MENU_LINK, DESKTOP_LINK):
            with self.subTest(link=link):
                data = prefix_path(link).read_bytes()
                self.assertEqual(data[:4], b"L\0\0\0", "a shell link")
                self.assertTrue(target.lower() in data.lower()
                                or target.decode().encode("utf-16-le").lower() in data.lower(),
                                "the link points at the installed program")

    def test_registers_the_uninstall_entry_that_apps_lists(self):
        values = registry_values(UNINSTALL_KEY)
        self.assertIsNotNone(values, "the uninstall key")
        uninstaller = INSTALLED_WINDOWS + r"\uninstall.exe"
        expected = {
            "DisplayName": ("REG_SZ", "Zorvik"),
            "DisplayVersion": ("REG_SZ", VERSION),
            "Publisher": ("REG_SZ", product_text("COMPANY_NAME")),
            "DisplayIcon": ("REG_SZ", INSTALLED_WINDOWS + r"\zorvik.exe,0"),
            "InstallLocation": ("REG_SZ", INSTALLED_WINDOWS),
            "UninstallString": ("REG_SZ", f'"{uninstaller}"'),
            "QuietUninstallString": ("REG_SZ", f'"{uninstaller}" /S'),
        }
        for name, value in expected.items():
            with self.subTest(value=name):
                self.assertEqual(values.get(name), value)
        kind, size = values.get("EstimatedSize", (None, "0"))
        self.assertEqual(kind, "REG_DWORD")
        exe_kib = GAME_EXE.stat().st_size // 1024
        self.assertTrue(exe_kib <= int(size, 16) <= exe_kib + 64, f"EstimatedSize {size} in KiB")

    def test_start_menu_shortcut_starts_the_installed_program_which_ends_with_0(self):
        game = Game()
        # As the shell starts it: the link opened, its program waited for.
        game.program = WineProgram("start", "/wait", "/unix", prefix_path(START_MENU_LINK))
        self.addCleanup(game.stop)
        game.start()
        running = subprocess.run(["pgrep", "-f", r"Programs\\Zorvik\\zorvik\.exe"], capture_output=True).stdout
        self.assertTrue(running.strip(), "the installed copy is the one running")
        game.click(*CLOSE_BUTTON)
        game.answer_exit_question(yes=True)
        self.assertEqual(game.program.wait_exit(20), 0)


class InstallOverAndUninstall(unittest.TestCase):
    def setUp(self):
        remove_installation()
        self.assertEqual(install(), 0)
        self.leaderboard = write_leaderboard()

    def test_installing_over_an_earlier_program_replaces_it_and_keeps_the_leaderboard(self):
        exe = prefix_path(INSTALLED) / "zorvik.exe"
        exe.write_bytes(b"MZ an earlier zorvik.exe")
        self.assertEqual(install(), 0)
        self.assertEqual(exe.read_bytes(), GAME_EXE.read_bytes())
        self.assertEqual(prefix_path(LEADERBOARD).read_bytes(), self.leaderboard)
        self.assertEqual(registry_values(UNINSTALL_KEY)["DisplayVersion"], ("REG_SZ", VERSION))

    def test_silent_uninstall_removes_program_shortcuts_and_entry_and_keeps_the_leaderboard(self):
        self.assertEqual(uninstall_quietly(), 0)
        self.assertFalse(prefix_path(INSTALLED).exists(), "the program folder")
        self.assertFalse(prefix_path(START_MENU_LINK).exists())
        self.assertFalse(prefix_path(DESKTOP_LINK).exists())
        self.assertIsNone(registry_values(UNINSTALL_KEY), "the uninstall entry")
        self.assertEqual(prefix_path(LEADERBOARD).read_bytes(), self.leaderboard)

    def test_uninstall_leaves_the_players_own_files_in_the_program_folder(self):
        notes = prefix_path(INSTALLED) / "appunti.txt"
        notes.write_bytes(b"le mie note\r\n")
        self.assertEqual(uninstall_quietly(), 0)
        self.assertEqual([p.name for p in prefix_path(INSTALLED).iterdir()], ["appunti.txt"])
        self.assertEqual(notes.read_bytes(), b"le mie note\r\n")
        self.assertIsNone(registry_values(UNINSTALL_KEY))


if __name__ == "__main__":
    unittest.main()
