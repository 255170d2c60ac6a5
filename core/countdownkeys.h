// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "countdownentry.h"

#include <QSettings>
#include <QString>
#include <QStringList>
#include <optional>

// One countdown's keys in the preferences file, in its numbered group of the
// [countdowns] array: title (required: not empty, at most 40 characters, no
// control characters), target (required: 2027-03-15T08:00, with :ss, or a
// date alone for 00:00, local time, years 1900 to 9999), repeat (true or
// false, as the display choices are spelled), format (days or full), position
// ("x,y"), opacity (opaque, translucent or transparent), layer (normal, top
// or desktop), locked and clickThrough. An optional key whose value cannot be
// read takes its default, with a note for the log. A countdown is written with
// all its keys, defaults too, so that whoever reads the file sees every one;
// only position is left out while the widget has no place of its own.
namespace CountdownKeys {

struct Reading {
    std::optional<CountdownEntry> entry;
    // Why there is none, e.g. 第 2 个倒计时“期末”的日期“2027-13-01”无法识别，已跳过。
    QString skipped;
    // The optional keys whose values could not be read, e.g.
    // 第 1 个倒计时“一模”的 format“weekly”无法识别，按默认值显示。
    QStringList notes;
};

// The countdown in the current group of `file`; `number` counts it in the texts.
Reading read(const QSettings& file, int number);
void write(QSettings& file, const CountdownEntry& entry);

// A value from the file as a text quotes it: cut at 40 characters, control
// characters shown as �, so that the text stays one short line.
QString shown(const QString& value);

} // namespace CountdownKeys
