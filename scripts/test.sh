#!/usr/bin/env bash
# Sets up, builds and runs every test of Lexabit Solitaire, headless.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/prepare.sh"
cd "$LEXABIT_ROOT"
export QT_QPA_PLATFORM=offscreen

# As root, file permissions stop nothing: the window tests' cases about them and about the
# player's own folder run once more as the ordinary user nobody.
if [ "$(id -u)" -eq 0 ]; then
  scripts/run-as-player.sh build/release Options_test theGameStartsAndEndsWithADamagedFileInPlace
fi

ctest --preset release --parallel 2
