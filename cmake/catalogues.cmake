# SPDX-License-Identifier: GPL-3.0-or-later
# The catalogues: translations/qz5_LANG.ts in the tree, one per language for
# both programs, built with Qt Linguist's lrelease into .qm files that the
# programs carry as resources. A cross build uses the build machine's tools.
# Without them the programs speak English, and the build says so once.
set(QZ5_LANGUAGES de es fr it ja pt_BR)
set(QZ5_TRANSLATIONS_DIR ${PROJECT_SOURCE_DIR}/translations)
find_program(QZ5_LRELEASE lrelease HINTS /usr/lib/qt6/bin NO_CMAKE_FIND_ROOT_PATH)
find_program(QZ5_LUPDATE lupdate HINTS /usr/lib/qt6/bin NO_CMAKE_FIND_ROOT_PATH)
if(NOT QZ5_LRELEASE)
    message(WARNING "No lrelease (Debian's qt6-l10n-tools): the programs will speak English only")
endif()

# What lupdate reads: every source of every room, the project's marks taught
# to it as Qt's own.
file(GLOB_RECURSE QZ5_TRANSLATED_SOURCES CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h)
set(QZ5_LUPDATE_OPTIONS -silent -locations none -no-obsolete -no-ui-lines
    -tr-function-alias QT_TRANSLATE_NOOP+=QZ5_TEXT,QT_TRANSLATE_N_NOOP+=QZ5_COUNTED,translate+=translated,translate+=say)

# `cmake --build BUILD --target update-translations` (make translations):
# the catalogues in the tree gain the texts the sources added and lose the
# ones they dropped.
if(QZ5_LUPDATE AND NOT TARGET update-translations)
    set(ts_files)
    foreach(language ${QZ5_LANGUAGES})
        list(APPEND ts_files ${QZ5_TRANSLATIONS_DIR}/qz5_${language}.ts)
    endforeach()
    add_custom_target(update-translations
        COMMAND ${QZ5_LUPDATE} ${QZ5_LUPDATE_OPTIONS} ${QZ5_TRANSLATED_SOURCES} -ts ${ts_files}
        COMMENT "Updating the catalogues in translations/"
        VERBATIM)
endif()

# Builds the catalogues of QZ5_LANGUAGES into `target`'s resources, as
# :/i18n/qz5_LANG.qm.
function(qz5_add_catalogues target)
    if(NOT QZ5_LRELEASE)
        return()
    endif()
    set(qm_dir ${CMAKE_CURRENT_BINARY_DIR}/catalogues)
    set(qm_files)
    foreach(language ${QZ5_LANGUAGES})
        set(ts ${QZ5_TRANSLATIONS_DIR}/qz5_${language}.ts)
        set(qm ${qm_dir}/qz5_${language}.qm)
        add_custom_command(OUTPUT ${qm}
            COMMAND ${QZ5_LRELEASE} -silent -nounfinished ${ts} -qm ${qm}
            DEPENDS ${ts}
            VERBATIM)
        list(APPEND qm_files ${qm})
    endforeach()
    qt_add_resources(${target} qz5_catalogues PREFIX /i18n BASE ${qm_dir} FILES ${qm_files})
endfunction()
