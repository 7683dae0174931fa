# SPDX-License-Identifier: GPL-3.0-or-later
# Cross build for 64-bit Windows with Debian's mingw-w64 (posix thread model,
# for std::thread and std::mutex). Programs link statically, so that they run
# from a folder with nothing else in it: with this thread model
# libwinpthread would otherwise be a DLL to ship.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QZ5_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QZ5_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QZ5_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QZ5_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QZ5_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Lets ctest run the cross-built tests on this machine.
find_program(QZ5_WINE wine)
if(QZ5_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${QZ5_WINE})
endif()
