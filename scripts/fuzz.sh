#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds every fuzz target with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, then runs each for a bounded time on a copy of
# its seed corpus, as many at once as there are cores.
# Usage: scripts/fuzz.sh [SECONDS per target, default 10]
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

# One target per core at a time, each for its full time; each writes its
# exit status beside its log, and the results are told in name order.
fuzz_one() { # binary work-folder
  local bin=$1 dir=$2 name
  name=$(basename "$bin")
  mkdir -p "$dir/corpus" "$dir/findings"
  local seeds=$KELVO_ROOT/fuzz/corpus/${name#fuzz_}
  [ -d "$seeds" ] && cp -R "$seeds/." "$dir/corpus/"
  local status=0
  "$bin" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$dir/findings/" "$dir/corpus" >"$dir/log" 2>&1 || status=$?
  echo "$status" >"$dir/status"
}

targets=()
for bin in "$build"/fuzz_*; do
  [ -f "$bin" ] && [ -x "$bin" ] || continue
  targets+=("$bin")
  while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do wait -n || true; done
  fuzz_one "$bin" "$work/$(basename "$bin")" &
done
wait
[ ${#targets[@]} -gt 0 ] || { echo "no fuzz_* targets built in $build" >&2; exit 1; }

status=0
total=0
for bin in "${targets[@]}"; do
  name=$(basename "$bin")
  dir=$work/$name
  if [ "$(cat "$dir/status" 2>/dev/null)" = 0 ]; then
    runs=$(awk '/stat::number_of_executed_units/ {print $2}' "$dir/log")
    runs=${runs:-0}
    total=$((total + runs))
    echo "$name: $runs executions in ${seconds} s ($((runs / (seconds > 0 ? seconds : 1))) per second)"
  else
    status=1
    kept=$build/findings/$name
    mkdir -p "$kept"
    cp -R "$dir/findings/." "$kept/"
    echo "$name: FINDING (inputs kept in $kept)" >&2
    tail -n 60 "$dir/log" >&2 || true
  fi
done
echo "fuzzing: $total executions in total"
exit $status
