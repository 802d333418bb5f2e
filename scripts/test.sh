#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up on a Debian 12 machine and runs every test.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
kelvo_install_packages "${KELVO_PACKAGES[@]}" xvfb xauth x11-utils xdotool imagemagick \
  desktop-file-utils appstream dpkg-dev file librsvg2-bin libxml2-utils shared-mime-info \
  locales-all clang-format reuse openbox poppler-utils qt6-gtk-platformtheme lintian man-db
kelvo_install_clang
kelvo_check_format
# Every file states its copyright and licence (REUSE); scripts/spdx-headers.sh
# adds the header to new files.
(cd "$KELVO_ROOT" && reuse lint)

kelvo_build "$KELVO_BUILD" -DKELVO_BUILD_TESTS=ON
ctest --test-dir "$KELVO_BUILD" --output-on-failure --parallel "$(nproc)"

# The same suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
# Leak detection is off because Qt keeps some allocations until exit on
# purpose; any other report aborts its test and so fails the run. The
# packaging and end-to-end checks look at installed files and real desktop
# hand-over, not at our code's memory, so they run in the normal build only.
kelvo_build "$KELVO_ROOT/build-asan" -DKELVO_BUILD_TESTS=ON -DKELVO_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=0:halt_on_error=1:abort_on_error=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$KELVO_ROOT/build-asan" --output-on-failure --parallel "$(nproc)" \
    --label-exclude 'packaging|e2e'
"$KELVO_ROOT/scripts/fuzz.sh" 10
