#!/usr/bin/env bash
# Plays one short game of the real Lexabit Solitaire the way a player would: on an X server
# of its own, with the mouse and the keyboard, printing with no printer set up (so the page
# is saved as a PDF in the documents folder). Then checks what the game showed, printed and
# wrote.
# Usage: whole_game.sh PROGRAM_FOLDER [PROGRAM_NAME]; PROGRAM_FOLDER holds the built program
# and its data folders. Exit status: 0 passed, 1 failed, 77 skipped (it cannot run here).
# As root it installs the Debian packages it needs. Every process it starts is stopped by
# its process id when it ends; the screenshots stay behind on failure (and on success too
# when LEXABIT_E2E_KEEP is set).
set -uo pipefail

readonly SKIPPED=77 TITLE="Lexabit Solitaire" PLAYER="Ada Lovelace"
E2E_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
readonly E2E_DIR
program_folder=${1:?usage: whole_game.sh PROGRAM_FOLDER [PROGRAM_NAME]}
program_name=${2:-lexabit-solitaire}
started_at=$(date +%s%N)

log() { printf 'whole_game [%5.1fs] %s\n' "$((($(date +%s%N) - started_at) / 100000000))e-1" "$*"; }
skip() { echo "whole_game: SKIPPED: $*" >&2 && exit "$SKIPPED"; }

# ---------------------------------------------------------------- what the test needs

packages=(xvfb xdotool x11-utils imagemagick poppler-utils)
missing_tools() {
    local tool
    for tool in Xvfb xdotool xwininfo import convert pdfinfo pdftoppm pdftotext python3; do
        command -v "$tool" >/dev/null || echo "$tool"
    done
}
[ -x "$program_folder/$program_name" ] || {
    echo "whole_game: FAILED: no program at $program_folder/$program_name (build it first)" >&2
    exit 1
}
if [ -n "$(missing_tools)" ] && [ "$(id -u)" -eq 0 ]; then
    echo "whole_game: installing ${packages[*]}"
    apt-get update -qq >/dev/null 2>&1
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        -o DPkg::Lock::Timeout=120 "${packages[@]}" >/dev/null 2>&1
fi
[ -z "$(missing_tools)" ] || skip "missing $(missing_tools | xargs); run as root to install" \
    "them, or install the Debian packages ${packages[*]}"
picture_tool() { python3 "$E2E_DIR/screen.py" "$@"; }

# ---------------------------------------------------------------- processes and clean-up

work=$(mktemp -d "${TMPDIR:-/tmp}/lexabit-e2e.XXXXXX") || skip "cannot make a temporary folder"
shots="$work/screenshots"
mkdir -p "$shots"
started_pids=()
passed=false

stop_process() {
    local pid=$1
    kill -TERM "$pid" 2>/dev/null || return 0
    for _ in $(seq 30); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
}

