# The tests (tests/CMakeLists.txt), unless BUILD_TESTING is off. A cross build compiles
# GoogleTest from Debian's sources, as no GoogleTest for the target is packaged, and runs the
# test programs under wine (cmake/windows.cmake).
macro(taremo_add_tests)
    if(BUILD_TESTING)
        enable_testing()
        include(GoogleTest)
        if(CMAKE_CROSSCOMPILING)
            set(INSTALL_GTEST OFF)
            add_subdirectory(/usr/src/googletest/googletest ${CMAKE_BINARY_DIR}/googletest
                             EXCLUDE_FROM_ALL SYSTEM)
            if(WIN32)
                taremo_wine_emulator()
            endif()
        else()
            find_package(GTest REQUIRED)
        endif()
        add_subdirectory(tests)
    endif()
endmacro()
