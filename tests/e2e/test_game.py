"""The shipped zorvik.exe, played from outside with real clicks."""
import unittest

from harness import Screenshot, click_screen, find_window, popup_at, type_text, press_key, wait_until, window_gone
from zorvik import (CLIENT_HEIGHT, CLIENT_WIDTH, CLOSE_BUTTON, COVERED, EMPTY, FIELD, MENU_EXIT, MINE,
                    PLAY_BUTTON, SPLASH, GameTest)

CYAN = (0, 192, 192)
FRAME_TILES = {0: 15, 11: 16, 168: 13, 179: 14}  # the corners; edges are checked by range


def frame_tile(index):
    row, column = divmod(index, 12)
    if index in FRAME_TILES:
        return FRAME_TILES[index]
    if row == 0:
        return 12
    if row == 14:
        return 11
    return 9 if column == 0 else 10


class GameWindow(GameTest):
    def play_until_mine(self):
        """Presses covered cells in field order until a mine ends the game
        (its name window opens over the board)."""
        self.game.press_until_mine(FIELD)

    def test_start_up_shows_the_splash_word_in_a_640_by_480_client_area(self):
        expected = [frame_tile(i) if i not in FIELD else COVERED if i in SPLASH else EMPTY
                    for i in range(180)]
        seen = []
        shot = None

        def settled():
            nonlocal shot
            shot = Screenshot()
            seen[:] = self.game.board(shot)
            return seen == expected
        try:
            wait_until(settled, 20, 0.3, "the splash board")
        except AssertionError:
            self.assertEqual(seen, expected)
        ox, oy = self.game.origin
        self.assertEqual(shot.pixel(ox + CLIENT_WIDTH - 1, oy + CLIENT_HEIGHT - 1), CYAN)
        self.assertNotEqual(shot.pixel(ox + CLIENT_WIDTH, oy + CLIENT_HEIGHT - 1), CYAN)
        self.assertNotEqual(shot.pixel(ox + CLIENT_WIDTH - 1, oy + CLIENT_HEIGHT), CYAN)

    def test_a_game_played_to_a_mine_shows_every_mine(self):
        self.game.wait_board(lambda b: b[SPLASH[0]] == COVERED, 20, "the splash")
        button_before = Screenshot().region(*self.game.screen_point(512, 40), 100, 40)
        self.game.click(*PLAY_BUTTON)
        board = self.game.wait_board(lambda b: all(b[i] == COVERED for i in FIELD), 10, "a covered field")
        self.assertNotEqual(Screenshot().region(*self.game.screen_point(512, 40), 100, 40), button_before,
                            "the play button changes its text")
        self.game.press_cell(77)
        board = self.game.wait_board(lambda b: any(b[i] != COVERED for i in FIELD) and -1 not in b, 10,
                                     "opened cells")
        self.assertNotIn(MINE, board, "the first press is never a mine")
        self.play_until_mine()
        # A lost game with points asks for the name over the board; answer it first.
        find_window("^Classifica$", timeout=15)
        type_text("e2e")
        press_key("Return")
        wait_until(lambda: window_gone("^Classifica$"), 10, what="the name window to close")
        board = self.game.wait_board(lambda b: b.count(MINE) == 10 and -1 not in b, 10, "all ten mines")
        self.assertTrue(all(0 <= board[i] <= 8 or board[i] in (MINE, EMPTY, COVERED) for i in FIELD))

    def test_abandon_reveals_the_mines(self):
        self.game.wait_board(lambda b: b[SPLASH[0]] == COVERED, 20, "the splash")
        self.game.click(*PLAY_BUTTON)
        self.game.wait_board(lambda b: all(b[i] == COVERED for i in FIELD), 10, "a covered field")
        self.game.click(*PLAY_BUTTON)  # now "ABBANDONA", before any press
        board = self.game.wait_board(lambda b: b.count(MINE) == 10 and -1 not in b, 10, "the mines of the level")
        self.assertTrue(all(board[i] in (COVERED, MINE) for i in FIELD))

    def test_every_close_request_asks_and_only_yes_ends_the_program(self):
        self.game.wait_board(lambda b: b[SPLASH[0]] == COVERED, 20, "the splash")
        requests = [
            lambda: self.game.click(*CLOSE_BUTTON),
            self.pick_file_exit,
            self.click_close_box,
        ]
        for request in requests:
            request()
            self.game.answer_exit_question(yes=False)
            wait_until(lambda: window_gone("^Uscita$"), 10, what="the question to close")
            self.assertTrue(self.game.program.running())
            self.game.window.activate()
        # No kept the game alive with its timer: a game started now still plays.
        self.game.click(*PLAY_BUTTON)
        self.game.wait_board(lambda b: all(b[i] == COVERED for i in FIELD), 10, "a covered field")
        self.game.click(*CLOSE_BUTTON)
        self.game.answer_exit_question(yes=True)
        self.assertEqual(self.game.program.wait_exit(20), 0)

    def pick_file_exit(self):
        self.game.click(15, -10)  # "&File"
        item = self.game.screen_point(*MENU_EXIT)  # "&Esci", on the menu dropped down over the board
        wait_until(lambda: popup_at(*item, besides=[self.game.window.xid]), 10, 0.05, "the File menu")
        click_screen(*item)

    def click_close_box(self):
        left, top, width, _ = self.game.window.geometry()
        click_screen(left + width - 14, top + 11)


if __name__ == "__main__":
    unittest.main()
