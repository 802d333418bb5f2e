#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clang-tidy, with the checks of .clang-tidy, over every .cpp file under
# src/ (our headers are checked through them), one file per core at a time.
# It reads the compile_commands.json of a configured build, so the files are
# analysed with the very flags they are built with. Any finding fails.
# Usage: scripts/tidy.sh [BUILD DIR, default build/ [FILE...]]
#   FILEs (.cpp files under src/) narrow the run down to them. The build is
#   configured, for example, by scripts/test.sh or by
#   cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKELVO_BUILD_TESTS=ON
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

build=$(cd "${1:-$KELVO_BUILD}" 2>/dev/null && pwd) ||
  { echo "usage: $0 [BUILD DIR [FILE...]]; ${1:-$KELVO_BUILD} is not there" >&2; exit 2; }
[ $# -gt 0 ] && shift
db=$build/compile_commands.json
[ -f "$db" ] || { echo "$db is missing: configure that build first" >&2; exit 2; }
kelvo_install_packages clang-tidy

# The .cpp files of src/ as the build names them: not the tests, nor what
# moc and rcc write into the build folder.
tree=$(sed -n 's/^KelvoWizard_SOURCE_DIR:STATIC=//p' "$build/CMakeCache.txt")
mapfile -t known < <(python3 - "$db" "${tree:-$KELVO_ROOT}/src/" <<'EOF'
import json, os, sys
for entry in json.load(open(sys.argv[1])):
    path = os.path.join(entry["directory"], entry["file"])
    if path.startswith(sys.argv[2]) and path.endswith(".cpp"):
        print(path)
EOF
)
files=("${known[@]}")
if [ $# -gt 0 ]; then
  files=()
  for file in "$@"; do
    path=$(realpath -m "$file")
    printf '%s\n' "${known[@]}" | grep -qxF "$path" ||
      { echo "$file is not a .cpp file of src/ in $db" >&2; exit 2; }
    files+=("$path")
  done
fi
[ ${#files[@]} -gt 0 ] || { echo "$db names no .cpp file of src/" >&2; exit 2; }

# run-clang-tidy takes the files as one regular expression. It prints each
# command it runs and how many warnings it left out (those of Qt and the
# standard library) and colours its findings: the log keeps the findings
# alone, in plain text.
regex="^($(printf '%s\n' "${files[@]}" | sed 's/[][\\.*^$+?(){}|]/\\&/g' | paste -sd'|'))\$"
status=0
run-clang-tidy -p "$build" -j "$(nproc)" -quiet "$regex" 2>&1 |
  sed -e 's/\x1b\[[0-9;]*m//g' -e '/^clang-tidy.* -p=/d' \
    -e '/^[0-9]* warnings\? generated\.$/d' || status=$?
if [ "$status" -ne 0 ]; then
  echo "clang-tidy has findings (above): mend them, or mark a deliberate exception" \
    "with // NOLINT(check-name) and the reason beside it." >&2
  exit 1
fi
echo "clang-tidy: no findings in ${#files[@]} files"
