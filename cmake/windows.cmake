# What building for Windows needs beyond the shared rules: build-time tools taken from a host
# build when cross-compiling, the executable's version and icon resources, the flag pictures
# (no Qt SVG there), and the tests, run under wine when cross-built.

# A program the build runs on the build machine. A cross build cannot run what it compiles, so
# it takes the program from a host build of this project in TAREMO_HOST_TOOLS (`make windows`
# passes the normal build folder).
function(taremo_host_tool name source)
    if(CMAKE_CROSSCOMPILING)
        if(NOT TAREMO_HOST_TOOLS)
            message(FATAL_ERROR "Cross-compiling: set TAREMO_HOST_TOOLS to a host build folder")
        endif()
        add_executable(${name} IMPORTED GLOBAL)
        set_target_properties(${name} PROPERTIES IMPORTED_LOCATION ${TAREMO_HOST_TOOLS}/${name})
    else()
        add_executable(${name} ${source})
        target_link_libraries(${name} PRIVATE ${ARGN})
    endif()
endfunction()

# The tools only a Windows build calls; a host build makes them on request (`make windows`).
function(taremo_windows_host_tools)
    if(NOT CMAKE_CROSSCOMPILING)
        # Qt SVG draws the flags; a Linux build without it simply cannot feed a Windows one.
        if(WIN32)
            find_package(Qt6 REQUIRED COMPONENTS Svg)
        else()
            find_package(Qt6 QUIET COMPONENTS Svg)
        endif()
    endif()
    if(CMAKE_CROSSCOMPILING OR TARGET Qt6::Svg)
        taremo_host_tool(flag_picture tools/flag_picture.cpp Qt6::Svg Qt6::Gui)
    endif()
    taremo_host_tool(make_icon tools/make_icon.cpp)
    if(NOT WIN32)
        set_target_properties(make_icon PROPERTIES EXCLUDE_FROM_ALL ON)
        if(TARGET flag_picture)
            set_target_properties(flag_picture PROPERTIES EXCLUDE_FROM_ALL ON)
        endif()
    endif()
endfunction()

# The flags as pictures for 1x, 2x and 3x screens, fitted like the language dialog's icons
# (66 x 44) and served under :/resources/flag_<code>[@2x|@3x].png.
function(taremo_flag_pictures target)
    file(GLOB flags CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/flag_*.svg)
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/flags/resources)
    set(pictures)
    foreach(svg IN LISTS flags)
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

# The version resource, and the icon Explorer shows, made from every resources/icon*.png.
function(taremo_windows_resources target)
    file(GLOB icons CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/icon*.png)
    set(ico ${CMAKE_CURRENT_BINARY_DIR}/taremo.ico)
    add_custom_command(OUTPUT ${ico}
        COMMAND make_icon ${ico} ${icons}
        DEPENDS make_icon ${icons}
        VERBATIM)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/taremo_icon.rc)
    file(WRITE ${rc} "1 ICON \"${ico}\"\n")
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${ico})
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/resources/taremo.rc ${rc})
endfunction()

# Each test program cross-built here runs under wine, in a wine prefix of this build's own.
macro(taremo_wine_emulator)
    if(CMAKE_CROSSCOMPILING AND WIN32 AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
        # Debian keeps wine64 out of the path, in /usr/lib/wine.
        find_program(TAREMO_WINE64 wine64 PATHS /usr/lib/wine REQUIRED)
        set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_COMMAND} -E env --unset=DISPLAY
            WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
            ${TAREMO_WINE64})
    endif()
endmacro()

# The tests, unless BUILD_TESTING is off. A cross build compiles GoogleTest from Debian's
# sources, as no GoogleTest for the target is packaged.
macro(taremo_add_tests)
    if(BUILD_TESTING)
        enable_testing()
        include(GoogleTest)
        if(CMAKE_CROSSCOMPILING)
            set(INSTALL_GTEST OFF)
            add_subdirectory(/usr/src/googletest/googletest ${CMAKE_BINARY_DIR}/googletest
                             EXCLUDE_FROM_ALL SYSTEM)
            taremo_wine_emulator()
        else()
            find_package(GTest REQUIRED)
        endif()
        add_subdirectory(tests)
    endif()
endmacro()
