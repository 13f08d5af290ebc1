#!/usr/bin/env bash
# Checks that the tests catch small faults planted in the game's core and in its windows.
#
# Copies the working tree into build/mutation-check/tree, builds the tests there, then for each
# line of a mutation list plants that one fault, rebuilds and runs the tests and puts the file
# back. Faults in the rules run the rules tests; faults of a list whose name begins with
# "window" run the window test programs (offscreen; as root the permission cases run once more
# as an ordinary user, as scripts/test.sh does). Prints a table and exits non-zero when a fault survives, when a
# mutation no longer matches the code (stale) or when a mutated tree does not build.
# It takes minutes and is not part of the test suite.
#
# Usage: scripts/mutation-check.sh [mutation-list] [name-filter]
#   mutation-list  defaults to both tests/mutations/mutations.txt and window-mutations.txt
#   name-filter    runs only the mutations whose name contains it
#
# A mutation line reads: name @@ file @@ text to find @@ replacement @@ what the fault is
# The file is relative to the source tree and the text must occur in it exactly once.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if [ -n "${1:-}" ]; then
  lists=("$(realpath "$1")")
else
  lists=("$root/tests/mutations/mutations.txt" "$root/tests/mutations/window-mutations.txt")
fi
filter="${2:-}"
# Under the project folder, so that the compiler cache recognises the copied sources;
# MUTATION_CHECK_DIR chooses another folder (keep it under the same top folder).
work="${MUTATION_CHECK_DIR:-$root/build/mutation-check}"
tree="$work/tree"
build="$tree/build/release"
log="$work/last.log"
test_timeout=120

mkdir -p "$work"
echo "Copying the working tree to $tree"
rm -rf "$tree"
mkdir -p "$tree"
(cd "$root" && git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' path; do [ -e "$path" ] && printf '%s\0' "$path"; done |
  tar --null -T - -cf -) | tar -xf - -C "$tree"

echo "Configuring and building the tests (log: $log)"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# A planted fault may draw a warning, and is still one the tests must catch: warnings stay
# warnings here, even under CI.
cmake -S "$tree" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLEXABIT_BUILD_BENCH=OFF -DLEXABIT_WARNINGS_AS_ERRORS=OFF "${launcher[@]}" >"$log" 2>&1
window_tests=()
for source in "$tree"/tests/ui/*_test.cpp; do
  window_tests+=("$(basename "$source" .cpp)")
done
build_tests() { # rules|window
  if [ "$1" = rules ]; then
    cmake --build "$build" --target game_tests >>"$log" 2>&1
  else
    cmake --build "$build" --target "${window_tests[@]}" >>"$log" 2>&1
  fi
}
run_tests() { # rules|window; stops at the first program that fails
  if [ "$1" = rules ]; then
    timeout "$test_timeout" "$build/tests/game_tests" --gtest_brief=1 >>"$log" 2>&1
    return
  fi
  local program
  for program in "${window_tests[@]}"; do
    QT_QPA_PLATFORM="offscreen:configfile=$tree/tests/ui/screens.json" timeout "$test_timeout" "$build/tests/$program" -silent \
      >>"$log" 2>&1 || return 1
  done
  if [ "$(id -u)" -eq 0 ]; then
    timeout "$test_timeout" "$root/scripts/run-as-player.sh" "$build" Options_test \
      theGameStartsAndEndsWithADamagedFileInPlace >>"$log" 2>&1 || return 1
  fi
}
kind_of() { case "$(basename "$1")" in window*) echo window ;; *) echo rules ;; esac; }
for list in "${lists[@]}"; do
  kind="$(kind_of "$list")"
  if ! build_tests "$kind" || ! run_tests "$kind"; then
    echo "The unmutated tree does not build or its $kind tests fail; see $log" >&2
    exit 2
  fi
done

# Replaces the one occurrence of $FIND in the file; exit 3 when it is not exactly one.
plant() {
  FIND="$1" REPLACE="$2" perl -0777 -i -pe '
    my ($find, $replace) = ($ENV{FIND}, $ENV{REPLACE});
    my $count = () = /\Q$find\E/g;
    if ($count != 1) { print STDERR "found $count times\n"; exit 3 }
    s/\Q$find\E/$replace/;' "$3"
}

separator=' @@ '
declare -a rows=()
failures=0
for list in "${lists[@]}"; do
  kind="$(kind_of "$list")"
  echo "--- $kind faults from $(basename "$list")"
  while IFS= read -r line || [ -n "$line" ]; do
    [[ -z "${line//[[:space:]]/}" || "$line" == \#* ]] && continue
    rest="$line"
    fields=()
    while [[ "$rest" == *"$separator"* ]]; do
      fields+=("${rest%%"$separator"*}")
      rest="${rest#*"$separator"}"
    done
    fields+=("$rest")
    if [ ${#fields[@]} -ne 5 ]; then
      rows+=("$(printf '%-34s %-9s %s' "?" "MALFORMED" "$line")")
      failures=$((failures + 1))
      continue
    fi
    name="${fields[0]}" file="${fields[1]}" find="${fields[2]}" replace="${fields[3]}"
    about="${fields[4]}"
    [[ -n "$filter" && "$name" != *"$filter"* ]] && continue

    target="$tree/$file"
    if [ ! -f "$target" ]; then
      verdict="STALE"
    else
      cp -p "$target" "$work/original"
      echo "=== $name" >>"$log"
      if ! plant "$find" "$replace" "$target" 2>>"$log"; then
        verdict="STALE"
      elif ! build_tests "$kind"; then
        verdict="NO-BUILD"
      elif run_tests "$kind"; then
        verdict="SURVIVED"
      else
        verdict="caught"
      fi
      cp "$work/original" "$target"
      touch "$target"
    fi
    [ "$verdict" != "caught" ] && failures=$((failures + 1))
    row="$(printf '%-34s %-9s %s' "$name" "$verdict" "$about")"
    rows+=("$row")
    echo "$row"
  done <"$list"
  # Leaves the copy built as it was, ready for the next run.
  build_tests "$kind" || true
done

echo
printf '%-34s %-9s %s\n' "mutation" "result" "fault planted"
printf '%s\n' "${rows[@]}"
echo
echo "${#rows[@]} mutations, $failures not caught (stale, not building or surviving)"
[ "$failures" -eq 0 ]
