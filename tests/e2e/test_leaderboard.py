"""Finished games entered in the leaderboard, the banner, and the About
window, driven from outside with clicks and typed keys."""
import os
import pathlib
import random
import re
import time
import unittest

from harness import (Screenshot, click_screen, find_window, press_key, save_evidence, type_text, wait_until,
                     window_gone, window_shown)
from zorvik import (CLIENT_WIDTH, COVERED, FIELD, INFO_BUTTON, MINE, NAME_WINDOW, PLAY_BUTTON, SCORE_FILE,
                    TITLE, Game, GameTest)

LINE = re.compile(rb"(\d{8}) (.{12}) Livello (\d+)")


def banner_has_text(game, shot=None):
    shot = shot or Screenshot()
    ox, oy = game.origin
    return any(shot.pixel(ox + x, oy + y) == (255, 255, 255) for x in range(0, CLIENT_WIDTH, 2) for y in range(4, 22))


def lose_a_game(game, seed, seconds=40):
    """Starts a game and presses covered cells in a shuffled order until a
    mine opens the name window; returns the name window."""
    game.click(*PLAY_BUTTON)
    game.wait_board(lambda b: all(b[i] == COVERED for i in FIELD), 10, "a covered field")
    order = FIELD[:]
    random.Random(seed).shuffle(order)
    return game.press_until_mine(order, seconds)


