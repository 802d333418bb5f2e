#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
# SPDX-License-Identifier: GPL-3.0-or-later
# An opener that fails: the real program shows a warning box titled "Kelvo
# Wizard" after the title label's page and after the e-mail label's address
# were handed over, and each box closes with Return. A screenshot of the
# first box is kept.
# Usage: e2e_refused.sh <kelvo-wizard> <artefact folder> <hosts file>
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

BIN="$1"
ART="$2"
[[ -x "$BIN" ]] || e2e_fail "no program at $BIN"
# shellcheck source=/dev/null
source "$3" || e2e_fail "no hosts file at $3"

# Clicks a label, waits for the hand-over and the box, closes it with Return.
refused_box() {
  local control="$1" index="$2" want="$3" shot="${4:-}" before main="$WIN" box i
  before="$(e2e_log_lines)"
  e2e_click "$control" "$index"
  e2e_wait_log $((before + 1)) || e2e_fail "$control handed nothing over"
  [[ "$(tail -n 1 "$KELVO_E2E_LOG")" == "$want" ]] ||
    e2e_fail "$control handed over '$(tail -n 1 "$KELVO_E2E_LOG")', expected '$want'"
  e2e_wait_window "Kelvo Wizard" 50
  box="$WIN"
  WIN="$main"
  if [[ -n "$shot" ]]; then
    e2e_screenshot "$box" "$shot"
    e2e_not_blank "$shot"
  fi
  xdotool windowfocus --sync "$box" 2>/dev/null
  xdotool key Return
  for ((i = 0; i < 50; i++)); do
    xwininfo -id "$box" 2>/dev/null | grep -q 'IsViewable' || return 0
    sleep 0.1
  done
  e2e_fail "the box after $control did not close on Return"
}

e2e_under_xvfb "1280x1024x24" "$@"
e2e_prepare
mkdir -p "$ART"
e2e_start_app "$BIN" KELVO_E2E_OPENER_STATUS=4
e2e_wait_window "$E2E_MAIN_CAPTION"

refused_box Label3 -1 "http://$E2E_HOST_MAKER/marvanellc.htm" "$ART/e2e_refused_box.png"
e2e_note "title label: the page was refused and the box shown"
e2e_click Label1 0
refused_box Label2 -1 "mailto:$E2E_MAKER_EMAIL"
e2e_note "e-mail label: the address was refused and the box shown"
kill -0 "$APP_PID" 2>/dev/null || e2e_fail "the program ended"
echo "e2e_refused: passed"
