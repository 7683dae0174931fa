# SPDX-License-Identifier: GPL-3.0-or-later
# The warnings of every target of ours (qz5_warnings), also of the build
# machine's tools in a cross build. Errors are off by default so that a
# packager's newer compiler never stops the build on a new warning; our own
# builds (Makefile, CI) turn them on.
option(QZ5_WERROR "Treat compiler warnings as errors" OFF)
add_library(qz5_warnings INTERFACE)
target_compile_options(qz5_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wold-style-cast -Wnon-virtual-dtor
    -Woverloaded-virtual -Wformat=2 -Wimplicit-fallthrough)
# Tests and benchmarks index containers with int freely; the program's own
# code must say each change of sign. A target's folder decides.
get_filename_component(qz5_root ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
set(qz5_dir $<TARGET_PROPERTY:SOURCE_DIR>)
set(qz5_test_code
    "$<OR:$<PATH:IS_PREFIX,${qz5_root}/tests,${qz5_dir}>,$<PATH:IS_PREFIX,${qz5_root}/bench,${qz5_dir}>>")
target_compile_options(qz5_warnings INTERFACE
    $<IF:${qz5_test_code},-Wno-sign-conversion,-Wsign-conversion>)
# Optimisation finds more paths; GCC 12 also reports some through Qt's
# inline code that cannot happen, so these stay warnings.
target_compile_options(qz5_warnings INTERFACE
    $<$<CONFIG:Release>:-Wnull-dereference -Wno-error=null-dereference>)
if(QZ5_WERROR)
    target_compile_options(qz5_warnings INTERFACE -Werror)
endif()
