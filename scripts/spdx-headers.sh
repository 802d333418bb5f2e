#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Puts the copyright and licence header at the top of every tracked source and
# build file that lacks one, in the file's own comment style (after a "#!" or
# "<?xml" first line). Files that cannot take a header are covered by
# .reuse/dep5 instead. Safe to run again: files that have a header are left alone.
# Usage: scripts/spdx-headers.sh [--check]   (--check lists files without changing them)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# REUSE-IgnoreStart
copyright='SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors'
licence='SPDX-License-Identifier: GPL-3.0-or-later'
# REUSE-IgnoreEnd
check=false
[[ ${1:-} == --check ]] && check=true

style_of() {
  case $1 in
    LICENSE | LICENSES/* | .reuse/* | .ci/* | data/copyright | fuzz/corpus/* | *.png | *.ts | *.json) echo none ;;
    *.cpp | *.h | *.h.in) echo slashes ;;
    *.xml | *.svg | *.qrc) echo xml ;;
    *.md) echo html ;;
    *) echo hash ;;
  esac
}

missing=0
while IFS= read -r -d '' file; do
  [[ -f $file ]] || continue
  style=$(style_of "$file")
  [[ $style == none ]] && continue
  head -n 12 "$file" | grep -qF "${licence%%:*}:" && continue
  missing=$((missing + 1))
  if $check; then
    echo "no licence header: $file"
    continue
  fi
  case $style in
    slashes) header="// $copyright"$'\n'"// $licence"$'\n' ;;
    hash) header="# $copyright"$'\n'"# $licence"$'\n' ;;
    xml | html) header="<!-- $copyright -->"$'\n'"<!-- $licence -->"$'\n' ;;
  esac
  first=$(head -n 1 "$file")
  tmp=$(mktemp)
  if [[ $first == '#!'* || $first == '<?xml'* ]]; then
    { printf '%s\n' "$first"; printf '%s' "$header"; tail -n +2 "$file"; } >"$tmp"
  else
    { printf '%s\n' "$header"; cat "$file"; } >"$tmp"
  fi
  cat "$tmp" >"$file" # keeps the file's mode
  rm -f "$tmp"
  echo "header added: $file"
done < <(git ls-files -z)

if $check && ((missing > 0)); then
  echo "$missing file(s) without a licence header: run scripts/spdx-headers.sh" >&2
  exit 1
fi
