// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textcodec.h"

#include <QFile>
#include <QTest>

// Files as the tests see them: whole, in bytes.

// The bytes of a file, or "<missing>" when it cannot be read.
inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Replaces a file with `bytes`; a failure fails the test.
inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A text in the settings file's encoding, by the program's own converter
// (tst_settingsstore checks that against bytes written out).
inline QByteArray gb18030(const QString& text) { return TextCodec("GB18030").encode(text); }
