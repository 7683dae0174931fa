# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows build: the command-line tool, the window and the tests of both.
# A cross build finds Qt 6 for Windows through the kit's own toolchain file
# (scripts/build-qt-windows makes the kit; the Makefile passes it). The
# simulated tracker serves a pseudo-terminal, so it stays on POSIX systems.

if(CMAKE_CROSSCOMPILING)
    # The header-only libraries come from the build machine's packages. Only
    # their own folders go on the include path: the machine's /usr/include as
    # a whole must never reach the cross compiler.
    set(QZ5_HOST_HEADERS ${CMAKE_BINARY_DIR}/host-headers)
    file(MAKE_DIRECTORY ${QZ5_HOST_HEADERS})
    foreach(folder nlohmann CLI)
        if(NOT EXISTS /usr/include/${folder})
            message(FATAL_ERROR "/usr/include/${folder} is missing: run scripts/install-deps")
        endif()
        file(CREATE_LINK /usr/include/${folder} ${QZ5_HOST_HEADERS}/${folder} SYMBOLIC)
    endforeach()
    foreach(target nlohmann_json::nlohmann_json CLI11::CLI11)
        add_library(${target} INTERFACE IMPORTED)
        set_target_properties(${target} PROPERTIES
            INTERFACE_INCLUDE_DIRECTORIES ${QZ5_HOST_HEADERS})
    endforeach()
    # GoogleTest from the sources that libgtest-dev ships, built with this
    # toolchain (it names its targets GTest::gtest, GTest::gmock, ...).
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    # A smaller download: the symbols are of no use without the build tree.
    add_link_options($<$<CONFIG:Release>:-s>)
else()
    find_package(nlohmann_json REQUIRED)
    find_package(CLI11 REQUIRED)
    find_package(GTest REQUIRED)
endif()
# qz5cfg speaks the owner's language through QtCore; the window needs the rest.
find_package(Qt6 REQUIRED COMPONENTS Core)
find_package(Qt6 COMPONENTS Widgets Test)
# The face the window is laid out in, which Windows does not have: the window
# finds the file beside itself, in the build tree as in the packages.
set(QZ5_WINDOW_FONT /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf)

enable_testing()

add_subdirectory(src/common)
add_subdirectory(src/config)
add_subdirectory(src/link)
add_subdirectory(src/workflow)
include(cmake/catalogues.cmake)
add_subdirectory(src/language)
add_subdirectory(src/tools/qz5cfg)
if(TARGET Qt6::Widgets)
    if(CMAKE_CROSSCOMPILING)
        # The icon painter runs during the build: built for the build machine,
        # with its compiler and its Qt (which has the SVG module the kit lacks).
        include(ExternalProject)
        set(host_tools ${CMAKE_BINARY_DIR}/host-tools)
        set(QZ5_ICON_PAINTER ${host_tools}/qz5_icon_painter)
        ExternalProject_Add(qz5_host_tools
            SOURCE_DIR ${PROJECT_SOURCE_DIR}/src/app/resources
            BINARY_DIR ${host_tools}
            CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DQZ5_WERROR=${QZ5_WERROR}
                       -DCMAKE_CXX_COMPILER_LAUNCHER=${CCACHE_PROGRAM}
            INSTALL_COMMAND ""
            BUILD_ALWAYS ON
            BUILD_BYPRODUCTS ${QZ5_ICON_PAINTER})
    endif()
    add_subdirectory(src/app)
else()
    message(STATUS "No Qt 6 for Windows: the window is left out (scripts/build-qt-windows makes it)")
endif()
add_subdirectory(tests/support)
add_subdirectory(tests/windows)
add_subdirectory(packaging/windows)
