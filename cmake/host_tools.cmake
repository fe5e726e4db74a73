# Programs the build runs on the build machine: the picture packer of every build, and the flag
# and icon makers that only the Windows build calls.

# A cross build cannot run what it compiles, so it takes these programs from a host build of
# this project (`make windows` passes the normal build folder).
set(TAREMO_HOST_TOOLS "" CACHE PATH "Host build folder holding the build-time tools (cross builds)")

# The tool `name` built from `source` and linked with the libraries that follow, or in a cross
# build the one of TAREMO_HOST_TOOLS.
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
        taremo_warnings(${name})
    endif()
endfunction()

taremo_host_tool(pack_picture tools/pack_picture.cpp Qt6::Gui)

# Qt SVG draws the flags; a Linux build without it simply cannot feed a Windows one.
if(NOT CMAKE_CROSSCOMPILING)
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
# A host build makes the Windows build's tools on request only (`make windows` asks for them).
if(NOT WIN32)
    set_target_properties(make_icon PROPERTIES EXCLUDE_FROM_ALL ON)
    if(TARGET flag_picture)
        set_target_properties(flag_picture PROPERTIES EXCLUDE_FROM_ALL ON)
    endif()
endif()

# The programs that wrote files kept in the sources: the catalogue's grid table and the bitmap
# artwork. Outside the default build; a build with the tests makes them, so that they cannot
# rot unseen, and a test shows that the generator still writes the table byte for byte.
if(NOT CMAKE_CROSSCOMPILING)
    add_executable(grid_generator tools/grid_generator.cpp)
    add_executable(draw_art tools/draw_art.cpp)
    target_link_libraries(draw_art PRIVATE Qt6::Gui)
    foreach(tool grid_generator draw_art)
        taremo_warnings(${tool})
        if(NOT BUILD_TESTING)
            set_target_properties(${tool} PROPERTIES EXCLUDE_FROM_ALL ON)
        endif()
    endforeach()
endif()
