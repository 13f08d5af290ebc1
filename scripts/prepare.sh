#!/usr/bin/env bash
# Installs the Debian packages the game needs that are missing, then configures
# and builds it. Sourced by play.sh and test.sh; quick when nothing changed.
set -euo pipefail

LEXABIT_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export LEXABIT_ROOT

lexabit_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-qpa-plugins
  libgtest-dev libgmock-dev
  pulseaudio pulseaudio-utils python3
  fonts-dejavu-core
)

lexabit_install_missing() {
  local missing=()
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
}

lexabit_build() {
  cd "$LEXABIT_ROOT"
  if [ ! -f build/release/build.ninja ]; then
    local launcher=()
    # A compiler cache, where one is installed, makes rebuilds in fresh clones quick.
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake --preset release "${launcher[@]}"
  fi
  cmake --build --preset release
}

lexabit_install_missing "${lexabit_packages[@]}"
lexabit_build
