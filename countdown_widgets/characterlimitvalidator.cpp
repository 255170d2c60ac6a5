// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "characterlimitvalidator.h"

CharacterLimitValidator::CharacterLimitValidator(qsizetype limit, QObject* parent)
    : QValidator(parent)
    , m_limit(limit)
{
}

QValidator::State CharacterLimitValidator::validate(QString& input, int& pos) const
{
    for (qsizetype excess = characters(input) - m_limit; excess > 0; --excess) {
        // A text set whole has its cursor at the end; one at the start cuts the end.
        const qsizetype end = pos > 0 ? pos : input.size();
        const qsizetype width
            = end >= 2 && input[end - 1].isLowSurrogate() && input[end - 2].isHighSurrogate() ? 2
                                                                                              : 1;
        input.remove(end - width, width);
        if (pos > 0)
            pos -= int(width);
    }
    return Acceptable;
}

qsizetype CharacterLimitValidator::characters(QStringView text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        count += !(i > 0 && text[i].isLowSurrogate() && text[i - 1].isHighSurrogate());
    return count;
}
