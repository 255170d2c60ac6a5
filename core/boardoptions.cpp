// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardoptions.h"

#include "countdownschema.h"
#include "logging.h"

#include <algorithm>

using namespace Qt::StringLiterals;

const PreferenceGroup& BoardOptions::group()
{
    // Each a Group Policy value too: Theme, Motto, RollOver.
    static const PreferenceGroup group { u"board"_s,
        {
            { u"theme"_s, u"dark"_s, true },
            { u"motto"_s, {}, true },
            { u"rollOver"_s, u"true"_s, true },
        },
        PreferenceGroup::Kind::Keys, PreferenceGroup::Home::SettingsFolder };
    return group;
}

QString BoardOptions::mottoProblem(const QString& motto)
{
    const QList<uint> characters = motto.simplified().toUcs4();
    if (std::any_of(characters.cbegin(), characters.cend(), CountdownSchema::breaksText))
        return u"标语里不能有换行、制表符等控制字符。"_s;
    if (characters.size() > kMaxMottoLength)
        return u"标语最多 %1 个字，现在有 %2 个字。"_s.arg(kMaxMottoLength).arg(characters.size());
    return {};
}

QString BoardOptions::themeText(Theme theme) { return theme == Theme::Red ? u"red"_s : u"dark"_s; }

BoardOptions BoardOptions::read(const Preferences& preferences, QStringList* toldNotes)
{
    BoardOptions options;
    QStringList notes;
    const PreferenceGroup& keys = group();
    const PreferenceValues file = preferences.read(keys);
    // A policy stands over the file.
    const auto value = [&](Key key) {
        return preferences.policy(keys, key).value_or(file.value(keys.key(key).name));
    };
    const QString theme = value(ThemeKey).trimmed();
    QString motto = value(MottoKey).simplified();
    const QString rollOver = value(RollOverKey);
    if (theme.compare("red"_L1, Qt::CaseInsensitive) == 0)
        options.theme = Theme::Red;
    else if (!theme.isEmpty() && theme.compare("dark"_L1, Qt::CaseInsensitive) != 0)
        notes << u"大屏显示的配色 theme“%1”无法识别，按 dark 显示。"_s.arg(
            CountdownSchema::shown(theme));
    motto.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    if (const QList<uint> ucs4 = motto.toUcs4(); ucs4.size() > kMaxMottoLength)
        motto = QString::fromUcs4(
            reinterpret_cast<const char32_t*>(ucs4.constData()), kMaxMottoLength);
    options.motto = motto;
    if (const std::optional<bool> on = Preferences::toBool(rollOver))
        options.rollOver = *on;
    else if (!rollOver.trimmed().isEmpty())
        notes << u"大屏显示的 rollOver“%1”无法识别，按 true 处理。"_s.arg(
            CountdownSchema::shown(rollOver));
    if (toldNotes)
        *toldNotes = notes;
    else
        for (const QString& note : std::as_const(notes))
            qCWarning(lcBoard).noquote() << note;
    return options;
}
