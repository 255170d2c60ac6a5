// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filetext.h"
#include "filetrouble.h"
#include "preferencegroup.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// The text of an INI file as it stands, line for line, and the changes one
// save makes to it. It is read as Windows' own INI reader reads one:
// sections and keys in any case, ";" (or "#") a comment only at the start of
// a line ("locked=true ; no" is the value "true ; no"), of a key given twice
// the first, values trimmed; "1\title" in "[countdowns]" is the key
// "1/title" of the group "countdowns", and "[General]" the keys outside any
// group. Any encoding FileText knows is read, up to 1 MiB.
//
// A change keeps every line it does not change byte for byte, in whatever
// encoding the file was read (UTF-8 with or without a mark, UTF-16, or GBK,
// also when some of its lines were really UTF-8): changed and new lines are
// written in that encoding, GB18030 for GBK, which holds every character and
// is GBK's bytes for GBK's characters. A new file is UTF-8. A file that was
// not read whole, or held bytes that are no text, is never written: that
// would lose its end, or put U+FFFD where the user's characters were.
class IniDocument {
public:
    // No file: empty, UTF-8.
    IniDocument() = default;
    // The file at `path` as it stands; none when there is none. `trouble`
    // says why a file that is there could not be read (a pipe, a folder, no
    // permission): the document is then empty.
    static IniDocument read(const QString& path, FileTrouble* trouble = nullptr);
    static IniDocument fromBytes(const QByteArray& bytes);

    // What keeps this document from being written back over its file: read
    // no further than the limit (TooLongToRead), or bytes that are no text
    // (NotAllText). None when it may be.
    FileTrouble writeTrouble() const;

    // The group's keys, each in the group's spelling, as the file's first
    // line for it says.
    PreferenceValues values(const PreferenceGroup& group) const;
    // Whether any line holds a key of the group named `name`, in any case.
    bool hasGroup(const QString& name) const;
    // The names of the groups with keys, lower case; "" for keys outside any.
    QStringList groupNames() const;
    // Every key of the group named `name`, as the file spells it.
    QStringList keys(const QString& name) const;

    // Makes the group hold `values` and nothing else: a line whose key keeps
    // its value keeps its bytes; one whose value changes is written anew in
    // its place; one of a key no longer there goes, with any later line of
    // the same key; a new key goes after the last one the group writes
    // before it (see PreferenceGroup::writtenBefore()), a new group at the
    // end. Comments and every other group stay as they are.
    void setValues(const PreferenceGroup& group, const PreferenceValues& values);

    // The whole file as it is to be written.
    QByteArray bytes() const;
    // The most the reader reads, in bytes.
    static qint64 maxBytes();

private:
    struct Line {
        enum class Kind { Other, Header, Key };
        QByteArray raw; // as the file holds it, with its line end
        Kind kind = Kind::Other;
        QString group; // lower case: the group the line lies in
        QString key; // as the file spells it, "/" between parts
        QString value;
    };

    static Line parsed(QByteArray raw, QStringView text, const QString& group);
    QByteArray encodedLine(const QString& text) const;
    QByteArray lineEnd() const;
    void ensureFinalLineEnd();

    std::vector<Line> m_lines;
    FileText::Encoding m_encoding = FileText::Encoding::Utf8;
    bool m_whole = true;
    bool m_allText = true;
    FileTrouble m_readTrouble;
};
