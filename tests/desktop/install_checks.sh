#!/usr/bin/env bash
# The game as a desktop gets it, from the existing build: `installed` installs it into a folder
# of its own as `cmake --install` does and has the freedesktop.org and AppStream validators
# check its entry, icons and metadata; `package` builds the Debian package as `cpack` does and
# has lintian, where it is installed, check it against Debian's policy. Both check that every
# file a player needs is in its place and that the program is stripped.
# Usage: install_checks.sh installed|package BUILD_DIR SOURCE_DIR APP_ID "ICON_SIZES" DATA_FOLDER...
# Exit status: 0 passed, 1 failed, 77 skipped because the machine lacks a tool.
set -uo pipefail
mode=$1 build=$2 source_dir=$3 app_id=$4 icon_sizes=$5
shift 5
failures=0
fail() { echo "$mode: FAILED: $*" >&2; failures=$((failures + 1)); }

# need_tools PACKAGE:TOOL...: as root installs what is missing (another test may hold the
# package lists for a while), and skips when a tool is still missing, unless it is marked
# optional as ?PACKAGE:TOOL.
need_tools() {
    local pair missing=()
    for pair; do pair=${pair#\?}; command -v "${pair#*:}" >/dev/null || missing+=("${pair%%:*}"); done
    for _ in 1 2 3; do
        [ ${#missing[@]} -gt 0 ] && [ "$(id -u)" -eq 0 ] || break
        apt-get update -qq >/dev/null 2>&1
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
            -o DPkg::Lock::Timeout=300 "${missing[@]}" >/dev/null 2>&1 && break
        sleep 10
    done
    for pair; do
        [[ $pair == \?* ]] || command -v "${pair#*:}" >/dev/null ||
            { echo "$mode: SKIPPED: no ${pair#*:} (package ${pair%%:*})" >&2; exit 77; }
    done
}

# Every path the install puts under its prefix, one a line.
expected_paths() {
    printf '%s\n' games/lexabit-solitaire lib/games/lexabit-solitaire/lexabit-solitaire \
        share/doc/lexabit-solitaire/{COPYING,changelog.gz} share/man/man6/lexabit-solitaire.6.gz \
        "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml" \
        "share/icons/hicolor/scalable/apps/$app_id.svg" "${@/#/lib/games/lexabit-solitaire/}"
    for size in $icon_sizes; do echo "share/icons/hicolor/${size}x${size}/apps/$app_id.png"; done
    (cd "$source_dir/data" && find "$@" ! -name .keep) | sed 's|^|share/games/lexabit-solitaire/|'
}
# Its debug information stays behind, so the program stays under a megabyte.
check_program_size() {
    [ "${1:-0}" -gt 0 ] && [ "$1" -le 1048576 ] || fail "the program is ${1:-missing} bytes, over 1 MiB"
}

stage=$(mktemp -d "${TMPDIR:-/tmp}/lexabit-$mode.XXXXXX") || exit 77
trap 'rm -rf "$stage"' EXIT

if [ "$mode" = installed ]; then
    need_tools desktop-file-utils:desktop-file-validate appstream:appstreamcli
    DESTDIR=$stage cmake --install "$build" --prefix /usr >"$stage/install.log" 2>&1 ||
        { cat "$stage/install.log"; fail "cmake --install failed"; exit 1; }
    usr=$stage/usr
    while read -r path; do [ -e "$usr/$path" ] || fail "not installed: $path"; done < <(expected_paths "$@")
    program=$usr/lib/games/lexabit-solitaire/lexabit-solitaire
    [ "$(readlink -f "$usr/games/lexabit-solitaire")" = "$(readlink -f "$program")" ] ||
        fail "games/lexabit-solitaire does not lead to the program"
    check_program_size "$(stat -c %s "$program" 2>/dev/null)"
    for size in $icon_sizes; do # a PNG's width and height are bytes 16 to 23, big-endian
        png=$usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
        read -r width height < <(od -An -tu1 -j16 -N8 "$png" 2>/dev/null |
            awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
        [ "${width:-} x ${height:-}" = "$size x $size" ] || fail "$png is ${width:-?} x ${height:-?}"
    done
    entry=$usr/share/applications/$app_id.desktop
    desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"
    grep -qx "Icon=$app_id" "$entry" || fail "the desktop entry does not name the icon $app_id"
    grep -qx "Exec=lexabit-solitaire" "$entry" || fail "the desktop entry does not start the game"
    # The metadata itself, the entry it launches and the icon, checked together as one tree.
    appstreamcli validate-tree --no-net "$stage" || fail "appstreamcli rejects the installed tree"
else
    need_tools cmake:cpack dpkg:dpkg-deb dpkg-dev:dpkg-shlibdeps file:file ?lintian:lintian
    cpack --config "$build/CPackConfig.cmake" -B "$stage" >"$stage/cpack.log" 2>&1 ||
        { cat "$stage/cpack.log"; fail "cpack failed"; exit 1; }
    debs=("$stage"/lexabit-solitaire_*.deb)
    [ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { fail "cpack made no single .deb"; exit 1; }
    # Each line: mode, owner, size, date, time, "./usr/path" (folders end in "/", links go on
    # with " -> target"); paths may hold blanks.
    contents=$(dpkg-deb -c "${debs[0]}")
    paths=$(sed -E -e 's/^([^ ]+ +){5}//' -e 's/ -> .*$//' -e 's|^\./usr/||' -e 's|/$||' <<<"$contents")
    while read -r path; do
        grep -qxF "$path" <<<"$paths" || fail "not in the package: $path"
    done < <(expected_paths "$@")
    check_program_size "$(awk '$6 == "./usr/lib/games/lexabit-solitaire/lexabit-solitaire" { print $3 }' <<<"$contents")"
    depends=$(dpkg-deb -f "${debs[0]}" Depends)
    for library in libc6 libqt6widgets6 libqt6multimedia6 libqt6svg6 libqt6printsupport6; do
        grep -qE "(^|, )$library( |,|$)" <<<"$depends" ||
            fail "the package does not depend on $library (Depends: $depends)"
    done
    if command -v lintian >/dev/null; then # its errors and warnings, not its notes
        findings=$(lintian "${debs[0]}" 2>&1 | grep -E '^[EW]: ')
        [ -z "$findings" ] || fail "lintian finds:"$'\n'"$findings"
    else echo "$mode: no lintian: the package is not checked against Debian's policy"; fi
fi
[ "$failures" -eq 0 ] || { echo "$mode: $failures check(s) failed" >&2; exit 1; }
echo "$mode: passed"
