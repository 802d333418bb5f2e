#!/usr/bin/env bash
# The command line of the real binary, with no display at all: --help,
# --version and --list-links answer and exit 0, an unknown option is one line
# on standard error and status 2, and --list-links names the override file an
# address came from.
# Usage: command_line.sh <kelvo-wizard> <version> <Yahoo! Finance host>
set -uo pipefail
BIN="$1" VERSION="$2" YAHOO="$3"
TMP="$(mktemp -d)"
trap 'rm -rf "$TMP"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# run <name> <args...>: status in RC, output in $TMP/<name>.out and .err
run() {
  local name="$1"
  shift
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$TMP/config" \
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
want="Command11${tab}Competitors${tab}http://$YAHOO/q/co?s={symbol}${tab}built in"
grep -qxF "$want" "$TMP/builtin.out" || fail "--list-links lacks '$want'"
[[ ! -s "$TMP/builtin.err" ]] || fail "the built-in catalogue reports: $(cat "$TMP/builtin.err")"

mkdir -p "$TMP/config/kelvo-wizard"
conf="$TMP/config/kelvo-wizard/links.conf"
printf '[Command11]\naddress=https://www.example.org/q/{symbol}/competitors\n[Command23]\naddress=javascript:alert(1)\n' >"$conf"
run override --list-links
[[ $RC == 0 ]] || fail "--list-links with an override: status $RC"
want="Command11${tab}Competitors${tab}https://www.example.org/q/{symbol}/competitors${tab}$conf"
grep -qxF "$want" "$TMP/override.out" || fail "--list-links lacks '$want'"
want="Command23${tab}N${tab}http://$YAHOO/q/h?s={symbol}${tab}built in"
grep -qxF "$want" "$TMP/override.out" || fail "--list-links lacks '$want'"
[[ "$(cat "$TMP/override.err")" == "$conf:4: only http and https addresses are accepted" ]] ||
  fail "the bad line was reported as: $(cat "$TMP/override.err")"
echo "command_line: passed"
