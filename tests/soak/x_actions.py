"""What the soak's random player does: real clicks and keys through xdotool on the game's main window and on every
other window the game opens.  Each action returns a line saying what it did, for the failure report."""
import subprocess
import time

from game_process import xdotool

PICTURE_WIDTH, PICTURE_HEIGHT = 1478, 945
BACKGROUND = bytes((0xB4, 0xC9, 0xD0))
GRID_ORIGINS = [(29, 35), (425, 35), (821, 35), (227, 185), (623, 185), (29, 335), (425, 335), (821, 335),
                (227, 485), (623, 485), (29, 635), (425, 635), (821, 635)]
CELL_WIDTH, CELL_HEIGHT = 33, 25
MENUS = {"d": "nsebx", "o": "lsbrdme", "w": "lmsezbkr", "h": "ad"}  # Alt mnemonics and their items' letters
GAME_LETTERS = "nlsdhakofcmx"
KEYS = ["Escape", "Return", "space", "Tab", "BackSpace", "Delete", "Up", "Down", "Left", "Right", "F1", "F10",
        "KP_5", "shift+Tab"]
DIALOG_KEYS = ["Return", "Escape", "space", "Tab", "shift+Tab", "Up", "Down", "Left", "Right", "1", "2", "3",
               "4", "5", "j", "n", "a", "l", "o", "alt+j", "alt+n", "alt+l", "alt+o", "alt+a", "ctrl+Tab", "Home",
               "End", "Next", "Prior"]
TYPED = "abcdefghijklmnopqrstuvwxyzABCXYZ0123456789 äöüß-.,"


