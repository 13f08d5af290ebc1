#!/bin/sh
# Builds data/dictionary/dictionary.txt, the word list the game checks words against,
# from the SCOWL word lists of Debian's scowl package (2020.12.07), and copies SCOWL's
# copyright notice beside it. Running it again gives the same bytes.
#
# Taken: the "-words" lists (ordinary words; no proper names, abbreviations,
# contractions or capitalised words) of the English, American, British and variant
# spellings, sizes 10 to 70. Kept: entries of 2 to 15 plain lower-case letters a-z.
# Removed: letter abbreviations the lists carry as words, and the deny list beside
# this script. Written in lower case, one word per line, CR LF line ends, sorted
# byte-wise, each word once.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
repo=$(dirname "$here")
scowl=/usr/share/dict/scowl
wanted_version=2020.12.07
out_dir="$repo/data/dictionary"
out="$out_dir/dictionary.txt"
deny="$here/dictionary-deny.txt"

lists="english american british variant_1 variant_2 british_variant_1 british_variant_2"
sizes="10 20 35 40 50 55 60 70"
abbreviations="cs gs ks ls ms rs ts ss ps kb mb mf lm ln lx csc csch dkl hhd"

version=$(dpkg-query -W -f '${Version}' scowl 2>/dev/null || true)
case "$version" in
"$wanted_version"*) ;;
*)
    echo "make-dictionary: needs the scowl package $wanted_version (found: ${version:-none})" >&2
    echo "  apt-get install -y --no-install-recommends scowl" >&2
    exit 1
    ;;
esac

export LC_ALL=C
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for list in $lists; do
    for size in $sizes; do
        file="$scowl/$list-words.$size"
        if [ -f "$file" ]; then
            cat "$file"
        fi
    done
done | grep -E '^[a-z]{2,15}$' | sort -u >"$work/words"

{
    printf '%s\n' $abbreviations
    grep -Ev '^[[:space:]]*(#|$)' "$deny"
} | sort -u >"$work/removed"

comm -23 "$work/words" "$work/removed" | sed 's/$/\r/' >"$work/dictionary.txt"

mkdir -p "$out_dir"
mv "$work/dictionary.txt" "$out.tmp"
mv "$out.tmp" "$out"
cp /usr/share/doc/scowl/copyright "$out_dir/COPYING-SCOWL.txt.tmp"
mv "$out_dir/COPYING-SCOWL.txt.tmp" "$out_dir/COPYING-SCOWL.txt"

echo "make-dictionary: $(wc -l <"$out") words, $(wc -c <"$out") bytes in $out"
