// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "countdown.h"

#include "datevalue.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace {
using DateValue::kSecondsPerDay;

QString withUnit(qint64 number, QStringView unit) { return QString::number(number).append(unit); }

void setBreakdown(
    CountdownTexts& texts, qint64 months, qint64 days, qint64 hours, qint64 minutes, qint64 seconds)
{
    texts.MonthsText = withUnit(months, u"个月");
    texts.DaysText = withUnit(days, u"天");
    texts.HoursText = withUnit(hours, u"小时");
    texts.MinutesText = withUnit(minutes, u"分钟");
    texts.SecondsText = withUnit(seconds, u"秒");
}
}

CountdownTexts ComputeCountdown(double now, double target)
{
    CountdownTexts texts;
    const auto nowSeconds = DateValue::toSeconds(now);
    const auto targetSeconds = DateValue::toSeconds(target);
    if (!nowSeconds || !targetSeconds) {
        // No calendar holds such moments; still say how many days they are apart.
        const double d = std::trunc(target - now);
        texts.TotalDaysText
            = (std::isfinite(d) ? QString::number(d == 0 ? 0.0 : d, 'f', 0) : u"0"_s) + u"天"_s;
        setBreakdown(texts, 0, 0, 0, 0, 0);
        return texts;
    }

    const qint64 d = *targetSeconds - *nowSeconds;
    const qint64 wholeDays = d / kSecondsPerDay; // truncates toward zero
    texts.TotalDaysText = withUnit(wholeDays, u"天");
    if (d < 0) {
        setBreakdown(texts, 0, 0, 0, 0, 0);
        return texts;
    }

    const qint64 timeOfDay = d % kSecondsPerDay;
    const qint64 hours = timeOfDay / 3600;
    const qint64 minutes = timeOfDay / 60 % 60;
    const qint64 seconds = timeOfDay % 60;
    if (wholeDays < 2) {
        setBreakdown(texts, 0, wholeDays, hours, minutes, seconds);
        return texts;
    }
    const auto moment = DateValue::fieldsOf(double(wholeDays));
    if (!moment) {
        // Beyond the year 9999: the months have no meaningful reading.
        setBreakdown(texts, 0, 0, hours, minutes, seconds);
        return texts;
    }
    if (wholeDays >= 367)
        setBreakdown(texts, 12 * (moment->year % 100), moment->day + 1, hours, minutes, seconds);
    else
        setBreakdown(texts, moment->month - 1, moment->day + 1, hours, minutes, seconds);
    return texts;
}
