#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks (Release) and runs them all: start-up against a bare
# Qt window (and a bare window linked with QtNetwork), the window's handlers,
# the Valuation Workbench, Financial History opened from the cache, the
# directory lookups, the list of studies and its window, and reading a
# company's facts.
# Usage: scripts/bench.sh [RUNS of each start-up, default 30]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

runs=${1:-30}
case $runs in '' | *[!0-9]* | 0) echo "usage: $0 [RUNS]" >&2; exit 2 ;; esac
build=${KELVO_BENCH_BUILD:-$KELVO_ROOT/build-bench}

kelvo_install_packages "${KELVO_PACKAGES[@]}" xvfb xauth
cmake -S "$KELVO_ROOT" -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DKELVO_BUILD_TESTS=OFF -DKELVO_BUILD_BENCH=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)" >/dev/null
bin=$build/bench

# Qt wants a private runtime folder; a throw-away one keeps its warning out.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
export LC_ALL=C.UTF-8

echo "== kelvo benchmarks ($(nproc) cores, $(date -u +%Y-%m-%d))"
"$bin/bench_lookups"
"$bin/bench_filings"
"$bin/bench_study_list"
QT_QPA_PLATFORM=offscreen "$bin/bench_studies_window" 2>/dev/null
echo
QT_QPA_PLATFORM=offscreen "$bin/bench_handlers" 2>/dev/null
echo
# The workbench opens as a real X11 window would, so under Xvfb too.
xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb "$bin/bench_workbench" 2>/dev/null
echo
xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb "$bin/bench_history_window" 2>/dev/null
echo
# Start-up on a real X server (Xvfb) through the xcb platform, as on a desktop.
xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb \
  "$bin/bench_startup_runner" "$runs" "$bin/bench_bare_window" "$bin/bench_startup_wizard"
# What linking the network library alone costs a bare window.
xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb \
  "$bin/bench_startup_runner" "$runs" "$bin/bench_bare_window" "$bin/bench_bare_window_network" \
  "bare + QtNetwork"
