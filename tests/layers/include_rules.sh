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
