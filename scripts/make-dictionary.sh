#!/bin/sh
# Builds data/dictionary/dictionary.txt, the word list the game checks words against,
# and data/dictionary/common-words.txt, the words of it a player is likely to know (the
# hint prefers them), from the SCOWL word lists of Debian's scowl package (2020.12.07),
# and copies SCOWL's copyright notice beside them. Running it again gives the same bytes.
#
# Taken: the "-words" lists (ordinary words; no proper names, abbreviations,
# contractions or capitalised words) of the English, American, British and variant
# spellings, sizes 10 to 70. Kept: entries of 2 to 15 plain lower-case letters a-z.
# Removed: letter abbreviations the lists carry as words, and the deny list beside
# this script. Written in lower case, one word per line, CR LF line ends, sorted
# byte-wise, each word once. The common words are the words of the list that SCOWL
# already has in its sizes up to 50, the everyday ones; the same format.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
repo=$(dirname "$here")
scowl=/usr/share/dict/scowl
wanted_version=2020.12.07
out_dir="$repo/data/dictionary"
out="$out_dir/dictionary.txt"
common_out="$out_dir/common-words.txt"
deny="$here/dictionary-deny.txt"

lists="english american british variant_1 variant_2 british_variant_1 british_variant_2"
sizes="10 20 35 40 50 55 60 70"
common_sizes="10 20 35 40 50"
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

# The plain words of the lists of the sizes given, sorted, each once.
words_of_sizes() {
    for list in $lists; do
        for size in "$@"; do
            file="$scowl/$list-words.$size"
            if [ -f "$file" ]; then
                cat "$file"
            fi
        done
    done | grep -E '^[a-z]{2,15}$' | sort -u
}
words_of_sizes $sizes >"$work/words"
words_of_sizes $common_sizes >"$work/common"

{
    printf '%s\n' $abbreviations
    grep -Ev '^[[:space:]]*(#|$)' "$deny"
} | sort -u >"$work/removed"

comm -23 "$work/words" "$work/removed" >"$work/kept"
sed 's/$/\r/' "$work/kept" >"$work/dictionary.txt"
# Only words the word check accepts: a hint must never suggest a word it would refuse.
comm -12 "$work/kept" "$work/common" | sed 's/$/\r/' >"$work/common-words.txt"

mkdir -p "$out_dir"
mv "$work/dictionary.txt" "$out.tmp"
mv "$out.tmp" "$out"
mv "$work/common-words.txt" "$common_out.tmp"
mv "$common_out.tmp" "$common_out"
cp /usr/share/doc/scowl/copyright "$out_dir/COPYING-SCOWL.txt.tmp"
mv "$out_dir/COPYING-SCOWL.txt.tmp" "$out_dir/COPYING-SCOWL.txt"

echo "make-dictionary: $(wc -l <"$out") words, $(wc -c <"$out") bytes in $out"
echo "make-dictionary: $(wc -l <"$common_out") words, $(wc -c <"$common_out") bytes in $common_out"
