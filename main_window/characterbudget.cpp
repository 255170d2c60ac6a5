// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "characterbudget.h"

QString CharacterBudget::admit(const QString& text)
{
    QString shown;
    shown.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        if (!m_drawn.contains(c) && m_drawn.size() >= kLimit) {
            shown += QChar::ReplacementCharacter;
            continue;
        }
        m_drawn.insert(c);
        shown += QStringView(QChar::fromUcs4(c));
    }
    return shown;
}
