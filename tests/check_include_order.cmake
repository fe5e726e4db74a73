# Fails when a file of src/ includes one of a layer above its own. The layers, ground first:
# the core (settings, catalogue, puzzle making, texts, board rules, version and link, in this
# order, then the game that holds the state, the generator and the link), the Qt helpers, the
# dialogs, the main window, the program's entry. A unit is its path without the extension and
# without the _linux or _windows of a platform side.
set(layers
    "app/ini_file app/number app/game_state app/file_ops app/settings_place app/startup"
    "puzzle/grid_catalogue puzzle/grid_table"
    "puzzle/random puzzle/puzzle_maker"
    "lang/texts lang/spoken lang/desktop_language"
    "mainwin/board"
    "about/version about/rating_link about/browser"
    "app/game"
    "app/qt_fit_text app/qt_message_box app/qt_packed_picture app/qt_paths app/qt_plain_dialog \
app/qt_window_title app/qt_sharp_picture mainwin/qt_cell_look"
    "puzzle/frm_new lang/frm_langue about/frm_info"
    "mainwin/frm_main mainwin/frm_main_keys mainwin/frm_cell_edit"
    "main command_line")

set(rank 0)
foreach(layer IN LISTS layers)
    string(REPLACE " " ";" units "${layer}")
    foreach(unit IN LISTS units)
        set(rank_${unit} ${rank})
    endforeach()
    math(EXPR rank "${rank} + 1")
endforeach()

# The layer of a file given by its path under src/; fails for a file no layer holds.
function(layer_of path out)
    string(REGEX REPLACE "(_linux|_windows)?\\.(h|cpp)$" "" unit "${path}")
    if(NOT DEFINED rank_${unit})
        message(FATAL_ERROR "${path} stands in no layer: add it to ${CMAKE_CURRENT_LIST_FILE}")
    endif()
    set(${out} ${rank_${unit}} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*.h ${SRC}/*.cpp)
set(wrong "")
foreach(file IN LISTS files)
    layer_of(${file} own)
    file(STRINGS ${SRC}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[^\"]*\"([^\"]+)\".*$" "\\1" included "${line}")
        layer_of(${included} theirs)
        if(theirs GREATER own)
            list(APPEND wrong "${file} includes ${included}")
        endif()
    endforeach()
endforeach()
if(wrong)
    list(JOIN wrong "\n  " text)
    message(FATAL_ERROR "Includes against the order of the layers:\n  ${text}")
endif()
