# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the MSI's file list (a WiX include for wixl) from an installed tree,
# the tree the NSIS installer's lists come from (nsisfiles.cmake):
#
#   cmake -DTREE=<installed tree> -DOUTPUT=files.wxi -DNAMES=names.sql -P wixfiles.cmake
#
# The files are named relative to the folder of OUTPUT, where installer.wxs
# is too: wixl finds no file by its absolute path.
#
# wixl keeps only the names that its default code page can write (no Chinese
# one), so NAMES gets a query per file and folder that writes its name again
# once the database's code page is set (msifinish.cmake).
#
# One component per file, in the component group ProgramFiles. A component's
# GUID comes from the file's path, so that every version of the MSI gives the
# same file the same component and an upgrade replaces it.
get_filename_component(base ${OUTPUT} DIRECTORY)
file(RELATIVE_PATH tree ${base} ${TREE})
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${TREE} ${TREE}/*)
list(SORT files)

# Identifiers of the database: letters, digits and underscores, from the path.
function(wix_id prefix path out)
    string(MD5 hash "${path}")
    set(${out} "${prefix}${hash}" PARENT_SCOPE)
endfunction()

function(wix_directory_id folder out)
    if(folder STREQUAL "")
        set(${out} INSTALLDIR PARENT_SCOPE)
    else()
        wix_id(d "${folder}" id)
        set(${out} ${id} PARENT_SCOPE)
    endif()
endfunction()

# A name in the database's SQL, which has no way to quote a quote.
function(sql_name table column key name out)
    if(name MATCHES "'")
        message(FATAL_ERROR "an MSI cannot hold the name ${name}")
    endif()
    set(${out} "UPDATE ${table} SET ${column}='${name}' WHERE ${table}='${key}'\n" PARENT_SCOPE)
endfunction()

# & < > " in a name or path, as XML writes them.
function(xml_text text out)
    string(REPLACE "&" "&amp;" text "${text}")
    string(REPLACE "<" "&lt;" text "${text}")
    string(REPLACE ">" "&gt;" text "${text}")
    string(REPLACE "\"" "&quot;" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(folders "")
foreach(file IN LISTS files)
    get_filename_component(folder "${file}" DIRECTORY)
    while(NOT folder STREQUAL "")
        list(APPEND folders "${folder}")
        get_filename_component(folder "${folder}" DIRECTORY)
    endwhile()
endforeach()
list(REMOVE_DUPLICATES folders)
list(SORT folders)

set(names "")
set(namespace 5b0f3c1e-8d6a-4f2e-9a71-3c4d2e6f8a90)
set(xml "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n")
string(APPEND xml "<Include xmlns=\"http://schemas.microsoft.com/wix/2006/wi\">\n<Fragment>\n")
# Every folder in its parent (a parent sorts before its children).
foreach(folder IN LISTS folders)
    get_filename_component(parent "${folder}" DIRECTORY)
    get_filename_component(name "${folder}" NAME)
    wix_directory_id("${parent}" parent_id)
    wix_directory_id("${folder}" id)
    sql_name(Directory DefaultDir ${id} "${name}" query)
    string(APPEND names "${query}")
    xml_text("${name}" name)
    string(APPEND xml "  <DirectoryRef Id=\"${parent_id}\">"
        "<Directory Id=\"${id}\" Name=\"${name}\"/></DirectoryRef>\n")
endforeach()
set(refs "")
foreach(file IN LISTS files)
    get_filename_component(folder "${file}" DIRECTORY)
    wix_directory_id("${folder}" folder_id)
    wix_id(c "${file}" component)
    wix_id(f "${file}" file_id)
    get_filename_component(name "${file}" NAME)
    sql_name(File FileName ${file_id} "${name}" query)
    string(APPEND names "${query}")
    string(UUID guid NAMESPACE ${namespace} NAME "${file}" TYPE SHA1 UPPER)
    xml_text("${tree}/${file}" source)
    string(APPEND xml "  <DirectoryRef Id=\"${folder_id}\">"
        "<Component Id=\"${component}\" Guid=\"${guid}\" Win64=\"yes\">"
        "<File Id=\"${file_id}\" Source=\"${source}\" KeyPath=\"yes\"/>"
        "</Component></DirectoryRef>\n")
    string(APPEND refs "    <ComponentRef Id=\"${component}\"/>\n")
endforeach()
string(APPEND xml "  <ComponentGroup Id=\"ProgramFiles\">\n${refs}  </ComponentGroup>\n")
string(APPEND xml "</Fragment>\n</Include>\n")
file(WRITE ${OUTPUT} "${xml}")
file(WRITE ${NAMES} "${names}")