clean_up() {
    local status=$? i
    for ((i = ${#started_pids[@]} - 1; i >= 0; i--)); do
        stop_process "${started_pids[i]}"
    done
    if $passed && [ -z "${LEXABIT_E2E_KEEP:-}" ]; then
        rm -rf "$work"
    else
        echo "whole_game: the screenshots and logs are in $work" >&2
    fi
    exit "$status"
}
trap clean_up EXIT
trap 'exit 1' INT TERM HUP

# Stops the test. Must run in the test's own shell, never inside $(...).
fail() {
    echo "whole_game: FAILED: $*" >&2
    take_shot "failure" >/dev/null
    local shot
    for shot in "$shots"/*.ppm; do
        [ -e "$shot" ] && convert "$shot" "${shot%.ppm}.png" && rm -f "$shot"
    done
    if [ -s "$work/game.log" ]; then
        echo "whole_game: the game's output:" >&2
        tail -n 20 "$work/game.log" >&2
    fi
    exit 1
}

# poll SECONDS COMMAND...: runs the command until it succeeds or the seconds have passed.
poll() {
    local deadline=$(($(date +%s) + $1))
    shift
    until "$@"; do
        [ "$(date +%s)" -lt "$deadline" ] || return 1
        sleep 0.2
    done
}

# ---------------------------------------------------------------- the screen

# A screenshot under the name given (a later one of the same name replaces it); prints its
# path. Kept as PPM, which the checks read quickly, and turned into PNG when the test fails.
take_shot() { import -window root -depth 8 "$shots/$1.ppm" 2>/dev/null && echo "$shots/$1.ppm"; }

game_windows() { xdotool search --onlyvisible --name "^${TITLE}\$" 2>/dev/null | sort -n; }
others() { game_windows | grep -v -x "$main_window"; }
no_other_window() { [ -z "$(others)" ]; }
# The one message box or dialog besides the main window, when it is not the one given.
window_after() {
    local id
    id=$(others) && [ -n "$id" ] && [ "$(wc -l <<<"$id")" -eq 1 ] && [ "$id" != "${1:-}" ] &&
        echo "$id"
}
focus_window() { timeout 5 xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"; }

# True once the game's process has ended (a zombie until the test collects its status).
game_ended() {
    local state
    state=$(sed 's/.*) //' "/proc/$game_pid/stat" 2>/dev/null | cut -d ' ' -f 1)
    [ -z "$state" ] || [ "$state" = Z ]
}

# Takes a screenshot under the name given and answers whether every condition holds on it
# (see screen.py expect); what it saw is kept for the failure report.
board_shows() {
    local shot
    shot=$(take_shot "$1") || return 1
    shift
    picture_tool expect "$shot" "${board[@]}" "$@" >"$work/last-check.txt" 2>&1
}
last_check() { tr '\n' ' ' <"$work/last-check.txt"; }

drag_card() {
    local from_x=$(($1 + 46)) from_y=$(($2 + 60)) to_x=$(($3 + 46)) to_y=$(($4 + 60)) step moves=()
    for step in 1 2 3 4 5 6 7 8 9 10; do
        moves+=(mousemove $((from_x + (to_x - from_x) * step / 10))
            $((from_y + (to_y - from_y) * step / 10)) sleep 0.03)
    done
    xdotool mousemove "$from_x" "$from_y" sleep 0.1 mousedown 1 sleep 0.1 "${moves[@]}" \
        sleep 0.1 mouseup 1
}

# ---------------------------------------------------------------- the files

# Twenty-four results: twelve above any word of two cards (2 to 20 points), twelve below,
# so that the new result belongs in 13th place.
write_old_scores() {
    local points=(340 320 305 290 275 260 240 221 200 180 150 120 1 1 1 1 1 1 0 0 0 0 0 0)
    local levels=(Easy Hard "Very Easy") ratings=(Master Fantastic Excellent Great Good Average Fair)
    local i
    for i in "${!points[@]}"; do
        printf '%s\r\n' "$(printf 'Player %02d' $((i + 1)))" "$(printf '%3d' "${points[i]}")" \
            "$(printf '0:%2d:%2d' $((i % 9 + 1)) $((i * 7 % 60)))" $((points[i] / 12)) \
            "${levels[i % 3]}" "${ratings[i % 7]}"
    done
}

fingerprints() { (cd "$game" && find . -type f ! -path ./highscore/highscore.dat -exec sha256sum {} + | sort); }

prepare_game_folder() {
    game="$work/game"
    mkdir -p "$game"
    local item first second
    for item in "$program_name" dictionary sounds highscore Settings HelpFiles; do
        cp -R "$program_folder/$item" "$game/" || fail "cannot copy $item from $program_folder"
    done
    for first in {a..z}; do # every two-letter word: any two cards make a word
        for second in {a..z}; do printf '%s\r\n' "$first$second"; done
    done >"$game/dictionary/dictionary.txt"
    printf ' 16744576 \r\n 8 \r\n 2 \r\n' >"$game/Settings/Settings.txt"
    write_old_scores >"$game/highscore/highscore.dat"
    cp "$game/highscore/highscore.dat" "$work/highscore-before.dat"
    fingerprints >"$work/files-before"
}

# The one page saved, with its ink, its title and the points it gives (printed_points).
check_printed_page() {
    local pdf=$1 pages ink
    pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
    [ "$pages" = 1 ] || fail "the printed PDF $pdf has ${pages:-no} pages, expected 1"
    pdftoppm -r 72 -singlefile "$pdf" "$work/page" 2>/dev/null || fail "pdftoppm cannot read $pdf"
    ink=$(convert "$work/page.ppm" -colorspace Gray -threshold 50% \
        -format '%[fx:round((1-mean)*w*h)]' info:)
    [ "${ink:-0}" -ge 500 ] || fail "the printed page is blank: ${ink:-no} dark pixels"
    pdftotext -layout "$pdf" "$work/page.txt" && grep -q "$TITLE" "$work/page.txt" ||
        fail "the printed page does not show the title"
    printed_points=$(grep -o 'Points: *[0-9]*' "$work/page.txt" | grep -o '[0-9]*$')
    [ "${printed_points:-0}" -ge 2 ] && [ "$printed_points" -le 20 ] ||
        fail "the printed page gives ${printed_points:-no} points for a word of two cards"
    log "printed page: 1 page, $ink dark pixels: $(tr -s ' \n' ' ' <"$work/page.txt")"
}

# 25 results of six CR LF lines: the 24 old ones unchanged around the new one, 13th.
check_scores() {
    local file="$game/highscore/highscore.dat" before="$work/highscore-before.dat" entry
    [ "$(wc -l <"$file")" -eq 150 ] && [ "$(grep -c $'\r$' "$file")" -eq 150 ] ||
        fail "highscore.dat does not hold 25 results of six lines ending in CR LF"
    cmp -s <(head -n 72 "$file") <(head -n 72 "$before") &&
        cmp -s <(tail -n +79 "$file") <(tail -n +73 "$before") ||
        fail "the old results did not stay as they were around a new 13th"
    entry=$(sed -n '73,78p' "$file" | tr -d '\r' | paste -sd '|')
    [[ $entry =~ ^"$PLAYER|$(printf '%3d' "$printed_points")|"\ ?[0-9]+:\ ?[0-9]+:\ ?[0-9]+"|1|Easy|Fair"$ ]] ||
        fail "the new result is \"$entry\", expected $PLAYER with the $printed_points points printed"
    log "highscore.dat: 25 results, CR LF throughout, the new one 13th: $entry"
}

# ---------------------------------------------------------------- the play

Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp -noreset 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
started_pids+=($!)
poll 10 test -s "$work/display" || skip "Xvfb did not start: $(tail -n 3 "$work/xvfb.log")"
DISPLAY=":$(head -n 1 "$work/display")"
export DISPLAY
log "X server on display $DISPLAY"

prepare_game_folder
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
# A clean environment: no offscreen platform, printer or scale settings of the caller, and
# a print server address that leads nowhere, so no printer is ever found.
(cd "$game" && exec env -i PATH="$PATH" HOME="$work/home" LANG=C.UTF-8 DISPLAY="$DISPLAY" \
    XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb CUPS_SERVER="$work/no-cups.sock" \
    "./$program_name" >"$work/game.log" 2>&1) &
game_pid=$!
started_pids+=("$game_pid")
main_window_up() {
    game_ended && fail "the game ended before its window appeared"
    main_window=$(game_windows | head -n 1) && [ -n "$main_window" ]
}
poll 20 main_window_up || fail "the window \"$TITLE\" did not appear"

read -r -a window < <(xwininfo -id "$main_window" | awk '/Absolute upper-left X/ {x=$4}
    /Absolute upper-left Y/ {y=$4} /^  Width:/ {w=$2} /^  Height:/ {h=$2} END {print x, y, w, h}')
shot=$(take_shot "window") || fail "cannot take a screenshot"
read -r -a board < <(picture_tool board "$shot" "${window[@]}")
[ ${#board[@]} -eq 4 ] || fail "no board in the window at ${window[*]}"
log "window ${window[*]}; board at ${board[0]} ${board[1]}, ${board[2]} x ${board[3]}"
poll 20 board_shows dealt dealt || fail "the opening deal did not lay seven cards where the" \
    "columns stand: $(last_check)"
log "seven cards dealt to the columns"

{ read -r source_x source_y && read -r target_x target_y; } < <(picture_tool column-tops \
    "${board[@]}")
drag_card "$source_x" "$source_y" "$target_x" "$target_y"
poll 10 board_shows dropped not-labels-empty word-of-two:2 empty-column:1 ||
    fail "dropping column 1's card on column 2's did not make a word: $(last_check)"
cp "$shots/dropped.ppm" "$shots/before-check.ppm"
log "column 1's card now lies below column 2's: a word of two cards"

xdotool key space
poll 20 board_shows checked labels-empty "not-word-list-as:$shots/before-check.ppm" dealt ||
    fail "the word was not accepted, or the columns not refilled: $(last_check)"
log "the word was accepted: listed, labels empty, columns refilled"

xdotool key F5
saved_message=$(poll 10 window_after) || fail "no message about the saved PDF appeared"
focus_window "$saved_message"
xdotool key Return
poll 5 no_other_window || fail "the message about the saved PDF did not close"
saved_pdf() {
    local pdf
    pdf=$(find "$work/home/Documents" -name '*.pdf' 2>/dev/null | head -n 1)
    [ -n "$pdf" ] && pdfinfo "$pdf" >/dev/null 2>&1 && echo "$pdf"
}
pdf=$(poll 10 saved_pdf) || fail "no whole PDF was saved in $work/home/Documents"
check_printed_page "$pdf"

focus_window "$main_window"
xdotool key F7
rating_box=$(poll 10 window_after) || fail "no rating message after End Game"
focus_window "$rating_box"
xdotool key Return
name_dialog=$(poll 10 window_after "$rating_box") ||
    fail "the name dialog did not follow the rating message"
focus_window "$name_dialog"
xdotool type --delay 40 "$PLAYER"
xdotool key Return
poll 10 eval '! cmp -s "$game/highscore/highscore.dat" "$work/highscore-before.dat"' ||
    fail "highscore.dat was not written after the name was confirmed"
missed_words=$(poll 10 window_after "$name_dialog") ||
    fail "the name dialog stayed open, or the missed words did not follow it"
focus_window "$missed_words"
xdotool key Escape
poll 10 no_other_window || fail "Escape did not close the missed words"
poll 20 board_shows new-game dealt labels-empty "word-list-as:$shots/dealt.ppm" ||
    fail "no new game was dealt after the name: $(last_check)"
log "the game ended, the name was recorded and a new game dealt"

focus_window "$main_window"
xdotool key F8
poll 10 game_ended || fail "the game did not end after F8"
wait "$game_pid"
exit_status=$?
[ "$exit_status" -eq 0 ] || fail "the game ended with status $exit_status"
log "the game closed with F8"

check_scores
cmp -s "$work/files-before" <(fingerprints) ||
    fail "the game changed files it should have left alone:" \
        "$(diff "$work/files-before" <(fingerprints) | grep '^[<>]' | tr '\n' ' ')"
passed=true
log "PASSED"
