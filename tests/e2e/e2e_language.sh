#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a German desktop (LANG=de_DE.UTF-8): the window's
# caption is German and End asks in German, Qt's own buttons included.
# The pictures are kept for a translator to look at every text whole.
# Usage: e2e_language.sh <kelvo-wizard> <artefact folder>
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_begin "1280x1024x24" "$@"

e2e_start_app "$BIN" LC_ALL= LC_MESSAGES= LANGUAGE= LANG=de_DE.UTF-8
e2e_wait_window "Kelvo Training Wizard - Schritt anklicken"
main="$WIN"
e2e_screenshot "$main" "$ART/e2e_language_de.png"
e2e_not_blank "$ART/e2e_language_de.png"

e2e_click cmdCancel
e2e_wait_window "Programm beenden" 50
e2e_screenshot "$WIN" "$ART/e2e_language_de_end.png"
e2e_note "End asks in German: $ART/e2e_language_de_end.png"
echo "e2e_language: passed"
