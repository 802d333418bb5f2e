#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The real window at scale 1 and 2: exactly 609x438 and 1218x876 device
# pixels, placed alike, and the 2x picture halved looks like the 1x one,
# right and bottom edges included (nothing cut off, nothing left unpainted).
# Text is drawn afresh at 2x, so the pictures are compared loosely.
# Usage: e2e_scale.sh <kelvo-wizard> <artefact folder>
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

BIN="$1"
ART="$2"
[[ -x "$BIN" ]] || e2e_fail "no program at $BIN"

# Normalised RMSE of two pictures of one size (0 same, 1 opposite).
rmse() {
  local out
  out="$(compare -metric RMSE "$1" "$2" null: 2>&1)"
  grep -Eo '\(([0-9.e+-]+)\)' <<<"$out" | tr -d '()' | head -n 1
}

below() { awk -v v="$1" -v max="$2" 'BEGIN { exit !(v != "" && v + 0 <= max) }'; }

# Starts the program at one scale, checks its window and keeps its picture.
shoot() {
  local scale="$1" out="$2" x y w h sw i sd
  e2e_start_app "$BIN" QT_SCALE_FACTOR="$scale"
  e2e_wait_window "$E2E_MAIN_CAPTION"
  read -r x y w h < <(e2e_geometry "$WIN")
  e2e_note "scale $scale: window at $x,$y size ${w}x$h"
  [[ "$w" == $((609 * scale)) && "$h" == $((438 * scale)) ]] ||
    e2e_fail "at scale $scale the window is ${w}x$h, not $((609 * scale))x$((438 * scale))"
  [[ "$y" == $((133 * scale)) ]] || e2e_fail "at scale $scale the window top is at y=$y"
  sw="$(xwininfo -root | awk '/^ *Width:/ { print $NF }')"
  ((sw - w - 2 * x >= -scale && sw - w - 2 * x <= scale)) ||
    e2e_fail "at scale $scale the window is not centred (left $x on a screen $sw wide)"
  for ((i = 0; i < 30; i++)); do
    e2e_screenshot "$WIN" "$out"
    sd="$(convert "$out" -format '%[fx:standard_deviation]' info:)"
    below "$sd" 0.01 || break
    sleep 0.1
  done
  e2e_not_blank "$out"
  kill "$APP_PID"
  e2e_wait_exit || e2e_fail "the program at scale $scale did not end when asked to"
}

e2e_under_xvfb "2560x1600x24" "$@"
e2e_prepare
mkdir -p "$ART"

one="$ART/window-1x.png"
two="$ART/window-2x.png"
half="$E2E_TMP/window-2x-half.png"
shoot 1 "$one"
shoot 2 "$two"
convert "$two" -filter Box -resize 50% "$half"
read -r hw hh < <(convert "$half" -format '%w %h' info:)
[[ "$hw" == 609 && "$hh" == 438 ]] || e2e_fail "the halved 2x picture is ${hw}x$hh"

whole="$(rmse "$one" "$half")"
e2e_note "RMSE of the 1x picture against the halved 2x picture: $whole"
below "$whole" 0.12 || e2e_fail "the 2x window does not look like the 1x window (RMSE $whole)"

# The strips along the right and bottom edges hold the End button and the
# page frames: a control cut off or a background left unpainted at 2x shows
# there first.
for strip in "60x438+549+0 right" "609x60+0+378 bottom"; do
  read -r geometry where <<<"$strip"
  convert "$one" -crop "$geometry" +repage "$E2E_TMP/a.png"
  convert "$half" -crop "$geometry" +repage "$E2E_TMP/b.png"
  value="$(rmse "$E2E_TMP/a.png" "$E2E_TMP/b.png")"
  sd="$(convert "$E2E_TMP/b.png" -format '%[fx:standard_deviation]' info:)"
  e2e_note "$where strip: RMSE $value, 2x standard deviation $sd"
  below "$value" 0.15 || e2e_fail "the $where strip differs between 1x and 2x (RMSE $value)"
  below "$sd" 0.02 && e2e_fail "the $where strip of the 2x window is empty"
done
echo "e2e_scale: passed (RMSE $whole)"
