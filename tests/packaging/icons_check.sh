#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The window icon resources and the committed PNG renderings of the artwork.
# A resource alias pointing at the wrong size, or a PNG left stale after the SVG was edited,
# would show a blurred or outdated icon without any build error.
# Usage: icons_check.sh <data dir>
set -uo pipefail
data=$1

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
need() { command -v "$1" >/dev/null || { echo "FAIL: $1 is missing (Debian package $2)"; exit 1; }; }
need file file
need rsvg-convert librsvg2-bin
need compare imagemagick

qrc=$data/kelvo.qrc
grep -q '<qresource prefix="/icons">' "$qrc" || fail "$qrc has no /icons prefix"

# alias in the resource file | what it must be
while read -r alias kind; do
  target=$(sed -n "s|.*<file alias=\"$alias\">\([^<]*\)</file>.*|\1|p" "$qrc")
  if [ -z "$target" ]; then fail ":/icons/$alias is not in $qrc"; continue; fi
  f=$data/$target
  [ -f "$f" ] || { fail ":/icons/$alias names $target, which does not exist"; continue; }
  info=$(file -b "$f")
  case $kind in
    png:*) n=${kind#png:}
           [[ $info == "PNG image data, $n x $n, "* ]] || fail ":/icons/$alias is not a $n x $n PNG: $info" ;;
    svg)   [[ $info == SVG* ]] || fail ":/icons/$alias is not an SVG image: $info" ;;
  esac
done <<'EOF'
16.png           png:16
32.png           png:32
48.png           png:48
256.png          png:256
kelvo-wizard.svg svg
EOF

# size | drawing it is rendered from
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
while read -r n src; do
  png=$data/icons/hicolor/${n}x${n}/apps/kelvo-wizard.png
  rsvg-convert -w "$n" -h "$n" "$data/icons/$src" -o "$tmp/$n.png" || { fail "cannot render $src"; continue; }
  # A few pixels of anti-aliasing may differ between renderer versions; an edited drawing differs more.
  differing=$(compare -metric AE -fuzz 3% "$png" "$tmp/$n.png" null: 2>&1)
  [[ $differing =~ ^[0-9]+$ ]] || { fail "cannot compare $png: $differing"; continue; }
  [ "$differing" -le $((n * n / 100)) ] \
    || fail "${n}x${n} PNG is stale: $differing pixels differ from $src (run data/icons/render.sh)"
done <<'EOF'
16  kelvo-wizard-16.svg
32  kelvo-wizard.svg
48  kelvo-wizard.svg
256 kelvo-wizard.svg
EOF

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "icon resources: all checks passed"
