#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from this build tree into a scratch directory and checks its
# metadata and contents, and that lintian finds no error or warning in it. Takes a few
# seconds on a built tree: cpack installs the tree and runs dpkg-shlibdeps on the program.
# Usage: deb_check.sh <build dir> <project version>
set -uo pipefail
build=$1 version=$2

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
need() { command -v "$1" >/dev/null || { echo "FAIL: $1 is missing (Debian package $2)"; exit 1; }; }
need cpack cmake
need dpkg-deb dpkg
need dpkg-shlibdeps dpkg-dev
need file file
need lintian lintian

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1; then
  cat "$out/cpack.log"; fail "cpack -G DEB"; exit 1
fi
debs=("$out"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { fail "expected one .deb, found: ${debs[*]}"; exit 1; }
deb=${debs[0]}
# What a distribution would check before taking the package: any error or warning fails.
# Infos stay informational; they are shown all the same. lintian takes seconds, so it runs
# beside the checks below.
lintian --fail-on error,warning --display-info --tag-display-limit 0 "$deb" >"$out/lintian.log" 2>&1 &
lintian_pid=$!
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "kelvo-wizard_${version}_${arch}.deb" ] || fail "package file is named $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }

# control field | extended regular expression its value must match
while IFS='|' read -r name pattern; do
  value=$(field "$name")
  [[ $value =~ $pattern ]] || fail "$name is '$value', expected to match /$pattern/"
done <<EOF
Package|^kelvo-wizard$
Version|^${version//./\\.}$
Architecture|^${arch}$
Depends|(^|, )libqt6widgets6( \(|,|$)
Depends|(^|, )libqt6core6( \(|,|$)
Depends|(^|, )libc6( \(|,|$)
Depends|(^|, )fonts-wine(,|$)
Recommends|(^|, )xdg-utils(,|$)
Maintainer|^[^<]+ <[^@>]+@[^>]+>$
Section|^[a-z0-9/-]+$
Homepage|^https://
Description|^[^[:space:]].*
EOF
[[ $(field Description) == *$'\n '* ]] || fail "Description has no extended text"

dpkg-deb -x "$deb" "$out/root"
# path in the package | what it must be
while read -r path kind; do
  f=$out/root/$path
  [ -e "$f" ] || { fail "$path is not in the package"; continue; }
  case $kind in
    program) [ -x "$f" ] || fail "$path is not executable"
             [[ $(file -b "$f") == *", stripped"* ]] || fail "$path still carries its symbols: $(file -b "$f")" ;;
    file)    [ -f "$f" ] || fail "$path is not a file" ;;
  esac
done <<'EOF'
usr/bin/kelvo-wizard                                        program
usr/share/applications/example.marvane.KelvoWizard.desktop  file
usr/share/metainfo/example.marvane.KelvoWizard.metainfo.xml file
usr/share/mime/packages/example.marvane.KelvoWizard.xml     file
usr/share/icons/hicolor/48x48/apps/kelvo-wizard.png         file
usr/share/icons/hicolor/scalable/apps/kelvo-wizard.svg      file
usr/share/kelvo-wizard/links/today.conf.example             file
usr/share/doc/kelvo-wizard/copyright                        file
usr/share/doc/kelvo-wizard/changelog.gz                     file
usr/share/man/man1/kelvo-wizard.1.gz                        file
EOF

# The licence the program is under, in Debian's machine-readable form.
copyright=$out/root/usr/share/doc/kelvo-wizard/copyright
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$copyright" &&
  grep -q '^License: GPL-3.0-or-later$' "$copyright" ||
  fail "usr/share/doc/kelvo-wizard/copyright does not state GPL-3.0-or-later in Debian's format"

# Everything is owned by root and readable by all, so an unprivileged user can start it.
bad=$(dpkg-deb -c "$deb" | awk '$2 != "root/root" || substr($1, 8, 1) != "r" {print}')
[ -z "$bad" ] || fail "entries with wrong owner or permissions: $bad"

wait "$lintian_pid"
status=$?
grep -v 'running with root privileges' "$out/lintian.log"
if [ "$status" -ne 0 ] || grep -qE '^(E|W): ' "$out/lintian.log"; then
  fail "lintian finds errors or warnings (above), status $status"
fi

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "debian package: all checks passed"
