"""The game seen from outside: where things are on its 640 x 480 client area,
and the board read back from a screenshot by matching every cell against the
tiles of the strip the build generated."""
import os
import pathlib
import struct

import time
import unittest

from harness import (ROOT, prefix_path, Screenshot, WineProgram, click_screen, find_buttons, find_window, poll_until, popup_at,
                     wait_until, window_shown)

CLIENT_WIDTH, CLIENT_HEIGHT = 640, 480
COLUMNS, ROWS, TILE = 12, 15, 27
BOARD_LEFT, BOARD_TOP = 105, 87
PLAY_BUTTON, INFO_BUTTON, CLOSE_BUTTON = (562, 60), (562, 110), (562, 160)
# The menu bar's "File" lies above the client area; its items, in client
# coordinates once it is open: "Nuova partita", "Migliori punteggi...",
# "Suoni", a separator, "Esci".
MENU_FILE = (15, -10)
MENU_NEW_GAME, MENU_SCORES, MENU_SOUNDS, MENU_EXIT = (25, 11), (25, 27), (25, 42), (25, 68)
COVERED, MINE, EMPTY = 0, 17, 18
FIELD = [i for i in range(COLUMNS * ROWS)
         if 1 <= i // COLUMNS <= ROWS - 2 and 1 <= i % COLUMNS <= COLUMNS - 2]
SPLASH = [27, 28, 30, 31, 33, 39, 41, 43, 45, 51, 55, 57, 63, 67, 69, 87, 90, 92, 93, 99, 100,
          102, 104, 111, 113, 114, 116, 117, 123, 126, 128, 135, 138, 140, 141]
TITLE = "^Zorvik "
NAME_WINDOW = "^Classifica$"
SCORE_FILE = prefix_path("AppData/Local/Zorvik/Score/Classifica.txt")
# Client rectangles where other elements stand over the board: the bordered
# score and level displays start two pixels inside the right frame column.
OVER_BOARD = [(427, 200, 200, 28), (427, 240, 200, 28)]


def win_tree():
    return pathlib.Path(os.environ.get("ZORVIK_WIN_TREE", ROOT / "build/win"))


def host_tree():
    return pathlib.Path(os.environ.get("ZORVIK_HOST_TREE", ROOT / "build/host"))


def load_tiles(path=None):
    """The 19 tiles of the strip, each as 27 rows of 81 RGB bytes (from a
    24-bit bottom-up BMP, whose pixels are stored blue first)."""
    data = pathlib.Path(path or host_tree() / "resources/generated/tiles.bmp").read_bytes()
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height = struct.unpack_from("<ii", data, 18)
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(abs(height)):
        source_row = abs(height) - 1 - y if height > 0 else y
        bgr = data[offset + source_row * stride:offset + source_row * stride + width * 3]
        rgb = bytearray(len(bgr))
        rgb[0::3], rgb[1::3], rgb[2::3] = bgr[2::3], bgr[1::3], bgr[0::3]
        rows.append(bytes(rgb))
    return [[row[t * TILE * 3:(t + 1) * TILE * 3] for row in rows] for t in range(width // TILE)]


def visible_segments(index):
    """Per cell, the (row, first x, last x + 1) runs of its pixels that are
    the cell's own: inside the client area and not under another element."""
    left = BOARD_LEFT + TILE * (index % COLUMNS)
    top = BOARD_TOP + TILE * (index // COLUMNS)
    segments = []
    for y in range(min(TILE, CLIENT_HEIGHT - top)):
        covered = [x for x in range(TILE) if any(rx <= left + x < rx + rw and ry <= top + y < ry + rh
                                                for rx, ry, rw, rh in OVER_BOARD)]
        end = covered[0] if covered else TILE
        segments.append((y, 0, end))
    return segments


SEGMENTS = [visible_segments(i) for i in range(COLUMNS * ROWS)]


class Game:
    """zorvik.exe started under the suite's prefix, driven by clicks."""

    def __init__(self):
        self.program = WineProgram(win_tree() / "zorvik.exe")
        self.tiles = load_tiles()
        self.window = None
        self.origin = None

    def start(self):
        self.window = self.program.start_window(TITLE)
        # The window first appears at its outer size; the client area is sized
        # right after. Wait until the frame shows around a 640 x 480 client.
        wait_until(lambda: (g := self.window.geometry())[2] > CLIENT_WIDTH and g[3] > CLIENT_HEIGHT
                   and g == self.window.geometry(), 20, 0.2, "the window's final size")
        self.origin = self.window.client_origin(CLIENT_WIDTH, CLIENT_HEIGHT)
        return self

    def stop(self):
        self.program.stop()

    def screen_point(self, x, y):
        return self.origin[0] + x, self.origin[1] + y

    def click(self, x, y):
        click_screen(*self.screen_point(x, y))

    def cell_centre(self, index):
        return (BOARD_LEFT + TILE * (index % COLUMNS) + TILE // 2,
                BOARD_TOP + TILE * (index // COLUMNS) + TILE // 2)

    def press_cell(self, index):
        self.click(*self.cell_centre(index))

    def cell_rectangle(self, index):
        """Screen rectangle of a cell (the last row's lies partly below the
        client area)."""
        return (self.origin[0] + BOARD_LEFT + TILE * (index % COLUMNS),
                self.origin[1] + BOARD_TOP + TILE * (index // COLUMNS), TILE, TILE)

    def tile_in(self, shot, index):
        """The tile a cell shows in a screenshot, matched on the cell's own
        visible pixels; -1 where no tile matches."""
        left, top, _, _ = self.cell_rectangle(index)
        cell = [shot.row_bytes(left + x0, top + y, x1 - x0) for y, x0, x1 in SEGMENTS[index]]
        return next((t for t, tile in enumerate(self.tiles)
                     if all(tile[y][3 * x0:3 * x1] == got for (y, x0, x1), got in zip(SEGMENTS[index], cell))), -1)

    def board(self, shot=None):
        """The tile every visible cell shows (-1 where none matches)."""
        shot = shot or Screenshot()
        return [self.tile_in(shot, index) for index in range(COLUMNS * ROWS)]

    def cell(self, index):
        """The tile one cell shows now, from a read of that cell alone."""
        left, top, width, _ = self.cell_rectangle(index)
        rows = len(SEGMENTS[index])
        return self.tile_in(Screenshot(area=(left, top, width, rows)), index)

    def wait_board(self, predicate, timeout=10, what="the board"):
        return wait_until(lambda: (b := self.board()) and predicate(b) and b, timeout, 0.05, what)

    def press_until_mine(self, order, seconds=40):
        """Presses the covered cells of `order`, round after round, until a
        mine opens the name window; returns that window. Each press is
        waited for (the cell shows another tile, or the name window is open),
        so no press can land on the name window once it is open."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            for cell in order:
                if self.cell(cell) != COVERED:
                    continue
                self.press_cell(cell)
                # A press refused while a completed level gives way to the
                # next leaves the cell covered: it is pressed again on a later round.
                poll_until(lambda: self.cell(cell) != COVERED or window_shown(NAME_WINDOW), 3, 0.01)
                if window_shown(NAME_WINDOW):
                    return find_window(NAME_WINDOW, timeout=5)
        raise AssertionError(f"no mine within {seconds}s of presses")

    def pick_file_item(self, item):
        """Opens the File menu with a click and picks one of its items, once
        the menu has dropped down."""
        self.click(*MENU_FILE)
        point = self.screen_point(*item)
        wait_until(lambda: popup_at(*point, besides=[self.window.xid]), 10, 0.05, "the File menu")
        click_screen(*point)

    def answer_exit_question(self, yes):
        box = find_window("^Uscita$", timeout=15)
        no_button_last = find_buttons(box)
        click_screen(*(no_button_last[0] if yes else no_button_last[-1]))


def settled_window(game, title, client):
    """A secondary window once it has its client size and stands centred on
    the main window: it is first shown where it is made, then placed."""
    window = find_window(title, timeout=15)

    def settled():
        left, top, width, height = window.geometry()
        mleft, mtop, mwidth, mheight = game.window.geometry()
        return (width > client[0] and height > client[1] and window.geometry() == (left, top, width, height)
                and abs((left + width // 2) - (mleft + mwidth // 2)) <= 1
                and abs((top + height // 2) - (mtop + mheight // 2)) <= 1)
    wait_until(settled, 10, 0.1, f"{title} centred on the main window")
    return window


def dark_bands(shot, left, top, width, height):
    """Runs of consecutive pixel rows holding dark (text) pixels."""
    bands, inside = [], False
    for y in range(top, top + height):
        dark = any(max(shot.pixel(x, y)) < 100 for x in range(left, left + width))
        if dark and not inside:
            bands.append(y)
        inside = dark
    return bands


class GameTest(unittest.TestCase):
    """Every test with zorvik.exe started anew in self.game; with `no_scores`
    the leaderboard file is removed first. `prepare` runs just before the
    start."""

    no_scores = False

    def setUp(self):
        if self.no_scores and SCORE_FILE.exists():
            SCORE_FILE.unlink()
        self.prepare()
        self.game = Game()
        self.addCleanup(self.game.stop)
        self.game.start()

    def prepare(self):
        pass
