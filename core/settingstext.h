// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filetext.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Turns the bytes of the settings file's lines into text. The program writes
// GB18030, but the file is also edited by hand: Notepad saves UTF-8 (with or
// without a byte-order mark), old editors end a file with a DOS end-of-file
// mark, and Chinese Windows writes the euro sign as the single byte 0x80.
// Every line comes out as text: bytes that are no text become U+FFFD, never a
// reason to drop what else the line says.
namespace SettingsText {

// The encoding the program writes the file in.
inline constexpr const char* kEncoding = FileText::kGb18030Name;

struct Line {
    QString text;
    bool replaced = false; // some bytes or characters became U+FFFD
};

// Removes a DOS end-of-file mark (0x1A) that ends `bytes`, line ends aside.
void dropEndOfFileMark(QByteArray& bytes);

// Decodes the first lines of the file, without their line ends. The lines
// together decide the encoding, as FileText::detect() does (UTF-8 with or
// without its byte-order mark); anything but UTF-8 is GB18030, line by line.
QList<Line> decode(const QList<QByteArray>& lines);

} // namespace SettingsText
