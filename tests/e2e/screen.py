#!/usr/bin/env python3
"""Reads screenshots of the game for the end-to-end test, with the standard library only.

Screenshots are binary PPM files (ImageMagick's `import ... shot.ppm`); all positions are
screen pixels. Each command prints what it saw and answers through its exit status:
0 yes, 1 no, 2 wrong use.
"""

import sys

# The board's colour in the shipped settings: red 128, green 128, blue 255.
BOARD = (128, 128, 255)
WHITE = (255, 255, 255)
CARD_WIDTH, CARD_HEIGHT = 93, 121
COLUMN_GAP = 10
# The card face is white inside its one-pixel outline.
FACE_INSET = 1
# How far around a card the search for white goes: less than the five pixels between the
# last column and the white list of words found.
MARGIN = 4
# The word and its points are shown in two labels centred at the top, one under the other.
LABEL_WIDTH, LABEL_HEIGHT, LABEL_TOP = 497, 72, 10
# The list of the words found stands in the top-right corner.
WORD_LIST_WIDTH, WORD_LIST_HEIGHT = 155, 300


class Picture:
    def __init__(self, path):
        with open(path, "rb") as file:
            data = file.read()
        fields, offset = [], 0
        while len(fields) < 4:
            while data[offset:offset + 1].isspace():
                offset += 1
            if data[offset:offset + 1] == b"#":
                offset = data.index(b"\n", offset) + 1
                continue
            end = offset
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[offset:end])
            offset = end
        if fields[0] != b"P6" or int(fields[3]) != 255:
            raise ValueError(f"{path} is not an 8-bit binary PPM picture")
        self.width, self.height = int(fields[1]), int(fields[2])
        self.pixels = data[offset + 1:offset + 1 + self.width * self.height * 3]

    def at(self, x, y):
        if not (0 <= x < self.width and 0 <= y < self.height):
            return None
        i = (y * self.width + x) * 3
        return tuple(self.pixels[i:i + 3])

    def row(self, y, x0, x1):
        x0, x1 = max(x0, 0), min(x1, self.width)
        return self.pixels[(y * self.width + x0) * 3:(y * self.width + x1) * 3]


def column_tops(board_width, board_height):
    """Top-left corners of the seven columns for a board of this size."""
    centred = round(board_width / 2 - CARD_WIDTH / 2)  # round() goes half to even
    top = round(board_height / 3)
    return [(round(centred + (k - 4) * (CARD_WIDTH + COLUMN_GAP)), top) for k in range(1, 8)]


