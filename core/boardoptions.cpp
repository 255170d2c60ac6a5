// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardoptions.h"

#include "countdownschema.h"
#include "logging.h"
#include "preferencenames.h"

#include <QSettings>

using namespace Qt::StringLiterals;

namespace {
// A line of the board: longer ones are cut, as a screen holds no more.
constexpr int kMaxMottoLength = 40;

const QString kGroup = u"board"_s;
const QString kTheme = u"theme"_s;
const QString kMotto = u"motto"_s;
const QString kRollOver = u"rollOver"_s;
}

void BoardOptions::registerNames()
{
    PreferenceNames::add(
        { kGroup + u'/' + kTheme, kGroup + u'/' + kMotto, kGroup + u'/' + kRollOver });
}

BoardOptions BoardOptions::read(const Preferences& preferences)
{
    BoardOptions options;
    QStringList notes;
    QString theme;
    QString motto;
    QString rollOver;
    preferences.read(kGroup, [&](QSettings& file) {
        file.beginGroup(kGroup);
        theme = file.value(kTheme).toString();
        motto = file.value(kMotto).toString();
        rollOver = file.value(kRollOver).toString();
    });
    // A policy stands over the file (Theme, Motto, RollOver).
    theme = preferences.policy(kGroup + u'/' + kTheme).value_or(theme).trimmed();
    motto = preferences.policy(kGroup + u'/' + kMotto).value_or(motto).simplified();
    rollOver = preferences.policy(kGroup + u'/' + kRollOver).value_or(rollOver);
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
    for (const QString& note : std::as_const(notes))
        qCWarning(lcBoard).noquote() << note;
    return options;
}
