// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferencenames.h"

#include <QHash>
#include <QReadWriteLock>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
QReadWriteLock g_lock;

// By the name in lower case; QSettings' own key of a list's length to start.
QHash<QString, QString>& spellings()
{
    static QHash<QString, QString> names { { u"size"_s, u"size"_s } };
    return names;
}

bool isNumber(const QString& part)
{
    bool number = false;
    part.toULongLong(&number);
    return number;
}
}

void PreferenceNames::add(const QStringList& keys)
{
    const QWriteLocker locked(&g_lock);
    for (const QString& key : keys)
        for (const QString& name : key.split(u'/', Qt::SkipEmptyParts))
            spellings().insert(name.toLower(), name);
}

QString PreferenceNames::spelled(const QString& name)
{
    const QReadLocker locked(&g_lock);
    return spellings().value(name.toLower(), name);
}

bool PreferenceNames::isKnown(const QString& key)
{
    const QReadLocker locked(&g_lock);
    const QStringList parts = key.split(u'/');
    // Every key the program reads has its section.
    return parts.size() > 1 && std::all_of(parts.cbegin(), parts.cend(), [](const QString& part) {
        return isNumber(part) || spellings().value(part.toLower()) == part;
    });
}
