# Fails when a C++ file of the repository (ROOT: its sources, tests, tools, benchmarks and
# fuzzers) is not as clang-format (CLANG_FORMAT) would write it with the project's
# .clang-format; the differences are printed. Without clang-format it fails too.
if(NOT EXISTS "${CLANG_FORMAT}")
    message(FATAL_ERROR "no clang-format: tools/ensure-deps.sh test installs it")
endif()
set(files "")
foreach(folder src tests tools bench fuzz)
    file(GLOB_RECURSE found ${ROOT}/${folder}/*.cpp ${ROOT}/${folder}/*.h)
    list(APPEND files ${found})
endforeach()
list(SORT files)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run -Werror ${files} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "clang-format would change the files above (${CLANG_FORMAT} -i <file>)")
endif()
list(LENGTH files count)
message("clang-format: ${count} files as the style writes them")
