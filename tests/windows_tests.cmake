# Helpers of the tests of the Windows sides.

# A stand-in browser that notes the arguments it is started with, kept beside the test programs.
# It calls Windows as the core does, with the slim <windows.h>.
add_executable(stand_in_browser support/stand_in_browser.cpp)
target_compile_definitions(stand_in_browser PRIVATE NOMINMAX WIN32_LEAN_AND_MEAN)
taremo_warnings(stand_in_browser)
add_dependencies(core_tests stand_in_browser)

# The game's own version resource, read back by a program that carries it.
add_executable(version_probe support/version_probe.cpp ${TAREMO_VERSION_RC})
target_link_libraries(version_probe PRIVATE taremo_core)
taremo_warnings(version_probe)
add_test(NAME Version.GameResourceReadsBack COMMAND version_probe)
set_tests_properties(Version.GameResourceReadsBack
    PROPERTIES PASS_REGULAR_EXPRESSION "^${version_pattern}\r?\n$")

# The sources with code for Windows only, under the checks of .clang-tidy as the Linux build's
# sources are (Style.Tidy): clang-tidy reads this build's compile commands for Windows' target,
# with the C++ headers of the cross compiler, as clang does not find those of its -posix kind.
# The core's build checks the core's and its tests'; the whole game's test build checks these
# and the toolkit's side, the window tests' entry with it.
find_program(TAREMO_CLANG_TIDY clang-tidy)
set(tidy_arguments --extra-arg=--target=x86_64-w64-mingw32 --extra-arg=-nostdinc++)
foreach(dir IN LISTS CMAKE_CXX_IMPLICIT_INCLUDE_DIRECTORIES)
    if(dir MATCHES "/c\\+\\+")
        list(APPEND tidy_arguments --extra-arg=-isystem${dir})
    endif()
endforeach()
add_test(NAME Style.TidyWindows
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/check_tidy.sh --platform-only
            ${TAREMO_CLANG_TIDY} ${PROJECT_BINARY_DIR} ${PROJECT_SOURCE_DIR} src tests
            -- ${tidy_arguments})
set_tests_properties(Style.TidyWindows PROPERTIES PROCESSORS 2 TIMEOUT 900)
