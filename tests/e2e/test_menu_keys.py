"""The menu and the keys a desktop player reaches for: F2, the arrow keys and
Space, the sound switch, the whole leaderboard and the guide on F1, driven from
outside with keys and clicks."""
import os
import pathlib
import subprocess
import time
import unittest

from harness import Screenshot, click_screen, find_buttons, find_window, press_key, wait_until, window_gone
import test_leaderboard
from zorvik import (COLUMNS, COVERED, FIELD, MENU_SCORES, MENU_SOUNDS, MINE, SCORE_FILE, GameTest,
                    dark_bands, settled_window)

SETTINGS_KEY = r"HKCU\Software\Zorvik Giochi\Zorvik"
PLAYED = pathlib.Path(os.environ.get("HOME", "/nonexistent")) / "played.raw"
MAGENTA = (255, 0, 255)
CENTRE = 7 * COLUMNS + 5  # where the keyboard marker starts
SCORES_TITLE, GUIDE_TITLE = "^Migliori punteggi$", "^Guida$"
SCORES_CLIENT, GUIDE_CLIENT = (380, 300), (520, 420)


def marked_cells(game, shot=None):
    """The cells framed in the marker's colour."""
    shot = shot or Screenshot()
    found = []
    for index in FIELD:
        left, top, _, _ = game.cell_rectangle(index)
        if all(shot.pixel(left + x, top + y) == MAGENTA for x, y in ((0, 0), (26, 0), (0, 26), (13, 1))):
            found.append(index)
    return found


def played_bytes():
    return PLAYED.stat().st_size if PLAYED.exists() else 0


def forget_played():
    """Empties the sound device's file. ALSA's file plugin rewrites it from
    the start whenever a program opens the device, so only an emptied file
    shows whether anything was played since."""
    if PLAYED.exists():
        PLAYED.write_bytes(b"")


def stays(predicate, seconds, what):
    """Fails as soon as `predicate` turns false within `seconds`."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if not predicate():
            raise AssertionError(f"{what} changed")
        time.sleep(0.1)


def stored_sound_setting():
    """The stored value as `wine reg` prints it ("0x0", "0x1"), or None. A
    query takes a tenth of a second, but now and then a Wine program started
    beside a running one hangs at its start: such a query is ended and reads
    as no answer yet, and the caller's bounded wait asks again."""
    try:
        out = subprocess.run(["wine", "reg", "query", SETTINGS_KEY, "/v", "Suoni"], capture_output=True, text=True,
                             timeout=10).stdout
    except subprocess.TimeoutExpired:
        return None
    return out.split()[-1] if "REG_DWORD" in out else None


class KeyboardPlay(GameTest):
    no_scores = True

    def test_f2_arrows_and_space_play_and_f2_gives_a_game_up(self):
        game = self.game
        press_key("F2")
        game.wait_board(lambda b: all(b[i] == COVERED for i in FIELD), 10, "F2 to start a game")
        self.assertEqual(marked_cells(game), [], "no marker before an arrow key")

        for key in ["Up", "Left", "Left"]:
            press_key(key)
        target = CENTRE - COLUMNS - 2
        wait_until(lambda: marked_cells(game) == [target], 10, 0.1, "the marker up one and left two")
        press_key("space")
        press_key("Right")  # off the pressed cell, to read its tile
        wait_until(lambda: marked_cells(game) == [target + 1], 10, 0.1, "the marker one to the right")
        board = game.wait_board(lambda b: b[target] not in (COVERED, -1), 10, "Space to uncover the marked cell")
        self.assertNotEqual(board[target], MINE, "the level's first press is never a mine")

        # The edges hold: far up and left is the field's top-left cell.
        for _ in range(12):
            press_key("Up")
            press_key("Left")
        wait_until(lambda: marked_cells(game) == [COLUMNS + 1], 10, 0.1, "the marker in the top-left corner")

        # A mouse press on the board takes the marker away (on an open cell,
        # which keeps the game as it is).
        game.press_cell(target)
        wait_until(lambda: marked_cells(game) == [], 10, 0.1, "a mouse press to hide the marker")

        # F2 during a game: given up without a name or an entry, then level 1 afresh.
        press_key("F2")
        game.wait_board(lambda b: all(b[i] == COVERED for i in FIELD), 10, "F2 to start again")
        self.assertTrue(window_gone("^Classifica$"))
        self.assertFalse(SCORE_FILE.exists(), "nothing recorded")


