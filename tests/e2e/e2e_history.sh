#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Financial History in the real program, by keyboard, against a local server
# standing in for the SEC (Python's http.server, through KELVO_SEC_BASE_URL):
# a symbol typed in the wizard, Ctrl+H, the contact typed and Return to
# download; the table read as assistive tools read it (AT-SPI); "Use in
# Workbench" fills the workbench's earnings per share; the server saw the
# program's name and the contact in each request's User-Agent, and nothing
# was asked before the download.
# Usage: e2e_history.sh <kelvo-wizard> <artefact folder> <fixtures> <version>
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

BIN="$1"
ART="$2"
FIXTURES="$3"
VERSION="$4"
[[ -x "$BIN" ]] || e2e_fail "no program at $BIN"

e2e_under_xvfb "1920x1080x24" "$@"
e2e_require python3 gdbus dbus-run-session
# A session bus of its own, on which the accessibility bus starts.
if [[ -z "${KELVO_E2E_DBUS:-}" ]]; then
  KELVO_E2E_DBUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
e2e_prepare
mkdir -p "$ART"
READ="python3 $E2E_DIR/atspi_read.py"
CONTACT="ada@example.com"

# --- The stand-in SEC: the fixtures at the SEC's own paths ---
SITE="$E2E_TMP/site"
mkdir -p "$SITE/files" "$SITE/api/xbrl/companyfacts"
cp "$FIXTURES/company_tickers_exchange.json" "$SITE/files/"
cp "$FIXTURES/CIK0000320193.json" "$SITE/api/xbrl/companyfacts/"
AGENTS="$E2E_TMP/agents.log"
: >"$AGENTS"
python3 - "$SITE" "$AGENTS" "$E2E_TMP/port" <<'EOF' &
import functools, http.server, sys
site, agents, port_file = sys.argv[1:4]
class Handler(http.server.SimpleHTTPRequestHandler):
    def do_GET(self):
        with open(agents, "a") as log:
            log.write(f"{self.path} {self.headers.get('User-Agent')}\n")
        super().do_GET()
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0),
                                         functools.partial(Handler, directory=site))
with open(port_file, "w") as out:
    out.write(str(server.server_address[1]))
server.serve_forever()
EOF
SERVER_PID=$!
trap 'kill "$SERVER_PID" 2>/dev/null; e2e_cleanup' EXIT
for _ in $(seq 50); do [[ -s "$E2E_TMP/port" ]] && break; sleep 0.1; done
[[ -s "$E2E_TMP/port" ]] || e2e_fail "the stand-in server did not start"
BASE="http://127.0.0.1:$(cat "$E2E_TMP/port")"

# Polls a command until it succeeds (10 s); its output is in $OUT.
poll() {
  local i
  for ((i = 0; i < 100; i++)); do
    OUT="$("$@" 2>"$E2E_TMP/poll.err")" && return 0
    sleep 0.1
  done
  return 1
}

# --- Symbol typed, Ctrl+H, contact typed, Return ---
e2e_start_app "$BIN" KELVO_SEC_BASE_URL="$BASE" XDG_CACHE_HOME="$E2E_TMP/cache" \
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
e2e_wait_window "$E2E_MAIN_CAPTION"
MAIN="$WIN"
e2e_click ssymbol
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 30 AAPL
xdotool key --clearmodifiers Return ctrl+h
e2e_wait_window "Financial History - AAPL"
HISTORY="$WIN"
xdotool windowfocus --sync "$HISTORY" 2>/dev/null
[[ -s "$AGENTS" ]] && e2e_fail "the SEC was asked before the download: $(cat "$AGENTS")"
xdotool key --clearmodifiers alt+c
xdotool type --delay 20 "$CONTACT"
xdotool key --clearmodifiers Return

# --- The table, as assistive tools read it ---
table_filled() {
  $READ table "Financial History - AAPL" "Financial history" >"$E2E_TMP/table.txt" &&
    grep -q $'^Revenue\t.*[0-9]' "$E2E_TMP/table.txt"
}
poll table_filled || e2e_fail "the table was not filled: $(cat "$E2E_TMP/poll.err" "$E2E_TMP/table.txt")"
e2e_note "table: $(head -n 3 "$E2E_TMP/table.txt" | tr '\t\n' '| ')"
head -n 1 "$E2E_TMP/table.txt" | grep -q $'\tFY2015\t.*\tFY2021$' ||
  e2e_fail "the column headers are not the fiscal years: $(head -n 1 "$E2E_TMP/table.txt")"
for heading in "Revenue" "Earnings per share (diluted)" "Book value per share" \
  "Debt / free cash flow (years)"; do
  awk -F'\t' -v h="$heading" '$1 == h { found = 1 } END { exit !found }' "$E2E_TMP/table.txt" ||
    e2e_fail "no row '$heading'"
done
[[ "$(grep -c . "$E2E_TMP/table.txt")" == 15 ]] || e2e_fail "not 13 rows: $(cat "$E2E_TMP/table.txt")"
grep -q '^#.*10-K' "$E2E_TMP/table.txt" ||
  e2e_fail "the newest revenue cell does not say where it comes from: $(tail -n 1 "$E2E_TMP/table.txt")"
e2e_screenshot "$HISTORY" "$ART/e2e_history.png"
e2e_not_blank "$ART/e2e_history.png"

# --- Use in Workbench ---
xdotool windowfocus --sync "$HISTORY" 2>/dev/null
xdotool key --clearmodifiers alt+w
e2e_wait_window "Valuation Workbench"
EPS="$(awk -F'\t' '$1 == "Earnings per share (diluted)" { print $NF }' "$E2E_TMP/table.txt")"
eps_taken() { [[ "$($READ text "Valuation Workbench" "Earnings per share")" == "$EPS" ]]; }
poll eps_taken || e2e_fail "the workbench's earnings per share are not $EPS: $OUT"

# --- What the server saw ---
[[ "$(wc -l <"$AGENTS")" == 2 ]] || e2e_fail "not two requests: $(cat "$AGENTS")"
grep -q "^/files/company_tickers_exchange.json kelvo-wizard/$VERSION $CONTACT$" "$AGENTS" &&
  grep -q "^/api/xbrl/companyfacts/CIK0000320193.json kelvo-wizard/$VERSION $CONTACT$" "$AGENTS" ||
  e2e_fail "the requests did not name the program and the contact: $(cat "$AGENTS")"
WIN="$MAIN"
e2e_note "downloaded, read through AT-SPI and taken into the workbench (EPS $EPS)"
