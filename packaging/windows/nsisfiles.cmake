# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the installer's file lists from an installed tree, so that the
# uninstaller removes exactly what the installer put there:
#
#   cmake -DTREE=<installed tree> -DINSTALL_LIST=files.nsh -DREMOVE_LIST=unfiles.nsh -P nsisfiles.cmake
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${TREE} ${TREE}/*)
list(SORT files)

# A path as NSIS reads it: $ starts a variable there, and Windows wants
# backslashes.
function(nsis_path path out)
    string(REPLACE "$" "$$" path "${path}")
    string(REPLACE "/" "\\" path "${path}")
    set(${out} "${path}" PARENT_SCOPE)
endfunction()

set(install "")
set(remove "")
set(folders "")
set(current_folder "-")
foreach(file IN LISTS files)
    get_filename_component(folder "${file}" DIRECTORY)
    nsis_path("${file}" nsis_file)
    if(NOT folder STREQUAL current_folder)
        set(current_folder "${folder}")
        nsis_path("${folder}" nsis_folder)
        if(folder STREQUAL "")
            string(APPEND install "SetOutPath \"$INSTDIR\"\n")
        else()
            string(APPEND install "SetOutPath \"$INSTDIR\\${nsis_folder}\"\n")
            # Every folder up to the top, so that all of them are removed.
            while(NOT folder STREQUAL "")
                nsis_path("${folder}" nsis_folder)
                list(APPEND folders "${nsis_folder}")
                get_filename_component(folder "${folder}" DIRECTORY)
            endwhile()
        endif()
    endif()
    string(APPEND install "File \"${TREE}/${file}\"\n")
    string(APPEND remove "Delete \"$INSTDIR\\${nsis_file}\"\n")
endforeach()

# The deepest folders first; a folder that still holds other files stays.
list(REMOVE_DUPLICATES folders)
list(SORT folders)
list(REVERSE folders)
foreach(folder IN LISTS folders)
    string(APPEND remove "RMDir \"$INSTDIR\\${folder}\"\n")
endforeach()

file(WRITE ${INSTALL_LIST} "${install}")
file(WRITE ${REMOVE_LIST} "${remove}")
