// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "console.h"

#include "terminaltext.h"

#include <clocale>
#include <cstdio>
#include <langinfo.h>

void Console::write(Stream stream, const QString& text, Unseen)
{
    // QCoreApplication takes the locale from the environment too, but the
    // lines before any application need it as well.
    std::setlocale(LC_ALL, "");
    const QByteArray bytes = TerminalText::encoded(text, QByteArray(nl_langinfo(CODESET)));
    std::FILE* file = stream == Stream::Output ? stdout : stderr;
    std::fputs(bytes.constData(), file);
    std::fflush(file);
}
