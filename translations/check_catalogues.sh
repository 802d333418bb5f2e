#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Every text marked for translation in the sources is in every catalogue, and
# every catalogue of another language than the source language translates
# each of them. lupdate runs on a copy of each catalogue: a text it adds is
# one missing. Each missing or untranslated text is named with its context.
# Usage: check_catalogues.sh <lupdate> <source folder> <catalogue.ts>...
set -uo pipefail
lupdate=$1 sources=$2
shift 2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# One line per current message of a catalogue as lupdate writes it:
# state<TAB>context<TAB>source, where state is "done" or "open" (unfinished,
# or an empty translation or plural form). Texts no longer in the sources
# (vanished, obsolete) are left out.
messages() {
  awk '
    function text(s) {
      gsub(/&lt;/, "<", s); gsub(/&gt;/, ">", s); gsub(/&apos;/, "\047", s)
      gsub(/&quot;/, "\"", s); gsub(/&amp;/, "\\&", s); gsub(/\n/, "\\n", s)
      return s
    }
    /<name>/ { context = $0; sub(/.*<name>/, "", context); sub(/<\/name>.*/, "", context) }
    /<message/ { inside = 1; body = "" }
    inside { body = body (body == "" ? "" : "\n") $0 }
    /<\/message>/ {
      inside = 0
      if (body ~ /type="(vanished|obsolete)"/) next
      source = body; sub(/.*<source>/, "", source); sub(/<\/source>.*/, "", source)
      open = body ~ /type="unfinished"/ || body ~ /<translation><\/translation>/ ||
             body ~ /<translation\/>/ || body ~ /<numerusform><\/numerusform>/
      printf "%s\t%s\t%s\n", (open ? "open" : "done"), text(context), text(source)
    }' "$1"
}

# "context: source" for each line of messages() given.
named() { awk -F '\t' '{ printf "  %s: \"%s\"\n", $2, $3 }'; }

failures=0
for ts in "$@"; do
  name=$(basename "$ts")
  copy=$tmp/$name
  cp "$ts" "$copy"
  if ! "$lupdate" -locations none -tr-function-alias QT_TRANSLATE_NOOP+=KELVO_TRANSLATE_NOOP \
    -extensions cpp,h -recursive "$sources" -ts "$copy" >"$tmp/log" 2>&1; then
    cat "$tmp/log"
    echo "FAIL: lupdate failed on $name"
    failures=$((failures + 1))
    continue
  fi
  # tr() outside a class of its own, or through an alias, is filed under
  # another context than the one it looks its text up in at run time: the
  # translation would never be shown.
  if grep -q 'lacks Q_OBJECT macro' "$tmp/log" || grep -q '<name></name>' "$copy"; then
    echo "FAIL: texts that lupdate files under another context than tr() looks them up in:"
    grep 'lacks Q_OBJECT macro' "$tmp/log" | sed 's/^/  /'
    grep -q '<name></name>' "$copy" && echo "  (texts without a context in $name)"
    echo "  Call tr() of a class with Q_OBJECT or Q_DECLARE_TR_FUNCTIONS, by its own name."
    failures=$((failures + 1))
  fi
  messages "$ts" | cut -f2,3 | sort >"$tmp/have"
  messages "$copy" | cut -f2,3 | sort >"$tmp/want"
  comm -13 "$tmp/have" "$tmp/want" | sed 's/^/-\t/' >"$tmp/missing"
  if [ -s "$tmp/missing" ]; then
    echo "FAIL: $name lacks $(wc -l <"$tmp/missing") text(s) marked in the sources:"
    named <"$tmp/missing"
    echo "  Add them with: cmake --build build --target update_translations"
    failures=$((failures + 1))
  fi
  # The source-language catalogue is the template: its texts stay untranslated.
  language=$(sed -n 's/.*<TS [^>]* language="\([^"]*\)".*/\1/p' "$ts" | head -1)
  source_language=$(sed -n 's/.*<TS [^>]*sourcelanguage="\([^"]*\)".*/\1/p' "$ts" | head -1)
  if [ "$language" != "${source_language:-en}" ]; then
    # The copy holds the missing texts too, as unfinished: each is named once above.
    messages "$copy" | awk -F '\t' '$1 == "open"' | cut -f2,3 | sort |
      comm -23 - <(cut -f2,3 "$tmp/missing" | sort) | sed 's/^/-\t/' >"$tmp/open"
    if [ -s "$tmp/open" ]; then
      echo "FAIL: $name leaves $(wc -l <"$tmp/open") text(s) untranslated or unfinished:"
      named <"$tmp/open"
      echo "  Translate them in translations/$name (Qt Linguist, or by hand: fill in"
      echo "  <translation> and remove type=\"unfinished\")."
      failures=$((failures + 1))
    fi
  fi
done
[ "$failures" -eq 0 ] && echo "catalogues: every marked text is present and translated"
exit $((failures > 0))
