# SPDX-License-Identifier: GPL-3.0-or-later
# Each test folder names its sources once, in its test_sources.cmake, for
# both builds: the native build compiles them all, the Windows build those
# marked PORTABLE (with its own *_win32_test.cpp from tests/windows).
#
#   qz5_test_sources(<program> PORTABLE a_test.cpp ... NATIVE b_test.cpp ...)
#
# sets <program>_SOURCES (all) and <program>_PORTABLE, as full paths.
function(qz5_test_sources program)
    cmake_parse_arguments(arg "" "" "PORTABLE;NATIVE" ${ARGN})
    if(arg_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "qz5_test_sources(${program}): mark ${arg_UNPARSED_ARGUMENTS} "
                            "PORTABLE or NATIVE")
    endif()
    list(TRANSFORM arg_PORTABLE PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
    list(TRANSFORM arg_NATIVE PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
    set(${program}_PORTABLE ${arg_PORTABLE} PARENT_SCOPE)
    set(${program}_SOURCES ${arg_PORTABLE} ${arg_NATIVE} PARENT_SCOPE)
endfunction()
