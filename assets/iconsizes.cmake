# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The sizes of the program's icon, pictures assets/icon-<size>.png. The main
# window hands the window system the sizes it draws window icons at (title
# bar, task bar, window switcher; each with its @2x picture for high-density
# screens); the desktop's icon theme gets them all, for menus and launchers.
set(GAOKAO_WINDOW_ICON_SIZES 16 32 48)
set(GAOKAO_ICON_SIZES ${GAOKAO_WINDOW_ICON_SIZES} 128 256)

# Run as a script (cmake -P), it prints the two lists, one a line, for
# render_icons.sh.
if(CMAKE_SCRIPT_MODE_FILE)
    foreach(sizes GAOKAO_WINDOW_ICON_SIZES GAOKAO_ICON_SIZES)
        string(REPLACE ";" " " line "${${sizes}}")
        execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${line}")
    endforeach()
endif()
