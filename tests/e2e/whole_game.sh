#!/usr/bin/env bash
# Plays one short game of the real Lexabit Solitaire the way a player would: on an X server
# of its own, with the mouse and the keyboard, printing to a CUPS queue that makes PDF files.
# Then checks what the game showed, printed and wrote.
#
# Usage: whole_game.sh PROGRAM_FOLDER [PROGRAM_NAME]
#   PROGRAM_FOLDER holds the built program and its data folders.
# Exit status: 0 passed, 1 failed, 77 skipped because it cannot run on this machine.
#
# As root it installs the Debian packages it needs. Every process it starts is stopped by
# its process id when it ends, whatever the outcome; the screenshots stay behind on failure
# (and on success too when LEXABIT_E2E_KEEP is set).
set -uo pipefail

readonly SKIPPED=77
readonly SCREEN_SIZE=1600x1200
readonly MAIN_TITLE="Lexabit Solitaire"
readonly PLAYER_NAME="Ada Lovelace"
E2E_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
readonly E2E_DIR

program_folder=${1:-}
program_name=${2:-lexabit-solitaire}
started_at=$(date +%s%N)

log() {
    local tenths=$((($(date +%s%N) - started_at) / 100000000))
    printf 'whole_game [%3d.%ds] %s\n' $((tenths / 10)) $((tenths % 10)) "$*"
}
skip() {
    echo "whole_game: SKIPPED: $*" >&2
    exit "$SKIPPED"
}

# ---------------------------------------------------------------- what the test needs

needed_packages=(xvfb xdotool x11-utils imagemagick poppler-utils cups printer-driver-cups-pdf)
needed_tools=(Xvfb xdotool xwininfo import convert pdfinfo pdftoppm python3)

package_installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

install_missing_packages() {
    command -v dpkg-query >/dev/null || return 0
    local missing=() package
    for package in "${needed_packages[@]}"; do
        package_installed "$package" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "whole_game: installing ${missing[*]}"
    apt-get update -qq >/dev/null 2>&1
    # policy-rc.d keeps the packages' own services from starting; this test starts its own.
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        -o DPkg::Lock::Timeout=120 "${missing[@]}" >/dev/null 2>&1 ||
        echo "whole_game: could not install ${missing[*]}"
}

check_can_run() {
    [ -n "$program_folder" ] || {
        echo "usage: whole_game.sh PROGRAM_FOLDER [PROGRAM_NAME]" >&2
        exit 2
    }
    [ -x "$program_folder/$program_name" ] || {
        echo "whole_game: FAILED: no program at $program_folder/$program_name (build it first)" >&2
        exit 1
    }
    if [ "$(id -u)" -eq 0 ]; then
        install_missing_packages
    fi
    local tool missing=()
    for tool in "${needed_tools[@]}"; do
        command -v "$tool" >/dev/null || missing+=("$tool")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        skip "missing ${missing[*]}; run as root to install them, or install the Debian" \
            "packages ${needed_packages[*]}"
    fi
}

check_can_run
# The test's own helpers, in Python with the standard library only.
picture_tool() { python3 "$E2E_DIR/screen.py" "$@"; }
records_tool() { python3 "$E2E_DIR/records.py" "$@"; }

# ---------------------------------------------------------------- processes and clean-up

work=$(mktemp -d "${TMPDIR:-/tmp}/lexabit-e2e.XXXXXX") || skip "cannot make a temporary folder"
# CUPS runs its filters as user lp, who must be able to reach its folders in here.
chmod 755 "$work"
shots="$work/screenshots"
mkdir -p "$shots"
started_pids=()
cups_pdf_config=""
passed=false

stop_process() {
    local pid=$1 tenth
    kill -0 "$pid" 2>/dev/null || return 0
    kill -TERM "$pid" 2>/dev/null
    for tenth in $(seq 30); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    [ "$tenth" -lt 30 ] || kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
}

