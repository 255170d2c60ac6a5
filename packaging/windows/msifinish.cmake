# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Finishes the MSI that wixl made from installer.wxs, with msibuild (msitools):
#
#   cmake -DMSI=<file.msi> -DNAMES=names.sql -DVERSION=<version> -DUPGRADE_CODE=<guid>
#         -DMSIBUILD=msibuild -P msifinish.cmake
#
# wixl sets no code page for the database, so it drops every Chinese text,
# and it knows no conditions on components or launch conditions of our own.
# All of that is written here, after the code page: the database's texts are
# GBK (code page 936), which Windows reads whatever its own language.

set(codepage_table ${MSI}.codepage/_ForceCodepage.idt)
file(WRITE ${codepage_table} "\r\n\r\n936\t_ForceCodepage\r\n")

# The names of the installed files and folders again (wixfiles.cmake).
file(STRINGS ${NAMES} queries ENCODING UTF-8)

set(name "高考倒计时")
set(publisher "高考倒计时的开发者")
list(APPEND queries
    "UPDATE Property SET Value='${name}' WHERE Property='ProductName'"
    "UPDATE Property SET Value='${publisher}' WHERE Property='Manufacturer'"
    "UPDATE Shortcut SET Name='${name}' WHERE Shortcut='StartMenuShortcut'")

# Each property's value is written only when the property is given; the
# login entry only for 1. Windows looks at these conditions only when
# installing; Wine's msiexec also when uninstalling, where a false one would
# leave the value behind: there they hold.
set(removing " OR REMOVE~=\"ALL\"")
list(APPEND queries "UPDATE Component SET Condition='AUTOSTART=\"1\"${removing}' \
WHERE Component='Autostart'")
foreach(component_property IN ITEMS PolicySettingsDir:SETTINGSDIR PolicyLocked:LOCKED
        PolicyFullScreen:FULLSCREEN PolicyScreen:SCREEN)
    string(REPLACE ":" ";" pair ${component_property})
    list(GET pair 0 component)
    list(GET pair 1 property)
    list(APPEND queries
        "UPDATE Component SET Condition='${property}${removing}' WHERE Component='${component}'")
endforeach()
# They reach the installation's elevated part also when an administrator's
# transform or command line gives them to a user's installation.
# (Given apart from the list of queries, for its semicolons.)
set(secure "WIX_DOWNGRADE_DETECTED;WIX_UPGRADE_DETECTED;AUTOSTART;SETTINGSDIR;LOCKED;FULLSCREEN;SCREEN")

# A switch is 0 or 1; anything else stops the installation with the reason,
# rather than a value the program would not understand.
list(APPEND queries "DELETE FROM LaunchCondition WHERE Condition='NOT WIX_DOWNGRADE_DETECTED'"
    "INSERT INTO LaunchCondition (Condition, Description) VALUES ('NOT WIX_DOWNGRADE_DETECTED', \
'这台电脑上已经装了更新版本的${name}，不能再装这个旧版本。')")
foreach(switch IN ITEMS AUTOSTART LOCKED FULLSCREEN)
    list(APPEND queries "INSERT INTO LaunchCondition (Condition, Description) VALUES \
('NOT ${switch} OR ${switch}=\"0\" OR ${switch}=\"1\"', '${switch} 只能是 0 或 1。')")
endforeach()

# Windows 10 1607 (build 14393), on many classroom boards, and later; 7 and 8
# are refused. (Nobody is there to warn on 1607 to 1803 in a Group Policy
# installation, which the NSIS installer does.)
list(APPEND queries "INSERT INTO LaunchCondition (Condition, Description) VALUES \
('Installed OR NOT WINDOWSBUILD OR WINDOWSBUILD >= 14393', '${name}需要 Windows 10 1607\
（内部版本 14393）或更新的 Windows，这台电脑上的 Windows 太旧了。')")

# Before its files are replaced or removed, a running copy of the program
# saves and ends: asked (its own question), then, as an older version does not
# know it, closed as by its window's close button. Neither stops the
# installation (type 34, the program in a folder, + 64, its outcome
# ignored); a copy that stays makes Windows replace the files at the next
# start. The question goes through cmd.exe with the output led away: an
# older program would show its answer in a message box, which nobody may be
# there to close (a Group Policy installation at start-up), and one not there
# at all is no failure. The 64-bit system folder's: Wine without its 32-bit
# part runs nothing from the other. (wixl writes no such custom actions.)
set(running "WIX_UPGRADE_DETECTED OR REMOVE~=\"ALL\"")
list(APPEND queries
    "INSERT INTO CustomAction (Action, Type, Source, Target) VALUES ('AskRunningCopyToQuit', 98, \
'System64Folder', '\"[System64Folder]cmd.exe\" /d /s /c \"\"[INSTALLDIR]gaokao-countdown.exe\" --quit \
>nul 2>&1\"')"
    "INSERT INTO CustomAction (Action, Type, Source, Target) VALUES ('CloseRunningCopies', 98, \
'System64Folder', '\"[System64Folder]taskkill.exe\" /IM gaokao-countdown.exe')"
    "INSERT INTO InstallExecuteSequence (Action, Condition, Sequence) VALUES \
('AskRunningCopyToQuit', '${running}', 1390)"
    "INSERT INTO InstallExecuteSequence (Action, Condition, Sequence) VALUES \
('CloseRunningCopies', '${running}', 1395)")

# Another folder may be given (INSTALLDIR=...), but not the settings folder:
# the program's files would be among the settings.
list(APPEND queries "INSERT INTO LaunchCondition (Condition, Description) VALUES \
('NOT (INSTALLDIR ~>< \"VEKTemp\")', '不能装到设置文件夹 VEKTemp 里，请换一个文件夹。')")

# An MSI of the same version made again replaces the installed one too, as a
# newer one does: the highest version it removes is its own (513: migrate the
# features, the highest version included).
list(APPEND queries "DELETE FROM Upgrade WHERE ActionProperty='WIX_UPGRADE_DETECTED'"
    "INSERT INTO Upgrade (UpgradeCode, VersionMax, Attributes, ActionProperty) VALUES \
('{${UPGRADE_CODE}}', '${VERSION}', 513, 'WIX_UPGRADE_DETECTED')")

set(arguments -i ${codepage_table})
foreach(query IN LISTS queries)
    list(APPEND arguments -q "${query}")
endforeach()
execute_process(COMMAND ${MSIBUILD} ${MSI} ${arguments}
    -q "UPDATE Property SET Value='${secure}' WHERE Property='SecureCustomProperties'"
    RESULT_VARIABLE result)
file(REMOVE_RECURSE ${MSI}.codepage)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "msibuild could not finish ${MSI}")
endif()
