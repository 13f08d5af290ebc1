#!/usr/bin/env bash
# Builds the Debian package from the existing build, as `cpack --preset release` does, and
# checks what is inside: every file a player needs, a stripped program, and dependencies
# that dpkg-shlibdeps found from the libraries the program links.
#
# Usage: debian_package.sh BUILD_DIR SOURCE_DIR APP_ID "ICON_SIZES" DATA_FOLDER...
set -uo pipefail
test_name=debian_package
source "$(dirname "${BASH_SOURCE[0]}")/install_support.sh"

build=$1 source_dir=$2 app_id=$3 icon_sizes=$4
shift 4
need_tools cmake:cpack dpkg:dpkg-deb dpkg-dev:dpkg-shlibdeps file:file

packages=$(mktemp -d "${TMPDIR:-/tmp}/lexabit-package.XXXXXX") || skip "cannot make a temporary folder"
trap 'rm -rf "$packages"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$packages" >"$packages/cpack.log" 2>&1 ||
    { cat "$packages/cpack.log"; fail "cpack failed"; finish; }
debs=("$packages"/lexabit-solitaire_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { fail "cpack made no single .deb"; finish; }
deb=${debs[0]}

# dpkg-deb -c lists mode, owner, size, date, time and "./usr/path" (folders with a trailing
# slash, links followed by " -> target"); paths may hold blanks.
contents=$(dpkg-deb -c "$deb") || { fail "dpkg-deb cannot read $deb"; finish; }
paths=$(sed -E -e 's/^([^ ]+ +){5}//' -e 's/ -> .*$//' -e 's|^\./usr/||' -e 's|/$||' <<<"$contents")
while read -r path; do
    grep -qxF "$path" <<<"$paths" || fail "not in the package: $path"
done < <(expected_paths "$source_dir" "$app_id" "$icon_sizes" "$@")

program_bytes=$(awk '$6 == "./usr/lib/lexabit-solitaire/lexabit-solitaire" { print $3 }' <<<"$contents")
[ "${program_bytes:-0}" -gt 0 ] && [ "$program_bytes" -le "$LARGEST_PROGRAM_BYTES" ] ||
    fail "the packaged program is ${program_bytes:-missing} bytes, more than $LARGEST_PROGRAM_BYTES"

depends=$(dpkg-deb -f "$deb" Depends)
for library_package in libc6 libqt6widgets6 libqt6multimedia6 libqt6svg6 libqt6printsupport6; do
    grep -qE "(^|, )$library_package( |,|$)" <<<"$depends" ||
        fail "the package does not depend on $library_package (Depends: $depends)"
done

finish
