// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dateentry.h"

#include "datevalue.h"
#include "settingsstore.h"

namespace DateEntry {

namespace {
    bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }
    bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
}

bool isNumericText(QStringView text)
{
    qsizetype i = 0;
    qsizetype end = text.size();
    while (i < end && isBlank(text[i]))
        ++i;
    while (end > i && isBlank(text[end - 1]))
        --end;
    const auto digits = [&] {
        const qsizetype start = i;
        while (i < end && isDigit(text[i]))
            ++i;
        return i - start;
    };

    if (i < end && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype mantissa = digits();
    if (i < end && text[i] == u'.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (i < end && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        if (i < end && (text[i] == u'+' || text[i] == u'-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    return i == end;
}

bool accepts(const QString& year, const QString& month, const QString& day)
{
    return isNumericText(year) && isNumericText(month) && isNumericText(day)
        && DateValue::parseTargetLine(SettingsStore::targetLine(year, month, day)).has_value();
}

} // namespace DateEntry
