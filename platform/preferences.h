// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filetrouble.h"

#include <QSettings>
#include <QString>

#include <functional>
#include <optional>

// The program's own display preferences, kept apart from the four-line
// settings file "data.txt" that other tools read: an INI file in the user's
// configuration directory. The four choices and their defaults are listed
// once, in preferences.cpp; every choice starts off, every text empty. Other parts of the
// program keep their own groups in the same file (the desktop countdowns),
// through read() and edit(). The file is given at construction so tests can
// use temporary files. A save never waits long for the file's lock, so the
// window that saves never stops.
class Preferences {
public:
    enum class Choice { FullScreen, ScaleTextWithWindow, StayOnTop, StartAtLogin };
    // Values that are words: the name of the screen of the last full screen.
    enum class Text { FullScreenScreen };

    explicit Preferences(QString filePath = defaultFilePath());

    // gaokao-countdown/gaokao-countdown.ini in the user's configuration
    // directory ($XDG_CONFIG_HOME, ~/.config, or the local application data
    // folder on Windows).
    static QString defaultFilePath();
    QString filePath() const { return m_filePath; }

    // The stored choice, or its default when the file has none, holds no
    // spelling of true or false (true, yes, on, 1 and their opposites, any
    // case, quoted or not) or is no regular file (a pipe, a folder).
    bool value(Choice choice) const;
    // Stores the choice and writes the file at once; what went wrong when it
    // could not be written.
    [[nodiscard]] FileTrouble setValue(Choice choice, bool on) const;
    // The stored text, trimmed, or an empty one; stored as setValue() does.
    QString value(Text text) const;
    [[nodiscard]] FileTrouble setValue(Text text, const QString& value) const;

    // Hands the file to `reader` to read any group from; not at all when the
    // file is no regular file (a pipe, a folder).
    void read(const std::function<void(QSettings&)>& reader) const;
    // Lets `writer` change any group, and writes the file at once, as
    // setValue() does; the other groups stay as they were.
    [[nodiscard]] FileTrouble edit(const std::function<void(QSettings&)>& writer) const;

    // True or false as a person may write it in the file: true, yes, on, 1
    // and their opposites, any case, quoted or not.
    static std::optional<bool> toBool(QString text);

private:
    bool isUsable() const;
    FileTrouble write(const std::function<void(QSettings&)>& writer) const;
    FileTrouble takeLock() const;

    QString m_filePath;
};
