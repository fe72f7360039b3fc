"""The soak's game folder: the level files (Leicht made one cell short of solved on every board, so random play
finishes games and reaches the hall of fame), the manual, and the checks on the files the game writes."""
import glob
import json
import os
import shutil
import subprocess

BOARD_FILE_BYTES = 67929
HALL_OF_FAME_LINES = 120
BOARD_BYTES = 1400


class Failure(Exception):
    pass


class GameFiles:
    def __init__(self, build, source, folder):
        self.folder = folder
        os.makedirs(folder, exist_ok=True)
        for level in glob.glob(os.path.join(source, "data", "*.drz")):
            shutil.copy(level, folder)
        shutil.copy(os.path.join(build, "Dreizehner.chm"), folder)
        self._make_leicht_nearly_solved(build)
        self.levels = {name: self._read(name) for name in sorted(os.listdir(folder)) if name.endswith(".drz")}
        self.board_saves = 0
        self.records = 0
        self.game_saves = 0
        self._last_board = self._last_fame = self._last_game = None

    def _read(self, name):
        with open(os.path.join(self.folder, name), "rb") as f:
            return f.read()

    def _make_leicht_nearly_solved(self, build):
        """Every slot of leicht.drz: the solved board of slot 0, all given but the middle cell of grid 1."""
        leicht = os.path.join(self.folder, "leicht.drz")
        solved = os.path.join(self.folder, "solved.tmp")
        subprocess.run([os.path.join(build, "drz"), "solve", leicht, "0", solved, "0"], check=True,
                       stdout=subprocess.DEVNULL, timeout=60)
        with open(solved, "rb") as f:
            board = bytearray(f.read()[:BOARD_BYTES])
        os.remove(solved)
        board[1 + 14 * 5 + 140 * 5] = 0
        with open(leicht, "r+b") as f:
            for slot in range(4):
                for block in range(2):  # digits, then givens
                    f.seek((2 * slot + block) * BOARD_BYTES)
                    f.write(board)

    def check(self):
        for name, content in self.levels.items():
            path = os.path.join(self.folder, name)
            if not os.path.isfile(path) or self._read(name) != content:
                raise Failure(f"the level file {name} changed")
        board = self._stat("brett.drz")
        if board is not None:
            if board.st_size != BOARD_FILE_BYTES:
                raise Failure(f"brett.drz has {board.st_size} bytes")
            if (board.st_mtime_ns, board.st_ino) != self._last_board:
                self.board_saves += 1
                self._last_board = (board.st_mtime_ns, board.st_ino)
        fame = self._stat("Champions.Rhm")
        if fame is not None:
            lines = self._read("Champions.Rhm").count(b"\n")
            if lines != HALL_OF_FAME_LINES:
                raise Failure(f"Champions.Rhm has {lines} lines")
            if (fame.st_mtime_ns, fame.st_ino) != self._last_fame:
                self.records += 1
                self._last_fame = (fame.st_mtime_ns, fame.st_ino)

        self._check_game_in_progress()

    def _check_game_in_progress(self):
        """spielstand.json, whenever it is there, is a whole stored game (it is replaced whole, or removed)."""
        game = self._stat("spielstand.json")
        if game is None:
            return
        try:
            text = self._read("spielstand.json")
        except FileNotFoundError:
            return  # removed since (a solved board)
        try:
            document = json.loads(text)
        except ValueError:
            raise Failure(f"spielstand.json is no JSON ({len(text)} bytes)")
        if not isinstance(document, dict) or document.get("format") != "Dreizehner-Spielstand" \
                or document.get("version") != 1:
            raise Failure("spielstand.json is not a stored game of format version 1")
        if (game.st_mtime_ns, game.st_ino) != self._last_game:
            self.game_saves += 1
            self._last_game = (game.st_mtime_ns, game.st_ino)

    def _stat(self, name):
        try:
            return os.stat(os.path.join(self.folder, name))
        except FileNotFoundError:
            return None

    def summary(self):
        return (f"brett.drz written {self.board_saves} times, Champions.Rhm {self.records} times, "
                f"spielstand.json {self.game_saves} times")
