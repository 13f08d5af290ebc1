#!/usr/bin/env bash
# Sets up, builds and starts Lexabit Solitaire.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/prepare.sh"
exec "$LEXABIT_ROOT/build/release/game/lexabit-solitaire"
