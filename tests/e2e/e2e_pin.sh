#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The pinned top edge on a real X server of a given size, at scale 1 and 2:
# where the window first appears, that a dragged window stays put while the
# caret blinks in the symbol box and the pointer lights a button, and that a
# window repaint ("R", or unmapping and mapping) brings the edge back while
# keeping the dragged left edge. At scale 2 the whole window stays on the
# screen. Usage: e2e_pin.sh <kelvo-wizard> <artefact folder> <WxH> <top at 1x> <top at 2x>
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

BIN="$1"
ART="$2"
SCREEN="$3"
declare -A TOP=([1]="$4" [2]="$5")
[[ -x "$BIN" ]] || e2e_fail "no program at $BIN"

# Waits until the window's top-left corner is at x,y; fails with what it is.
wait_at() {
  local want="$1" what="$2" i x y w h
  for ((i = 0; i < 30; i++)); do
    read -r x y w h < <(e2e_geometry "$WIN")
    [[ "$x,$y" == "$want" ]] && return 0
    sleep 0.1
  done
  e2e_fail "$what: the window is at $x,$y, not $want"
}

check_scale() {
  local scale="$1" top="${TOP[$1]}" x y w h sh
  e2e_start_app "$BIN" QT_SCALE_FACTOR="$scale"
  e2e_wait_window "$E2E_MAIN_CAPTION"
  read -r x y w h < <(e2e_geometry "$WIN")
  e2e_note "scale $scale on $SCREEN: window at $x,$y size ${w}x$h"
  [[ "$y" == "$top" ]] || e2e_fail "at scale $scale the window top is at y=$y, not $top"
  sh="$(xwininfo -root | awk '/^ *Height:/ { print $NF }')"
  ((y + h <= sh)) || e2e_fail "at scale $scale the window reaches y=$((y + h)) on a screen $sh high"

  # The caret blinks in the symbol box and the pointer rests on a button:
  # both repaint controls, neither is a window repaint.
  xdotool windowfocus --sync "$WIN" 2>/dev/null
  # The pointer crosses the company page's background on its way to the box,
  # as a hand's would, so leaving the box keeps the company page in view.
  read -r px py _ ph < <(e2e_control_rect picStart 1)
  e2e_move_to $(((px + 10) * scale)) $(((py + ph / 2) * scale))
  read -r sx sy < <(e2e_control_centre ssymbol -1)
  e2e_click_at $((sx * scale)) $((sy * scale))
  xdotool windowmove "$WIN" 100 300
  wait_at "100,300" "after the move"
  read -r bx by < <(e2e_control_centre cmdNext -1)
  e2e_move_to $((bx * scale)) $((by * scale))
  sleep 2
  read -r x y w h < <(e2e_geometry "$WIN")
  [[ "$x,$y" == "100,300" ]] ||
    e2e_fail "at scale $scale the window left 100,300 for $x,$y while only controls repainted"

  # "R" repaints the whole window.
  read -r rx ry < <(e2e_control_centre Command16 -1)
  e2e_click_at $((rx * scale)) $((ry * scale))
  wait_at "100,$top" "after R"

  # Unmapped and mapped again: uncovered, so repainted.
  xdotool windowmove "$WIN" 100 300
  wait_at "100,300" "after the second move"
  xdotool windowunmap --sync "$WIN"
  xdotool windowmap --sync "$WIN"
  wait_at "100,$top" "after unmapping and mapping"
  e2e_note "scale $scale: stayed at 100,300 while the caret blinked; back at 100,$top after R and after mapping"
  kill "$APP_PID"
  e2e_wait_exit || e2e_fail "the program at scale $scale did not end when asked to"
}

e2e_under_xvfb "${SCREEN}x24" "$@"
e2e_prepare
check_scale 1
check_scale 2
echo "e2e_pin: passed ($SCREEN)"
