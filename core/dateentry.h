// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// The test the settings dialog puts the typed target date through before it
// saves: each of the three texts must read as a number, and together they must
// make a target line that the settings file reads back as a date. The second
// half uses the file's own reader, so the dialog can never save a date that
// the countdown cannot read.
namespace DateEntry {

// True for a text that reads as a number: blanks around it, a sign, ASCII
// digits with an optional decimal point, an optional exponent ("1.5E+3").
// Empty and blank texts fail.
bool isNumericText(QStringView text);

// True when year, month and day are all numeric texts and the target line a
// save would write from them, exactly as typed, reads back as a date value.
bool accepts(const QString& year, const QString& month, const QString& day);

} // namespace DateEntry
