#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build needs (those that are missing),
# then configures and builds into build/. Sourced by run.sh and test.sh.
set -euo pipefail

KELVO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KELVO_BUILD=${KELVO_BUILD:-$KELVO_ROOT/build}

# Build and run-time packages (help2man writes the manual page from the
# program's --help-all); the test-only ones are added by test.sh.
KELVO_PACKAGES=(cmake g++ make pkgconf qt6-base-dev qt6-tools-dev qt6-l10n-tools
                qt6-translations-l10n libgl-dev libx11-dev libxtst-dev help2man
                fonts-wine fonts-dejavu-core xdg-utils)

kelvo_install_packages() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
      echo "Missing Debian packages: ${missing[*]}" >&2
      echo "Not root and no sudo: as root run  apt-get update && apt-get install -y ${missing[*]}  then run this again." >&2
      exit 1
    fi
    sudo=(sudo)
  fi
  echo "Installing missing Debian packages: ${missing[*]}"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# clang for the fuzz targets, then the sanitizer runtime of that same clang
# version (libclang-rt-14-dev on Debian 12).
kelvo_install_clang() {
  kelvo_install_packages clang
  local major
  major=$(clang -dumpversion | cut -d. -f1)
  case $major in
    '' | *[!0-9]*) echo "cannot read the clang version from 'clang -dumpversion'" >&2; return 1 ;;
  esac
  kelvo_install_packages "libclang-rt-$major-dev"
}

# Every C++ file is laid out as .clang-format says (the big tables are fenced
# off with "clang-format off"); a file that is not fails the run.
kelvo_check_format() {
  local files
  if git -C "$KELVO_ROOT" rev-parse --git-dir >/dev/null 2>&1; then
    mapfile -t files < <(git -C "$KELVO_ROOT" ls-files '*.cpp' '*.h')
  else
    mapfile -t files < <(cd "$KELVO_ROOT" && find src tests fuzz bench -name '*.cpp' -o -name '*.h')
  fi
  (cd "$KELVO_ROOT" && clang-format --dry-run --Werror "${files[@]}") ||
    { echo "Some files are not formatted: run clang-format -i on them." >&2; return 1; }
}

kelvo_build() { # build-dir [extra cmake args...]
  local dir=$1; shift
  cmake -S "$KELVO_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir" --parallel "$(nproc)"
}
