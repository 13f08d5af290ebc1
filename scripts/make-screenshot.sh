#!/usr/bin/env bash
# Takes the picture software centres show of the game (desktop/screenshots/board-in-play.png)
# from the built game, run from a scratch copy on an X server of its own: it plays a couple of
# words found by trying pairs of table cards in turn (a refused pair is undone), lays one more
# pair, asks for a hint and takes the window while the hint's rings show. The deal is new each
# time, so each picture differs; look at it before keeping it.
# Usage: make-screenshot.sh [OUTPUT.png]   (needs xvfb, xdotool, imagemagick and python3)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
output=$(realpath -m "${1:-$root/desktop/screenshots/board-in-play.png}")
if [ -z "${LEXABIT_SCREENSHOT_DISPLAY:-}" ]; then
    exec env LEXABIT_SCREENSHOT_DISPLAY=1 xvfb-run -a -s '-screen 0 1600x1200x24' "$0" "$output"
fi
readonly TITLE="Lexabit Solitaire" WORDS_WANTED=2 MOST_TRIES=30

work=$(mktemp -d "${TMPDIR:-/tmp}/lexabit-screenshot.XXXXXX")
cp -R "$root/build/release/game" "$work/game"
mkdir -p "$work/home"
(cd "$work/game" && exec env HOME="$work/home" LANG=C.UTF-8 QT_QPA_PLATFORM=xcb \
    ./lexabit-solitaire >"$work/game.log" 2>&1) &
game_pid=$!
trap 'kill "$game_pid" 2>/dev/null; wait "$game_pid" 2>/dev/null; rm -rf "$work"' EXIT

game_windows() { xdotool search --onlyvisible --name "^$TITLE\$" 2>/dev/null || true; }
other_window() { game_windows | grep -vx "$window" | head -n 1 || true; }
for _ in $(seq 50); do window=$(game_windows | head -n 1) && [ -n "$window" ] && break; sleep 0.2; done
[ -n "$window" ] || { echo "the game's window did not appear" >&2; exit 1; }
xdotool windowfocus --sync "$window" 2>/dev/null || true

# The centres of the seven table cards, in screen pixels: the first row of the window that
# crosses seven white card faces of one width.
card_centres() {
    import -window root -depth 8 "$work/screen.ppm"
    python3 - "$work/screen.ppm" <<'EOF'
import re, sys
data = open(sys.argv[1], "rb").read()
header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", data)
width, height, pixels = int(header[1]), int(header[2]), data[header.end():]
for y in range(height):
    row, runs, start = pixels[y * width * 3:(y + 1) * width * 3], [], None
    for x in range(width + 1):
        white = x < width and row[x * 3:x * 3 + 3] == b"\xff\xff\xff"
        if white and start is None:
            start = x
        elif not white and start is not None:
            runs.append((start, x - start))
            start = None
    for run_width in {w for _, w in runs if w >= 40}:
        cards = [x for x, w in runs if abs(w - run_width) <= 2]
        if len(cards) == 7:
            print(*(f"{x + run_width // 2},{y + run_width // 2}" for x in cards))
            sys.exit(0)
sys.exit(1)
EOF
}
drag() { # from one "x,y" to another, in ten steps
    local from_x=${1%,*} from_y=${1#*,} to_x=${2%,*} to_y=${2#*,} step moves=()
    for step in {1..10}; do
        moves+=(mousemove $((from_x + (to_x - from_x) * step / 10)) $((from_y + (to_y - from_y) * step / 10)) sleep 0.03)
    done
    xdotool mousemove "$from_x" "$from_y" sleep 0.1 mousedown 1 sleep 0.1 "${moves[@]}" sleep 0.1 mouseup 1
    sleep 0.5
}

# Waits until seven table cards lie face up (moves end, messages close) and puts their centres
# in the array centres.
wait_for_table() {
    for _ in $(seq 20); do
        read -r -a centres < <(card_centres) && [ ${#centres[@]} -eq 7 ] && return 0
        sleep 0.5
    done
    echo "no row of seven table cards; the last screen is $output.failed.png" >&2
    convert "$work/screen.ppm" "$output.failed.png"
    exit 1
}

# Every ordered pair of columns in turn, a new one for each try.
pair() { from=$(($1 % 7)) to=$(((($1 % 7) + 1 + ($1 / 7) % 6) % 7)); }
words=0 try=0
while [ "$words" -lt "$WORDS_WANTED" ] && [ "$try" -lt "$MOST_TRIES" ]; do
    wait_for_table
    pair "$try"
    try=$((try + 1))
    drag "${centres[from]}" "${centres[to]}"
    xdotool windowfocus "$window" key Return
    sleep 1.5
    if [ -n "$(other_window)" ]; then # refused: close the message, undo the drop
        for _ in $(seq 10); do
            message=$(other_window)
            [ -n "$message" ] || break
            xdotool windowfocus --sync "$message" key Return
            sleep 0.5
        done
        xdotool windowfocus --sync "$window" key F4
        sleep 1
    else
        words=$((words + 1))
    fi
done
wait_for_table
pair "$try"
drag "${centres[from]}" "${centres[to]}"
xdotool windowfocus "$window" key ctrl+h
sleep 0.6
mkdir -p "$(dirname "$output")"
import -window "$window" "$output"
echo "$output: $words word(s) found, $(identify -format '%w x %h' "$output")"