def white_box(picture, x0, y0, x1, y1):
    """Bounding box (left, top, right, bottom) of the pure white pixels in the area, or None."""
    white = bytes(WHITE)
    left = top = right = bottom = None
    for y in range(max(y0, 0), min(y1, picture.height)):
        row = picture.row(y, x0, x1)
        first = next((i for i in range(0, len(row), 3) if row[i:i + 3] == white), None)
        if first is None:
            continue
        last = next(i for i in range(len(row) - 3, -1, -3) if row[i:i + 3] == white)
        start = max(x0, 0)
        left = min(left, start + first // 3) if left is not None else start + first // 3
        right = max(right, start + last // 3) if right is not None else start + last // 3
        top = y if top is None else top
        bottom = y
    return None if top is None else (left, top, right, bottom)


def is_plain(picture, x, y, width, height, colour=BOARD):
    for row in range(max(y, 0), min(y + height, picture.height)):
        pixels = picture.row(row, x, x + width)
        if pixels != bytes(colour) * (len(pixels) // 3):
            return False
    return True


def card_at(picture, left, top):
    """'card' when a face-up card stands exactly at (left, top), 'empty' when only board."""
    box = white_box(picture, left - MARGIN, top - MARGIN, left + CARD_WIDTH + MARGIN,
                    top + CARD_HEIGHT + MARGIN)
    expected = (left + FACE_INSET, top + FACE_INSET, left + CARD_WIDTH - 1 - FACE_INSET,
                top + CARD_HEIGHT - 1 - FACE_INSET)
    if box == expected:
        return "card", box
    if box is None and is_plain(picture, left, top, CARD_WIDTH, CARD_HEIGHT):
        return "empty", box
    return "other", box


def lower_part_at(picture, left, top):
    """True when the lower half of a card stands at (left, top), the upper half maybe covered."""
    middle = top + CARD_HEIGHT // 2
    box = white_box(picture, left - MARGIN, middle, left + CARD_WIDTH + MARGIN,
                    top + CARD_HEIGHT + MARGIN)
    return box == (left + FACE_INSET, middle, left + CARD_WIDTH - 1 - FACE_INSET,
                   top + CARD_HEIGHT - 1 - FACE_INSET)


def word_labels_area(board_x, board_y, board_width):
    left = round(board_width / 2 - LABEL_WIDTH / 2)
    # The points label stands at the word label's height, below it.
    return board_x + left, board_y + LABEL_TOP, LABEL_WIDTH, 2 * LABEL_HEIGHT - LABEL_TOP


def word_list_area(board_x, board_y, board_width):
    return board_x + board_width - WORD_LIST_WIDTH, board_y, WORD_LIST_WIDTH, WORD_LIST_HEIGHT


def board_rect(picture, window_x, window_y, window_width, window_height):
    """The board fills the window below the menu bar: its first row of board colour."""
    for y in range(window_y, window_y + window_height):
        if picture.at(window_x + 2, y) == BOARD and picture.at(window_x + 40, y) == BOARD:
            return window_x, y, window_width, window_y + window_height - y
    return None


def command_board(args):
    picture = Picture(args[0])
    rect = board_rect(picture, *map(int, args[1:5]))
    if rect is None:
        print("no board colour inside the window")
        return 1
    print(*rect)
    return 0


def column_tops_on_screen(board_x, board_y, board_width, board_height):
    return [(board_x + left, board_y + top)
            for left, top in column_tops(board_width, board_height)]


def command_column_tops(args):
    """Prints the screen position of each column's top-left corner, one column a line."""
    for left, top in column_tops_on_screen(*map(int, args[0:4])):
        print(left, top)
    return 0


class Board:
    """The conditions the test waits for, read from one screenshot of the board."""

    def __init__(self, picture, board_x, board_y, board_width, board_height):
        self.picture = picture
        self.x, self.y, self.width = board_x, board_y, board_width
        self.columns = column_tops_on_screen(board_x, board_y, board_width, board_height)

    def dealt(self):
        """Each of the seven columns holds one face-up card at its top."""
        states = [card_at(self.picture, left, top) for left, top in self.columns]
        held = all(state == "card" for state, _ in states)
        details = [f"column {k}: {state}" + ("" if state == "card" else f" (white: {box})")
                   for k, (state, box) in enumerate(states, start=1)]
        return held, "; ".join(details)

    def word_of_two(self, column):
        """The column holds a word of two cards: the second 30 pixels below the first."""
        left, top = self.columns[int(column) - 1]
        held = lower_part_at(self.picture, left, top + 30)
        return held, f"second card of a word {'seen' if held else 'not seen'} in column {column}"

    def empty_column(self, column):
        left, top = self.columns[int(column) - 1]
        state, box = card_at(self.picture, left, top)
        return state == "empty", f"column {column}: {state} (white: {box})"

    def labels_empty(self):
        plain = is_plain(self.picture, *word_labels_area(self.x, self.y, self.width))
        return plain, "word labels " + ("empty" if plain else "show something")

    def labels_show_word(self):
        plain, _ = self.labels_empty()
        return not plain, "word labels " + ("empty" if plain else "show something")

    def word_list_changed_rows(self, other_shot):
        other = Picture(other_shot)
        x, y, width, height = word_list_area(self.x, self.y, self.width)
        return sum(self.picture.row(row, x, x + width) != other.row(row, x, x + width)
                   for row in range(y, y + height))

    def word_list_changed_from(self, other_shot):
        changed = self.word_list_changed_rows(other_shot)
        return changed > 0, f"word list: {changed} rows differ from {other_shot}"

    def word_list_as(self, other_shot):
        changed = self.word_list_changed_rows(other_shot)
        return changed == 0, f"word list: {changed} rows differ from {other_shot}"


def command_expect(args):
    """Answers yes when every condition holds on the screenshot; prints what it saw."""
    board = Board(Picture(args[0]), *map(int, args[1:5]))
    all_hold = True
    for condition in args[5:]:
        name, _, argument = condition.partition(":")
        check = getattr(board, name.replace("-", "_"), None)
        if check is None or name.startswith("_"):
            print(f"unknown condition {condition}", file=sys.stderr)
            return 2
        holds, detail = check(argument) if argument else check()
        all_hold = all_hold and holds
        print(("yes: " if holds else "no:  ") + detail)
    return 0 if all_hold else 1


def command_ink(args):
    """Counts dark pixels of a page rendered as PPM; yes when there are at least the minimum."""
    picture = Picture(args[0])
    minimum = int(args[1])
    dark = sum(1 for i in range(0, len(picture.pixels), 3) if sum(picture.pixels[i:i + 3]) < 384)
    print(f"{dark} dark pixels of {picture.width * picture.height}")
    return 0 if dark >= minimum else 1


COMMANDS = {
    "board": (command_board, "SHOT WINDOW_X WINDOW_Y WINDOW_WIDTH WINDOW_HEIGHT"),
    "column-tops": (command_column_tops, "BOARD_X BOARD_Y BOARD_WIDTH BOARD_HEIGHT"),
    "expect": (command_expect, "SHOT BOARD_X BOARD_Y BOARD_WIDTH BOARD_HEIGHT CONDITION... "
               "(dealt, word-of-two:K, empty-column:K, labels-empty, labels-show-word, "
               "word-list-changed-from:SHOT, word-list-as:SHOT)"),
    "ink": (command_ink, "PAGE.ppm MINIMUM_DARK_PIXELS"),
}


def main(argv):
    if len(argv) < 2 or argv[1] not in COMMANDS:
        for name, (_, usage) in COMMANDS.items():
            print(f"usage: screen.py {name} {usage}", file=sys.stderr)
        return 2
    return COMMANDS[argv[1]][0](argv[2:])


if __name__ == "__main__":
    sys.exit(main(sys.argv))
