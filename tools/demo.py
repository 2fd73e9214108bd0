#!/usr/bin/env python3
"""A short scripted game against the real window, for ./run on a machine
without a display: the splash, a game started, a few presses with a cascade,
a mine, the name window, the leaderboard and guide windows, the keyboard
marker, the About window and the exit question answered Yes.
Every step leaves a screenshot in the output folder."""
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "tests/e2e"))

from harness import Screenshot, click_screen, find_window, press_key, type_text, wait_until, window_gone  # noqa: E402
from zorvik import COVERED, FIELD, INFO_BUTTON, MINE, PLAY_BUTTON, SPLASH, Game, dark_bands, settled_window  # noqa: E402

# Two rows up and one column left of the marker's start at the field's centre.
MARKED = 89 - 2 * 12 - 1


def wait_painted(window, client, lines):
    """Waits until a window has painted itself: it is placed before it has,
    and until then the screen shows what lay there. Painted, its face has one
    colour in opposite corners and at least `lines` lines of text."""
    ox, oy = window.client_origin(*client)

    def painted():
        shot = Screenshot()
        face = shot.pixel(ox + 2, oy + 2) == shot.pixel(ox + client[0] - 3, oy + client[1] - 3)
        return face and len(dark_bands(shot, ox + 14, oy + 14, client[0] - 50, client[1] - 100)) >= lines
    wait_until(painted, 10, 0.2, "the window's text")


def main():
    out = pathlib.Path(sys.argv[2])
    out.mkdir(parents=True, exist_ok=True)
    shots = []

    def shot(name):
        path = out / f"{len(shots) + 1:02d}-{name}.png"
        Screenshot(save_as=path)
        shots.append(path)

    game = Game()
    game.program.exe = sys.argv[1]
    game.start()
    try:
        game.wait_board(lambda b: b[SPLASH[0]] == COVERED, 30, "the splash")
        shot("splash")
        game.click(*PLAY_BUTTON)
        board = game.wait_board(lambda b: all(b[i] == COVERED for i in FIELD), 10, "a covered field")
        shot("new-game")
        # Corners first: they have the fewest neighbours and most often open a region.
        for cell in [13, 22, 157, 166, 77, 88]:
            if MINE in board or board[cell] != COVERED:
                continue
            before = board
            game.press_cell(cell)
            board = game.wait_board(lambda b: b != before, 10, "the press")
            shot(f"press-{cell}")
        while MINE not in board:
            before = board
            game.press_cell(next(i for i in FIELD if board[i] == COVERED))
            board = game.wait_board(lambda b: b != before, 10, "the press")
        shot("mine")
        find_window("^Classifica$", timeout=15)
        type_text("demo")
        shot("name")
        press_key("Return")
        wait_until(lambda: window_gone("^Classifica$"), 10, what="the name window")
        # File > Migliori punteggi... through the menu's keys, as a player may.
        press_key("alt+f")
        press_key("m")
        wait_painted(settled_window(game, "^Migliori punteggi$", (380, 300)), (380, 300), 2)
        shot("leaderboard")
        press_key("Escape")
        wait_until(lambda: window_gone("^Migliori punteggi$"), 10, what="the leaderboard window")
        press_key("F1")
        wait_painted(settled_window(game, "^Guida$", (520, 420)), (520, 420), 10)
        shot("guide")
        press_key("Escape")
        wait_until(lambda: window_gone("^Guida$"), 10, what="the guide window")
        # A new game with F2, played a little with the arrow keys and Space.
        press_key("F2")
        board = game.wait_board(lambda b: all(b[i] == COVERED for i in FIELD), 10, "a covered field")
        for key in ["Up", "Up", "Left", "space", "Right", "Right"]:
            press_key(key)
        wait_until(lambda: game.cell(MARKED) not in (COVERED, -1), 10, 0.05, "the pressed cell, the marker gone on")
        shot("keyboard")
        game.click(*INFO_BUTTON)
        find_window(r"^Info\.\.\.$", timeout=15)
        shot("about")
        press_key("Escape")
        wait_until(lambda: window_gone(r"^Info\.\.\.$"), 10, what="the About window")
        game.click(562, 160)  # "Chiudi"
        find_window("^Uscita$", timeout=15)
        shot("exit-question")
        game.answer_exit_question(yes=True)
        code = game.program.wait_exit(20)
    finally:
        game.stop()
    for path in shots:
        print(path)
    print(f"zorvik.exe ended with exit code {code}")
    return 0 if code == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
