#!/usr/bin/env python3
"""Writes the files the end-to-end test starts the game with and checks what the game wrote.

Standard library only. Each check prints what it found and answers through its exit
status: 0 as expected, 1 not, 2 wrong use.
"""

import hashlib
import json
import os
import re
import string
import sys

LINE_END = b"\r\n"
FIELDS = ("Name", "Points", "Time", "Words", "Difficulty", "Rating")
# The first twelve old results score more than any word of two cards can (2 to 20 points),
# the other twelve less, so the new result belongs in 13th place.
HIGH_POINTS = [340, 320, 305, 290, 275, 260, 240, 221, 200, 180, 150, 120]
LOW_POINTS = [1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0]
NEW_PLACE = len(HIGH_POINTS)
DIFFICULTIES = ("Easy", "Hard", "Very Easy")
RATINGS = ("Master", "Fantastic", "Excellent", "Great", "Good", "Average", "Fair")
SETTINGS = b" 16744576 \r\n 8 \r\n 2 \r\n"


def padded(points):
    return str(points).rjust(3)


def old_entries():
    entries = []
    for i, points in enumerate(HIGH_POINTS + LOW_POINTS):
        entries.append([f"Player {i + 1:02d}", padded(points), f"0:{i % 9 + 1:2d}:{i * 7 % 60:2d}",
                        str(points // 12), DIFFICULTIES[i % 3], RATINGS[i % 7]])
    return entries


def entry_bytes(entry):
    return b"".join(field.encode("latin-1") + LINE_END for field in entry)


def command_write_dictionary(args):
    words = (a + b for a in string.ascii_lowercase for b in string.ascii_lowercase)
    with open(args[0], "wb") as file:
        file.write(b"".join(word.encode() + LINE_END for word in words))
    return 0


def command_write_scores(args):
    with open(args[0], "wb") as file:
        file.write(b"".join(entry_bytes(entry) for entry in old_entries()))
    return 0


def command_write_settings(args):
    with open(args[0], "wb") as file:
        file.write(SETTINGS)
    return 0


def split_lines(data, problems):
    """The file's lines, each of which must end in CR LF."""
    if data and not data.endswith(LINE_END):
        problems.append("the file does not end with CR LF")
    lines = data.split(LINE_END)
    if lines and lines[-1] == b"":
        lines.pop()
    for number, line in enumerate(lines, start=1):
        if b"\r" in line or b"\n" in line:
            problems.append(f"line {number} has a line end other than CR LF: {line!r}")
    return [line.decode("latin-1") for line in lines]


def check_new_entry(entry, name, points, problems):
    expected = {"Name": name, "Words": "1", "Difficulty": "Easy", "Rating": "Fair"}
    for field, value in zip(FIELDS, entry):
        if field in expected and value != expected[field]:
            problems.append(f"new entry: {field} is {value!r}, expected {expected[field]!r}")
    if not re.fullmatch(r" ?\d+: ?\d+: ?\d+", entry[2]):
        problems.append(f"new entry: Time {entry[2]!r} is not a playing time")
    match = re.fullmatch(r" *(\d+)", entry[1])
    if not match or len(entry[1]) != 3 or not 2 <= int(match.group(1)) <= 20:
        problems.append(f"new entry: Points {entry[1]!r} is not a two-card score of 3 characters")
    elif points is not None and int(match.group(1)) != points:
        problems.append(f"new entry: Points {entry[1]!r}, but the printed page says {points}")


def command_scores(args):
    """scores FILE NAME [POINTS]: 25 entries, the 24 old ones unchanged, the new one 13th."""
    path, name = args[0], args[1]
    points = int(args[2]) if len(args) > 2 and args[2] else None
    problems = []
    with open(path, "rb") as file:
        lines = split_lines(file.read(), problems)
    if len(lines) != 25 * len(FIELDS):
        problems.append(f"{len(lines)} lines, expected 150 (25 entries of six lines)")
    entries = [lines[i:i + len(FIELDS)] for i in range(0, len(lines), len(FIELDS))]
    places = [i for i, entry in enumerate(entries) if entry and entry[0] == name]
    if places != [NEW_PLACE]:
        problems.append(f"the name {name!r} stands at places {[p + 1 for p in places]}, "
                        f"expected only at place {NEW_PLACE + 1}")
    else:
        check_new_entry(entries[NEW_PLACE], name, points, problems)
        old = entries[:NEW_PLACE] + entries[NEW_PLACE + 1:]
        for number, (found, expected) in enumerate(zip(old, old_entries()), start=1):
            if found != expected:
                problems.append(f"old entry {number} changed: {found!r}, was {expected!r}")
    for problem in problems:
        print(problem)
    if not problems:
        print(f"highscore.dat: 25 entries, CR LF throughout, new entry "
              f"{entries[NEW_PLACE]!r} at place {NEW_PLACE + 1}")
    return 1 if problems else 0


def fingerprints(folder):
    prints = {}
    for root, _, files in os.walk(folder):
        for name in files:
            path = os.path.join(root, name)
            with open(path, "rb") as file:
                prints[os.path.relpath(path, folder)] = hashlib.sha256(file.read()).hexdigest()
    return prints


def command_snapshot(args):
    with open(args[1], "w", encoding="utf-8") as file:
        json.dump(fingerprints(args[0]), file, indent=1, sort_keys=True)
    return 0


def command_unchanged(args):
    """unchanged FOLDER SNAPSHOT ALLOWED...: no file added, removed or changed but those
    (the settings the game read are written back byte for byte)."""
    with open(args[1], encoding="utf-8") as file:
        before = json.load(file)
    after, allowed = fingerprints(args[0]), set(args[2:])
    problems = [f"{name} appeared" for name in sorted(after.keys() - before.keys())]
    problems += [f"{name} disappeared" for name in sorted(before.keys() - after.keys())]
    problems += [f"{name} changed" for name in sorted(before.keys() & after.keys())
                 if before[name] != after[name] and name not in allowed]
    for problem in problems:
        print(problem)
    return 1 if problems else 0


COMMANDS = {
    "write-dictionary": (command_write_dictionary, "FILE"),
    "write-scores": (command_write_scores, "FILE"),
    "write-settings": (command_write_settings, "FILE"),
    "scores": (command_scores, "FILE NAME [POINTS]"),
    "snapshot": (command_snapshot, "FOLDER OUT.json"),
    "unchanged": (command_unchanged, "FOLDER SNAPSHOT.json [ALLOWED_TO_CHANGE...]"),
}


def main(argv):
    if len(argv) < 2 or argv[1] not in COMMANDS:
        for name, (_, usage) in COMMANDS.items():
            print(f"usage: records.py {name} {usage}", file=sys.stderr)
        return 2
    return COMMANDS[argv[1]][0](argv[2:])


if __name__ == "__main__":
    sys.exit(main(sys.argv))
