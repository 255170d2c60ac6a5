// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "localtimetext.h"

using namespace Qt::StringLiterals;

std::optional<LocalTimeText> LocalTimeText::read(const QString& text)
{
    const QString trimmed = text.trimmed();
    const QDate date = QDate::fromString(trimmed.left(10), u"yyyy-MM-dd"_s);
    QTime time(0, 0);
    if (trimmed.size() > 10) {
        if (trimmed[10] != u'T' && trimmed[10] != u' ')
            return std::nullopt;
        const QString clock = trimmed.sliced(11);
        time = QTime::fromString(clock, clock.size() > 5 ? u"HH:mm:ss"_s : u"HH:mm"_s);
    }
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return LocalTimeText { date, time };
}

QString LocalTimeText::written(QDate date, QTime time)
{
    return date.toString(u"yyyy-MM-dd"_s) + u'T'
        + time.toString(time.second() ? u"HH:mm:ss"_s : u"HH:mm"_s);
}
