#!/usr/bin/env bash
# Installs the built game into a folder of its own, as `cmake --install` does for a player,
# and checks what a desktop needs of it: every file in its place, a stripped program, and a
# desktop entry and metadata that the freedesktop.org and AppStream validators accept.
#
# Usage: installed_files.sh BUILD_DIR SOURCE_DIR APP_ID "ICON_SIZES" DATA_FOLDER...
set -uo pipefail
test_name=installed_files
source "$(dirname "${BASH_SOURCE[0]}")/install_support.sh"

build=$1 source_dir=$2 app_id=$3 icon_sizes=$4
shift 4
need_tools desktop-file-utils:desktop-file-validate appstream:appstreamcli

stage=$(mktemp -d "${TMPDIR:-/tmp}/lexabit-install.XXXXXX") || skip "cannot make a temporary folder"
trap 'rm -rf "$stage"' EXIT
DESTDIR=$stage cmake --install "$build" --prefix /usr >"$stage/install.log" 2>&1 ||
    { cat "$stage/install.log"; fail "cmake --install failed"; finish; }
usr=$stage/usr

while read -r path; do
    [ -e "$usr/$path" ] || fail "not installed: $path"
done < <(expected_paths "$source_dir" "$app_id" "$icon_sizes" "$@")

program=$usr/lib/lexabit-solitaire/lexabit-solitaire
[ "$(readlink -f "$usr/bin/lexabit-solitaire")" = "$(readlink -f "$program")" ] ||
    fail "bin/lexabit-solitaire does not lead to the program"
program_bytes=$(stat -c %s "$program" 2>/dev/null || echo 0)
[ "$program_bytes" -le "$LARGEST_PROGRAM_BYTES" ] ||
    fail "the installed program is $program_bytes bytes, more than $LARGEST_PROGRAM_BYTES"

# Each picture is as big as the theme folder it lies in says.
for size in $icon_sizes; do
    png=$usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
    [ -f "$png" ] || continue
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
    [ "$width x $height" = "$size x $size" ] || fail "$png is $width x $height"
done

entry=$usr/share/applications/$app_id.desktop
desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"
grep -qx "Icon=$app_id" "$entry" || fail "the desktop entry does not name the icon $app_id"
grep -qx "Exec=lexabit-solitaire" "$entry" || fail "the desktop entry does not start lexabit-solitaire"
appstreamcli validate --no-net "$usr/share/metainfo/$app_id.metainfo.xml" ||
    fail "appstreamcli rejects the metadata"
# The metadata, the entry it launches and the icon, checked together as one tree.
appstreamcli validate-tree --no-net "$stage" || fail "appstreamcli rejects the installed tree"

finish
