// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A file operation that failed, and why, told in the program's own words:
// what was done to which file (once `during()` says so) and the reason. The
// common reasons get a short Chinese text; the system's own text follows only
// for the rest, where it is all there is to say. Every file the program reads
// or writes reports its failures this way, and both windows show them: what
// any file meets is worded here, in filetrouble.cpp; what only the settings
// file or a picture meets, beside the code that reads them
// (SettingsTrouble, PictureTrouble).
class FileTrouble {
public:
    enum class Kind {
        None,
        Missing, // no such file or folder
        NotAFolder, // a file where the path needs a folder
        NoPermission,
        DiskFull,
        ReadOnlyDisk,
        FileSizeLimit, // larger than the system lets this program write
        NotAFile, // a folder, pipe, socket or device
        NoAnswer, // the file system has not answered yet
        Locked, // another program holds the file's lock, or the lock cannot be removed
        NotAPicture,
        Incomplete, // the picture file ends before the picture does
        TooLarge, // too many pixels to show; the detail says how many
        BadPictureData, // the decoder's own words say what is wrong
        TextTooLong, // the settings file would hold more than it reads back
        TooFewLines, // the settings file has fewer than four lines where it is read
        BadTargetLine, // the settings file's second line is no date
        UnreadableTexts, // bytes of the title or heading that are no text
        ControlCharacters, // a path the login entry cannot record
        PercentInProgramPath, // a program path desktops do not start at login
        ProgramMissing, // the program to start at login is no longer there; the detail names it
        NoConverter, // Qt has no converter for the file's encoding
        LockedBySchool, // an administrator has locked the settings for every user
        TooLongToRead, // longer than the program reads; the detail says how long that is
        NotAllText, // bytes that are no character in the file's encoding
        NothingKnown, // no section or key the program reads
        Other, // only the system's text says why
    };

    // What was being done when the trouble came.
    enum class Operation {
        Unnamed,
        Read,
        ReadPicture,
        Write,
        Remove,
        CreateFolder,
        WriteRegistry,
        ReadSystemFile, // the preferences file for every user of the computer
        ReadSettings, // the settings file, named as such
        CreateSettingsFolder,
    };

    FileTrouble() = default;
    // `systemText` is the system's own text for Other, or a detail that
    // follows the reason in brackets for TooLarge and BadPictureData, the
    // limit for TooLongToRead, the program's path for ProgramMissing.
    explicit FileTrouble(Kind kind, QString systemText = {});
    // The trouble behind a system error number.
    static FileTrouble fromErrno(int error);
    // The trouble behind a QFileDevice::errorString(), which is the system's
    // text for an error number whenever the system gave one.
    static FileTrouble fromSystemText(const QString& systemText);
    // A trouble of a kind that the part of the program that meets it words
    // itself (the settings file's lines, a picture's data): `reason` is what
    // text() gives, and `sentence`, when given, the whole of message(), with
    // %1 for the path and %2 for the reason.
    static FileTrouble described(Kind kind, QString reason, QString sentence = {});

    // This trouble, met doing `operation` to `path` (a file, a folder or a
    // registry key). No trouble stays none, and one that names its operation
    // already keeps it: the folder that could not be made for a file.
    FileTrouble during(Operation operation, const QString& path) const;
    // The same reason, met doing `operation` to `path`, whatever this one
    // names: a file read, told as the settings file's.
    FileTrouble as(Operation operation, const QString& path) const;

    Kind kind() const { return m_kind; }
    bool isNone() const { return m_kind == Kind::None; }
    Operation operation() const { return m_operation; }
    QString path() const { return m_path; }
    // The reason as a user reads it, without a full stop at the end.
    QString text() const;
    // The whole sentence: what could not be done to which file, and why,
    // e.g. 无法写入文件“/home/…/data.txt”：磁盘已满。 Empty for no trouble.
    QString message() const;

private:
    QString leftAsItIs() const;

    Kind m_kind = Kind::None;
    QString m_systemText;
    QString m_reason;
    QString m_sentence;
    Operation m_operation = Operation::Unnamed;
    QString m_path;
};
