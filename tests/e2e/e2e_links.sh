#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Every research button, link label and double-click of the real program,
# clicked in an X server by a new user (no links.conf, so today's addresses
# where the original ones are retired): the stand-in opener must log exactly
# the address each one stands for, composed from the start-up company (HRL,
# "Hormel Foods ", its list row selected). Message boxes are answered with
# Return.
# The program is left with its End button and must end with status 0.
# Usage: e2e_links.sh <kelvo-wizard> <artefact folder> <hosts file>
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

BIN="$1"
ART="$2"
[[ -x "$BIN" ]] || e2e_fail "no program at $BIN"
# shellcheck source=/dev/null
source "$3" || e2e_fail "no hosts file at $3"

# The placeholders of an expectation, written out with the configured hosts.
with_hosts() {
  local s="$1"
  s="${s//<google>/$E2E_HOST_GOOGLE}"
  s="${s//<valuepro>/$E2E_HOST_VALUEPRO}"
  s="${s//<berkshire>/$E2E_BERKSHIRE_ADDRESS}"
  s="${s//<maker>/$E2E_HOST_MAKER}"
  s="${s//<email>/$E2E_MAKER_EMAIL}"
  printf '%s' "$s"
}

# action    | target | boxes | expected log lines, ";;" between several, - for none
# nav: side-menu label of that step, then the caption must read the step's.
# click: a control's centre. dbl-page: a double-click on the page's bare
# background. dbl-row: a double-click on the selected directory row.
# type: replaces the text of a box. Boxes are answered before the log is read.
# <sp> stands for a space that must not be lost at the end of a line; <maker>,
# <google> and the like for the hosts this build was configured with.
read -r -d '' STEPS <<'EOF'
click    | Command28    | 0 | http://<maker>/2.htm
click    | Command17    | 0 | https://www.google.com/search?q=HRL&tbm=fin
click    | Command19    | 0 | https://finance.yahoo.com/quote/HRL/profile/
click    | Command6     | 0 | https://finance.yahoo.com/lookup/equity?s=Hormel%20Foods%20
click    | Command23    | 0 | https://finance.yahoo.com/quote/HRL/news/
click    | Command24    | 0 | https://www.bloomberg.com/search?query=HRL
click    | Command10    | 0 | https://www.sec.gov/cgi-bin/browse-edgar?action=getcompany&company=Hormel%20&owner=include
click    | Command11    | 0 | https://www.google.com/search?q=HRL+competitors
click    | Command5     | 0 | https://finance.yahoo.com/quote/HRL/financials/
dbl-page | 1            | 0 | https://finance.yahoo.com/quote/HRL/key-statistics/
dbl-row  | List1        | 0 | https://www.google.com/search?q=HRL%20%20+competitors
click    | Label3       | 0 | http://<maker>/marvanellc.htm
click    | Command13    | 9 | -
nav      | 0            | 0 | Click to Navigate
click    | Label38      | 0 | http://<maker>
click    | Label2       | 0 | mailto:<email>
nav      | 2            | 0 | Sustainable Comp Advantages ?<sp>
click    | cmdBrowseImg | 0 | http://<google>/search?hl=en&q=HRL%20competitive+advantage+Hormel%20Foods%20&btnG=Google+Search
click    | Command21    | 4 | http://<google>/search?q=site:+<berkshire>++competitive+advantage&num=30&hl=en&lr=&safe=off&as_qdr=all&filter=0
nav      | 3            | 0 | Management  ( Trust and Ability )
click    | Command2     | 0 | http://<google>/search?hl=en&q=management+competition+legal%20Hormel%20Foods%20&btnG=Google+Search
click    | Command8     | 0 | https://finance.yahoo.com/quote/HRL/key-statistics/
click    | Command22    | 0 | http://<google>/search?q=site:+<berkshire>++manage&num=30&hl=en&lr=&safe=off&as_qdr=all&filter=0
dbl-page | 3            | 0 | https://finance.yahoo.com/quote/HRL/key-statistics/
nav      | 4            | 0 | Bargain Price / Intrinsic Value
click    | Command3     | 0 | https://www.google.com/search?q=site:financialsense.com+margin+of+safety
click    | Command4     | 0 | http://<valuepro>
click    | Command26    | 0 | https://www.gurufocus.com/term/iv_dcf/HRL/
nav      | 5            | 0 | Tools
click    | Command14    | 0 | http://<maker>/marvanellc.htm
click    | Command1     | 0 | http://<maker>/2.htm
click    | Command12    | 0 | https://finance.yahoo.com/markets/
click    | Command18    | 0 | https://www.nytimes.com/section/business/dealbook
click    | Command20    | 0 | https://finance.yahoo.com/quote/BRK-B/community/
nav      | 6            | 0 | IV Estimator
click    | Command15    | 0 | https://www.wiley.com/en-us/search?pq=intelligent%20speculation
click    | Command27    | 0 | https://finance.yahoo.com/quote/HRL/key-statistics/;;calculator<sp>
nav      | 1            | 0 | Company  ( Understanding )<sp>
type     | txtTitle     | 0 | AT&T "Corp" #1 50%+10% $(id) `id`; Zoë
click    | Command6     | 0 | https://finance.yahoo.com/lookup/equity?s=AT%26T%20%22Corp%22%20%231%2050%25%2B10%25%20%24%28id%29%20%60id%60%3B%20Zo%C3%AB
EOF

# Answers one message box titled "Kelvo Wizard" with Return.
answer_box() {
  local title="$1" nth="$2" box i
  e2e_wait_window_id box "$title"
  xdotool windowfocus --sync "$box" 2>/dev/null
  xdotool key Return
  for ((i = 0; i < 50; i++)); do
    xwininfo -id "$box" 2>/dev/null | grep -q 'IsViewable' || return 0
    sleep 0.1
  done
  e2e_fail "box $nth ('$title') did not close on Return"
}

