# Installs the game in Debian's layout for games (the executable in games/, everything else
# under share/) and describes the Debian package that `make package` builds from it.
include(GNUInstallDirs)
set(TAREMO_GAMES_DIR games CACHE STRING "Folder of the executable, under the install prefix")
option(TAREMO_BIN_LINK "Also install bin/taremo, a link to the game, for a prefix whose games \
folder is not on the path (such as ~/.local)" ON)

install(TARGETS taremo RUNTIME DESTINATION ${TAREMO_GAMES_DIR})
# The installed game carries no debugging information; the build folder's copy keeps it.
find_program(TAREMO_STRIP NAMES ${CMAKE_STRIP} strip)
if(TAREMO_STRIP)
    install(CODE "
        execute_process(COMMAND \"${TAREMO_STRIP}\" --strip-unneeded --remove-section=.comment
                                --remove-section=.note
                                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${TAREMO_GAMES_DIR}/$<TARGET_FILE_NAME:taremo>\"
                        RESULT_VARIABLE result)
        if(NOT result EQUAL 0)
            message(FATAL_ERROR \"could not strip the game: \${result}\")
        endif()")
endif()
# The rest is the Linux desktop's: links, desktop files, manual page and the Debian package.
if(WIN32)
    return()
endif()
if(TAREMO_BIN_LINK)
    # Made here and installed as a file, so that the install manifest records it.
    file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/bin-link)
    file(CREATE_LINK ../${TAREMO_GAMES_DIR}/taremo ${CMAKE_CURRENT_BINARY_DIR}/bin-link/taremo
         SYMBOLIC)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/bin-link/taremo DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# Started from the path, where bin/taremo is; without that link (the package), by its full path,
# as /usr/games is not on every session's path.
set(TAREMO_INSTALLED_EXE taremo)
if(NOT TAREMO_BIN_LINK)
    set(TAREMO_INSTALLED_EXE ${CMAKE_INSTALL_PREFIX}/${TAREMO_GAMES_DIR}/taremo)
endif()
configure_file(resources/org.taremo.Taremo.desktop.in
               ${CMAKE_CURRENT_BINARY_DIR}/org.taremo.Taremo.desktop @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/org.taremo.Taremo.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The game also looks for this file, under this name, to tell an installed copy (see
# app/settings_place.cpp).
configure_file(resources/org.taremo.Taremo.metainfo.xml.in
               ${CMAKE_CURRENT_BINARY_DIR}/org.taremo.Taremo.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/org.taremo.Taremo.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES resources/icon.svg RENAME taremo.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
    set(picture resources/icon-${size}.png)
    if(size EQUAL 32)
        set(picture resources/icon.png)
    endif()
    install(FILES ${picture} RENAME taremo.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# The manual page and the changelog, which name the version, go compressed, without a time
# stamp, as Debian wants them.
find_program(TAREMO_GZIP gzip REQUIRED)
foreach(file taremo.6 changelog)
    configure_file(resources/${file}.in ${CMAKE_CURRENT_BINARY_DIR}/${file} @ONLY)
    add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${file}.gz
        COMMAND ${TAREMO_GZIP} -9nc ${CMAKE_CURRENT_BINARY_DIR}/${file}
                > ${CMAKE_CURRENT_BINARY_DIR}/${file}.gz
        DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${file})
endforeach()
add_custom_target(taremo_docs ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/taremo.6.gz
                                          ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/taremo.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/taremo)
install(FILES LICENSE RENAME copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/taremo)

# The Debian package: configured by `make package` with the prefix /usr and no bin/ link.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME taremo)
set(CPACK_PACKAGE_VERSION ${TAREMO_VERSION})
set(CPACK_PACKAGE_VENDOR "The Taremo developers")
set(CPACK_PACKAGE_CONTACT "The Taremo developers <taremo@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "nine-by-nine number-placement puzzle")
# CPack puts the summary above this as the synopsis line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Taremo is a small desktop game of the number-placement puzzle: each row,
column and 3x3 block of the grid must hold the digits 1 to 9 exactly once.
Pick one of six difficulties and whether the game judges every digit at
once, then fill the open cells. It speaks English, French, German, Italian
and Spanish.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.example.com/taremo/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries come from dpkg-shlibdeps; the plugins Qt loads at run time (the X11 and
# Wayland platforms, the SVG pictures of the flags) from no library, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/package)
include(CPack)