def centred_over_game(window, game):
    """The window's geometry once it is centred over the game's (it is made
    first and moved over the game just after)."""
    def centred():
        left, top, width, height = geometry = window.geometry()
        mleft, mtop, mwidth, mheight = game.window.geometry()
        return (abs((left + width // 2) - (mleft + mwidth // 2)) <= 1
                and abs((top + height // 2) - (mtop + mheight // 2)) <= 1) and geometry
    return wait_until(centred, 10, 0.05, "the name window centred over the game")


def settled_board_of(game):
    """The board once every cell shows a whole tile again: the cells the name
    window covered are repainted a moment after it has gone."""
    return game.wait_board(lambda b: -1 not in b, 10, "every cell to show a tile")


def uncovered_safe_cells(board):
    return sum(1 for i in FIELD if 1 <= board[i] <= 8 or board[i] == 18)


class NameEntry(GameTest):
    no_scores = True

    def test_a_lost_game_is_recorded_under_the_typed_name_and_shown_by_the_banner(self):
        name_window = lose_a_game(self.game, 1)
        centred_over_game(name_window, self.game)

        # The main window takes no clicks while the name window is open. A
        # repaint may show a cell half drawn (matching no tile) for a moment,
        # but no read in the second after a click on the play button shows a
        # cell with another tile, and the board settles as it was.
        def settled_board():
            first = self.game.board()
            time.sleep(0.2)
            return first == self.game.board() and first
        before = wait_until(settled_board, 10, 0, "the board to settle under the name window")
        self.game.click(*PLAY_BUTTON)
        deadline = time.monotonic() + 1
        while time.monotonic() < deadline:
            now = self.game.board()
            changed = [i for i, (was, shown) in enumerate(zip(before, now)) if shown not in (was, -1)]
            if changed:
                self.fail(f"cells {changed} changed (see {save_evidence('a click on the disabled window')}.png)")
            time.sleep(0.1)
        self.assertEqual(wait_until(settled_board, 10, 0, "the board to settle after the click"), before)

        type_text("anna")
        press_key("Return")
        wait_until(lambda: window_gone(NAME_WINDOW), 10, what="Enter to close the name window")
        content = wait_until(lambda: SCORE_FILE.exists() and SCORE_FILE.read_bytes(), 10, what="the file")
        match = re.fullmatch(rb"(\d{8}) ANNA {8} Livello (\d+)\r\n", content)
        self.assertIsNotNone(match, content)
        board = settled_board_of(self.game)
        if match.group(2) == b"1":
            self.assertEqual(int(match.group(1)), uncovered_safe_cells(board))
        self.assertEqual(board.count(MINE), 10 + 2 * (int(match.group(2)) - 1))

        # About five seconds later the banner shows the line.
        wait_until(lambda: banner_has_text(self.game), 12, 0.5, "the banner to show the line")

        # A second lost game closed with the close box is recorded under ANNA again.
        second = lose_a_game(self.game, 2)
        changes, seen = 0, banner_has_text(self.game)
        deadline = time.monotonic() + 12
        while time.monotonic() < deadline and changes == 0:
            now = banner_has_text(self.game)
            changes += now != seen
            seen = now
            time.sleep(0.3)
        self.assertGreater(changes, 0, "the banner keeps changing while the name window is open")
        left, top, width, _ = centred_over_game(second, self.game)
        click_screen(left + width - 12, top + 10)
        wait_until(lambda: window_gone(NAME_WINDOW), 10, what="the close box to close the name window")
        lines = wait_until(lambda: (c := SCORE_FILE.read_bytes()).count(b"\r\n") == 2 and c, 10,
                           what="a second line").split(b"\r\n")[:-1]
        self.assertTrue(all(LINE.fullmatch(line) and line[9:21] == b"ANNA        " for line in lines), lines)
        self.assertEqual(lines, sorted(lines, reverse=True))

        # The main window takes input again.
        self.game.click(*PLAY_BUTTON)
        self.game.wait_board(lambda b: all(b[i] == COVERED for i in FIELD), 10, "a new game")


class AboutWindow(GameTest):
    def prepare(self):
        self.opened = pathlib.Path(os.environ["ZORVIK_OPENED_LOG"])
        self.opened.write_text("")

    def test_info_shows_the_about_window_and_its_web_link_opens_the_address(self):
        self.game.click(*INFO_BUTTON)
        about = find_window(r"^Info\.\.\.$", timeout=15)
        left, top, width, height = about.settled_geometry()
        self.assertGreaterEqual(width, 600)
        self.assertGreaterEqual(height, 300)
        # The web link stands at the top of the text column, right of the logo frame.
        origin = about.client_origin(600, 300)
        click_screen(origin[0] + 209 + 40, origin[1] + 55 + 11)
        opened = wait_until(lambda: self.opened.read_text().strip(), 15, 0.3, "the browser to be asked")
        self.assertIn("http://www.", opened)
        press_key("Escape")
        wait_until(lambda: window_gone(r"^Info\.\.\.$"), 10, what="Escape to close the About window")
        self.game.click(*PLAY_BUTTON)
        self.game.wait_board(lambda b: all(b[i] == COVERED for i in FIELD), 10, "the main window's input back")


class FiftyGames(unittest.TestCase):
    """Fifty lost games in a row in one run of the program, ten per test."""

    game = None
    recorded = []

    @classmethod
    def setUpClass(cls):
        if SCORE_FILE.exists():
            SCORE_FILE.unlink()
        cls.game = Game()
        try:
            cls.game.start()
        except Exception:
            cls.game.stop()
            raise

    @classmethod
    def tearDownClass(cls):
        cls.game.stop()

    def play(self, first):
        for number in range(first, first + 10):
            lose_a_game(self.game, 100 + number)
            name = f"G{number:02d}"
            type_text(name.lower())
            press_key("Return")
            wait_until(lambda: window_gone(NAME_WINDOW), 10, what="the name window to close")
            board = settled_board_of(self.game)
            # A game that ended on level 1 scored exactly the safe cells it opened.
            self.recorded.append((name, uncovered_safe_cells(board) if board.count(MINE) == 10 else None))
            self.assertTrue(self.game.program.running())
            self.assertTrue(window_shown(TITLE), "the main window stays on the screen")

    def test_1_games_01_to_10(self):
        self.play(1)

    def test_2_games_11_to_20(self):
        self.play(11)

    def test_3_games_21_to_30(self):
        self.play(21)

    def test_4_games_31_to_40(self):
        self.play(31)

    def test_5_games_41_to_50(self):
        self.play(41)

    def test_6_the_file_holds_the_ten_best_sorted(self):
        self.assertEqual(len(self.recorded), 50)
        lines = SCORE_FILE.read_bytes().split(b"\r\n")
        self.assertEqual(lines[-1], b"", "every line ends in CR LF")
        lines = lines[:-1]
        self.assertEqual(len(lines), 10)
        self.assertEqual(lines, sorted(lines, reverse=True))
        kept = {LINE.fullmatch(line).group(2).decode().strip(): int(LINE.fullmatch(line).group(1))
                for line in lines}
        self.assertTrue(set(kept) <= {name for name, _ in self.recorded}, kept)
        lowest = min(kept.values())
        for name, score in self.recorded:
            if score is not None and score > lowest:
                self.assertEqual(kept.get(name), score, f"{name} scored {score} and must be kept")
        self.assertTrue(window_gone("^Wine") and window_gone("[Ee]rror"), "no error dialog")
