#!/usr/bin/env bash
# Sets up and builds Lexabit Solitaire, then makes its Debian package,
# build/packages/lexabit-solitaire_<version>_<arch>.deb.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/prepare.sh"
# CPack finds the package's dependencies with dpkg-shlibdeps, which needs file.
lexabit_install_missing dpkg-dev file
cd "$LEXABIT_ROOT"
cpack --preset release
