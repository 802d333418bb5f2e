#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up on a Debian 12 machine and starts the wizard.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
kelvo_install_packages "${KELVO_PACKAGES[@]}"
# A release build, in the folder the test command builds the same way.
kelvo_build "$KELVO_BUILD" -DCMAKE_BUILD_TYPE=Release -DKELVO_BUILD_TESTS=OFF
exec "$KELVO_BUILD/src/app/kelvo-wizard" "$@"
