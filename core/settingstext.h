// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

// The encoding the program writes the file in, named for Qt's converters.
// GB18030 is byte-identical to GBK for every GBK character and can still hold
// every other character, so nothing typed turns into "?".
inline constexpr char kEncoding[] = "GB18030";

struct Line {
    QString text;
    bool replaced = false; // some bytes or characters became U+FFFD
};

// Removes a DOS end-of-file mark (0x1A) that ends `bytes`, line ends aside.
void dropEndOfFileMark(QByteArray& bytes);

// Decodes the first lines of the file, without their line ends. The lines
// together decide the encoding: UTF-8 when the first starts with its
// byte-order mark, or when all of them are valid UTF-8 and hold more than
// ASCII; otherwise GB18030, line by line.
QList<Line> decode(const QList<QByteArray>& lines);

} // namespace SettingsText
