# The Windows build: the command-line tool and the tests of the portable
# code; the window too where Qt 6 for Windows is installed. The simulated
# tracker serves a pseudo-terminal, so it stays on POSIX systems.

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
    find_package(Qt6 COMPONENTS Widgets)
endif()

enable_testing()

add_subdirectory(src/common)
add_subdirectory(src/config)
add_subdirectory(src/link)
add_subdirectory(src/workflow)
add_subdirectory(src/tools/qz5cfg)
if(TARGET Qt6::Widgets)
    add_subdirectory(src/app)
endif()
add_subdirectory(tests/support)
add_subdirectory(tests/windows)

# qz5cfg-<version>-win64.zip: the program, a README for Windows users and the
# licence, in one folder.
set(QZ5_ZIP_NAME qz5cfg-${PROJECT_VERSION}-win64)
set(QZ5_ZIP_STAGE ${CMAKE_BINARY_DIR}/${QZ5_ZIP_NAME})
set(QZ5_ZIP_FILES $<TARGET_FILE:qz5cfg> ${PROJECT_SOURCE_DIR}/packaging/windows/README.txt)
foreach(licence LICENSE LICENSE.txt COPYING)
    if(EXISTS ${PROJECT_SOURCE_DIR}/${licence})
        list(APPEND QZ5_ZIP_FILES ${PROJECT_SOURCE_DIR}/${licence})
    endif()
endforeach()
add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/${QZ5_ZIP_NAME}.zip
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${QZ5_ZIP_STAGE}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QZ5_ZIP_STAGE}
    COMMAND ${CMAKE_COMMAND} -E copy ${QZ5_ZIP_FILES} ${QZ5_ZIP_STAGE}
    COMMAND ${CMAKE_COMMAND} -E tar cf ${QZ5_ZIP_NAME}.zip --format=zip ${QZ5_ZIP_NAME}
    DEPENDS qz5cfg ${PROJECT_SOURCE_DIR}/packaging/windows/README.txt
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    COMMENT "Packing ${QZ5_ZIP_NAME}.zip"
    VERBATIM)
add_custom_target(windows-zip DEPENDS ${CMAKE_BINARY_DIR}/${QZ5_ZIP_NAME}.zip)
