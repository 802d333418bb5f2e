#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
# SPDX-License-Identifier: GPL-3.0-or-later

# The command line of the real binary, with no display at all: --help,
# --version and --list-links answer and exit 0, also beside Qt's own options;
# an unknown option or any other argument is one line on standard error and
# status 2; a failed write is status 1; and --list-links names where each
# address came from: today's set unless the user switched it off, the built-in
# address (retired or not), or an override file.
# Usage: command_line.sh <kelvo-wizard> <version> <Yahoo! Finance host> <ValuePro host>
set -uo pipefail
BIN="$1" VERSION="$2" YAHOO="$3" VALUEPRO="$4"
TMP="$(mktemp -d)"
trap 'rm -rf "$TMP"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# run <name> <args...>: status in RC, output in $TMP/<name>.out and .err
run() {
  local name="$1"
  shift
  timeout 20 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$TMP/config" \
    XDG_DATA_DIRS="$TMP/data" "$BIN" "$@" >"$TMP/$name.out" 2>"$TMP/$name.err"
  RC=$?
}

run help --help
[[ $RC == 0 ]] || fail "--help: status $RC"
grep -q -- '--list-links' "$TMP/help.out" || fail "--help does not mention --list-links"
[[ ! -s "$TMP/help.err" ]] || fail "--help wrote to standard error: $(cat "$TMP/help.err")"

run version --version
[[ $RC == 0 ]] || fail "--version: status $RC"
[[ "$(cat "$TMP/version.out")" == "kelvo-wizard $VERSION" ]] ||
  fail "--version printed '$(cat "$TMP/version.out")'"

grep -q '^Usage: kelvo-wizard \[options\] \[file\]$' "$TMP/help.out" ||
  fail "--help's usage line: $(head -1 "$TMP/help.out")"
grep -qF 'XDG_CONFIG_HOME (by default ~/.config/kelvo-wizard/links.conf)' "$TMP/help.out" ||
  fail "--help does not say where link override files are read from"
grep -q -- '-platform' "$TMP/help.out" && fail "--help lists Qt's options"

run helpall --help-all
[[ $RC == 0 ]] || fail "--help-all: status $RC"
for qt in platform style reverse session; do
  grep -q -- "-$qt\b" "$TMP/helpall.out" || fail "--help-all does not list Qt's -$qt"
done

# Qt's options, and the two it reads on Windows only, stand beside ours;
# one existing study file may follow; a missing file, a folder, a named pipe
# (without waiting for a writer) or a second argument is refused in one line
# with status 2.
mkfifo "$TMP/pipe"
# arguments | status | standard output, or (for status 2) a text of the one line on standard error
while IFS='|' read -r args want text; do
  read -ra argv <<<"$args"
  run row "${argv[@]}"
  [[ $RC == "$want" ]] || fail "'$args': status $RC, expected $want"
  if [[ $want == 0 ]]; then
    [[ "$(cat "$TMP/row.out")" == "$text" ]] || fail "'$args' printed '$(cat "$TMP/row.out")'"
  else
    [[ "$(wc -l <"$TMP/row.err")" == 1 ]] && grep -qF -- "$text" "$TMP/row.err" ||
      fail "'$args': expected one line naming '$text', got: $(cat "$TMP/row.err")"
  fi
done <<ROWS
-style fusion -reverse --version|0|kelvo-wizard $VERSION
-platform xcb -session abc -style=fusion -v|0|kelvo-wizard $VERSION
-fontengine freetype -dialogs=none --version|0|kelvo-wizard $VERSION
foo|2|there is no file 'foo'
$TMP|2|'$TMP' is not a regular file
$TMP/pipe|2|'$TMP/pipe' is not a regular file
--version foo|2|'foo'
$TMP/help.out foo|2|unexpected argument 'foo'
--version $TMP/help.out|0|kelvo-wizard $VERSION
-style|2|style
ROWS

# A failed write is not a success.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$TMP/config" \
  XDG_DATA_DIRS="$TMP/data" "$BIN" --list-links >/dev/full 2>"$TMP/full.err"
RC=$?
[[ $RC == 1 ]] || fail "--list-links > /dev/full: status $RC, expected 1"
[[ "$(wc -l <"$TMP/full.err")" == 1 ]] || fail "--list-links > /dev/full said: $(cat "$TMP/full.err")"

# A display that names no server: one clear line instead of Qt's abort.
env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:9357 "$BIN" >"$TMP/nodisplay.out" 2>"$TMP/nodisplay.err"
RC=$?
[[ $RC == 2 ]] || fail "DISPLAY=:9357: status $RC, expected 2"
[[ "$(cat "$TMP/nodisplay.err")" == *"graphical desktop"*"DISPLAY=:9357"* &&
   "$(wc -l <"$TMP/nodisplay.err")" == 1 ]] || fail "DISPLAY=:9357 said: $(cat "$TMP/nodisplay.err")"

