#!/usr/bin/env bash
# Plays one short game by keyboard alone as a player would, printing with no printer (so the
# page is saved as a PDF), then lays a word with the mouse in the next and leaves it, starts
# the game again and resumes it, on an X server and a session bus of its own, and checks what
# the game showed, printed, told the accessibility bus and wrote. Exit status 0 passed,
# 1 failed, 77 skipped; as root it installs the packages it needs. The screenshots stay behind on
# failure (or with LEXABIT_E2E_KEEP).
set -uo pipefail
readonly TITLE="Lexabit Solitaire" PLAYER="Ada Lovelace"
readonly PACKAGES="xvfb xdotool x11-utils imagemagick poppler-utils dbus at-spi2-core python3-pyatspi"
program_folder=${1:?usage: whole_game.sh PROGRAM_FOLDER [PROGRAM_NAME]} program_name=${2:-lexabit-solitaire}
log() { echo "whole_game: $*"; }
skip() { log "SKIPPED: $*" >&2; exit 77; }
missing_tools() {
    for tool in Xvfb xdotool xwininfo import convert mogrify pdfinfo pdftoppm pdftotext python3 dbus-daemon; do
        command -v "$tool" >/dev/null || echo "$tool"
    done
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || echo pyatspi
}
if [ -n "$(missing_tools)" ] && [ "$(id -u)" -eq 0 ]; then
    log "installing $PACKAGES"
    apt-get update -qq >/dev/null 2>&1
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends -o DPkg::Lock::Timeout=120 \
        $PACKAGES >/dev/null 2>&1
fi
[ -z "$(missing_tools)" ] || skip "missing $(missing_tools | xargs); install the Debian packages $PACKAGES"
picture_tool() { python3 "$(dirname "$0")/screen.py" "$@"; }

work=$(mktemp -d "${TMPDIR:-/tmp}/lexabit-e2e.XXXXXX") || skip "cannot make a temporary folder"
# The game lives in a folder whose name holds a blank and Latin-1 bytes, not valid UTF-8.
shots=$work/screenshots game=$work/$'Jeu \xe9t\xe9' started_pids=() passed=false dialog=none
mkdir "$shots" "$game" "$work/home" "$work/runtime" && chmod 700 "$work/runtime"

