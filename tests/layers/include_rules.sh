#!/usr/bin/env bash
# Keeps the source folders layered: the rules know nothing of the window toolkit or the
# windows, and folders include each other in one direction only, never in a circle.
# Usage: include_rules.sh <source folder>
set -uo pipefail
src="${1:?usage: include_rules.sh <source folder>}"
failed=0
complain() { echo "$*" >&2; failed=1; }

# The folders each folder may include, itself among them.
declare -A windows=([game]="game" [ui]="ui game" [records]="records ui game"
  [options]="options ui game" [board]="board records options ui game")
# Inside the rules: the model at the bottom, play on top.
declare -A rules=([model]="model" [motion]="motion model" [scoring]="scoring model"
  [files]="files model" [print]="print model" [words]="words files scoring model"
  [play]="play words motion scoring model")

# check_folders PARENT TABLE: each folder under src/PARENT includes only "PARENT<folder>/..."
# of the folders its row names, and together they form no circle.
check_folders() {
  local -n allowed=$2
  local path folder file line bracket included edges=()
  for path in "$src/$1"*/; do
    folder=$(basename "$path")
    [ -n "${allowed[$folder]:-}" ] || { complain "$1$folder/: a folder this script does not know yet"; continue; }
    while IFS=: read -r file line bracket included; do
      # <sys/stat.h> and the like are the system's; <board/...> is ours, in disguise.
      [ "$bracket" = "<" ] && [ -z "${allowed[$included]:-}" ] && continue
      [ "$bracket" = "<" ] && [ -z "$1" ] &&
        complain "${file#"$src"/}:$line: our own headers are included in quotes, not <>"
      edges+=("$folder $included")
      [[ " ${allowed[$folder]} " == *" $included "* ]] ||
        complain "${file#"$src"/}:$line: $1$folder must not include $1$included/"
    done < <(grep -rnE "^\s*#\s*include\s*[\"<]$1[^\"<>/]+/" "$path" |
      sed -E "s|^([^:]+):([0-9]+):.*include\s*([\"<])$1([^\"<>/]+)/.*|\1:\2:\3:\4|")
  done
  printf '%s\n' "${edges[@]}" | sort -u | tsort >/dev/null ||
    complain "the folders of src/$1 include each other in a circle"
}
check_folders "" windows
check_folders game/ rules
grep -rnE '^\s*#\s*include\s*["<]game/[^"<>/]+\.h[">]' "$src" >&2 &&
  complain 'headers of the rules are included by their folder: "game/<folder>/Name.h"'
# Qt's headers go by two spellings: <QString> and the older <qstring.h>.
grep -rnE '^\s*#\s*include\s*[<"](Q|q[a-z0-9_]*\.h[>"])' "$src/game" >&2 && complain "game/ must not include the window toolkit"
exit "$failed"