class SoundSwitch(GameTest):
    def prepare(self):
        self.addCleanup(lambda: subprocess.run(["wine", "reg", "delete", SETTINGS_KEY, "/v", "Suoni", "/f"],
                                               capture_output=True, timeout=20))

    def play_some_cells(self):
        """Two new games with F2, each with its first press, which is never a
        mine: every press would play the safe sound."""
        for cell in (CENTRE, CENTRE + 2 * COLUMNS):
            press_key("F2")
            self.game.wait_board(lambda b: all(b[i] == COVERED for i in FIELD), 10, "a new game")
            self.game.press_cell(cell)
            self.game.wait_board(lambda b: b[cell] != COVERED, 10, "the press to show")

    def test_sounds_off_plays_nothing_and_stays_off_after_a_restart(self):
        game = self.game
        # Off through the menu with the mouse: File, then Suoni.
        game.pick_file_item(MENU_SOUNDS)
        wait_until(lambda: stored_sound_setting() == "0x0", 20, 0.5, "the switch to be stored as 0")
        forget_played()
        self.play_some_cells()
        stays(lambda: played_bytes() == 0, 3, "the sound device's output")

        # After a restart it is still off.
        game.click(562, 160)  # "Chiudi"
        game.answer_exit_question(yes=True)
        self.assertEqual(game.program.wait_exit(20), 0)
        game.stop()
        game.start()
        self.play_some_cells()
        stays(lambda: played_bytes() == 0, 3, "the sound device's output after a restart")

        # On again with the keys: the next press is heard.
        press_key("alt+f")
        press_key("s")
        wait_until(lambda: stored_sound_setting() == "0x1", 20, 0.5, "the switch to be stored as 1")
        press_key("F2")
        game.wait_board(lambda b: all(b[i] == COVERED for i in FIELD), 10, "a new game")
        game.press_cell(CENTRE)
        wait_until(lambda: played_bytes() > 0, 15, 0.1, "the safe sound to reach the device")


class LeaderboardWindow(GameTest):
    LINES = [b"00000042 ANNA         Livello 3", b"00000017 BRUNO        Livello 2", b"00000005 CARLA        Livello 1"]

    def prepare(self):
        SCORE_FILE.parent.mkdir(parents=True, exist_ok=True)
        SCORE_FILE.write_bytes(b"".join(line + b"\r\n" for line in self.LINES))

    def table_bands(self, window):
        ox, oy = window.client_origin(*SCORES_CLIENT)
        return [y - oy for y in dark_bands(Screenshot(), ox + 12, oy + 12, SCORES_CLIENT[0] - 24, 250)]

    def test_the_stored_games_are_listed_and_azzera_empties_the_file_and_the_banner(self):
        game = self.game
        wait_until(lambda: test_leaderboard.banner_has_text(game), 15, 0.3, "the banner to show a stored line")
        game.pick_file_item(MENU_SCORES)
        window = settled_window(game, SCORES_TITLE, SCORES_CLIENT)
        # A header and one row per stored line.
        bands = wait_until(lambda: len(b := self.table_bands(window)) == 4 and b, 10, 0.2, "four lines of text")
        self.assertLess(bands[0], 35, "the header at the top")

        # The main window takes no input meanwhile.
        press_key("F2")
        stays(lambda: not any(c == COVERED for c in (game.cell(i) for i in (CENTRE, CENTRE + 1))), 1,
              "the idle board")

        ox, oy = window.client_origin(*SCORES_CLIENT)
        click_screen(ox + 145, oy + 277)  # "Azzera"
        question = find_window("^Azzera$", timeout=15)
        click_screen(*find_buttons(question)[0])  # Yes
        wait_until(lambda: SCORE_FILE.read_bytes() == b"", 10, 0.1, "an empty file")
        bands = wait_until(lambda: len(b := self.table_bands(window)) == 1 and b, 10, 0.2,
                           "only \"Nessun punteggio\"")
        self.assertGreater(bands[0], 100, "in the middle, where the table stood")
        wait_until(lambda: not test_leaderboard.banner_has_text(game), 10, 0.2, "a blank banner")

        press_key("Escape")
        wait_until(lambda: window_gone(SCORES_TITLE), 10, what="Escape to close the window")
        press_key("F2")
        game.wait_board(lambda b: all(b[i] == COVERED for i in FIELD), 10, "the main window's input back")
        stays(lambda: not test_leaderboard.banner_has_text(game), 6, "the blank banner")


class Guide(GameTest):
    def prepare(self):
        self.opened = pathlib.Path(os.environ["ZORVIK_OPENED_LOG"])
        self.opened.write_text("")

    def test_f1_shows_the_rules_offline_with_the_web_page_at_the_foot(self):
        press_key("F1")
        guide = settled_window(self.game, GUIDE_TITLE, GUIDE_CLIENT)
        ox, oy = guide.client_origin(*GUIDE_CLIENT)
        bands = wait_until(lambda: len(b := dark_bands(Screenshot(), ox + 14, oy + 14, 470, 300)) >= 10 and b,
                           10, 0.2, "paragraphs of text")
        self.assertGreaterEqual(len(bands), 10)
        self.assertEqual(self.opened.read_text(), "", "no browser for the guide itself")

        click_screen(ox + 40, oy + GUIDE_CLIENT[1] - 61)  # the link at the foot
        opened = wait_until(lambda: self.opened.read_text().strip(), 15, 0.3, "the browser to be asked")
        self.assertIn("http://www.", opened)
        self.assertIn("/Zorvik.asp", opened)

        press_key("Escape")
        wait_until(lambda: window_gone(GUIDE_TITLE), 10, what="Escape to close the guide")
        press_key("F2")
        self.game.wait_board(lambda b: all(b[i] == COVERED for i in FIELD), 10, "the main window's input back")


if __name__ == "__main__":
    unittest.main()
