#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds every fuzz target with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, then runs each for a bounded time on a copy of
# its seed corpus. Usage: scripts/fuzz.sh [SECONDS per target, default 10]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

seconds=${1:-10}
case $seconds in '' | *[!0-9]*) echo "usage: $0 [SECONDS]" >&2; exit 2 ;; esac
build=${KELVO_FUZZ_BUILD:-$KELVO_ROOT/build-fuzz}

kelvo_install_packages cmake make
kelvo_install_clang
cmake -S "$KELVO_ROOT/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel "$(nproc)"

# The repository's corpus stays as it is: each run grows a throw-away copy.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
total=0
found=0
for bin in "$build"/fuzz_*; do
  [ -f "$bin" ] && [ -x "$bin" ] || continue
  found=$((found + 1))
  name=$(basename "$bin")
  corpus=$work/$name/corpus
  mkdir -p "$corpus" "$work/$name/findings"
  seeds=$KELVO_ROOT/fuzz/corpus/${name#fuzz_}
  [ -d "$seeds" ] && cp -R "$seeds/." "$corpus/"
  log=$work/$name/log
  if "$bin" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$work/$name/findings/" "$corpus" >"$log" 2>&1; then
    runs=$(awk '/stat::number_of_executed_units/ {print $2}' "$log")
    runs=${runs:-0}
    total=$((total + runs))
    echo "$name: $runs executions in ${seconds} s ($((runs / (seconds > 0 ? seconds : 1))) per second)"
  else
    status=1
    kept=$build/findings/$name
    mkdir -p "$kept"
    cp -R "$work/$name/findings/." "$kept/"
    echo "$name: FINDING (inputs kept in $kept)" >&2
    tail -n 60 "$log" >&2
  fi
done
[ "$found" -gt 0 ] || { echo "no fuzz_* targets built in $build" >&2; exit 1; }
echo "fuzzing: $total executions in total"
exit $status
