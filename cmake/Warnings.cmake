# SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Every target of ours compiles warning-free at this level.
add_library(kelvo_warnings INTERFACE)
target_compile_options(kelvo_warnings INTERFACE -Wall -Wextra -Wpedantic)

if(KELVO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
  # Unoptimised, the sanitizers see every access the source makes, and their
  # reports need line tables only; a file builds in about two thirds of the
  # time it takes at -O1.
  add_compile_options("$<$<CONFIG:RelWithDebInfo>:-O0;-g1>")
endif()
