# Helpers of the tests of the Windows sides.

# A stand-in browser that notes the arguments it is started with, kept beside the test programs.
# It calls Windows as the core does, with the slim <windows.h>.
add_executable(stand_in_browser support/stand_in_browser.cpp)
target_compile_definitions(stand_in_browser PRIVATE NOMINMAX WIN32_LEAN_AND_MEAN)
taremo_warnings(stand_in_browser)
add_dependencies(core_tests stand_in_browser)

# The core tests carry version numbers of their own, which the version test reads back.
target_sources(core_tests PRIVATE support/test_version.rc)

# The game's own version resource, read back by a program that carries it.
add_executable(version_probe support/version_probe.cpp ${TAREMO_VERSION_RC})
target_link_libraries(version_probe PRIVATE taremo_core)
taremo_warnings(version_probe)
add_test(NAME Version.GameResourceReadsBack COMMAND version_probe)
set_tests_properties(Version.GameResourceReadsBack
    PROPERTIES PASS_REGULAR_EXPRESSION "^${version_pattern}\r?\n$")
