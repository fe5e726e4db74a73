# Installs into a scratch prefix and checks the layout: the executable alone in its own
# folder (where it keeps its settings), the desktop entry pointing at it, and the icons.
file(REMOVE_RECURSE ${DEST})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${DEST}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "install failed: ${result}")
endif()
file(GLOB_RECURSE exes ${DEST}/*/taremo/taremo)
list(LENGTH exes count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one taremo/taremo under ${DEST}, found: ${exes}")
endif()
if(NOT IS_SYMLINK ${DEST}/bin/taremo OR NOT EXISTS ${DEST}/bin/taremo)
    message(FATAL_ERROR "bin/taremo is not a working link")
endif()
foreach(f share/applications/taremo.desktop share/icons/hicolor/32x32/apps/taremo.png
          share/icons/hicolor/256x256/apps/taremo.png)
    if(NOT EXISTS ${DEST}/${f})
        message(FATAL_ERROR "missing ${f}")
    endif()
endforeach()
file(REMOVE_RECURSE ${DEST})
