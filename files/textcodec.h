// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// A character set by name, for text the program reads and writes in a legacy
// encoding (the settings file's GB18030): Qt's converter where Qt has one.
// Qt for Windows is built without ICU and has none for GB18030, so there the
// program carries ICU's own GB18030 converter, of the same ICU version that
// Linux's Qt uses: both write the same bytes and read bad ones the same way.
class TextCodec {
public:
    explicit TextCodec(QByteArray name);

    // False when neither Qt nor the program can convert this character set:
    // then encode() gives nothing at all.
    bool isValid() const;

    QByteArray encode(QStringView text) const;

    // `bytes` on their own: bytes that are no character become U+FFFD, and a
    // character cut off at the end is an error too (and left out). Sets
    // `*hasError` when either happened.
    QString decode(QByteArrayView bytes, bool* hasError = nullptr) const;

private:
    QByteArray m_name;
    bool m_byQt = false;
};
