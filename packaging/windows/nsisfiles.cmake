# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the installer's file lists from an installed tree, so that the
# uninstaller removes exactly what the installer put there:
#
#   cmake -DTREE=<installed tree> -DINSTALL_LIST=files.nsh -DREMOVE_LIST=unfiles.nsh -P nsisfiles.cmake
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${TREE} ${TREE}/*)
list(SORT files)

set(install "")
set(remove "")
set(folders "")
set(current_folder "-")
foreach(file IN LISTS files)
    get_filename_component(folder "${file}" DIRECTORY)
    # NSIS reads $ as the start of a variable and wants backslashes on Windows.
    string(REPLACE "$" "$$" nsis_file "${file}")
    string(REPLACE "/" "\\" nsis_file "${nsis_file}")
    string(REPLACE "$" "$$" nsis_folder "${folder}")
    string(REPLACE "/" "\\" nsis_folder "${nsis_folder}")
    if(NOT folder STREQUAL current_folder)
        set(current_folder "${folder}")
        if(folder STREQUAL "")
            string(APPEND install "SetOutPath \"$INSTDIR\"\n")
        else()
            string(APPEND install "SetOutPath \"$INSTDIR\\${nsis_folder}\"\n")
            # Every folder up to the top, so that all of them are removed.
            while(NOT folder STREQUAL "")
                list(APPEND folders "${nsis_folder}")
                get_filename_component(folder "${folder}" DIRECTORY)
                string(REPLACE "/" "\\" nsis_folder "${folder}")
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
