// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filetrouble.h"

#include <QString>

// What the settings file holds, apart from its write stamp.
struct SettingsRecord {
    double Target = 0.0; // date value of the moment counted down to
    QString Title; // shown in Labname
    QString Heading; // shown in Labtime1
};

enum class LoadStatus {
    Ok,
    Missing, // the file is not there or cannot be opened
    TooFewLines, // fewer than four lines in the first 64 KiB
    BadTarget, // line 2 is not a date of the years 100 to 9999
};

// What became of lines 3 and 4, the title and the heading.
enum class TextsStatus {
    Absent, // the file could not be opened or has fewer than four lines
    Read, // Title and Heading hold lines 3 and 4
    Replaced, // as Read, but bytes that are no text show as U+FFFD
};

// The outcome of reading the settings file. A failed read still carries the
// title and heading when the file has four lines.
struct [[nodiscard]] LoadResult {
    LoadStatus status = LoadStatus::Missing;
    SettingsRecord record; // Target is meaningful only when ok()
    TextsStatus texts = TextsStatus::Absent;
    FileTrouble openTrouble; // why the file could not be opened, when Missing
    // Why the settings folder could not be created at the first start, while
    // the file is missing for that reason.
    FileTrouble folderTrouble;

    bool ok() const { return status == LoadStatus::Ok; }
    bool hasTexts() const { return texts != TextsStatus::Absent; }
};
