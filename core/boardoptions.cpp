// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardoptions.h"

#include "countdownkeys.h"
#include "logging.h"

#include <QSettings>

using namespace Qt::StringLiterals;

namespace {
// A line of the board: longer ones are cut, as a screen holds no more.
constexpr int kMaxMottoLength = 40;
}

BoardOptions BoardOptions::read(const Preferences& preferences)
{
    BoardOptions options;
    QStringList notes;
    preferences.read(u"board"_s, [&](QSettings& file) {
        file.beginGroup(u"board"_s);
        const QString theme = file.value(u"theme"_s).toString().trimmed();
        if (theme.compare("red"_L1, Qt::CaseInsensitive) == 0)
            options.theme = Theme::Red;
        else if (!theme.isEmpty() && theme.compare("dark"_L1, Qt::CaseInsensitive) != 0)
            notes << u"大屏显示的配色 theme“%1”无法识别，按 dark 显示。"_s.arg(
                CountdownKeys::shown(theme));
        QString motto = file.value(u"motto"_s).toString().simplified();
        motto.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
        if (const QList<uint> ucs4 = motto.toUcs4(); ucs4.size() > kMaxMottoLength)
            motto = QString::fromUcs4(
                reinterpret_cast<const char32_t*>(ucs4.constData()), kMaxMottoLength);
        options.motto = motto;
        const QString rollOver = file.value(u"rollOver"_s).toString();
        if (const std::optional<bool> on = Preferences::toBool(rollOver))
            options.rollOver = *on;
        else if (!rollOver.trimmed().isEmpty())
            notes << u"大屏显示的 rollOver“%1”无法识别，按 true 处理。"_s.arg(
                CountdownKeys::shown(rollOver));
    });
    for (const QString& note : std::as_const(notes))
        qCWarning(lcBoard).noquote() << note;
    return options;
}
