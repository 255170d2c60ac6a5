// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferencegroup.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {
bool isEntryNumber(const QString& part)
{
    bool number = false;
    part.toULongLong(&number);
    return number;
}
}

PreferenceGroup::PreferenceGroup(QString name, QList<PreferenceKey> keys, Kind kind, Home home)
    : m_name(std::move(name))
    , m_keys(std::move(keys))
    , m_kind(kind)
    , m_home(home)
{
}

QString PreferenceGroup::sizeKey() { return u"size"_s; }

QString PreferenceGroup::spelledName(QStringView name) const
{
    for (const PreferenceKey& key : m_keys)
        if (name.compare(key.name, Qt::CaseInsensitive) == 0)
            return key.name;
    if (isArray() && name.compare(sizeKey(), Qt::CaseInsensitive) == 0)
        return sizeKey();
    return name.toString();
}

QString PreferenceGroup::spelled(QStringView key) const
{
    QStringList parts;
    for (const QStringView part : key.split(u'/'))
        parts << spelledName(part.trimmed());
    return parts.join(u'/');
}

bool PreferenceGroup::declares(const QString& key) const
{
    const QStringList parts = key.split(u'/');
    QString name = parts.constLast();
    if (isArray()) {
        if (parts.size() == 1)
            return name == sizeKey();
        if (parts.size() != 2 || !isEntryNumber(parts.constFirst()))
            return false;
    } else if (parts.size() != 1) {
        return false;
    }
    return rank(name) < m_keys.size();
}

int PreferenceGroup::rank(const QString& name) const
{
    for (int i = 0; i < m_keys.size(); ++i)
        if (m_keys[i].name == name)
            return i;
    return int(m_keys.size());
}

bool PreferenceGroup::writtenBefore(const QString& a, const QString& b) const
{
    const QStringList as = a.split(u'/');
    const QStringList bs = b.split(u'/');
    if (as.size() != bs.size())
        return as.size() < bs.size();
    for (qsizetype i = 0; i < as.size(); ++i) {
        if (as[i] == bs[i])
            continue;
        bool aIsNumber = false;
        bool bIsNumber = false;
        const qulonglong an = as[i].toULongLong(&aIsNumber);
        const qulonglong bn = bs[i].toULongLong(&bIsNumber);
        if (aIsNumber && bIsNumber && an != bn)
            return an < bn;
        if (aIsNumber != bIsNumber)
            return bIsNumber;
        if (rank(as[i]) != rank(bs[i]))
            return rank(as[i]) < rank(bs[i]);
        return as[i] < bs[i];
    }
    return false;
}
