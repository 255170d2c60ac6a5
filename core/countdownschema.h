// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "countdownentry.h"
#include "preferencegroup.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

// What a desktop countdown may be, and its keys in the preferences file: the
// one place that knows them. Each key is declared once in countdownschema.cpp
// (its name, its place in the order written, how it is read and written; its
// default is the one CountdownEntry gives): title (required), target
// (required: 2027-03-15T08:00, with :ss when the seconds are not 0, or a date
// alone for 00:00, local time), repeat (true or false), format, position
// ("x,y"), opacity, layer, locked and clickThrough. An optional key whose
// value cannot be read takes its default, with a note for the log. A
// countdown is written with all its keys, defaults too, so that whoever reads
// the file sees every one; only position is left out while the widget has no
// place of its own. The rules for a title and a date hold for the file's
// reader and the dialog alike, so that what the dialog takes is read back.
namespace CountdownSchema {

// More than a desktop holds: the reader reads no more than this many, and
// nothing adds one beyond.
constexpr int kMaxEntries = 50;
// In characters (code points), never UTF-16 units.
constexpr int kMaxTitleLength = 40;
constexpr int kFirstYear = 1900;
constexpr int kLastYear = 9999;

// One entry's keys as the file holds them ("title" → "一模"), values as text.
using KeyValues = PreferenceValues;

// Why a title cannot be a countdown's, in a sentence the dialog shows as it
// is (名称不能为空。, 名称最多 40 个字。...), or empty when it can. The title
// is judged, and kept, trimmed. Refused: one that draws nothing (empty, or
// only spaces and invisible format characters such as U+200B), more than
// kMaxTitleLength characters, or any character breaksText() names.
QString titleProblem(const QString& title);
// Whether `c` has no place in a one-line name: a control character, a line or
// paragraph separator, half of a surrogate pair, or a mark that turns the
// direction of the text around it (U+202A to U+202E, U+2066 to U+2069), which
// would turn round the sentence that quotes the name. Titles, exam subjects
// and the board's motto all keep to it.
bool breaksText(char32_t c);
// Why a date cannot be a countdown's (日期须在 1900 年至 9999 年之间。), or empty.
QString dateProblem(QDate date);
// The first of the two problems of `entry`, or empty when it may be saved.
QString problem(const CountdownEntry& entry);

struct Reading {
    std::optional<CountdownEntry> entry;
    // Why there is none, e.g. 第 2 个倒计时“期末”的日期“2027-13-01”无法识别，已跳过。
    QString skipped;
    // The optional keys whose values could not be read, e.g.
    // 第 1 个倒计时“一模”的 format“weekly”无法识别，按默认值显示。
    QStringList notes;
};
// The countdown `keys` describe; `number` counts it in the texts.
Reading read(const KeyValues& keys, qint64 number);
// `entry`'s keys written over `keys`: every key of the schema (position
// removed while there is none); keys the schema does not know stay, so that
// a key of another version of the program survives a change.
KeyValues written(const CountdownEntry& entry, KeyValues keys = {});

// The group [countdowns], an array whose entries have the keys above in the
// order written: what a countdown is and when, then how its widget shows.
const PreferenceGroup& group();

// A value from the file as a text quotes it: cut at 40 characters, control
// characters shown as �, so that the text stays one short line.
QString shown(const QString& value);

} // namespace CountdownSchema
