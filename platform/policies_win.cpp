// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "policies.h"

#include "programinfo.h"

#include <QSettings>

using namespace Qt::StringLiterals;

Policies Policies::fromSystem()
{
    Policies policies;
    // The computer's first: its values stand over the user's.
    for (const QString& hive : { u"HKEY_LOCAL_MACHINE"_s, u"HKEY_CURRENT_USER"_s }) {
        const QString key = hive + u"\\Software\\Policies\\"_s + ProgramInfo::commandName;
        const QSettings registry(key, QSettings::NativeFormat);
        QVariantMap values;
        for (const QString& name : registry.childKeys())
            values.insert(name, registry.value(name));
        policies.add(values, key);
    }
    return policies;
}
