// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "terminaltext.h"

#include <QStringEncoder>

#if defined(Q_OS_UNIX)
#include <clocale>
#include <langinfo.h>
#endif

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

QByteArray encoded(const QString& text)
{
#if defined(Q_OS_UNIX)
    // QCoreApplication takes the locale from the environment too, but the
    // lines before any application need it as well.
    std::setlocale(LC_ALL, "");
    return encoded(text, QByteArray(nl_langinfo(CODESET)));
#else
    return text.toLocal8Bit();
#endif
}

}
