// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "knownpreferences.h"

#include "boardoptions.h"
#include "countdownschema.h"
#include "examschedule.h"

QList<const PreferenceGroup*> KnownPreferences::groups()
{
    return Preferences::ownGroups()
        + QList<const PreferenceGroup*> { &CountdownSchema::group(), &BoardOptions::group(),
              &ExamSchedule::group() };
}

QStringList KnownPreferences::problems(const Preferences& preferences)
{
    QStringList lines = preferences.problems();
    if (const QString unknown = preferences.unknownContent(groups()); !unknown.isEmpty())
        lines << unknown;
    return lines;
}
