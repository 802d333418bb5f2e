#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The window's shortcuts on X11, where Qt's text boxes have key bindings of
# their own: Ctrl+4, Ctrl+7 and Ctrl+1 go to those steps while a text box has
# the focus, Ctrl+L, Ctrl+I and Ctrl+Shift+O open Research Links, the Valuation
# Workbench and Studies, and F1 there shows the help.
# Usage: e2e_keys.sh <kelvo-wizard> <artefact folder>
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_begin "1280x1024x24" "$@"

e2e_start_app "$BIN"
e2e_wait_window "$E2E_MAIN_CAPTION"

# Presses keys with a text box focused by a click, then waits for the caption.
key_in_box() {
  local box="$1" keys="$2" caption="$3"
  e2e_click "$box"
  xdotool key --clearmodifiers "$keys"
  e2e_wait_window "$caption" 50
  e2e_note "$keys in $box: '$caption'"
}

key_in_box ssymbol ctrl+4 "Kelvo Training Wizard - Management  ( Trust and Ability )"
xdotool key --clearmodifiers ctrl+7
e2e_wait_window "Kelvo Training Wizard - IV Estimator" 50
key_in_box txtshares ctrl+1 "$E2E_MAIN_CAPTION"
# The program's own windows open from a text box too; the wizard is raised
# again over each, and the pointer leaves the box (a move with --sync to
# where it already is waits for its timeout).
main="$WIN"
for row in "ctrl+l Research Links" "ctrl+i Valuation Workbench" "ctrl+shift+o Studies"; do
  key_in_box ssymbol "${row%% *}" "${row#* }"
  xdotool windowraise "$main" mousemove 0 0
  WIN="$main"
done

e2e_click ssymbol
xdotool key --clearmodifiers F1
e2e_wait_window "Kelvo Wizard" 50
e2e_screenshot "$WIN" "$ART/e2e_keys_help.png"
e2e_note "F1 in the symbol box shows the help"
