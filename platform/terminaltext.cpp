// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "terminaltext.h"

#include <QStringEncoder>

namespace TerminalText {

QByteArray encoded(const QString& text, const QByteArray& codeset)
{
    // glibc calls ASCII "ANSI_X3.4-1968"; Qt treats the C locale as UTF-8 and
    // so does the program.
    const bool ascii = codeset.isEmpty() || codeset == "ANSI_X3.4-1968"
        || codeset.compare("ASCII", Qt::CaseInsensitive) == 0
        || codeset.compare("US-ASCII", Qt::CaseInsensitive) == 0;
    if (!ascii) {
        QStringEncoder encoder(codeset.constData());
        if (encoder.isValid())
            return encoder.encode(text);
    }
    return text.toUtf8();
}

}
