#!/usr/bin/env bash
# Runs a window test program as the ordinary user nobody, with a home of its own, where file
# permissions stop writes as they do for a player (as root they stop nothing). The program and
# the game's data are copied where nobody can read them, whatever the folder the tree lies in.
#
# Usage: scripts/run-as-player.sh build-dir test-program [test-function...]
set -euo pipefail

build="$1" program="$2"
shift 2
player="$(mktemp -d)"
trap 'rm -rf "$player"' EXIT
mkdir "$player/home" "$player/program"
cp "$build/tests/$program" "$player/"
for folder in Settings sounds HelpFiles highscore dictionary; do
  cp -r "$build/game/$folder" "$player/program/"
done
chmod -R a+rX "$player"
chown nobody "$player/home"
runuser -u nobody -- env -u XDG_RUNTIME_DIR -u XDG_DATA_HOME HOME="$player/home" \
  LEXABIT_PROGRAM_DIR="$player/program" QT_QPA_PLATFORM=offscreen "$player/$program" "$@"
