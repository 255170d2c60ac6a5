// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Why a file could not be read or written, told in the program's own words.
// The common cases get a short Chinese reason; the system's own text follows
// only for the rest, where it is all there is to say. Both windows show these
// reasons, so they are worded in one place.
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
        TooLarge, // too many pixels to show
        Other, // only the system's text says why
    };

    FileTrouble() = default;
    explicit FileTrouble(Kind kind, QString systemText = {});
    // The trouble behind a system error number.
    static FileTrouble fromErrno(int error);
    // The trouble behind a QFileDevice::errorString(), which is the system's
    // text for an error number whenever the system gave one.
    static FileTrouble fromSystemText(const QString& systemText);

    Kind kind() const { return m_kind; }
    bool isNone() const { return m_kind == Kind::None; }
    // The reason as a user reads it, without a full stop at the end.
    QString text() const;

private:
    Kind m_kind = Kind::None;
    QString m_systemText;
};
