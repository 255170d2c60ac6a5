# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The C++ runtime of MinGW-w64 (Debian's: posix threads) that every program
# built with it needs beside it: the full paths, as the compiler finds them.
function(gaokao_mingw_runtime_dlls out)
    set(paths "")
    foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
            OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
            message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not find ${dll}")
        endif()
        file(REAL_PATH ${path} path)
        list(APPEND paths ${path})
    endforeach()
    set(${out} ${paths} PARENT_SCOPE)
endfunction()
