# Installs into a scratch prefix and checks the layout: the stripped game in games/ with a
# working link in bin/, its metadata, icons, manual page and licence, and an install manifest
# that records every file and link put in place.
file(REMOVE_RECURSE ${DEST})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${DEST}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "install failed: ${result}")
endif()
if(NOT IS_SYMLINK ${DEST}/bin/taremo OR NOT EXISTS ${DEST}/bin/taremo)
    message(FATAL_ERROR "bin/taremo is not a working link")
endif()
set(expected games/taremo bin/taremo
    share/applications/org.taremo.Taremo.desktop share/metainfo/org.taremo.Taremo.metainfo.xml
    share/icons/hicolor/scalable/apps/taremo.svg share/man/man6/taremo.6.gz
    share/doc/taremo/copyright share/doc/taremo/changelog.gz)
foreach(size 16 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/taremo.png)
endforeach()
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${DEST} ${DEST}/*)
list(SORT expected)
list(SORT installed)
if(NOT installed STREQUAL expected)
    message(FATAL_ERROR "installed:\n${installed}\nexpected:\n${expected}")
endif()
file(STRINGS ${BUILD}/install_manifest.txt manifest)
list(TRANSFORM manifest REPLACE "^${DEST}/" "")
list(SORT manifest)
if(NOT manifest STREQUAL expected)
    message(FATAL_ERROR "install_manifest.txt holds:\n${manifest}")
endif()
execute_process(COMMAND ${OBJDUMP} -h ${DEST}/games/taremo OUTPUT_VARIABLE sections)
if(sections MATCHES "\\.debug_|\\.symtab")
    message(FATAL_ERROR "the installed game is not stripped")
endif()
file(REMOVE_RECURSE ${DEST})
