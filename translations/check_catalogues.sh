#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Every text marked for translation in the sources is in every catalogue:
# lupdate runs on a copy of each, and a text it would add is one missing.
# Usage: check_catalogues.sh <lupdate> <source folder> <catalogue.ts>...
set -uo pipefail
lupdate=$1 sources=$2
shift 2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
for ts in "$@"; do
  copy=$tmp/$(basename "$ts")
  cp "$ts" "$copy"
  if ! "$lupdate" -locations none -tr-function-alias QT_TRANSLATE_NOOP+=KELVO_TRANSLATE_NOOP \
    -extensions cpp,h -recursive "$sources" -ts "$copy" >"$tmp/log" 2>&1; then
    cat "$tmp/log"; echo "FAIL: lupdate failed on $ts"; failures=$((failures + 1)); continue
  fi
  if ! grep -q '(0 new and' "$tmp/log"; then
    echo "FAIL: $ts lacks texts marked in the sources ($(grep -o '([0-9]* new and [^)]*)' "$tmp/log")):"
    diff <(grep -o '<source>.*' "$ts" | sort) <(grep -o '<source>.*' "$copy" | sort) | grep '^>'
    echo "Run: cmake --build build --target update_translations"
    failures=$((failures + 1))
  fi
done
[ "$failures" -eq 0 ] && echo "catalogues: every marked text is present"
exit $((failures > 0))