# Like e2e_wait_window, without touching WIN.
e2e_wait_window_id() {
  local -n out="$1"
  local saved="$WIN"
  e2e_wait_window "$2" 50
  out="$WIN"
  WIN="$saved"
}

wait_caption() {
  local want="$1" i now=""
  for ((i = 0; i < 50; i++)); do
    now="$(xdotool getwindowname "$WIN")"
    [[ "$now" == "$want" ]] && return 0
    sleep 0.1
  done
  e2e_fail "caption is '$now', not '$want'"
}

# The selected directory row is found on screen by its highlight: the most
# common colour in the list that is not its background, covering more than
# half a pixel row.
selected_row_centre() {
  local x y w h shot="$E2E_TMP/list.png" colour rows
  read -r x y w h < <(e2e_control_rect List1 -1)
  e2e_screenshot "$WIN" "$E2E_TMP/window.png"
  convert "$E2E_TMP/window.png" -crop "${w}x${h}+${x}+${y}" +repage "$shot"
  colour="$(convert "$shot" -format %c histogram:info:- | sort -rn |
    grep -vi '#C4F6F8' | head -n 1 | grep -Eo '#[0-9A-Fa-f]{6}')"
  rows="$(convert "$shot" txt:- | awk -v c="$colour" -v w="$w" -F'[,: ]+' '
    index($0, c) { n[$2]++ }
    END { for (r in n) if (n[r] > w / 2) print r }' | sort -n)"
  [[ -n "$rows" ]] || e2e_fail "no highlighted row found in the directory list"
  local first last
  first="$(head -n 1 <<<"$rows")"
  last="$(tail -n 1 <<<"$rows")"
  echo $((x + w / 3)) $((y + (first + last) / 2))
}

e2e_under_xvfb "1280x1024x24" "$@"
e2e_prepare
mkdir -p "$ART"
e2e_start_app "$BIN"
e2e_wait_window "$E2E_MAIN_CAPTION"

expected_total=0
step=0
while IFS='|' read -r action target boxes expected; do
  action="$(xargs <<<"$action")"
  target="$(xargs <<<"$target")"
  boxes="$(xargs <<<"$boxes")"
  expected="${expected# }"
  expected="${expected//<sp>/ }"
  [[ "$action" == type ]] || expected="$(with_hosts "$expected")"
  step=$((step + 1))
  before="$(e2e_log_lines)"
  kill -0 "$APP_PID" 2>/dev/null || e2e_fail "the program ended before step $step ($action $target)"

  case "$action" in
    nav)
      e2e_click Label1 "$target"
      wait_caption "Kelvo Training Wizard - $expected"
      continue
      ;;
    click) e2e_click "$target" -1 ;;
    dbl-page)
      # Just inside the panel's left margin, beside every control of the page.
      read -r px py _ ph < <(e2e_control_rect picStart "$target")
      e2e_click_at $((px + 10)) $((py + ph / 2)) 2
      ;;
    dbl-row)
      # Selecting a row shows the page of the step last pointed at: the
      # pointer crosses the page's background on its way, as a hand's would.
      read -r px py _ ph < <(e2e_control_rect picStart 1)
      e2e_move_to $((px + 10)) $((py + ph / 2))
      read -r rx ry < <(selected_row_centre)
      e2e_click_at "$rx" "$ry" 2
      ;;
    type)
      e2e_click "$target" -1
      xdotool windowfocus --sync "$WIN" 2>/dev/null
      xdotool key --clearmodifiers ctrl+a BackSpace
      xdotool type --delay 20 -- "$expected"
      continue
      ;;
    *) e2e_fail "unknown action '$action' in step $step" ;;
  esac

  for ((b = 1; b <= boxes; b++)); do
    answer_box "Kelvo Wizard" "$b"
  done

  if [[ "$expected" == "-" ]]; then
    # Give a stray hand-over the time one would take to show up.
    sleep 0.5
    now="$(e2e_log_lines)"
    ((now == before)) || e2e_fail "$target logged '$(tail -n 1 "$KELVO_E2E_LOG")'; expected nothing"
    e2e_note "$target: $boxes boxes, nothing opened"
    continue
  fi

  mapfile -t want < <(awk 'BEGIN { RS = ";;" } { sub(/\n$/, ""); print }' <<<"$expected")
  expected_total=$((before + ${#want[@]}))
  e2e_wait_log "$expected_total" ||
    e2e_fail "$action $target: expected '${want[*]}', the log holds: $(tail -n +$((before + 1)) "$KELVO_E2E_LOG")"
  mapfile -t got < <(tail -n +$((before + 1)) "$KELVO_E2E_LOG")
  for i in "${!want[@]}"; do
    [[ "${got[$i]:-}" == "${want[$i]}" ]] ||
      e2e_fail "$action $target: line $((i + 1)) is '${got[$i]:-}', expected '${want[$i]}'"
  done
  e2e_note "$action $target -> ${want[*]}"
done <<<"$STEPS"

# Nothing may arrive late, beyond what was asked for.
sleep 0.5
[[ "$(e2e_log_lines)" == "$expected_total" ]] ||
  e2e_fail "the log holds $(e2e_log_lines) lines, expected $expected_total: $(tail -n +$((expected_total + 1)) "$KELVO_E2E_LOG")"

e2e_click cmdCancel -1
answer_box "End Program" 1
e2e_wait_exit || e2e_fail "the program did not end after End and Yes"
[[ "$APP_STATUS" == 0 ]] || e2e_fail "the program ended with status $APP_STATUS"
e2e_note "End and Yes: the program ended with status 0"
echo "e2e_links: passed ($step steps)"
