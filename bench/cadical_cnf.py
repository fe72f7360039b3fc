#!/usr/bin/env python3
"""Helper of cadical_compare.sh: the same puzzles the exact-search benchmark proves unique, encoded as CNF
and proved unique by cadical (one call finds a solution, a second call with that solution excluded must
answer UNSAT), timed here and set against our times from the benchmark's JSON output.
Usage: cadical_cnf.py DATA-DIR OURS.json"""

import json
import math
import os
import subprocess
import sys
import tempfile
import time

GRID_COLUMN = [0, 0, 12, 24, 6, 18, 0, 12, 24, 6, 18, 0, 12, 24]
GRID_ROW = [0, 0, 0, 0, 6, 6, 12, 12, 12, 18, 18, 24, 24, 24]
LEVEL_FILES = ["leicht.drz", "mittel.drz", "schwer.drz", "extrem.drz"]
MINIMAL = ["minimal_%d.txt" % i for i in range(1, 6)]
REPEATS = 3


def lattice(k, x, y):
    return (GRID_COLUMN[k] + x - 1, GRID_ROW[k] + y - 1)


def board_cells():
    cells = {}
    for k in range(1, 14):
        for x in range(1, 10):
            for y in range(1, 10):
                cells.setdefault(lattice(k, x, y), len(cells))
    return cells


CELLS = board_cells()


def units():
    """The 351 rows, columns and boxes of the thirteen grids, as lists of cell numbers."""
    result = []
    for k in range(1, 14):
        for i in range(1, 10):
            result.append([CELLS[lattice(k, x, i)] for x in range(1, 10)])
            result.append([CELLS[lattice(k, i, y)] for y in range(1, 10)])
            x0, y0 = 1 + 3 * ((i - 1) % 3), 1 + 3 * ((i - 1) // 3)
            result.append([CELLS[lattice(k, x0 + j // 3, y0 + j % 3)] for j in range(9)])
    return result


def var(cell, digit):
    return 9 * cell + digit


def rule_clauses():
    clauses = []
    for cell in range(len(CELLS)):
        clauses.append([var(cell, d) for d in range(1, 10)])
        clauses += [[-var(cell, a), -var(cell, b)] for a in range(1, 10) for b in range(a + 1, 10)]
    for unit in units():
        for d in range(1, 10):
            clauses.append([var(c, d) for c in unit])
            clauses += [[-var(a, d), -var(b, d)] for i, a in enumerate(unit) for b in unit[i + 1:]]
    return clauses


def read_level_slot(path, slot):
    data = open(path, "rb").read()
    givens = {}
    for (X, Y), cell in CELLS.items():
        for k in range(1, 14):
            x, y = X - GRID_COLUMN[k] + 1, Y - GRID_ROW[k] + 1
            if 1 <= x <= 9 and 1 <= y <= 9:
                value = data[2800 * slot + k + 14 * x + 140 * y]
                if value:
                    givens[cell] = value
                break
    return givens


def read_puzzle(path):
    lines = [l.rstrip("\n") for l in open(path, encoding="utf-8") if not l.startswith("#")]
    givens = {}
    for (X, Y), cell in CELLS.items():
        ch = lines[Y][X] if X < len(lines[Y]) else " "
        if ch.isdigit():
            givens[cell] = int(ch)
    return givens


def write_cnf(path, rules, givens, extra):
    clauses = rules + [[var(c, d)] for c, d in givens.items()] + extra
    with open(path, "w") as f:
        f.write("p cnf %d %d\n" % (9 * len(CELLS), len(clauses)))
        f.write("".join(" ".join(map(str, c)) + " 0\n" for c in clauses))


def solve_seconds(output):
    """cadical's own profile line for its search ("c  0.01  20.51% solve"), reading and set-up excluded."""
    for line in output.splitlines():
        words = line.split()
        if len(words) == 4 and words[0] == "c" and words[3] == "solve" and words[2].endswith("%"):
            return float(words[1])
    return math.nan


def run_cadical(cnf):
    start = time.perf_counter()
    done = subprocess.run(["cadical", cnf], capture_output=True, text=True)
    seconds = time.perf_counter() - start
    model = [int(t) for line in done.stdout.splitlines() if line.startswith("v") for t in line.split()[1:]]
    return done.returncode, seconds, solve_seconds(done.stdout), [v for v in model if v > 0]


def prove_unique(folder, rules, givens):
    """Seconds for both calls (best of REPEATS) and whether cadical agrees that there is one solution."""
    first_cnf, second_cnf = os.path.join(folder, "first.cnf"), os.path.join(folder, "second.cnf")
    write_cnf(first_cnf, rules, givens, [])
    best, solving, agrees = math.inf, math.inf, False
    for _ in range(REPEATS):
        code, first_time, first_solve, model = run_cadical(first_cnf)
        write_cnf(second_cnf, rules, givens, [[-v for v in model]])
        code2, second_time, second_solve, _ = run_cadical(second_cnf)
        best = min(best, first_time + second_time)
        solving = min(solving, first_solve + second_solve)
        agrees = code == 10 and code2 == 20
    return best, solving, agrees


def our_times(json_path):
    report = json.load(open(json_path))
    scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}
    return {b["name"]: b["real_time"] * scale[b["time_unit"]] for b in report["benchmarks"]
            if b.get("run_type", "iteration") == "iteration"}


def main():
    data_dir, ours_json = sys.argv[1], sys.argv[2]
    ours = our_times(ours_json)
    puzzles = [("Unique/%s/%d" % (f, s), read_level_slot(os.path.join(data_dir, f), s))
               for f in LEVEL_FILES for s in range(4)]
    puzzles += [("Minimal/" + name, read_puzzle(os.path.join(data_dir, "puzzles", name))) for name in MINIMAL]
    rules = rule_clauses()
    print("%-24s %11s %11s %13s %14s" % ("puzzle", "ours", "cadical", "cadical/ours", "its search"))
    ratios = []
    with tempfile.TemporaryDirectory() as folder:
        for name, givens in puzzles:
            theirs, solving, agrees = prove_unique(folder, rules, givens)
            mine = ours.get(name)
            if mine is None:
                print("%-24s (no time of ours in the benchmark output)" % name)
                continue
            ratios.append(theirs / mine)
            print("%-24s %8.3f ms %8.1f ms %12.0fx %11.0f ms%s" % (
                name, mine * 1e3, theirs * 1e3, theirs / mine, solving * 1e3,
                "" if agrees else "  (cadical does not find exactly one solution!)"))
    if ratios:
        mean = math.exp(sum(math.log(r) for r in ratios) / len(ratios))
        print("geometric mean of cadical/ours over %d puzzles: %.0fx" % (len(ratios), mean))
        print("(\"its search\": cadical's own process time for solving, both calls, in its 10 ms steps)")


if __name__ == "__main__":
    main()
