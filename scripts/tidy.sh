#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clang-tidy, with the checks of .clang-tidy, over every .cpp file under
# src/ (our headers are checked through them), one file per core at a time.
# It reads the compile_commands.json of a configured build, so the files are
# analysed with the very flags they are built with. Any finding fails.
# Usage: scripts/tidy.sh [BUILD DIR, default build/]
#   configured, for example, by scripts/test.sh or by
#   cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVO_BUILD_TESTS=ON
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

build=$(cd "${1:-$KELVO_BUILD}" 2>/dev/null && pwd) ||
  { echo "usage: $0 [BUILD DIR]; ${1:-$KELVO_BUILD} is not there" >&2; exit 2; }
[ -f "$build/compile_commands.json" ] ||
  { echo "$build/compile_commands.json is missing: configure that build first" >&2; exit 2; }
kelvo_install_packages clang-tidy

# The source files of src/ alone, spelt as the build spells them: not the
# tests, nor what moc and rcc write into the build folder. run-clang-tidy
# takes a regular expression.
tree=$(sed -n 's/^KelvoWizard_SOURCE_DIR:STATIC=//p' "$build/CMakeCache.txt")
src_re="^$(printf '%s' "${tree:-$KELVO_ROOT}/src/" | sed 's/[][\\.*^$+?(){}|]/\\&/g').*\\.cpp\$"

# run-clang-tidy prints each command it runs, the count of what it left out
# of our files, and colours its findings; the log keeps the findings alone,
# in plain text.
status=0
run-clang-tidy -p "$build" -j "$(nproc)" -quiet "$src_re" 2>&1 |
  sed -e '/^clang-tidy.* -p=/d' -e '/^[0-9]* warnings\? generated\.$/d' \
    -e 's/\x1b\[[0-9;]*m//g' || status=$?
if [ "$status" -ne 0 ]; then
  echo "clang-tidy has findings (above): mend them, or mark a deliberate exception" \
    "with // NOLINT(check-name) and the reason beside it." >&2
  exit 1
fi
echo "clang-tidy: no findings in src/"
