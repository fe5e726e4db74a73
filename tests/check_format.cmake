# Fails when a header or source of src/ (SRC) is not as clang-format (CLANG_FORMAT) would write
# it with the project's .clang-format; the differences are printed.
file(GLOB_RECURSE files ${SRC}/*.cpp ${SRC}/*.h)
list(SORT files)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run -Werror ${files} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "clang-format would change the files above (${CLANG_FORMAT} -i <file>)")
endif()
list(LENGTH files count)
message("clang-format: ${count} files as the style writes them")
