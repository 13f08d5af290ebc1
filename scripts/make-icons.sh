#!/usr/bin/env bash
# Makes the program's icon from the logo (art/logo.svg) into desktop/icons/ (or the folder
# given): a square scalable SVG, the logo centred on a transparent square, and PNGs of it
# at the sizes desktops ask for most. The program embeds the same files as its window icon.
# Needs rsvg-convert (Debian package librsvg2-bin) and the DejaVu fonts the logo names.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
logo="$here/../art/logo.svg"
out=${1:-"$here/../desktop/icons"}
name=lexabit-solitaire
sizes=(48 64 128 256)

mkdir -p "$out"
# The logo is 120 by 100: widen its view upwards and downwards by 10 to make a square.
sed -e 's|viewBox="0 0 120 100" width="120" height="100"|viewBox="0 -10 120 120" width="120" height="120"|' \
    "$logo" >"$out/$name.svg"
grep -q 'viewBox="0 -10 120 120"' "$out/$name.svg" || {
    echo "make-icons.sh: the logo's size changed; adjust the square's view box" >&2
    exit 1
}
for size in "${sizes[@]}"; do
    rsvg-convert --width "$size" --height "$size" --output "$out/$name-$size.png" "$out/$name.svg"
done