clean_up() {
    local status=$? i
    for ((i = ${#started_pids[@]} - 1; i >= 0; i--)); do
        stop_process "${started_pids[i]}"
    done
    [ -n "$cups_pdf_config" ] && rm -f "$cups_pdf_config"
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
    if [ -n "${game_pid:-}" ] && game_ended; then
        echo "whole_game: the game is no longer running" >&2
    fi
    if [ -s "$work/game.log" ]; then
        echo "whole_game: the game's output:" >&2
        tail -n 20 "$work/game.log" >&2
    fi
    echo "whole_game: screenshots:" "$shots"/*.png >&2
    exit 1
}

# Runs the command given until it succeeds or the seconds given have passed.
poll() {
    local seconds=$1
    shift
    local deadline
    deadline=$(($(date +%s%N) + seconds * 1000000000))
    while [ "$(date +%s%N)" -lt "$deadline" ]; do
        "$@" && return 0
        sleep 0.2
    done
    "$@"
}

# ---------------------------------------------------------------- X server and screen

start_x_server() {
    local display_file="$work/display"
    : >"$display_file"
    Xvfb -displayfd 3 -screen 0 "${SCREEN_SIZE}x24" -nolisten tcp -noreset \
        3>"$display_file" >"$work/xvfb.log" 2>&1 &
    started_pids+=($!)
    poll 10 test -s "$display_file" || skip "Xvfb did not start: $(tail -n 3 "$work/xvfb.log")"
    DISPLAY=":$(head -n 1 "$display_file")"
    export DISPLAY
    log "X server on display $DISPLAY ($SCREEN_SIZE)"
}

# Takes a screenshot of the whole screen under the name given (a later one of the same name
# replaces it) and prints its path. They are kept as PPM, which the checks read quickly,
# and turned into PNG when the test fails.
take_shot() {
    local shot="$shots/$1.ppm"
    import -window root -depth 8 "$shot" 2>/dev/null || return 1
    echo "$shot"
}

# Visible top-level windows with the game's title, one id a line.
game_windows() {
    xdotool search --onlyvisible --name "^${MAIN_TITLE}\$" 2>/dev/null | sort -n
}

# The one visible game window that is not the main window (a message box or the name dialog).
other_window() {
    local id found=""
    for id in $(game_windows); do
        [ "$id" = "$main_window" ] && continue
        [ -n "$found" ] && return 1
        found=$id
    done
    [ -n "$found" ] && echo "$found"
}

window_geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
        /^  Width:/ {w=$2} /^  Height:/ {h=$2} END {print x, y, w, h}'
}

focus_window() {
    timeout 5 xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
}

# ---------------------------------------------------------------- printing

# start_cups, cups_job_done: a CUPS of the test's own with a cups-pdf queue.
# shellcheck source=cups_pdf_queue.sh
source "$E2E_DIR/cups_pdf_queue.sh"

# The first finished PDF in the folder given: one that pdfinfo can read whole.
finished_pdf() {
    local pdf
    for pdf in "$1"/*.pdf; do
        [ -s "$pdf" ] && pdfinfo "$pdf" >/dev/null 2>&1 && echo "$pdf" && return 0
    done
    return 1
}

check_printed_page() {
    local pdf=$1 pages
    pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
    [ "$pages" = 1 ] || fail "the printed PDF $pdf has ${pages:-no} pages, expected 1"
    pdftoppm -r 72 -singlefile "$pdf" "$work/page" 2>/dev/null || fail "pdftoppm cannot read $pdf"
    convert "$work/page.ppm" "$shots/printed-page.png"
    local ink
    ink=$(picture_tool ink "$work/page.ppm" 500) || fail "the printed page is blank: $ink"
    log "printed page: 1 page, $ink"
    # The game's own PDF keeps its text; the one from cups-pdf has lost it on the way
    # through PostScript, so there the picture alone tells.
    if pdftotext -layout "$pdf" "$work/page.txt" 2>/dev/null &&
        grep -q "$MAIN_TITLE" "$work/page.txt"; then
        printed_points=$(grep -o 'Points: *-\?[0-9]*' "$work/page.txt" | grep -o -- '-\?[0-9]*$')
        log "printed text: $(tr -s ' \n' ' ' <"$work/page.txt")"
    fi
}

# ---------------------------------------------------------------- the game

prepare_game_folder() {
    game="$work/game"
    mkdir -p "$game"
    local item
    for item in "$program_name" dictionary sounds highscore Settings HelpFiles; do
        cp -R "$program_folder/$item" "$game/" || fail "cannot copy $item from $program_folder"
    done
    records_tool write-dictionary "$game/dictionary/dictionary.txt"
    records_tool write-scores "$game/highscore/highscore.dat"
    records_tool write-settings "$game/Settings/Settings.txt"
    records_tool snapshot "$game" "$work/game-before.json"
    cp "$game/highscore/highscore.dat" "$work/highscore-before.dat"
}

start_game() {
    local home="$work/home"
    mkdir -p "$home" "$work/runtime"
    chmod 700 "$work/runtime"
    # A clean environment: no offscreen platform, printer or scale settings of the caller.
    # Without the test's CUPS the address leads nowhere, so no real printer is ever used.
    (cd "$game" && exec env -i PATH="$PATH" HOME="$home" LANG=C.UTF-8 DISPLAY="$DISPLAY" \
        XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb \
        CUPS_SERVER="${CUPS_SERVER:-$work/no-cups.sock}" \
        "./$program_name" >"$work/game.log" 2>&1) &
    game_pid=$!
    started_pids+=("$game_pid")
}

# True once the game's process has ended (a zombie until the test collects its status).
game_ended() {
    local state
    state=$(sed 's/.*) //' "/proc/$game_pid/stat" 2>/dev/null | cut -d ' ' -f 1)
    [ -z "$state" ] || [ "$state" = Z ]
}

find_main_window() {
    game_ended && fail "the game ended before its window appeared"
    main_window=$(game_windows | head -n 1)
    [ -n "$main_window" ]
}

# Sets board_x, board_y, board_width, board_height from the window and a screenshot.
find_board() {
    local shot window rect
    window=$(window_geometry "$main_window")
    shot=$(take_shot "window") || fail "cannot take a screenshot"
    # shellcheck disable=SC2086 # the four numbers of the geometry
    rect=$(picture_tool board "$shot" $window) || fail "no board in the window at $window: $rect"
    read -r board_x board_y board_width board_height <<<"$rect"
    log "window at $window; board at $board_x $board_y, $board_width x $board_height"
    [ "$board_width x $board_height" = "1032 x 713" ] ||
        log "note: the board did not open at 1032 x 713"
}

# Takes a screenshot under the name given and answers whether every condition holds on it
# (see screen.py expect); what it saw is kept for the failure report.
board_shows() {
    local shot
    shot=$(take_shot "$1") || return 1
    shift
    picture_tool expect "$shot" "$board_x" "$board_y" "$board_width" "$board_height" "$@" \
        >"$work/last-check.txt" 2>&1
}

last_check() { tr '\n' ' ' <"$work/last-check.txt"; }

drag_card() {
    local from_x=$1 from_y=$2 to_x=$3 to_y=$4 step moves=()
    # Grab the card in its middle, as a player would.
    from_x=$((from_x + 46)) from_y=$((from_y + 60)) to_x=$((to_x + 46)) to_y=$((to_y + 60))
    for step in 1 2 3 4 5 6 7 8 9 10; do
        moves+=(mousemove $((from_x + (to_x - from_x) * step / 10))
            $((from_y + (to_y - from_y) * step / 10)) sleep 0.03)
    done
    xdotool mousemove "$from_x" "$from_y" sleep 0.1 mousedown 1 sleep 0.1 "${moves[@]}" \
        sleep 0.1 mouseup 1
}

# Sets other to the message box or dialog that appears.
wait_for_other_window() {
    poll "$1" other_window >/dev/null || fail "no $2 appeared"
    other=$(other_window)
}

no_other_window() { ! game_windows | grep -v -x "$main_window" >/dev/null; }

# ---------------------------------------------------------------- the play

start_x_server
if start_cups; then
    print_mode=cups
else
    print_mode=documents
    unset CUPS_SERVER
    log "so printing is checked through the PDF the game saves in its documents folder" \
        "when there is no printer"
fi

prepare_game_folder
start_game
poll 20 find_main_window || fail "the window \"$MAIN_TITLE\" did not appear"
log "game window $main_window is up"
find_board
poll 20 board_shows dealt dealt || fail "the opening deal did not lay seven cards where the" \
    "columns stand: $(last_check)"
log "seven cards dealt to the columns"

{ read -r source_x source_y && read -r target_x target_y; } < <(picture_tool column-tops \
    "$board_x" "$board_y" "$board_width" "$board_height")
drag_card "$source_x" "$source_y" "$target_x" "$target_y"
poll 10 board_shows dropped labels-show-word word-of-two:2 empty-column:1 ||
    fail "dropping column 1's card on column 2's did not make a word: $(last_check)"
before_check="$shots/before-check.ppm"
cp "$shots/dropped.ppm" "$before_check"
log "column 1's card now lies below column 2's: a word of two cards"

xdotool key space
poll 20 board_shows checked labels-empty "word-list-changed-from:$before_check" dealt ||
    fail "the word was not accepted, or the columns not refilled: $(last_check)"
log "the word was accepted: listed, labels empty, columns refilled"

printed_points=""
xdotool key F5
if [ "$print_mode" = cups ]; then
    poll 40 cups_job_done >/dev/null || fail "no PDF arrived from CUPS in $printed:" \
        "$(tail -n 5 "$work/cups/log/error_log" 2>/dev/null)"
    no_other_window || fail "printing showed a message: $(take_shot print-message)"
    check_printed_page "$(finished_pdf "$printed")"
else
    documents="$work/home/Documents"
    wait_for_other_window 10 "message about the saved PDF"
    take_shot "saved-pdf-message" >/dev/null
    focus_window "$other"
    xdotool key Return
    poll 5 no_other_window || fail "the message about the saved PDF did not close"
    poll 10 finished_pdf "$documents" >/dev/null || fail "no PDF was saved in $documents"
    check_printed_page "$(finished_pdf "$documents")"
fi

focus_window "$main_window"
xdotool key F7
wait_for_other_window 10 "rating message after End Game"
rating_box=$other
take_shot "rating-message" >/dev/null
focus_window "$rating_box"
xdotool key Return
name_dialog_up() {
    local id
    id=$(other_window) && [ "$id" != "$rating_box" ] && echo "$id"
}
name_dialog=$(poll 10 name_dialog_up) || fail "the name dialog did not follow the rating message"
take_shot "name-dialog" >/dev/null
focus_window "$name_dialog"
xdotool type --delay 40 "$PLAYER_NAME"
xdotool key Return
scores_written() { ! cmp -s "$game/highscore/highscore.dat" "$work/highscore-before.dat"; }
poll 10 scores_written || fail "highscore.dat was not written after the name was confirmed"
missed_words_up() {
    local id
    id=$(other_window) && [ "$id" != "$name_dialog" ] && echo "$id"
}
missed_words=$(poll 10 missed_words_up) ||
    fail "the name dialog stayed open, or the missed words did not follow it"
take_shot "missed-words" >/dev/null
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

records_tool scores "$game/highscore/highscore.dat" "$PLAYER_NAME" "$printed_points" ||
    fail "highscore.dat is not as expected"
records_tool unchanged "$game" "$work/game-before.json" highscore/highscore.dat ||
    fail "the game changed files it should have left alone"
passed=true
log "PASSED (printing through $print_mode)"
