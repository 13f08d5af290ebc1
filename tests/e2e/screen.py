#!/usr/bin/env python3
"""Reads screenshots of the game for the end-to-end test, with the standard library only.

Screenshots are binary PPM files (ImageMagick's `import ... shot.ppm`); all positions are
screen pixels. Each command prints what it saw and answers through its exit status:
0 yes, 1 no, 2 wrong use.
"""

import re
import sys

# The board's colour in the test's settings: red 128, green 128, blue 255.
BOARD = bytes((128, 128, 255))
WHITE = bytes((255, 255, 255))
CARD_WIDTH, CARD_HEIGHT, COLUMN_GAP = 93, 121, 10
# The card face is white inside its one-pixel outline; the search for white goes this far
# around a card, less than the five pixels between the last column and the list of words.
FACE_INSET, MARGIN = 1, 4
# The word and its points: two labels centred at the top, one under the other.
LABEL_WIDTH, LABEL_HEIGHT, LABEL_TOP = 497, 72, 10
# The list of the words found stands in the top-right corner.
WORD_LIST_WIDTH, WORD_LIST_HEIGHT = 155, 300


class Picture:
    def __init__(self, path):
        with open(path, "rb") as file:
            data = file.read()
        header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", data)
        if not header:
            raise ValueError(f"{path} is not an 8-bit binary PPM picture")
        self.width, self.height = int(header[1]), int(header[2])
        self.pixels = data[header.end():]

    def at(self, x, y):
        i = (y * self.width + x) * 3
        return self.pixels[i:i + 3] if 0 <= x < self.width and 0 <= y < self.height else None

    def row(self, y, x0, x1):
        x0, x1 = max(x0, 0), min(x1, self.width)
        return self.pixels[(y * self.width + x0) * 3:(y * self.width + x1) * 3]

    def white_box(self, x0, y0, x1, y1):
        """Bounding box (left, top, right, bottom) of the pure white pixels in the area."""
        box = None
        for y in range(max(y0, 0), min(y1, self.height)):
            row = self.row(y, x0, x1)
            whites = [i // 3 for i in range(0, len(row), 3) if row[i:i + 3] == WHITE]
            if whites:
                left, right = max(x0, 0) + whites[0], max(x0, 0) + whites[-1]
                box = (left, y, right, y) if box is None else \
                    (min(box[0], left), box[1], max(box[2], right), y)
        return box

    def is_plain(self, x, y, width, height):
        return all(self.row(r, x, x + width) == BOARD * (len(self.row(r, x, x + width)) // 3)
                   for r in range(max(y, 0), min(y + height, self.height)))


def column_tops(board_x, board_y, board_width, board_height):
    """Screen positions of the seven columns' top-left corners for a board of this size."""
    centred = round(board_width / 2 - CARD_WIDTH / 2)  # round() goes half to even
    top = round(board_height / 3)
    return [(board_x + centred + (k - 4) * (CARD_WIDTH + COLUMN_GAP), board_y + top)
            for k in range(1, 8)]


class Board:
    """The conditions the test waits for, read from one screenshot of the board."""

    def __init__(self, picture, board_x, board_y, board_width, board_height):
        self.picture, self.x, self.y, self.width = picture, board_x, board_y, board_width
        self.columns = column_tops(board_x, board_y, board_width, board_height)

    def card_at(self, left, top, upper_half_hidden=False):
        """'card' when a face-up card stands exactly at (left, top), 'empty' when only board."""
        first_row = top + CARD_HEIGHT // 2 if upper_half_hidden else top
        box = self.picture.white_box(left - MARGIN, first_row - (0 if upper_half_hidden else MARGIN),
                                     left + CARD_WIDTH + MARGIN, top + CARD_HEIGHT + MARGIN)
        face = (left + FACE_INSET, first_row if upper_half_hidden else top + FACE_INSET,
                left + CARD_WIDTH - 1 - FACE_INSET, top + CARD_HEIGHT - 1 - FACE_INSET)
        if box == face:
            return "card", box
        if box is None and self.picture.is_plain(left, top, CARD_WIDTH, CARD_HEIGHT):
            return "empty", box
        return "other", box

    def dealt(self):
        """Each of the seven columns holds one face-up card at its top."""
        states = [self.card_at(left, top) for left, top in self.columns]
        return all(state == "card" for state, _ in states), "; ".join(
            f"column {k}: {state} (white: {box})" for k, (state, box) in enumerate(states, 1))

    def word_of_two(self, column):
        """The column holds a word of two cards: the second 30 pixels below the first."""
        left, top = self.columns[int(column) - 1]
        state, box = self.card_at(left, top + 30, upper_half_hidden=True)
        return state == "card", f"second card of a word in column {column}: {state} ({box})"

    def empty_column(self, column):
        state, box = self.card_at(*self.columns[int(column) - 1])
        return state == "empty", f"column {column}: {state} (white: {box})"

    def labels_empty(self):
        left = self.x + round(self.width / 2 - LABEL_WIDTH / 2)
        plain = self.picture.is_plain(left, self.y + LABEL_TOP, LABEL_WIDTH,
                                      2 * LABEL_HEIGHT - LABEL_TOP)
        return plain, "word labels " + ("empty" if plain else "show something")

    def word_list_as(self, other_shot):
        other, x = Picture(other_shot), self.x + self.width - WORD_LIST_WIDTH
        changed = sum(self.picture.row(y, x, x + WORD_LIST_WIDTH) !=
                      other.row(y, x, x + WORD_LIST_WIDTH)
                      for y in range(self.y, self.y + WORD_LIST_HEIGHT))
        return changed == 0, f"word list: {changed} rows differ from {other_shot}"


def command_board(args):
    """The board fills the window below the menu bar: from its first row of board colour."""
    picture = Picture(args[0])
    x, y, width, height = map(int, args[1:5])
    for row in range(y, y + height):
        if picture.at(x + 2, row) == BOARD and picture.at(x + 40, row) == BOARD:
            print(x, row, width, y + height - row)
            return 0
    print("no board colour inside the window")
    return 1


def command_column_tops(args):
    for left, top in column_tops(*map(int, args[0:4])):
        print(left, top)
    return 0


def command_expect(args):
    """Yes when every condition holds on the screenshot; prints what it saw."""
    board = Board(Picture(args[0]), *map(int, args[1:5]))
    all_hold = True
    for condition in args[5:]:
        negate = condition.startswith("not-")
        name, _, argument = condition.removeprefix("not-").partition(":")
        check = getattr(board, name.replace("-", "_"), None)
        if check is None or name.startswith("_") or name == "card-at":
            print(f"unknown condition {condition}", file=sys.stderr)
            return 2
        holds, detail = check(argument) if argument else check()
        holds = holds != negate
        all_hold = all_hold and holds
        print(("yes: " if holds else "no:  ") + detail)
    return 0 if all_hold else 1


COMMANDS = {
    "board": (command_board, "SHOT WINDOW_X WINDOW_Y WINDOW_WIDTH WINDOW_HEIGHT"),
    "column-tops": (command_column_tops, "BOARD_X BOARD_Y BOARD_WIDTH BOARD_HEIGHT"),
    "expect": (command_expect, "SHOT BOARD_X BOARD_Y BOARD_WIDTH BOARD_HEIGHT CONDITION... "
               "(dealt, word-of-two:K, empty-column:K, labels-empty, word-list-as:SHOT, "
               "each may be preceded by not-)"),
}

if __name__ == "__main__":
    if len(sys.argv) < 2 or sys.argv[1] not in COMMANDS:
        for command, (_, usage) in COMMANDS.items():
            print(f"usage: screen.py {command} {usage}", file=sys.stderr)
        sys.exit(2)
    sys.exit(COMMANDS[sys.argv[1]][0](sys.argv[2:]))
