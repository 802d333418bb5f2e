#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build the way a distribution package does (DESTDIR, prefix /usr) and checks that
# the staged tree is exactly a well-formed desktop application: the right files, nothing else,
# accepted by the freedesktop validators, and pointing at one another correctly.
# Usage: install_check.sh <build dir>
set -uo pipefail
build=$1

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
need() { command -v "$1" >/dev/null || { echo "FAIL: $1 is missing (Debian package $2)"; exit 1; }; }
need desktop-file-validate desktop-file-utils
need appstreamcli appstream
need file file
need readelf binutils
need xmllint libxml2-utils
need update-mime-database shared-mime-info
need man man-db
need dpkg-parsechangelog dpkg-dev

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
if ! DESTDIR=$stage cmake --install "$build" --prefix /usr >"$stage.log" 2>&1; then
  cat "$stage.log"; rm -f "$stage.log"
  fail "cmake --install into a staging directory"; exit 1
fi
rm -f "$stage.log"
root=$stage/usr

app_id=example.marvane.KelvoWizard
desktop=share/applications/$app_id.desktop
metainfo=share/metainfo/$app_id.metainfo.xml
mime=share/mime/packages/$app_id.xml
study_type=application/x-kelvostudy

# Everything the installation must hold, and what each file has to be.
expected=$(cat <<EOF
bin/kelvo-wizard                                   program
$desktop    desktop
$metainfo   metainfo
$mime       mime
share/icons/hicolor/16x16/apps/kelvo-wizard.png    png:16
share/icons/hicolor/32x32/apps/kelvo-wizard.png    png:32
share/icons/hicolor/48x48/apps/kelvo-wizard.png    png:48
share/icons/hicolor/256x256/apps/kelvo-wizard.png  png:256
share/icons/hicolor/scalable/apps/kelvo-wizard.svg svg
share/kelvo-wizard/links/today.conf.example        links-example
share/doc/kelvo-wizard/copyright                   file
share/doc/kelvo-wizard/changelog.gz                changelog
share/man/man1/kelvo-wizard.1.gz                   manual
EOF
)

# A file that slips into the package unasked (a test program, a build artefact) is a fault too.
diff <(awk '{print $1}' <<<"$expected" | sort) \
     <(cd "$root" && find . \( -type f -o -type l \) | sed 's|^\./||' | sort) >"$stage.diff" \
  || { fail "installed files differ from the expected set (< missing, > unexpected):"; cat "$stage.diff"; }
rm -f "$stage.diff"
[ -z "$(cd "$stage" && find . -mindepth 1 -maxdepth 1 ! -name usr)" ] || fail "files installed outside the prefix"

desktop_key() { sed -n "s/^$1=//p" "$root/$desktop" | head -n1; }

# The version the program gives; the newest release of the metainfo and of the changelog
# must be this one.
version=$(env -u DISPLAY "$root/bin/kelvo-wizard" --version | awk '{print $2}')

