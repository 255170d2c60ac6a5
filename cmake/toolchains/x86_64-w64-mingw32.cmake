# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiling for 64-bit Windows with Debian's MinGW-w64, the posix thread
# model (std::thread and std::mutex need it). Used both for Qt itself and for
# the program.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(GAOKAO_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${GAOKAO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${GAOKAO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${GAOKAO_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${GAOKAO_MINGW_TRIPLE})
# Qt and ICU for Windows, as scripts/build-windows-deps.sh leaves them.
if(GAOKAO_WINDOWS_DEPS)
    list(APPEND CMAKE_FIND_ROOT_PATH ${GAOKAO_WINDOWS_DEPS}/qt ${GAOKAO_WINDOWS_DEPS}/icu)
    list(APPEND CMAKE_PREFIX_PATH ${GAOKAO_WINDOWS_DEPS}/qt ${GAOKAO_WINDOWS_DEPS}/icu)
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
