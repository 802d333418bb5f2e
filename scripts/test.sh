#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up on a Debian 12 machine and runs every test.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

# Each phase tells what it cost: the time on the clock, and the CPU time of
# all its processes (user + system), which is what counts on a shared machine.
phase() { # name command...
  local TIMEFORMAT="== $1: %1R s wall, %1U s user + %1S s system"
  shift
  time "$@"
}

phase packages kelvo_install_packages "${KELVO_PACKAGES[@]}" xvfb xauth x11-utils xdotool \
  imagemagick desktop-file-utils appstream dpkg-dev file librsvg2-bin libxml2-utils \
  shared-mime-info locales-all clang-format clang-tidy reuse openbox poppler-utils \
  qt6-gtk-platformtheme lintian man-db
phase clang kelvo_install_clang
phase format kelvo_check_format
# Every file states its copyright and licence (REUSE); scripts/spdx-headers.sh
# adds the header to new files.
phase reuse reuse --root "$KELVO_ROOT" lint

# The program as it ships (a release build, as the README installs it), for
# the checks of the real binary: end to end under Xvfb, its command line and
# its packaging. The unit and window tests run once, in the sanitizer build
# below, where they see more.
phase build kelvo_build "$KELVO_BUILD" -DCMAKE_BUILD_TYPE=Release -DKELVO_BUILD_TESTS=ON \
  -DKELVO_UNIT_TESTS=OFF

# The static analyser, over src/ with the flags of that build. The tests
# leave a core or more idle (the end-to-end tests run one at a time, a build
# links one program at a time), so it runs beside everything that follows,
# niced, in a session of its own that ends with this script, and tells its
# findings at the end.
tidy_log=$(mktemp)
setsid nice -n 19 "$KELVO_ROOT/scripts/tidy.sh" "$KELVO_BUILD" >"$tidy_log" 2>&1 &
tidy=$!
trap 'kill -- "-$tidy" 2>/dev/null || true; rm -f "$tidy_log"' EXIT
tidy_findings() {
  local status=0
  wait "$tidy" || status=$?
  cat "$tidy_log"
  return "$status"
}
phase tests ctest --test-dir "$KELVO_BUILD" --output-on-failure --parallel "$(nproc)"

# The unit and window tests, and the command line again, under
# AddressSanitizer and UndefinedBehaviorSanitizer. Leak detection is off
# because Qt keeps some allocations until exit on purpose; any other report
# aborts its test and so fails the run. The packaging and end-to-end checks
# look at installed files and real desktop hand-over, not at our code's
# memory, so they run in the normal build only, and this build has no manual
# page to write.
phase sanitizer-build kelvo_build "$KELVO_ROOT/build-asan" -DKELVO_BUILD_TESTS=ON \
  -DKELVO_UNIT_TESTS=ON -DKELVO_SANITIZE=ON -DKELVO_MAN_PAGE=OFF
ASAN_OPTIONS=detect_leaks=0:halt_on_error=1:abort_on_error=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  phase sanitizer-tests ctest --test-dir "$KELVO_ROOT/build-asan" --output-on-failure \
    --parallel "$(nproc)" --label-exclude 'packaging|e2e'
phase fuzz "$KELVO_ROOT/scripts/fuzz.sh" 5
phase tidy tidy_findings
