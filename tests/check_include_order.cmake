# Fails when a file of src/ includes one of a layer above its own. A file's layer follows from
# its folder and its name alone, so a new file needs no entry here. The layers, ground first:
#   the core: every unit of app/, puzzle/, lang/, mainwin/ and about/ whose name does not begin
#     with frm_, folder by folder in that order (settings, puzzle making, texts, the board's
#     rules, version and link): a core unit may include its own folder and the folders before;
#     above them all app/game, the game that holds the state, the generator and the link;
#   the Qt helpers: widgets/;
#   the dialogs: the frm_ units outside mainwin/;
#   the main window: the frm_ units of mainwin/;
#   the program's entry: the files directly in src/.
# A file in any other folder stands in no layer, and fails.
set(core_folders app puzzle lang mainwin about)
list(LENGTH core_folders game)
math(EXPR helpers "${game} + 1")
math(EXPR dialogs "${helpers} + 1")
math(EXPR main_window "${helpers} + 2")
math(EXPR entry "${helpers} + 3")

# The layer of the file `path` under src/, as a rank (ground 0) into `out` and a name for
# messages into `out_name`.
function(layer_of path out out_name)
    if(NOT path MATCHES "/")
        set(rank ${entry})
        set(name "the program's entry")
    elseif(path MATCHES "^([^/]+)/([^/]+)$")
        set(folder ${CMAKE_MATCH_1})
        set(file ${CMAKE_MATCH_2})
        list(FIND core_folders ${folder} core_rank)
        if(path MATCHES "^app/game\\.(h|cpp)$")
            set(rank ${game})
            set(name "core, the game")
        elseif(folder STREQUAL "widgets")
            set(rank ${helpers})
            set(name "Qt helpers")
        elseif(core_rank EQUAL -1)
            list(JOIN core_folders "/, " folders)
            message(FATAL_ERROR "src/${path} stands in no layer: src/${folder}/ is none of the "
                "core's folders (${folders}/) nor widgets/; see ${CMAKE_CURRENT_LIST_FILE}")
        elseif(NOT file MATCHES "^frm_")
            set(rank ${core_rank})
            set(name "core, ${folder}/")
        elseif(folder STREQUAL "mainwin")
            set(rank ${main_window})
            set(name "main window")
        else()
            set(rank ${dialogs})
            set(name "dialogs")
        endif()
    else()
        message(FATAL_ERROR "src/${path} stands in no layer: the layers hold the files directly "
            "in src/ and in its folders, none deeper; see ${CMAKE_CURRENT_LIST_FILE}")
    endif()
    set(${out} ${rank} PARENT_SCOPE)
    set(${out_name} "${name}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*.h ${SRC}/*.cpp)
set(wrong "")
foreach(file IN LISTS files)
    layer_of(${file} own own_name)
    file(STRINGS ${SRC}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[^\"]*\"([^\"]+)\".*$" "\\1" included "${line}")
        if(NOT EXISTS ${SRC}/${included})
            message(FATAL_ERROR "${file} includes \"${included}\", which is no file of src/: "
                "write the path from src/")
        endif()
        layer_of(${included} theirs their_name)
        if(theirs GREATER own)
            list(APPEND wrong "${file} (${own_name}) includes ${included} (${their_name})")
        endif()
    endforeach()
endforeach()
if(wrong)
    list(JOIN wrong "\n  " text)
    message(FATAL_ERROR "Includes against the order of the layers:\n  ${text}")
endif()
