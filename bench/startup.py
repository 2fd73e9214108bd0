"""Start-up as a player sees it: from starting the program to the first
complete paint of its window, for the game and for the empty-window
baseline, alternated under the same Wine prefix and its running wineserver.

The screen area where both windows appear is read every few milliseconds
until it has stayed unchanged for a while; the paint is complete at the
first read from which the picture no longer changed. The final picture is
then checked: the game's field must show the splash word exactly (tile by
tile, against the generated tile strip), the empty window's client area one
plain colour. Prints "key value" lines."""
import argparse
import hashlib
import os
import pathlib
import statistics
import subprocess
import sys
import time

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))
sys.path.insert(0, str(HERE.parent / "tests/e2e"))
import wineprocs  # noqa: E402
from harness import find_window  # noqa: E402
from xdisplay import ScreenArea, bgrx_to_rgb  # noqa: E402
import zorvik  # noqa: E402

# Both windows are made at (100, 100); this area holds either with its frame.
AREA = (100, 100, 700, 580)
SETTLED = 1.0  # seconds without change that count as the end of painting
GAME_TITLE, EMPTY_TITLE = zorvik.TITLE, "^Finestra vuota$"


def client_offset(title):
    window = find_window(title, timeout=10)
    x, y = window.client_origin(zorvik.CLIENT_WIDTH, zorvik.CLIENT_HEIGHT)
    return x - AREA[0], y - AREA[1]


def splash_shown(area, data, tiles):
    """True when every field cell shows its splash tile exactly (`tiles` as
    zorvik.load_tiles gives them: rows of red, green, blue bytes)."""
    ox, oy = client_offset(GAME_TITLE)
    for index in zorvik.FIELD:
        tile = tiles[zorvik.COVERED if index in zorvik.SPLASH else zorvik.EMPTY]
        left = ox + zorvik.BOARD_LEFT + zorvik.TILE * (index % zorvik.COLUMNS)
        top = oy + zorvik.BOARD_TOP + zorvik.TILE * (index // zorvik.COLUMNS)
        if any(bgrx_to_rgb(area.row(data, left, top + y, zorvik.TILE)) != tile[y] for y in range(zorvik.TILE)):
            return False
    return True


def plain_client(area, data):
    ox, oy = client_offset(EMPTY_TITLE)
    first = area.row(data, ox, oy, zorvik.CLIENT_WIDTH)
    colour = first[:3]
    if any(first[i:i + 3] != colour for i in range(0, len(first), 4)):
        return False
    return all(area.row(data, ox, oy + y, zorvik.CLIENT_WIDTH) == first for y in range(zorvik.CLIENT_HEIGHT))


def measure(area, exe, check, prefix):
    """(seconds to the complete paint, seconds to the first visible change)."""
    background = area.read()
    env = dict(os.environ, WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")
    start = time.monotonic()
    process = subprocess.Popen(["wine", str(exe)], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    reads = []  # (seconds since start, digest)
    data = background
    try:
        while True:
            data = area.read()
            now = time.monotonic() - start
            reads.append((now, hashlib.blake2b(data, digest_size=16).digest()))
            changed = [t for t, _ in reads if _ != reads[-1][1]]
            if data != background and now - (max(changed) if changed else 0) >= SETTLED:
                break
            if now > 40:
                raise RuntimeError(f"{exe.name} did not settle within 40 s")
            time.sleep(0.002)
        if not check(area, data):
            raise RuntimeError(f"{exe.name}: the settled window is not the expected picture")
    finally:
        wineprocs.end_program(process, prefix, exe.name)
    final = reads[-1][1]
    at = len(reads) - 1
    while at > 0 and reads[at - 1][1] == final:
        at -= 1
    background_digest = hashlib.blake2b(background, digest_size=16).digest()
    first_visible = next(t for t, digest in reads if digest != background_digest)
    # Let the screen clear before the next program starts.
    deadline = time.monotonic() + 5
    while area.read() != background and time.monotonic() < deadline:
        time.sleep(0.05)
    return reads[at][0], first_visible


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--game", type=pathlib.Path, required=True)
    parser.add_argument("--empty", type=pathlib.Path, required=True)
    parser.add_argument("--tiles", type=pathlib.Path, required=True)
    parser.add_argument("--runs", type=int, default=7)
    args = parser.parse_args()
    prefix = os.environ["WINEPREFIX"]
    tiles = zorvik.load_tiles(args.tiles)
    area = ScreenArea(*AREA)
    programs = {
        "game": (args.game, lambda a, d: splash_shown(a, d, tiles)),
        "empty": (args.empty, plain_client),
    }
    times = {name: [] for name in programs}
    visible = {name: [] for name in programs}
    for run in range(args.runs + 1):  # the first pair warms the disk cache and is not counted
        order = ["game", "empty"] if run % 2 == 0 else ["empty", "game"]
        for name in order:
            exe, check = programs[name]
            painted, shown = measure(area, exe, check, prefix)
            if run > 0:
                times[name].append(painted)
                visible[name].append(shown)
    for name in programs:
        print(f"startup_{name}_ms {statistics.median(times[name]) * 1000:.0f}")
        print(f"startup_{name}_visible_ms {statistics.median(visible[name]) * 1000:.0f}")
        print(f"startup_{name}_all_ms {','.join(f'{t * 1000:.0f}' for t in times[name])}")
    print(f"startup_runs {args.runs}")


if __name__ == "__main__":
    main()
