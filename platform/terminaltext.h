// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Text for a terminal in the character set of the user's locale: a
// zh_CN.GB18030 terminal shows UTF-8 as garble. Qt writes UTF-8 whatever the
// locale, so the program encodes its own lines (Console does, on Unix).
namespace TerminalText {

// `text` in the character set named `codeset` as nl_langinfo(CODESET) names
// it; in UTF-8 when Qt has no converter of that name, or the locale is plain
// ASCII (the C locale of a terminal that shows UTF-8 well).
QByteArray encoded(const QString& text, const QByteArray& codeset);

}
