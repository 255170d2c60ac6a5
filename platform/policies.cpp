// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "policies.h"

using namespace Qt::StringLiterals;

void Policies::add(const QVariantMap& values, const QString& where)
{
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const QString name = it.key().toLower();
        if (m_values.contains(name))
            continue;
        // QSettings reads REG_SZ and REG_EXPAND_SZ as text, REG_DWORD and
        // REG_QWORD as numbers, REG_MULTI_SZ as a list.
        switch (it.value().typeId()) {
        case QMetaType::QString:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            m_values.insert(name, { it.value().toString().trimmed(), where });
            break;
        default:
            m_problems.append(
                u"组策略“%1”中的 %2 不是文字（REG_SZ）或数字（REG_DWORD），已忽略。"_s.arg(
                    where, it.key()));
        }
    }
}

std::optional<QString> Policies::value(const QString& key) const
{
    const auto found = m_values.constFind(valueName(key).toLower());
    if (found == m_values.cend())
        return std::nullopt;
    return found->text;
}

QString Policies::place(const QString& key) const
{
    return m_values.value(valueName(key).toLower()).where;
}

QString Policies::valueName(const QString& key)
{
    QString name = key.section(u'/', -1);
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}
