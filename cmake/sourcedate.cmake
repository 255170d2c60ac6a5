# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The time every packaged file carries, so that the packages of one commit are
# the same bytes whenever they are made: $SOURCE_DATE_EPOCH when set (as
# scripts/release.sh sets it), else the time of the commit checked out in
# source_dir, else, in a tree from a source archive (git archive gives every
# file the commit's time), the time of its CMakeLists.txt.
function(gaokao_source_date source_dir out)
    set(epoch "$ENV{SOURCE_DATE_EPOCH}")
    if(epoch STREQUAL "")
        execute_process(COMMAND git -C ${source_dir} log -1 --format=%ct
            OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET
            RESULT_VARIABLE failed)
        if(failed OR NOT epoch MATCHES "^[0-9]+$")
            file(TIMESTAMP ${source_dir}/CMakeLists.txt epoch "%s" UTC)
        endif()
    endif()
    set(${out} ${epoch} PARENT_SCOPE)
endfunction()
