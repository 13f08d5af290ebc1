#!/usr/bin/env bash
# Keeps the source folders layered: the rules know nothing of the window toolkit or the
# windows, and the window folders include each other in one direction only.
# Usage: include_rules.sh <source folder>
set -euo pipefail
source_root="${1:?usage: include_rules.sh <source folder>}"

# The folders each folder may include, itself among them.
declare -A may_include=(
  [game]="game"
  [ui]="ui game"
  [records]="records ui game"
  [options]="options ui game"
  [board]="board records options ui game"
)

failed=0
edges=()
for path in "$source_root"/*/; do
  folder=$(basename "$path")
  if [ -z "${may_include[$folder]:-}" ]; then
    echo "$folder/: a folder the table of this script does not know yet" >&2
    failed=1
    continue
  fi
  # Every "folder/..." include, as "file:line:folder".
  while IFS=: read -r file line included; do
    edges+=("$folder $included")
    if [[ " ${may_include[$folder]} " != *" $included "* ]]; then
      echo "${file#"$source_root"/}:$line: $folder must not include $included/" >&2
      failed=1
    fi
  done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"/]+/' "$source_root/$folder" |
    sed -E 's/^([^:]+):([0-9]+):.*include[[:space:]]*"([^"/]+)\/.*/\1:\2:\3/')
done

# The rules never include a window folder, however the table above grows.
if grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"(ui|board|records|options)/' \
  "$source_root/game" >&2; then
  echo "game/ must not include a window folder" >&2
  failed=1
fi

# Inside the rules, the folders are layered too: the model at the bottom, play on top.
declare -A game_may_include=(
  [model]="model"
  [motion]="motion model"
  [scoring]="scoring model"
  [files]="files model"
  [print]="print model"
  [words]="words files scoring model"
  [play]="play words motion scoring model"
)
game_edges=()
for path in "$source_root"/game/*/; do
  folder=$(basename "$path")
  if [ -z "${game_may_include[$folder]:-}" ]; then
    echo "game/$folder/: a folder the table of this script does not know yet" >&2
    failed=1
    continue
  fi
  while IFS=: read -r file line included; do
    game_edges+=("$folder $included")
    if [[ " ${game_may_include[$folder]} " != *" $included "* ]]; then
      echo "${file#"$source_root"/}:$line: game/$folder must not include game/$included/" >&2
      failed=1
    fi
  done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"game/[^"/]+/' "$path" |
    sed -E 's/^([^:]+):([0-9]+):.*include[[:space:]]*"game\/([^"/]+)\/.*/\1:\2:\3/')
done
# Every header of the rules lives in one of those folders.
if grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"game/[^"/]+\.h"' "$source_root" >&2; then
  echo "game headers are included by their folder: \"game/<folder>/Name.h\"" >&2
  failed=1
fi
if ! printf '%s\n' "${game_edges[@]}" | sort -u | tsort >/dev/null; then
  echo "the folders of game/ include each other in a circle" >&2
  failed=1
fi

# The rules stay free of the window toolkit.
if grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$source_root/game" >&2; then
  echo "game/ must not include the window toolkit" >&2
  failed=1
fi

# Whatever the table above allows, the folders must never include each other in a circle.
if ! printf '%s\n' "${edges[@]}" | sort -u | tsort >/dev/null; then
  echo "the source folders include each other in a circle" >&2
  failed=1
fi

exit "$failed"