while read -r path kind; do
  f=$root/$path
  [ -f "$f" ] || continue   # already reported by the file set comparison
  case $kind in
    program)
      [ -x "$f" ] || fail "$path is not executable"
      file -b "$f" | grep -q '^ELF .*executable' || fail "$path is not an executable program: $(file -b "$f")"
      # A run path left from the build tree would load libraries from wherever the build was.
      if readelf -d "$f" | grep -Eq '\((RPATH|RUNPATH)\)'; then
        fail "$path carries a library run path: $(readelf -d "$f" | grep -E 'RPATH|RUNPATH')"
      fi
      ;;
    desktop)
      out=$(desktop-file-validate "$f" 2>&1) || fail "desktop-file-validate rejects $path: $out"
      exec_word=$(desktop_key Exec | awk '{print $1}')
      [ -x "$root/bin/$exec_word" ] || fail "$path: Exec names '$exec_word', which is not an installed program"
      icon=$(desktop_key Icon)
      for size in 16x16 32x32 48x48 256x256; do
        [ -f "$root/share/icons/hicolor/$size/apps/$icon.png" ] \
          || fail "$path: Icon '$icon' has no installed $size image"
      done
      [ -f "$root/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "$path: Icon '$icon' has no scalable image"
      # The window's WM_CLASS is the program's name (see e2e_start for the real window).
      [ "$(desktop_key StartupWMClass)" = "$exec_word" ] ||
        fail "$path: StartupWMClass '$(desktop_key StartupWMClass)' is not the program's WM_CLASS '$exec_word'"
      # Double-clicking a study in a file manager hands its path to the program.
      [[ $(desktop_key MimeType) == *"$study_type;"* ]] || fail "$path: MimeType does not list $study_type"
      [[ " $(desktop_key Exec) " == *" %f "* ]] || fail "$path: Exec takes no file (%f)"
      ;;
    mime)
      out=$(xmllint --noout "$f" 2>&1) || fail "$path is not well-formed XML: $out"
      # Built into a copy, as the shared-mime-info trigger would, the type is known by its suffix.
      mkdir -p "$stage/mime/packages"
      cp "$f" "$stage/mime/packages/"
      out=$(update-mime-database -V "$stage/mime" 2>&1) || fail "update-mime-database rejects $path: $out"
      grep -q "$study_type:\*\.kelvostudy" "$stage/mime/globs2" 2>/dev/null \
        || fail "$path: *.kelvostudy does not map to $study_type"
      [ -f "$stage/mime/${study_type}.xml" ] || fail "$path: no $study_type entry was built"
      grep -q "<mediatype>$study_type</mediatype>" "$root/$metainfo" || fail "$metainfo does not provide $study_type"
      rm -rf "$stage/mime"
      ;;
    metainfo)
      # Infos and pedantic notes are allowed (the reverse-DNS id keeps its capitals, and this
      # appstreamcli does not know <developer> yet); warnings and errors are not.
      out=$(appstreamcli validate --pedantic --no-net "$f" 2>&1) || fail "appstreamcli rejects $path: $out"
      ! grep -E '^(W|E):' <<<"$out" || fail "appstreamcli warns about $path"
      newest=$(grep -o -m1 '<release version="[^"]*"' "$f" | cut -d'"' -f2)
      [ "$newest" = "$version" ] || fail "$path: the newest release is '$newest', the program is $version"
      grep -q '<translation type="qt">kelvo-wizard</translation>' "$f" || fail "$path: no Qt translation domain"
      # Each window is shown with a caption, from a picture the source tree's docs/ holds.
      docs=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../docs" && pwd)
      shots=$(grep -c '<screenshot[ >]' "$f")
      [ "$shots" -eq "$(grep -c '<caption>' "$f")" ] || fail "$path: a screenshot without a caption"
      [ "$shots" -ge 7 ] || fail "$path: $shots screenshots, one per window wanted"
      for image in $(sed -n 's|.*<image>.*/\([^/<]*\)</image>.*|\1|p' "$f"); do
        [ -f "$docs/$image" ] || fail "$path: the screenshot $image is not in docs/"
      done
      for scheme in light dark; do
        grep -Eq "<color type=\"primary\" scheme_preference=\"$scheme\">#[0-9a-f]{6}</color>" "$f" ||
          fail "$path: no primary branding colour for the $scheme scheme"
      done
      grep -q "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$f" \
        || fail "$path: the launchable is not the installed desktop entry $(basename "$desktop")"
      grep -q "<icon type=\"stock\">$(desktop_key Icon)</icon>" "$f" \
        || fail "$path: the icon differs from the desktop entry's"
      grep -q '<project_license>GPL-3.0-or-later</project_license>' "$f" ||
        fail "$path: project_license is not GPL-3.0-or-later"
      grep -q '<developer id="[^"]\+">' "$f" || fail "$path: no <developer id=\"…\">"
      ;;
    png:*)
      n=${kind#png:}
      info=$(file -b "$f")
      [[ $info == "PNG image data, $n x $n, "* ]] || fail "$path is not a $n x $n PNG: $info"
      [[ $info == *RGBA* ]] || fail "$path has no alpha channel, so its rounded corners would show: $info"
      ;;
    svg)
      file -b "$f" | grep -q '^SVG' || fail "$path is not an SVG image: $(file -b "$f")"
      ;;
    changelog)
      # Debian's format, newest first, the lines within 80 columns, compressed as Debian wants.
      gzip -dc "$f" >"$stage/changelog"
      [[ $(file -b "$f") == *"max compression"* ]] || fail "$path is not compressed with gzip -9: $(file -b "$f")"
      newest=$(dpkg-parsechangelog -l "$stage/changelog" -S Version 2>&1)
      [ "$newest" = "$version" ] || fail "$path: the newest entry is '$newest', the program is $version"
      [ "$(sed -n 's/^kelvo-wizard (\([^)]*\)).*/\1/p' "$stage/changelog")" = \
        "$(grep -o '<release version="[^"]*"' "$root/$metainfo" | cut -d'"' -f2)" ] ||
        fail "$path does not hold the releases of $metainfo"
      long=$(awk 'length > 80' "$stage/changelog")
      [ -z "$long" ] || fail "$path has lines over 80 columns: $long"
      rm -f "$stage/changelog"
      ;;
    manual)
      # man renders it without a complaint, with the sections the help has no room for.
      page=$(MANWIDTH=80 man --warnings -l "$f" 2>"$stage/man.err")
      [ ! -s "$stage/man.err" ] || fail "man -l complains about $path: $(cat "$stage/man.err")"
      rm -f "$stage/man.err"
      for want in "kelvo-wizard - training wizard" "--list-links" "EXIT STATUS" "KELVO_SEC_BASE_URL" \
                  "XDG_CACHE_HOME" "kelvo-wizard/kelvo-wizard.conf" "kelvo-wizard/sec/" "recovery-" \
                  "links.conf" "kelvo-wizard $version"; do
        grep -qF -- "$want" <<<"$page" || fail "$path does not say '$want'"
      done
      ;;
    links-example)
      # Switched on as the user's links.conf, every line of it is accepted.
      mkdir -p "$stage/config/kelvo-wizard"
      cp "$f" "$stage/config/kelvo-wizard/links.conf"
      out=$(env -u DISPLAY XDG_CONFIG_HOME="$stage/config" "$root/bin/kelvo-wizard" --list-links 2>&1 >/dev/null) \
        || fail "$path: --list-links failed"
      [ -z "$out" ] || fail "$path is not accepted whole: $out"
      rm -rf "$stage/config"
      ;;
  esac
done <<<"$expected"

# The tree as a whole: the metainfo finds its desktop entry and icon where they were installed.
out=$(appstreamcli validate-tree --no-net "$root" 2>&1) || fail "appstreamcli validate-tree rejects the installation: $out"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "install tree: all checks passed"
