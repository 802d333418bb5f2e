#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the committed PNG icons from the SVG artwork (needs rsvg-convert, Debian: librsvg2-bin).
# 16 px comes from its own hand-hinted drawing; the larger sizes from the main artwork.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
for n in 16 32 48 256; do
  src=kelvo-wizard.svg
  [ "$n" -eq 16 ] && src=kelvo-wizard-16.svg
  mkdir -p "hicolor/${n}x${n}/apps"
  rsvg-convert -w "$n" -h "$n" "$src" -o "hicolor/${n}x${n}/apps/kelvo-wizard.png"
done
