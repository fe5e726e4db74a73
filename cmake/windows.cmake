# What building for Windows needs beyond the shared rules: the executable's version and icon
# resources, the flag pictures (no Qt SVG there), and wine to run the cross-built tests.

# The version resource, from the project's version: FILEVERSION major,minor,0,revision, which
# about/version_windows.cpp reads back, and the same as text with the minor number in two
# digits and the revision in four, as in "2.05.0007". The test of that reading carries it too.
if(TAREMO_VERSION_MAJOR GREATER 65535 OR TAREMO_VERSION_REVISION GREATER 65535)
    message(FATAL_ERROR "Version ${TAREMO_VERSION}: a version resource holds numbers up to 65535")
endif()
set(revision ${TAREMO_VERSION_REVISION})
string(LENGTH ${revision} digits)
while(digits LESS 4)
    string(PREPEND revision 0)
    math(EXPR digits "${digits} + 1")
endwhile()
set(TAREMO_VERSION_RC_TEXT ${TAREMO_VERSION_MAJOR}.0${TAREMO_VERSION_MINOR}.${revision})
# The release's names carry the version as the game writes it; the installer compares versions
# as major.minor.revision. tools/windows-dist.sh reads both from here.
file(WRITE ${CMAKE_BINARY_DIR}/release-version.txt "${TAREMO_VERSION}\n"
     "${TAREMO_VERSION_MAJOR}.${TAREMO_VERSION_MINOR}.${TAREMO_VERSION_REVISION}\n")
set(TAREMO_VERSION_RC ${CMAKE_BINARY_DIR}/taremo.rc)
configure_file(${PROJECT_SOURCE_DIR}/resources/taremo.rc.in ${TAREMO_VERSION_RC} @ONLY)

# The flags as pictures for 1x, 2x and 3x screens, fitted like the language dialog's icons
# (66 x 44) and served under :/resources/flag_<code>[@2x|@3x].png, from the SVG files that
# follow `target`.
function(taremo_flag_pictures target)
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/flags/resources)
    set(pictures)
    foreach(flag IN LISTS ARGN)
        set(svg ${PROJECT_SOURCE_DIR}/${flag})
        get_filename_component(name ${svg} NAME_WE)
        foreach(scale 1 2 3)
            set(suffix "")
            if(scale GREATER 1)
                set(suffix "@${scale}x")
            endif()
            set(png ${dir}/${name}${suffix}.png)
            add_custom_command(OUTPUT ${png}
                COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
                COMMAND flag_picture ${svg} ${png} 66 44 ${scale}
                DEPENDS flag_picture ${svg}
                VERBATIM)
            list(APPEND pictures ${png})
        endforeach()
    endforeach()
    qt_add_resources(${target} "taremo_flags" PREFIX "/" BASE ${CMAKE_CURRENT_BINARY_DIR}/flags
                     FILES ${pictures})
endfunction()

# The version resource, and the icon Explorer shows, made from one picture of the icon for
# each size.
function(taremo_windows_resources target)
    set(icons
        icon-16.png
        icon.png
        icon-48.png
        icon-64.png
        icon@3x.png
        icon-128.png
        icon-256.png
    )
    list(TRANSFORM icons PREPEND ${PROJECT_SOURCE_DIR}/resources/)
    set(ico ${CMAKE_CURRENT_BINARY_DIR}/taremo.ico)
    add_custom_command(OUTPUT ${ico}
        COMMAND make_icon ${ico} ${icons}
        DEPENDS make_icon ${icons}
        VERBATIM)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/taremo_icon.rc)
    file(WRITE ${rc} "1 ICON \"${ico}\"\n")
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${ico})
    target_sources(${target} PRIVATE ${TAREMO_VERSION_RC} ${rc})
endfunction()

# Each test program cross-built here runs under wine, in a wine prefix of this build's own.
macro(taremo_wine_emulator)
    if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
        # Debian keeps wine64 out of the path, in /usr/lib/wine.
        find_program(TAREMO_WINE64 wine64 PATHS /usr/lib/wine REQUIRED)
        set(wine WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= ${TAREMO_WINE64})
        # Programs without windows run with no display; those with windows on the one given,
        # in a prefix of their own: wine keeps the display its first program found for as
        # long as the prefix's server runs.
        set(CMAKE_CROSSCOMPILING_EMULATOR
            ${CMAKE_COMMAND} -E env --unset=DISPLAY WINEPREFIX=${CMAKE_BINARY_DIR}/wine ${wine})
        set(TAREMO_WINE_PREFIX_ON_DISPLAY ${CMAKE_BINARY_DIR}/wine-display)
        set(TAREMO_WINE_ON_DISPLAY
            ${CMAKE_COMMAND} -E env WINEPREFIX=${TAREMO_WINE_PREFIX_ON_DISPLAY} ${wine})
    endif()
endmacro()
