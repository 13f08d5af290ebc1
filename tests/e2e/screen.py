#!/usr/bin/env python3
"""Reads screenshots of the game (binary PPM, in screen pixels) for the end-to-end test.

screen.py board SHOT WINDOW_X WINDOW_Y WIDTH HEIGHT   prints the board's place in the window
screen.py column-tops BOARD_X BOARD_Y WIDTH HEIGHT    prints columns 1 and 2's top-left corners
screen.py dealt SHOT BOARD_X BOARD_Y WIDTH HEIGHT     whether a face-up card lies on each column
Each prints what it saw; exit status 0 yes, 1 no.
"""

import re
import sys

BOARD = bytes((128, 128, 255))  # the board's colour in the test's settings
WHITE = bytes((255, 255, 255))
CARD_WIDTH, CARD_HEIGHT, COLUMN_GAP = 93, 121, 10
# White is looked for this far around a card: less than the gap before the list of words.
MARGIN = 4


class Picture:
    def __init__(self, path):
        with open(path, "rb") as file:
            data = file.read()
        header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", data)
        if not header:
            raise ValueError(f"{path} is not an 8-bit binary PPM picture")
        self.width, self.height, self.pixels = int(header[1]), int(header[2]), data[header.end():]

    def row(self, y, x0, x1):
        start = y * self.width
        return self.pixels[(start + max(x0, 0)) * 3:(start + min(x1, self.width)) * 3]

    def rows(self, y0, y1):
        return range(max(y0, 0), min(y1, self.height))

    def white_box(self, x0, y0, x1, y1):
        """Bounding box (left, top, right, bottom) of the pure white pixels in the area."""
        hits = []
        for y in self.rows(y0, y1):
            row = self.row(y, x0, x1)
            whites = [max(x0, 0) + i // 3 for i in range(0, len(row), 3) if row[i:i + 3] == WHITE]
            if whites:
                hits.append((whites[0], y, whites[-1]))
        return (min(h[0] for h in hits), hits[0][1], max(h[2] for h in hits), hits[-1][1]) if hits else None

    def is_plain(self, x, y, width, height):
        return all(row == BOARD * (len(row) // 3)
                   for row in (self.row(r, x, x + width) for r in self.rows(y, y + height)))


def column_tops(x, y, width, height):
    centred = round(width / 2 - CARD_WIDTH / 2)  # round() goes half to even
    return [(x + centred + (k - 4) * (CARD_WIDTH + COLUMN_GAP), y + round(height / 3))
            for k in range(1, 8)]


class Board:
    """The conditions the test waits for, read from one screenshot of the board."""

    def __init__(self, picture, x, y, width, height):
        self.picture = picture
        self.columns = column_tops(x, y, width, height)

    def card_at(self, left, top):
        """'card' when a face-up card (white inside its outline) stands exactly at (left, top),
        'empty' when only board shows there."""
        box = self.picture.white_box(left - MARGIN, top - MARGIN,
                                     left + CARD_WIDTH + MARGIN, top + CARD_HEIGHT + MARGIN)
        if box == (left + 1, top + 1, left + CARD_WIDTH - 2, top + CARD_HEIGHT - 2):
            return "card", box
        if box is None and self.picture.is_plain(left, top, CARD_WIDTH, CARD_HEIGHT):
            return "empty", box
        return "other", box

    def dealt(self):
        states = [self.card_at(left, top) for left, top in self.columns]
        return all(state == "card" for state, _ in states), "; ".join(
            f"column {k}: {state} (white: {box})" for k, (state, box) in enumerate(states, 1))


def main(command, *args):
    if command == "column-tops":
        print(*[n for corner in column_tops(*map(int, args))[:2] for n in corner])
        return 0
    picture, (x, y, width, height) = Picture(args[0]), map(int, args[1:5])
    if command == "board":  # below the menu bar, from the first row of board colour
        for row in range(y, y + height):
            if picture.row(row, x + 2, x + 3) == BOARD == picture.row(row, x + 40, x + 41):
                print(x, row, width, y + height - row)
                return 0
        print("no board colour inside the window")
        return 1
    holds, detail = Board(picture, x, y, width, height).dealt()
    print(detail)
    return 0 if holds else 1


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