run unknown --no-such-option
[[ $RC == 2 ]] || fail "unknown option: status $RC, expected 2"
[[ "$(wc -l <"$TMP/unknown.err")" == 1 ]] ||
  fail "unknown option: expected one line on standard error, got: $(cat "$TMP/unknown.err")"
grep -q 'no-such-option' "$TMP/unknown.err" || fail "unknown option is not named"
[[ ! -s "$TMP/unknown.out" ]] || fail "unknown option wrote to standard output"

tab=$'\t'
run builtin --list-links
[[ $RC == 0 ]] || fail "--list-links: status $RC"
[[ "$(wc -l <"$TMP/builtin.out")" == 29 ]] ||
  fail "--list-links: $(wc -l <"$TMP/builtin.out") lines, expected 29"
# A new user: today's set, and the built-in address where it has none.
while IFS= read -r want; do
  grep -qxF "$want" "$TMP/builtin.out" || fail "--list-links lacks '$want'"
done <<WANT
Command11${tab}Competitors${tab}https://www.google.com/search?q={symbol}+competitors${tab}today's set
Command4${tab}Intrinsic Value Estimator${tab}http://$VALUEPRO${tab}built in
WANT
[[ ! -s "$TMP/builtin.err" ]] || fail "the built-in catalogue reports: $(cat "$TMP/builtin.err")"

mkdir -p "$TMP/config/kelvo-wizard"
conf="$TMP/config/kelvo-wizard/links.conf"
printf '[settings]\ntoday=off\n' >"$conf"
run original --list-links
want="Command11${tab}Competitors${tab}http://$YAHOO/q/co?s={symbol}${tab}built in, retired by its site"
grep -qxF "$want" "$TMP/original.out" || fail "--list-links with today=off lacks '$want'"

printf '[Command11]\naddress=https://www.example.org/q/{symbol}/competitors\n[Command23]\naddress=javascript:alert(1)\n' >"$conf"
run override --list-links
[[ $RC == 0 ]] || fail "--list-links with an override: status $RC"
want="Command11${tab}Competitors${tab}https://www.example.org/q/{symbol}/competitors${tab}$conf:2"
grep -qxF "$want" "$TMP/override.out" || fail "--list-links lacks '$want'"
want="Command23${tab}N${tab}https://finance.yahoo.com/quote/{yahoosymbol}/news/${tab}today's set"
grep -qxF "$want" "$TMP/override.out" || fail "--list-links lacks '$want'"
[[ "$(cat "$TMP/override.err")" == "$conf:4: only http and https addresses are accepted" ]] ||
  fail "the bad line was reported as: $(cat "$TMP/override.err")"
# The program speaks the desktop's language as GNU programs do: LANGUAGE is
# a list in order of preference, ignored under the C locale; LC_ALL wins over
# LANG. Qt's own words (the usage line) follow as well, mistakes included.
# locale settings | arguments | a line of standard output or error
while IFS='|' read -r settings args want; do
  read -ra argv <<<"$args"
  env -u LC_ALL -u LC_MESSAGES -u LANG -u LANGUAGE $settings XDG_CONFIG_HOME="$TMP/nothing" \
    "$BIN" "${argv[@]}" >"$TMP/language.out" 2>&1
  grep -qxF "$want" "$TMP/language.out" ||
    fail "$settings $args: no line '$want' in: $(head -3 "$TMP/language.out")"
done <<ROWS
LANG=de_DE.UTF-8|--help|Aufruf: kelvo-wizard [Optionen] [Datei]
LANGUAGE=de LANG=C.UTF-8|--help|Ein Trainingsassistent für langfristige Aktienanleger.
LANGUAGE=de LC_ALL=C|--help|A training wizard for long-term stock investors.
LANGUAGE=de|--help|Usage: kelvo-wizard [options] [file]
LANG=en_US.UTF-8 LC_ALL=de_DE.UTF-8|--help|Ein Trainingsassistent für langfristige Aktienanleger.
LANGUAGE=en:de LANG=de_DE.UTF-8|--help|A training wizard for long-term stock investors.
LANGUAGE=fr:de LANG=C.UTF-8|--help|Ein Trainingsassistent für langfristige Aktienanleger.
LANG=de_DE.UTF-8|foo|kelvo-wizard: Die Datei 'foo' existiert nicht (siehe --help)
LANG=de_DE.UTF-8|--no-such-option|kelvo-wizard: Unbekannte Option 'no-such-option'. (siehe --help)
LANG=de_DE.UTF-8|--list-links|Command11${tab}Wettbewerber${tab}https://www.google.com/search?q={symbol}+competitors${tab}heutiger Satz
ROWS
echo "command_line: passed"
