#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program with a user's links.conf of one group and today's set
# switched off (XDG_CONFIG_HOME in a scratch folder): the button it names
# opens the file's address, composed from the start-up company (HRL), and
# another button opens its original, built-in address. A valid file is
# reported nowhere.
# Usage: e2e_overrides.sh <kelvo-wizard> <artefact folder> <Yahoo! Finance host of the build>
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

BIN="$1"
ART="$2"
YAHOO="$3"
[[ -x "$BIN" ]] || e2e_fail "no program at $BIN"

e2e_under_xvfb "1280x1024x24" "$@"
# Its own X server, whatever session the test was started from.
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
e2e_prepare
mkdir -p "$ART" "$E2E_TMP/config/kelvo-wizard"
printf '[Command11]\naddress=https://www.example.org/quote/{symbol}/competitors\n[settings]\ntoday=off\n' \
  >"$E2E_TMP/config/kelvo-wizard/links.conf"

e2e_start_app "$BIN" XDG_CONFIG_HOME="$E2E_TMP/config"
e2e_wait_window "$E2E_MAIN_CAPTION"

n=0
while IFS='|' read -r control expected; do
  control="$(xargs <<<"$control")"
  expected="${expected# }"
  n=$((n + 1))
  e2e_click "$control" -1
  e2e_wait_log "$n" || e2e_fail "$control opened nothing"
  got="$(sed -n "${n}p" "$KELVO_E2E_LOG")"
  [[ "$got" == "$expected" ]] || e2e_fail "$control opened '$got', expected '$expected'"
  e2e_note "$control -> $got"
done <<EOF2
Command11 | https://www.example.org/quote/HRL/competitors
Command23 | http://$YAHOO/q/h?s=HRL
EOF2

sleep 0.5
[[ "$(e2e_log_lines)" == "$n" ]] || e2e_fail "unexpected hand-overs: $(cat "$KELVO_E2E_LOG")"
! grep -q 'links.conf' "$E2E_TMP/app.err" ||
  e2e_fail "the valid file was reported: $(grep 'links.conf' "$E2E_TMP/app.err")"
e2e_screenshot "$WIN" "$ART/e2e_overrides.png"
echo "e2e_overrides: passed"
