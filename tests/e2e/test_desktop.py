"""The game among the other windows of a desktop, seen from outside: the
windows it puts over itself are its own (Wine tells X their owner as
WM_TRANSIENT_FOR), so the keyboard comes back to the game when they go, and
the name window keeps the keyboard in its box across a switch of programs."""
import os
import pathlib
import re
import tempfile
import unittest

from harness import (WineProgram, click_screen, find_buttons, find_window, press_key, run, type_text,
                     wait_until, window_gone, windows_path)
from test_leaderboard import lose_a_game
from xdisplay import shared_display
from zorvik import CLOSE_BUTTON, INFO_BUTTON, NAME_WINDOW, SCORE_FILE, GameTest

PROBE = pathlib.Path(os.environ["ZORVIK_WIN_TREE"]) / "tests/e2e/e2e_probe.exe"


def owner_of(window):
    """The X window a window is transient for, or None."""
    found = re.search(r"window id # (0x[0-9a-f]+)", run("xprop", "-id", str(window.xid), "WM_TRANSIENT_FOR",
                                                         check=False))
    return int(found.group(1), 16) if found else None


def keyboard_window():
    """The X window holding the keyboard focus."""
    return int(run("xdotool", "getwindowfocus").strip())


class WindowsOverTheGame(GameTest):
    def test_the_exit_question_and_the_about_window_are_its_own_and_give_the_keyboard_back(self):
        game = self.game.window.xid
        wait_until(lambda: keyboard_window() == game, 10, what="the game to hold the keyboard")

        # The exit question over the game; No gives the game the keyboard back.
        self.game.click(*CLOSE_BUTTON)
        box = find_window("^Uscita$", timeout=15)
        self.assertEqual(owner_of(box), game)
        click_screen(*find_buttons(box)[-1])
        wait_until(lambda: window_gone("^Uscita$"), 10, what="No to close the question")
        wait_until(lambda: keyboard_window() == game, 10, what="the keyboard back in the game")
        self.assertTrue(self.game.program.running())

        # The About window over the game, centred on the screen (no taskbar here).
        self.game.click(*INFO_BUTTON)
        about = find_window(r"^Info\.\.\.$", timeout=15)
        self.assertEqual(owner_of(about), game)
        screen = shared_display()
        about_left, about_top, _, _ = about.geometry()
        self.assertEqual((about_left, about_top), ((screen.width - 600) // 2, (screen.height - 300) // 2))
        press_key("Escape")
        wait_until(lambda: window_gone(r"^Info\.\.\.$"), 10, what="Escape to close the About window")
        wait_until(lambda: keyboard_window() == game, 10, what="the keyboard back in the game")


class NameWindowAcrossPrograms(GameTest):
    no_scores = True

    def test_typing_goes_on_in_the_name_box_after_another_program_had_the_keyboard(self):
        name_window = lose_a_game(self.game, 3)
        self.assertEqual(owner_of(name_window), self.game.window.xid)
        type_text("an")

        # Another program is clicked and takes the keyboard.
        probe = WineProgram(PROBE, windows_path(pathlib.Path(tempfile.mkdtemp()) / "clicks.txt"))
        self.addCleanup(probe.stop)
        probe_window = probe.start_window("^Sonda di prova$")
        px, py = probe_window.client_origin(320, 200)
        click_screen(px + 10, py + 10)
        wait_until(lambda: keyboard_window() == probe_window.xid, 10, what="the other program to take the keyboard")

        # Back by a click on the name window's caption, clear of the other window.
        left, top, width, _ = name_window.geometry()
        click_screen(left + width - 40, top + 8)
        wait_until(lambda: keyboard_window() == name_window.xid, 10, what="the name window to take the keyboard")
        type_text("na")
        press_key("Return")
        wait_until(lambda: window_gone(NAME_WINDOW), 10, what="Enter to close the name window")
        content = wait_until(lambda: SCORE_FILE.exists() and SCORE_FILE.read_bytes(), 10, what="the file")
        self.assertRegex(content, rb"^\d{8} ANNA {8} Livello \d+\r\n$")


if __name__ == "__main__":
    unittest.main()
