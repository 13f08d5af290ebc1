#!/usr/bin/env bash
# Sets up, builds and runs every test of Lexabit Solitaire, headless.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/prepare.sh"
cd "$LEXABIT_ROOT"
export QT_QPA_PLATFORM=offscreen
ctest --preset release --parallel 2

# As root, file permissions stop nothing: the window tests' cases about them and about the
# player's own folder run once more as the ordinary user nobody, with a home of its own.
if [ "$(id -u)" -eq 0 ]; then
  player_home="$(mktemp -d)"
  trap 'rm -rf "$player_home"' EXIT
  chown nobody "$player_home"
  runuser -u nobody -- env -u XDG_RUNTIME_DIR -u XDG_DATA_HOME HOME="$player_home" \
    build/release/tests/Options_test theGameStartsAndEndsWithADamagedFileInPlace
fi
