# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the three Windows packages of a build: installs it (stripped) into
# WORK/stage/PACKAGE, zips that tree, and packs it with makensis and wixl,
# the packages into OUT:
#
#   cmake -DBUILD=<build folder> -DWORK=<folder> -DOUT=<folder> -DPACKAGE=<name>
#         -DVERSION=<version> -DUPGRADE_CODE=<guid> -DSOURCE_DIR=<source> -DNSI=<installer.nsi>
#         -DWXS=<installer.wxs> -DMAKENSIS=makensis -DWIXL=wixl -DMSIBUILD=msibuild
#         [-DFAKETIME=faketime] -P pack.cmake
#
# The same build gives the same bytes in any folder, at any time and in any
# time zone: every file and folder carries the source's time and fixed modes,
# the zip (ziptree.py) lists them in one order without owners, and the MSI's
# product and package codes come from the version and the files (so a build
# with other files still replaces an installed one of the same version).
# wixl and msibuild write the time of day into the MSI; under faketime (when
# given) that is the source's time too.
set(here ${CMAKE_CURRENT_LIST_DIR})
include(${SOURCE_DIR}/cmake/sourcedate.cmake)
gaokao_source_date(${SOURCE_DIR} epoch)
# MinGW's strip writes the time into each PE header it rewrites: this one.
set(ENV{SOURCE_DATE_EPOCH} ${epoch})
file(WRITE ${WORK}/source-date.txt "${epoch}\n")
set(stage ${WORK}/stage)
set(tree ${stage}/${PACKAGE})
set(zip_file ${OUT}/${PACKAGE}-windows-x64.zip)
set(installer_file ${OUT}/${PACKAGE}-windows-x64-setup.exe)
set(msi_file ${OUT}/${PACKAGE}-windows-x64.msi)

function(run)
    execute_process(COMMAND ${ARGN} COMMAND_ERROR_IS_FATAL ANY)
endfunction()

file(REMOVE_RECURSE ${stage})
file(REMOVE ${zip_file} ${installer_file} ${msi_file})
run(${CMAKE_COMMAND} --install ${BUILD} --prefix ${tree} --strip)
run(find ${tree} -type d -exec chmod 755 {} +)
run(find ${tree} -exec touch -h -d @${epoch} {} +)

run(/usr/bin/python3 ${here}/ziptree.py ${zip_file} ${stage} ${PACKAGE} ${epoch})

set(TREE ${tree})
set(INSTALL_LIST ${WORK}/files.nsh)
set(REMOVE_LIST ${WORK}/unfiles.nsh)
include(${here}/nsisfiles.cmake)
run(${MAKENSIS} -V2 -INPUTCHARSET UTF8 -DOUTFILE=${installer_file} -DFILES_NSH=${INSTALL_LIST}
    -DUNFILES_NSH=${REMOVE_LIST} ${NSI})

# wixl finds files only relative to installer.wxs, so it and its icon come
# beside the file list.
get_filename_component(wxs_dir ${WXS} DIRECTORY)
if(NOT wxs_dir STREQUAL WORK)
    file(COPY ${WXS} ${wxs_dir}/icon.ico DESTINATION ${WORK})
endif()
set(OUTPUT ${WORK}/files.wxi)
set(NAMES ${WORK}/names.sql)
include(${here}/wixfiles.cmake)
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${tree} ${tree}/*)
list(SORT files)
set(contents "${VERSION}")
foreach(file IN LISTS files)
    file(SHA256 ${TREE}/${file} hash)
    string(APPEND contents "\n${file} ${hash}")
endforeach()
string(UUID product_code NAMESPACE ${UPGRADE_CODE} NAME "product\n${contents}" TYPE SHA1 UPPER)
string(UUID package_code NAMESPACE ${UPGRADE_CODE} NAME "package\n${contents}" TYPE SHA1 UPPER)
set(at_source_date "")
if(FAKETIME)
    # Only the clock: the files' times stay as they are (NO_FAKE_STAT); and
    # that clock alone, whatever faketime this runs under.
    set(at_source_date ${CMAKE_COMMAND} -E env --unset=LD_PRELOAD --unset=FAKETIME TZ=UTC
        NO_FAKE_STAT=1 ${FAKETIME} @${epoch})
endif()
run(${at_source_date} ${WIXL} --arch x64 -D ProductCode=${product_code} -o ${msi_file}
    ${WORK}/installer.wxs)
# wixl takes no package code: msibuild writes it, with the summary's other
# three texts as wixl wrote them.
get_filename_component(msitools ${MSIBUILD} DIRECTORY)
execute_process(COMMAND ${msitools}/msiinfo suminfo ${msi_file} OUTPUT_VARIABLE summary
    COMMAND_ERROR_IS_FATAL ANY)
foreach(field Subject Author Template)
    string(REGEX MATCH "\n${field}: ([^\n]*)" line "\n${summary}")
    set(${field} "${CMAKE_MATCH_1}")
endforeach()
set(MSIBUILD ${at_source_date} ${MSIBUILD})
execute_process(COMMAND ${MSIBUILD} ${msi_file} -s "${Subject}" "${Author}" "${Template}"
    "{${package_code}}" COMMAND_ERROR_IS_FATAL ANY)
set(MSI ${msi_file})
include(${here}/msifinish.cmake)
