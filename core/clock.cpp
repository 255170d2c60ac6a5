// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock.h"

#include "datevalue.h"

#include <QDateTime>

double systemNow()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return DateValue::valueOf(
        { date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second() })
        .value_or(0.0);
}
