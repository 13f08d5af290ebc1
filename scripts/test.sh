#!/usr/bin/env bash
# Sets up, builds and runs every test of Lexabit Solitaire, headless.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/prepare.sh"
cd "$LEXABIT_ROOT"
export QT_QPA_PLATFORM=offscreen
ctest --preset release --parallel 2
