// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <optional>

// A moment of local time as the preferences file holds one, for a desktop
// countdown's target and an exam subject's start and end alike:
// "2027-06-07T09:00", with ":ss" when the seconds are not 0. A person may
// also write a blank for the "T", or the date alone for 00:00.
struct LocalTimeText {
    QDate date;
    QTime time;

    // The moment `text` gives, or none when it gives none.
    static std::optional<LocalTimeText> read(const QString& text);
    // As the file holds it.
    static QString written(QDate date, QTime time);
};
