#!/usr/bin/env bash
# Sets up, builds and runs every test of Lexabit Solitaire, headless.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/prepare.sh"
cd "$LEXABIT_ROOT"
export QT_QPA_PLATFORM=offscreen

# As root, file permissions stop nothing: the window tests' cases about them and about the
# player's own folder run once more as the ordinary user nobody, with a home of its own.
# The test and the game's data are copied where nobody can read them, whatever the folder
# this tree lies in.
if [ "$(id -u)" -eq 0 ]; then
  player="$(mktemp -d)"
  trap 'rm -rf "$player"' EXIT
  mkdir "$player/home" "$player/program"
  cp build/release/tests/Options_test "$player/"
  for folder in Settings sounds HelpFiles highscore dictionary; do
    cp -r "build/release/game/$folder" "$player/program/"
  done
  chmod -R a+rX "$player"
  chown nobody "$player/home"
  runuser -u nobody -- env -u XDG_RUNTIME_DIR -u XDG_DATA_HOME HOME="$player/home" \
    LEXABIT_PROGRAM_DIR="$player/program" \
    "$player/Options_test" theGameStartsAndEndsWithADamagedFileInPlace
fi

ctest --preset release --parallel 2
