"""The random-input soak: the real game under X, driven by a seeded random mix of clicks, keys, menu choices,
answers to whatever window it opens, and window resizes; started again after every confirmed exit.

After every action: the game runs (or ended with status 0 while a question of it was on the screen), no
sanitizer report exists, the game answers a ping within 5 s, "brett.drz" is absent or 67929 bytes,
"Champions.Rhm" absent or 120 lines, and the level files are unchanged.  A failure prints the seed and the
action number.

Usage: soak.py --build DIR --source DIR --work DIR --seconds N [--seed S] [--max-actions N] [--verbose]"""
import argparse
import os
import random
import subprocess
import sys
import time

from game_files import Failure, GameFiles
from game_process import TITLE, GameProcess
from x_ping import Pinger
import x_actions

ANSWER_SECONDS = 5.0


class Soak:
    def __init__(self, args):
        self.rng = random.Random(args.seed)
        self.seed = args.seed
        self.files = GameFiles(args.build, args.source, os.path.join(args.work, "game"))
        self.game = GameProcess(args.build, self.files.folder, os.path.join(args.work, "sanitizer"))
        self.pinger = Pinger()
        self.history = []
        self.actions = 0
        self.starts = 0
        self.exits = 0
        self.question_seen = -10  # the last action before which a question of the game was on the screen
        self.verbose = args.verbose
        self.titles = {}  # the titles of the windows answered, and how often
        self.slowest = 0.0  # the longest wait for an answer to a ping

    def start(self):
        self.game.start()
        self.starts += 1
        self.player = x_actions.Player(self.rng, self.game)

    def step(self):
        dialogs = self.game.other_windows()
        if set(dialogs) & set(self.game.windows(TITLE)):
            self.question_seen = self.actions + 1
        if dialogs and self.rng.random() < 0.65:
            title, done = self.player.answer(self.rng.choice(dialogs))
            self.titles[title] = self.titles.get(title, 0) + 1
        else:
            done = self.player.act()
        self.actions += 1
        self.history.append(f"{self.actions}: {done}")
        if self.verbose:
            print(self.history[-1], flush=True)
        del self.history[:-25]

    def exit_expected(self):
        """A question of the game (the exit question among them) was on the screen one or two actions ago."""
        return self.actions - self.question_seen <= 1

    def check(self):
        report = self.game.sanitizer_report()
        if report:
            raise Failure("sanitizer report:\n" + report)
        status = self.game.exit_status(wait=0.3 if self.exit_expected() else 0)
        if status is None and self.exit_expected() and self.game.main_window not in self.game.windows():
            status = self.game.exit_status(wait=ANSWER_SECONDS)  # the window closed: the process ends now
        if status is None:
            asked = time.monotonic()
            if not self.pinger.ping(self.game.main_window, ANSWER_SECONDS):
                raise Failure(f"the game did not answer within {ANSWER_SECONDS:.0f} s")
            self.slowest = max(self.slowest, time.monotonic() - asked)
            self.files.check()
            return
        if status != 0 or not self.exit_expected():
            raise Failure(f"the game ended with status {status} "
                          f"({'after a question' if self.exit_expected() else 'without a question on the screen'})")
        self.exits += 1
        self.files.check()
        self.start()

    def run(self, seconds, max_actions):
        print(f"soak: seed {self.seed}, {seconds} s, at most {max_actions} actions", flush=True)
        begin = time.monotonic()
        self.start()
        self.check()
        while time.monotonic() - begin < seconds and self.actions < max_actions:
            self.step()
            self.check()
        minutes = (time.monotonic() - begin) / 60
        self.game.stop()
        report = self.game.sanitizer_report()
        if report:
            raise Failure("sanitizer report:\n" + report)
        print(f"soak: {self.actions} actions in {minutes:.1f} min ({self.actions / max(minutes, 1e-9):.0f} per "
              f"minute), {self.starts} starts, {self.exits} confirmed exits, slowest answer {self.slowest:.2f} s; "
              f"{self.files.summary()}; "
              f"seed {self.seed}")
        answered = ", ".join(f"'{t}' {n}" for t, n in sorted(self.titles.items(), key=lambda item: -item[1]))
        print(f"soak: windows answered: {answered or 'none'}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True)
    parser.add_argument("--source", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--seconds", type=float, default=60)
    parser.add_argument("--seed", type=int, default=None)
    parser.add_argument("--max-actions", type=int, default=100000)
    parser.add_argument("--verbose", action="store_true", help="print every action")
    args = parser.parse_args()
    if args.seed is None:
        args.seed = random.SystemRandom().randrange(1, 2**31)
    soak = Soak(args)
    try:
        soak.run(args.seconds, args.max_actions)
    except Failure as failure:
        print(f"FAIL at action {soak.actions} (replay with SOAK_SEED={soak.seed}): {failure}")
        print("last actions:\n  " + "\n  ".join(soak.history))
        print("game output:\n" + soak.game.log_tail())
        soak.game.stop()
        return 1
    except subprocess.TimeoutExpired as stuck:
        print(f"FAIL at action {soak.actions} (replay with SOAK_SEED={soak.seed}): a tool hung: {stuck}")
        soak.game.stop()
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
