#!/usr/bin/env bash
# Sets everything up on a Debian 12 machine and runs every test.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
kelvo_install_packages "${KELVO_PACKAGES[@]}" xvfb xauth x11-utils xdotool imagemagick \
  clang libclang-rt-14-dev desktop-file-utils appstream dpkg-dev file librsvg2-bin

kelvo_build "$KELVO_BUILD" -DKELVO_BUILD_TESTS=ON
ctest --test-dir "$KELVO_BUILD" --output-on-failure --parallel "$(nproc)"
"$KELVO_ROOT/scripts/fuzz.sh" 10
