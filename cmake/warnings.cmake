# SPDX-License-Identifier: GPL-3.0-or-later
# The warnings of every target of ours (qz5_warnings), also of the build
# machine's tools in a cross build. Errors are off by default so that a
# packager's newer compiler never stops the build on a new warning; our own
# builds (Makefile, CI) turn them on.
option(QZ5_WERROR "Treat compiler warnings as errors" OFF)
add_library(qz5_warnings INTERFACE)
target_compile_options(qz5_warnings INTERFACE -Wall -Wextra -Wpedantic)
if(QZ5_WERROR)
    target_compile_options(qz5_warnings INTERFACE -Werror)
endif()
