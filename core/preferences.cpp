// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences.h"

#include <QSettings>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {
struct Entry {
    QString key;
    bool defaultValue;
};

// The file's schema: one key and one default per choice.
Entry entry(Preferences::Choice choice)
{
    using C = Preferences::Choice;
    switch (choice) {
    case C::FullScreen:
        return { u"display/fullScreen"_s, false };
    case C::ScaleTextWithWindow:
        return { u"display/scaleTextWithWindow"_s, false };
    case C::StayOnTop:
        return { u"display/stayOnTop"_s, false };
    case C::StartAtLogin:
        return { u"startup/startAtLogin"_s, false };
    }
    Q_UNREACHABLE();
}
}

Preferences::Preferences(QString filePath)
    : m_filePath(std::move(filePath))
{
}

QString Preferences::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + u"/gaokao-countdown/gaokao-countdown.ini"_s;
}

bool Preferences::value(Choice choice) const
{
    const Entry e = entry(choice);
    const QSettings file(m_filePath, QSettings::IniFormat);
    return file.value(e.key, e.defaultValue).toBool();
}

bool Preferences::setValue(Choice choice, bool on) const
{
    QSettings file(m_filePath, QSettings::IniFormat);
    file.setValue(entry(choice).key, on);
    file.sync();
    return file.status() == QSettings::NoError;
}