# poll SECONDS COMMAND...: runs the command until it succeeds or the seconds have passed.
poll() {
    local deadline=$(($(date +%s) + $1))
    shift
    until "$@"; do
        [ "$(date +%s)" -lt "$deadline" ] || return 1
        sleep 0.2
    done
}
# An ended child stays a zombie until its status is collected.
running() { local stat; stat=$(cat "/proc/$1/stat" 2>/dev/null) && stat=${stat##*) } && [ "${stat%% *}" != Z ]; }
clean_up() {
    local status=$? pid
    for pid in "${started_pids[@]}"; do # newest first: the game before its X server
        kill "$pid" 2>/dev/null && poll 3 eval "! running $pid"
        kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    if $passed && [ -z "${LEXABIT_E2E_KEEP:-}" ]; then rm -rf "$work"
    else log "the screenshots and logs are in $work" >&2; fi
    exit "$status"
}
trap clean_up EXIT
trap 'exit 1' INT TERM HUP
# Stops the test; it must run in the test's own shell, never inside $(...).
fail() {
    log "FAILED: $*" >&2
    take_shot failure >/dev/null
    mogrify -format png "$shots"/*.ppm 2>/dev/null && rm -f "$shots"/*.ppm
    [ -s "$work/game.log" ] && { log "the game's output:" && tail -n 20 "$work/game.log"; } >&2
    exit 1
}

# A screenshot under the name given, which it prints (PPM, which screen.py reads quickly).
take_shot() { import -window root -depth 8 "$shots/$1.ppm" 2>/dev/null && echo "$shots/$1.ppm"; }
# Takes a screenshot under the name given and answers whether a face-up card lies on every
# column; what it saw is kept for the failure report.
board_dealt() {
    local shot
    shot=$(take_shot "$1") && picture_tool dealt "$shot" "${board[@]}" >"$work/last-check.txt" 2>&1
}
last_check() { tr '\n' ' ' <"$work/last-check.txt"; }
game_windows() { xdotool search --onlyvisible --name "^$TITLE\$" 2>/dev/null | sort -n; }
no_other_window() { [ "$(game_windows)" = "$main_window" ]; }
# The one message box or dialog besides the main window, when it is not the last one seen.
window_after_last() {
    local id
    id=$(game_windows | grep -vx "$main_window") && [ "$(wc -l <<<"$id")" -eq 1 ] &&
        [ "$id" != "$dialog" ] && echo "$id"
}
focus_window() { timeout 5 xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"; }
# next_dialog PROBLEM: focuses the next message box or dialog, or fails with the problem.
next_dialog() {
    dialog=$(poll 10 window_after_last) || fail "$1"
    focus_window "$dialog"
}
# From one card's top-left corner to another's, in ten steps.
drag_card() {
    local x=$(($1 + 46)) y=$(($2 + 60)) dx=$(($3 - $1)) dy=$(($4 - $2)) step moves=()
    for step in {1..10}; do moves+=(mousemove $((x + dx * step / 10)) $((y + dy * step / 10)) sleep 0.03); done
    xdotool mousemove "$x" "$y" sleep 0.1 mousedown 1 sleep 0.1 "${moves[@]}" sleep 0.1 mouseup 1
}

fingerprints() {
    # The high scores, the statistics and the keyboard's setting are what this game writes.
    (cd "$game" && find . -type f ! -path ./highscore/highscore.dat ! -path ./highscore/statistics.txt \
        ! -path ./Settings/KeyboardPlay.txt ! -path ./KeptGame/KeptGame.txt -exec sha256sum {} + | sort)
}

Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
started_pids=($!)
poll 10 test -s "$work/display" || skip "Xvfb did not start: $(tail -n 3 "$work/xvfb.log")"
export DISPLAY=":$(head -n 1 "$work/display")"
# The accessibility bus starts on the session bus when the game first asks for it.
dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$work/bus" 4>"$work/bus-pid" ||
    skip "no session bus"
started_pids=("$(cat "$work/bus-pid")" "${started_pids[@]}")
export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")

cp -R "$program_folder/$program_name" "$program_folder"/{dictionary,sounds,highscore,Settings,HelpFiles} "$game/" ||
    fail "cannot copy the game from $program_folder"
printf '%s\r\n' {a..z}{a..z} >"$game/dictionary/dictionary.txt" # any two cards make a word
printf ' 16744576 \r\n 8 \r\n 2 \r\n' >"$game/Settings/Settings.txt"
rm -f "$game/highscore/highscore.dat" # where the result goes among others is a rules test's
fingerprints >"$work/files-before"
main_window_up() {
    running "$game_pid" || fail "the game ended before its window appeared"
    main_window=$(game_windows | head -n 1) && [ -n "$main_window" ]
}
# A clean environment: none of the caller's platform, printer or scale settings, and a print
# server address that leads nowhere, so no printer is ever found.
start_game() {
    (cd "$game" && exec env -i PATH="$PATH" HOME="$work/home" LANG=C.UTF-8 DISPLAY="$DISPLAY" \
        XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb CUPS_SERVER="$work/no-cups.sock" \
        DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
        "./$program_name" >>"$work/game.log" 2>&1) &
    game_pid=$!
    started_pids=("$game_pid" "${started_pids[@]}")
    poll 20 main_window_up || fail "the window \"$TITLE\" did not appear"
}
leave_game() {
    focus_window "$main_window"
    xdotool key F8
    poll 10 eval '! running "$game_pid"' || fail "the game did not end after F8"
    wait "$game_pid" || fail "the game ended with status $?"
}
start_game

read -r -a window < <(xwininfo -id "$main_window" | awk '/Absolute upper-left X/ {x=$4}
    /Absolute upper-left Y/ {y=$4} /^  Width:/ {w=$2} /^  Height:/ {h=$2} END {print x, y, w, h}')
shot=$(take_shot window) || fail "cannot take a screenshot"
read -r -a board < <(picture_tool board "$shot" "${window[@]}")
[ ${#board[@]} -eq 4 ] || fail "no board in the window at ${window[*]}"
poll 20 board_dealt dealt ||
    fail "the opening deal did not lay seven cards where the columns stand: $(last_check)"

read -r -a tops < <(picture_tool column-tops "${board[@]}")
# What the word display and the list show is read from the widgets by the window tests; here two
# words laid by keyboard alone must reach the printed page. Options > Keyboard Play (the menu's
# last item but one); Space takes column 1's card, Right carries it over column 2's, Space drops
# it, Enter checks; the focus goes back to column 1, where a new card lies.
xdotool key alt+o Up Up Return && sleep 0.5 && focus_window "$main_window"
for word in 1 2; do
    xdotool key space sleep 0.3 key Right sleep 0.3 key space sleep 0.3 key Return sleep 1.5
done
[ "$(cat "$game/Settings/KeyboardPlay.txt" 2>/dev/null)" = $'1\r' ] ||
    fail "Keyboard Play was not remembered as on"

xdotool key F5
next_dialog "no message about the saved PDF appeared"
xdotool key Return
poll 5 no_other_window || fail "the message about the saved PDF did not close"
saved_pdf() {
    local pdf
    pdf=$(find "$work/home/Documents" -name '*.pdf' 2>/dev/null | head -n 1) &&
        pdfinfo "$pdf" >/dev/null 2>&1 && echo "$pdf"
}
pdf=$(poll 10 saved_pdf) || fail "no whole PDF was saved in $work/home/Documents"
pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
[ "$pages" = 1 ] || fail "the printed PDF $pdf has $pages pages, expected 1"
pdftoppm -r 72 -singlefile "$pdf" "$work/page" && pdftotext -layout "$pdf" "$work/page.txt" ||
    fail "cannot read $pdf"
ink=$(convert "$work/page.ppm" -colorspace Gray -threshold 50% -format '%[fx:round((1-mean)*w*h)]' info:)
[ "${ink:-0}" -ge 500 ] || fail "the printed page is blank: ${ink:-no} dark pixels"
grep -q "$TITLE" "$work/page.txt" || fail "the printed page does not show the title"
points=$(grep -o 'Points: *[0-9]*' "$work/page.txt" | grep -o '[0-9]*$')
[ "${points:-0}" -ge 4 ] && [ "$points" -le 40 ] ||
    fail "the printed page gives ${points:-no} points for two words of two cards"
log "printed page: $ink dark pixels: $(tr -s ' \n' ' ' <"$work/page.txt")"

focus_window "$main_window"
xdotool key F7
next_dialog "no question before a game with a word in it was abandoned"
xdotool key y
next_dialog "no rating message after End Game"
xdotool key Return
next_dialog "the name dialog did not follow the rating message"
xdotool type --delay 40 "$PLAYER"
xdotool key Return
poll 10 test -s "$game/highscore/highscore.dat" ||
    fail "highscore.dat was not written after the name was confirmed"
poll 10 no_other_window || fail "the name dialog stayed open"
missed=$(poll 10 xdotool search --onlyvisible --name "^Words You Missed\$") || fail "no missed words"
focus_window "$missed"
xdotool key Escape
poll 10 no_other_window || fail "Escape did not close the missed words"
poll 20 board_dealt new-game ||
    fail "no new game was dealt after the name: $(last_check)"

# A word dragged with the real mouse, then Exit: the game is kept, and offered at the next start.
focus_window "$main_window"
drag_card "${tops[@]}"
xdotool key Return sleep 1
leave_game
kept=$game/KeptGame/KeptGame.txt
kept_lines() { grep -a -E '^(deal|found) ' "$kept"; }
[ "$(kept_lines | grep -c '^found ')" = 1 ] || fail "Exit did not keep the game with its one word"
kept_before=$(kept_lines) deal=$(awk '/^deal / {print $2}' "$kept")
start_game
next_dialog "the game left was not offered at the next start"
xdotool key Return # Yes, resume it
poll 10 no_other_window || fail "the question about the game left did not close"
told_bus() { /usr/bin/python3 "$(dirname "$0")/accessible.py" "$TITLE" >"$work/bus.txt" 2>&1; }
poll 10 eval 'told_bus && grep -q "^label: Deal $deal$" "$work/bus.txt"' ||
    fail "the accessibility bus was not told of the resumed deal $deal: $(tr '\n' '|' <"$work/bus.txt")"
# Keyboard Play is still on: the arrows move the focus the bus reports over the cards.
focus_window "$main_window" && xdotool key Right
poll 5 eval 'told_bus && grep -q -E "^list item: [A-Z], [0-9]+ points?, column [1-7] \[focused\]$" "$work/bus.txt"' &&
    grep -q '^push button: CheckWord$' "$work/bus.txt" ||
    fail "the accessibility bus was not told of the focused card and CheckWord: $(tr '\n' '|' <"$work/bus.txt")"
leave_game
[ "$(kept_lines)" = "$kept_before" ] || fail "the resumed game was not kept again as it was left"

# One result of six CR LF lines: the player's, with the points printed.
scores=$game/highscore/highscore.dat
[ "$(wc -l <"$scores")" -eq 6 ] && [ "$(grep -c $'\r$' "$scores")" -eq 6 ] ||
    fail "highscore.dat does not hold one result of six lines ending in CR LF"
entry=$(tr -d '\r' <"$scores" | paste -sd '|')
[[ $entry =~ ^"$PLAYER|$(printf '%3d' "$points")|"\ ?[0-9]+:\ ?[0-9]+:\ ?[0-9]+"|2|Easy|Fair"$ ]] ||
    fail "the new result is \"$entry\", expected $PLAYER with the $points points printed"
changed=$(diff "$work/files-before" <(fingerprints)) ||
    fail "the game changed files it should have left alone: $(grep '^[<>]' <<<"$changed" | tr '\n' ' ')"
passed=true
log "PASSED: the game was resumed and kept again; highscore.dat holds the new result: $entry"
