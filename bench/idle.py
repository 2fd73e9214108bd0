"""Idle cost: the CPU time the game and the prefix's wineserver use over a
stretch with no input (the game's 30 ms timer and banner running), as a share
of one core, against the same for the empty-window baseline; and the resident
memory of each program once it has started. Prints "key value" lines."""
import argparse
import os
import pathlib
import subprocess
import sys
import time

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))
sys.path.insert(0, str(HERE.parent / "tests/e2e"))
import wineprocs  # noqa: E402
from harness import find_window  # noqa: E402

SETTLE = 3.0  # seconds after the window appears before counting starts


def idle_share(exe, title, seconds, prefix):
    """(per cent of one core used over `seconds`, resident MiB after start)."""
    env = dict(os.environ, WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")
    process = subprocess.Popen(["wine", str(exe)], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        find_window(title, timeout=40)
        time.sleep(SETTLE)
        programs = wineprocs.program_pids(prefix, process.pid, exe.name)
        servers = wineprocs.wineserver_pids(prefix)
        if not programs or not servers:
            raise RuntimeError(f"{exe.name}: its process or the wineserver was not found")
        resident = wineprocs.resident_mib(programs)
        used, started = wineprocs.cpu_seconds(programs + servers), time.monotonic()
        time.sleep(seconds)
        used, elapsed = wineprocs.cpu_seconds(programs + servers) - used, time.monotonic() - started
        if not wineprocs.program_pids(prefix, process.pid, exe.name):
            raise RuntimeError(f"{exe.name} ended while it was being measured")
    finally:
        wineprocs.end_program(process, prefix, exe.name)
    return 100 * used / elapsed, resident


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--game", type=pathlib.Path, required=True)
    parser.add_argument("--empty", type=pathlib.Path, required=True)
    parser.add_argument("--seconds", type=float, default=30)
    args = parser.parse_args()
    prefix = os.environ["WINEPREFIX"]
    for name, exe, title in (("empty", args.empty, "^Finestra vuota$"), ("game", args.game, "^Zorvik ")):
        share, resident = idle_share(exe, title, args.seconds, prefix)
        print(f"idle_{name}_cpu_percent {share:.2f}")
        print(f"resident_{name}_mib {resident:.1f}")
    print(f"idle_seconds {args.seconds:.0f}")


if __name__ == "__main__":
    main()