class Player:
    def __init__(self, rng, game):
        self.rng = rng
        self.game = game
        self.window = game.main_window
        self.top = self._menu_height()

    # --- the main window ---------------------------------------------------------------------------------------
    def act(self):
        actions = [(self.board_click, 22), (self.empty_cell, 15), (self.command_bar, 8), (self.panel_click, 3),
                   (self.anywhere_click, 5), (self.key, 20), (self.menu_by_keys, 10), (self.menu_by_mouse, 4),
                   (self.new_game, 3), (self.resize, 3), (self.exit_question, 2), (self.pause, 2)]
        action = self.rng.choices([a for a, _ in actions], [w for _, w in actions])[0]
        return action()

    def board_click(self):
        x, y = self.rng.randrange(29, 1120), self.rng.randrange(35, 860)
        button = self.rng.choice([1, 1, 1, 3])
        self._click_picture(x, y, button)
        return f"board click {button} at {x},{y}; " + self._pad_follow_up(x - 16, y - 12)

    def empty_cell(self):
        """A click on a cell that looks empty in a screenshot, the window first given its own size."""
        if not self._natural():
            self._restore_size()
        cells = self._empty_cells()
        if not cells:
            return "no empty cell to be seen; " + self.board_click()
        cx, cy = self.rng.choice(cells)
        button = self.rng.choice([1, 1, 1, 3])
        self._click_picture(cx + 16, cy + 12, button)
        return f"empty cell {cx},{cy} button {button}; " + self._pad_follow_up(cx, cy)

    def _pad_follow_up(self, cx, cy):
        """What a player does next over a pad opened on the cell whose corner is (cx, cy)."""
        choice = self.rng.random()
        if choice < 0.45:
            digit = str(self.rng.randrange(10))
            self._key(digit)
            return f"digit {digit}"
        if choice < 0.8:
            square = self.rng.randrange(9)
            x, y = cx - 8 + 15 * (square % 3) + 7, cy - 8 + 15 * (square // 3) + 7
            self._move_picture(x, y)
            self._click_picture(x, y, self.rng.choice([1, 1, 3]))
            return f"pad square {square + 1}"
        if choice < 0.9:
            self._key("Escape")
            return "Escape"
        return "nothing"

    def command_bar(self):
        x, y = self.rng.randrange(160, 984), self.rng.randrange(886, 913)
        self._click_picture(x, y, 1)
        return f"command bar at {x},{y}"

    def panel_click(self):
        x, y = self.rng.randrange(1153, 1462), self.rng.randrange(279, 874)
        self._click_picture(x, y, self.rng.choice([1, 3]))
        return f"panel click at {x},{y}"

    def anywhere_click(self):
        width, height = self._size()
        x, y = self.rng.randrange(max(width, 1)), self.rng.randrange(max(height, 1))
        button = self.rng.choice([1, 1, 2, 3])
        xdotool("mousemove", "--window", self.window, x, y, "click", button)
        return f"click {button} at window {x},{y}"

    def key(self):
        choice = self.rng.random()
        if choice < 0.35:
            key = self.rng.choice(GAME_LETTERS)
        elif choice < 0.6:
            key = str(self.rng.randrange(10))
        elif choice < 0.75:
            key = self.rng.choice("bgijpqrtuvwyz")
        else:
            key = self.rng.choice(KEYS)
        if self.rng.random() < 0.15:
            key = "shift+" + key
        self._key(key, activate=self.rng.random() < 0.8)
        return f"key {key}"

    def menu_by_keys(self):
        menu = self.rng.choice(list(MENUS))
        item = self.rng.choice(MENUS[menu] + "q") if self.rng.random() < 0.9 else "Escape"
        self._key(f"alt+{menu}")
        time.sleep(0.15)
        xdotool("key", item)
        return f"menu alt+{menu} {item}"

    def menu_by_mouse(self):
        x = self.rng.randrange(5, 360)
        xdotool("mousemove", "--window", self.window, x, max(self.top // 2, 1), "click", 1)
        time.sleep(0.2)
        if self.rng.random() < 0.15:
            xdotool("key", "Escape")
            return f"menu bar at {x}, Escape"
        dx, dy = self.rng.randrange(-20, 220), self.rng.randrange(self.top + 5, self.top + 330)
        xdotool("mousemove", "--window", self.window, x + dx, dy, "click", 1)
        return f"menu bar at {x}, item at {x + dx},{dy}"

    def new_game(self):
        self._key("alt+d")
        time.sleep(0.15)
        xdotool("key", "n")
        return "Neues Spiel"

    def resize(self):
        choice = self.rng.random()
        if choice < 0.5:
            self._restore_size()
            return "own size"
        if choice < 0.85:
            width, height = self.rng.randrange(200, 1900), self.rng.randrange(150, 1060)
        else:
            subprocess.run(["wmctrl", "-i", "-r", str(self.window), "-b", "toggle,maximized_vert,maximized_horz"],
                           timeout=10, capture_output=True)
            return "maximise toggled"
        xdotool("windowsize", self.window, width, height)
        return f"resize to {width}x{height}"

    def exit_question(self):
        if self.rng.random() < 0.6:
            subprocess.run(["wmctrl", "-i", "-c", str(self.window)], timeout=10, capture_output=True)
            return "close box"
        self._key("alt+d")
        time.sleep(0.15)
        xdotool("key", "b")
        return "menu Beenden"

    def pause(self):
        seconds = self.rng.uniform(0.3, 1.5)
        time.sleep(seconds)
        return f"pause {seconds:.1f} s"

    # --- any other window of the game --------------------------------------------------------------------------
    def answer(self, window):
        """(the window's title, what was done)"""
        title = xdotool("getwindowname", window).strip()
        if self.rng.random() < 0.85:
            xdotool("windowactivate", window)
            time.sleep(0.1)
        if "speichern" in title.lower() or "datei" in title.lower():
            xdotool("key", "Escape")  # a file chooser: a random answer could write over any file of the folder
            return title, f"'{title}': Escape"
        choice = self.rng.random()
        if choice < 0.5:
            key = self.rng.choice(DIALOG_KEYS)
            xdotool("key", key)
            return title, f"'{title}': key {key}"
        if choice < 0.75:
            geometry = xdotool("getwindowgeometry", window)
            width, height = _size_of(geometry)
            x, y = self.rng.randrange(max(width, 1)), self.rng.randrange(max(height, 1))
            clicks = self.rng.choice([1, 1, 1, 2])
            xdotool("mousemove", "--window", window, x, y, "click", "--repeat", clicks, 1)
            return title, f"'{title}': {clicks} click(s) at {x},{y}"
        if choice < 0.88:
            text = "".join(self.rng.choice(TYPED) for _ in range(self.rng.randrange(1, 13)))
            xdotool("type", "--delay", 20, text)
            if self.rng.random() < 0.5:
                xdotool("key", "Return")  # as a player confirms a typed name
                return title, f"'{title}': typed {text!r} and Return"
            return title, f"'{title}': typed {text!r}"
        subprocess.run(["wmctrl", "-i", "-c", str(window)], timeout=10, capture_output=True)
        return title, f"'{title}': close box"

    # --- helpers -----------------------------------------------------------------------------------------------
    def _key(self, key, activate=True):
        if activate:
            xdotool("windowactivate", self.window)
            time.sleep(0.1)
        xdotool("key", key)

    def _size(self):
        return _size_of(xdotool("getwindowgeometry", self.window))

    def _restore_size(self):
        subprocess.run(["wmctrl", "-i", "-r", str(self.window), "-b", "remove,maximized_vert,maximized_horz"],
                       timeout=10, capture_output=True)
        xdotool("windowsize", self.window, PICTURE_WIDTH, PICTURE_HEIGHT + self.top)
        time.sleep(0.3)

    def _natural(self):
        return self._size() == (PICTURE_WIDTH, PICTURE_HEIGHT + self.top)

    def _to_window(self, x, y):
        """A picture pixel as a window position: the picture sits in the top-left corner under the menu bar,
        scaled with its aspect kept (by whole numbers from twice its size on)."""
        width, height = self._size()
        height -= self.top
        scale = min(width / PICTURE_WIDTH, height / PICTURE_HEIGHT) if width > 0 and height > 0 else 1
        if scale >= 2:
            scale = int(scale)
        return int((x + 0.5) * scale), int(self.top + (y + 0.5) * scale)

    def _move_picture(self, x, y):
        wx, wy = self._to_window(x, y)
        xdotool("mousemove", "--window", self.window, wx, wy)
        time.sleep(0.05)

    def _click_picture(self, x, y, button):
        wx, wy = self._to_window(x, y)
        xdotool("mousemove", "--window", self.window, wx, wy, "click", button)

    def _screenshot(self):
        """The main window as (width, height, RGB bytes), or None."""
        try:
            ppm = subprocess.run(["import", "-depth", "8", "-window", str(self.window), "ppm:-"],
                                 capture_output=True, timeout=10).stdout
        except subprocess.TimeoutExpired:
            return None
        parts = ppm.split(maxsplit=4)
        if len(parts) < 5 or parts[0] != b"P6":
            return None
        width, height = int(parts[1]), int(parts[2])
        pixels = parts[4]
        return (width, height, pixels) if len(pixels) >= width * height * 3 else None

    def _menu_height(self):
        shot = self._screenshot()
        if shot:
            width, height, pixels = shot
            for y in range(min(height, 120)):
                if pixels[(y * width + 5) * 3:(y * width + 5) * 3 + 3] == BACKGROUND:
                    return y
        return 0

    def _empty_cells(self):
        """Corners of the cells with a white face, when the window shows the picture at its own size."""
        if not self._natural():
            return []
        shot = self._screenshot()
        if not shot:
            return []
        width, _, pixels = shot
        cells = []
        for gx, gy in GRID_ORIGINS:
            for row in range(9):
                for column in range(9):
                    cx, cy = gx + CELL_WIDTH * column, gy + CELL_HEIGHT * row
                    at = ((cy + 2 + self.top) * width + cx + 2) * 3
                    if pixels[at:at + 3] == b"\xff\xff\xff":
                        cells.append((cx, cy))
        return cells


def _size_of(geometry):
    for line in geometry.splitlines():
        if "Geometry:" in line:
            width, height = line.split(":")[1].strip().split("x")
            return int(width), int(height)
    return 0, 0
