#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program starts in an X server: its window appears with its caption,
# at its fixed size, with the WM_CLASS its desktop entry names, pinned at its
# top edge and centred across the screen;
# without any display it says so in one sentence instead of aborting.
# Usage: e2e_start.sh <kelvo-wizard> <artefact folder>
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

BIN="$1"
ART="$2"
[[ -x "$BIN" ]] || e2e_fail "no program at $BIN"

check_without_display() {
  local out err status=0
  out="$E2E_TMP/nodisplay.out"
  err="$E2E_TMP/nodisplay.err"
  timeout 20 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$BIN" >"$out" 2>"$err" || status=$?
  ((status != 0)) || e2e_fail "without a display the program exited with status 0"
  ((status != 124)) || e2e_fail "without a display the program did not end"
  # A signal (Qt's abort) would show as 128 and more.
  ((status < 128)) || e2e_fail "without a display the program died of signal $((status - 128))"
  local lines
  lines="$(grep -c . "$err")"
  [[ "$lines" == 1 ]] || { cat "$err" >&2; e2e_fail "expected one line on stderr, got $lines"; }
  grep -Eq '^[A-Za-z].*[.!]$' "$err" || e2e_fail "stderr is not one sentence: $(cat "$err")"
  if grep -Eqi 'qt\.qpa|could not connect|abort|plugin' "$err"; then
    e2e_fail "stderr carries Qt's own failure text: $(cat "$err")"
  fi
  [[ ! -s "$out" ]] || e2e_fail "stdout is not empty: $(cat "$out")"
  e2e_note "without a display: status $status, '$(cat "$err")'"
}

e2e_under_xvfb "1280x1024x24" "$@"
e2e_prepare
mkdir -p "$ART"

check_without_display

e2e_start_app "$BIN"
e2e_wait_window "$E2E_MAIN_CAPTION"
read -r x y w h < <(e2e_geometry "$WIN")
e2e_note "window $WIN at $x,$y size ${w}x$h"
[[ "$w" == 609 && "$h" == 438 ]] || e2e_fail "window is ${w}x$h, not 609x438"
# Docks match a window to its launcher by WM_CLASS: its class is the desktop
# entry's StartupWMClass.
entry="$(dirname "${BASH_SOURCE[0]}")/../../data/example.marvane.KelvoWizard.desktop"
wm_class="$(xprop -id "$WIN" WM_CLASS)"
startup_class="$(sed -n 's/^StartupWMClass=//p' "$entry")"
[[ -n "$startup_class" && "$wm_class" == *", \"$startup_class\"" ]] ||
  e2e_fail "WM_CLASS is '$wm_class', the desktop entry's StartupWMClass '$startup_class'"
# 2000 twips from the top of the screen, rounded as every position is.
[[ "$y" == 133 ]] || e2e_fail "window top is at y=$y, not 133"
screen_w="$(xwininfo -root | awk '/^ *Width:/ { print $NF }')"
centre_gap=$((screen_w - w - 2 * x))
((centre_gap >= -1 && centre_gap <= 1)) ||
  e2e_fail "window is not centred: left $x, width $w on a screen $screen_w wide"

# The window must have painted before its picture is taken; a picture that
# is still one flat colour means it has not.
for ((i = 0; i < 30; i++)); do
  e2e_screenshot "$WIN" "$ART/window.png"
  sd="$(convert "$ART/window.png" -format '%[fx:standard_deviation]' info:)"
  awk -v sd="$sd" 'BEGIN { exit !(sd > 0.01) }' && break
  sleep 0.1
done
e2e_not_blank "$ART/window.png"
read -r sw sh < <(convert "$ART/window.png" -format '%w %h' info:)
[[ "$sw" == 609 && "$sh" == 438 ]] || e2e_fail "screenshot is ${sw}x$sh"
e2e_note "screenshot $ART/window.png (standard deviation $sd)"

# Dragged lower, then covered and uncovered: the top edge returns to 133 at
# the repaint, the left edge stays where it was dragged.
xdotool windowmove "$WIN" 100 300
for ((i = 0; i < 30; i++)); do
  read -r x y w h < <(e2e_geometry "$WIN")
  [[ "$x,$y" == "100,300" ]] && break
  sleep 0.1
done
[[ "$x,$y" == "100,300" ]] || e2e_fail "the window could not be moved to 100,300 (at $x,$y)"
xdotool windowunmap --sync "$WIN"
xdotool windowmap --sync "$WIN"
for ((i = 0; i < 30; i++)); do
  read -r x y w h < <(e2e_geometry "$WIN")
  [[ "$y" == 133 ]] && break
  sleep 0.1
done
[[ "$x,$y" == "100,133" ]] || e2e_fail "after uncovering, the window is at $x,$y, not 100,133"
e2e_note "dragged to 100,300 and uncovered: back at $x,$y"

kill -0 "$APP_PID" 2>/dev/null || e2e_fail "the program ended by itself"
echo "e2e_start: passed"
