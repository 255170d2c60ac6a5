// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plaintooltip.h"

using namespace Qt::StringLiterals;

QString plainToolTip(const QString& text)
{
    // An empty tooltip shows nothing, an empty paragraph a small empty box.
    if (text.isEmpty())
        return {};
    // Always markup, so never guessed: the text escaped, its spaces and line
    // breaks kept, and lines not wrapped, as a tooltip shows plain text.
    return u"<p style=\"white-space:pre\">%1</p>"_s.arg(text.toHtmlEscaped());
}
