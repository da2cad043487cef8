# SPDX-FileCopyrightText: 2026 Tallimax developers
# SPDX-License-Identifier: GPL-3.0-or-later
option(TALLIMAX_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)

add_library(project_warnings INTERFACE)
target_compile_options(project_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast
  -Wnon-virtual-dtor -Woverloaded-virtual -Wnull-dereference -Wdouble-promotion
  -Wformat=2 -Wimplicit-fallthrough
  $<$<CXX_COMPILER_ID:GNU>:-Wduplicated-cond -Wduplicated-branches -Wlogical-op -Wuseless-cast -Wsuggest-override>
  $<$<BOOL:${TALLIMAX_WARNINGS_AS_ERRORS}>:-Werror>)
