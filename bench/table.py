"""The benchmark table from the "key value" lines the measurements printed:
one row per figure with its baseline, their ratio, the goal and whether it
was met, then the machine and what explains the figures. Prints the table
and writes it to the file named by --out; --json writes the figures as
numbers (the timings medians in milliseconds) for other tools."""
import argparse
import json
import pathlib


def read_figures(paths):
    figures = {}
    for path in paths:
        for line in pathlib.Path(path).read_text().splitlines():
            key, _, value = line.partition(" ")
            if key:
                figures[key] = value.strip()
    return figures


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("figures", nargs="+")
    parser.add_argument("--machine", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--json")
    args = parser.parse_args()
    f = read_figures(args.figures)
    num = lambda key: float(f[key])
    rows = []

    def row(figure, value, baseline, ratio, goal, met):
        rows.append((figure, value, baseline, ratio, goal, "-" if met is None else ("yes" if met else "NO")))

    game, empty = num("startup_game_ms"), num("startup_empty_ms")
    row(f"Start-up to first complete paint, median of {f['startup_runs']}", f"{game:.0f} ms",
        f"{empty:.0f} ms empty window", f"{game / empty:.2f}x", "<= 1.5x", game / empty <= 1.5)
    cascade, floor = num("cascade_ms"), num("cascade_floor_ms")
    cells = f["cascade_cells"]
    row(f"Full-field cascade, press to last cell painted, Wine, median of {f['cascade_runs']}", f"{cascade:.2f} ms",
        f"{floor:.2f} ms {cells} trivial child windows repainted", f"{cascade / floor:.2f}x", "<= 1.2x",
        cascade <= 1.2 * floor)
    press = num("cascade_press_ms")
    row("The same press handled, before any paint", f"{press:.3f} ms", "-", "-", "< 2 ms", press < 2)
    repaint = num("cascade_repaint_ms")
    row(f"The same {cells} cells invalidated one by one and repainted", f"{repaint:.2f} ms",
        f"{floor:.2f} ms trivial child windows", f"{repaint / floor:.2f}x", "-", None)
    rules, flood = num("rules_cascade_us"), num("rules_floodfill_us")
    row(f"Full-field cascade, rules only, host, median of {f['rules_runs']}", f"{rules:.1f} us",
        f"{flood:.1f} us plain flood fill", f"{rules / flood:.1f}x", "< 50 us", rules < 50)
    idle_game, idle_empty = num("idle_game_cpu_percent"), num("idle_empty_cpu_percent")
    row(f"Idle CPU, game + wineserver, {f['idle_seconds']} s", f"{idle_game:.2f} % of a core",
        f"{idle_empty:.2f} % empty window", f"{idle_game / idle_empty:.1f}x" if idle_empty else "-", "-", None)
    rss_game, rss_empty = num("resident_game_mib"), num("resident_empty_mib")
    row("Resident memory after start (VmRSS)", f"{rss_game:.1f} MiB", f"{rss_empty:.1f} MiB empty window",
        f"{rss_game / rss_empty:.2f}x", "-", None)
    games = f["games_played"]
    ws_start, ws_end = num("games_start_workingset_mib"), num("games_end_workingset_mib")
    row(f"Working-set growth over {games} games", f"{ws_end - ws_start:+.2f} MiB", f"{ws_start:.1f} MiB at start",
        f"{ws_end / ws_start:.3f}x", "< 2 MiB", ws_end - ws_start < 2)
    gdi_start, gdi_end = int(f["games_start_gdi"]), int(f["games_end_gdi"])
    row(f"GDI objects (library balance) over {games} games", f"{gdi_end - gdi_start:+d}", f"{gdi_start} at start",
        f"{gdi_end / gdi_start:.3f}x" if gdi_start else "-", "no growth", gdi_end <= gdi_start)
    win_start, win_end = int(f["games_start_windows"]), int(f["games_end_windows"])
    row(f"USER objects (thread's windows) over {games} games", f"{win_end - win_start:+d}",
        f"{win_start} at start", f"{win_end / win_start:.3f}x" if win_start else "-", "no growth",
        win_end <= win_start)

    header = ("Figure", "Value", "Baseline", "Ratio", "Goal", "Met?")
    widths = [max(len(str(r[i])) for r in rows + [header]) for i in range(len(header))]
    line = lambda r: "| " + " | ".join(str(c).ljust(w) for c, w in zip(r, widths)) + " |"
    table = [line(header), "|" + "|".join("-" * (w + 2) for w in widths) + "|"] + [line(r) for r in rows]

    notes = [
        "",
        f"Machine: {args.machine}",
        "",
        "Where the time goes:",
        f"- start-up: first visible change at {f['startup_game_visible_ms']} ms (empty window "
        f"{f['startup_empty_visible_ms']} ms); in-process the FormMain constructor takes {f['window_build_ms']} ms "
        f"and the paints still waiting after it {f['window_pending_paint_ms']} ms; "
        f"all runs: game {f['startup_game_all_ms']}, empty {f['startup_empty_all_ms']} ms",
        f"- cascade: {f['cascade_cell_paints']} cell paints for the press, in one paint message; one tile blit as a "
        f"cell draws it (the strip's kept sheet) {f['tile_sheet_ms']} ms, with a mask of the whole strip made for "
        f"the call {f['tile_masked_ms']} ms, opaque {f['tile_opaque_ms']} ms",
        f"- rules: the score and level texts, written once per press, take {f['rules_updatestatus_us']} us; "
        f"the neighbour lists of the {f['rules_cells']} opened cells {f['rules_neighbours_us']} us",
        f"- games: working set {f['games_start_workingset_mib']} MiB at start, "
        f"{f['games_first_workingset_mib']} after the first game, {f['games_end_workingset_mib']} after the last",
    ]
    text = "\n".join(table + notes) + "\n"
    print(text, end="")
    out = pathlib.Path(args.out)
    out.parent.mkdir(parents=True, exist_ok=True)
    out.write_text(text)
    if args.json:
        figures = {key: float(value) for key, value in f.items() if is_number(value)}
        # The names other tools look for: every one a median in milliseconds.
        figures["startup_ms"] = game
        figures["startup_empty_ms"] = empty
        pathlib.Path(args.json).write_text(json.dumps(figures, indent=2, sort_keys=True) + "\n")


def is_number(text):
    try:
        float(text)
        return True
    except ValueError:
        return False


if __name__ == "__main__":
    main()
