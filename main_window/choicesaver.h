// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "debouncedsave.h"
#include "preferences.h"
#include "usermessage.h"

#include <QStringList>
#include <functional>
#include <map>
#include <optional>

class QWidget;

// Writes the window's choices to the program's preferences a moment after
// they change, so that a burst of them (F11 held down) makes one write and
// the window changes first; whatever still waits is written when the saver
// goes with its window, as the program ends, or as the system ends the
// session (log-off, shutdown), which on Windows ends the program with no
// destructor run. A save that fails is told once,
// with its reason, over the window; the choices still hold for the run, and
// the ones not written are tried again with the next save. While the
// preferences are locked, nothing is saved, and nothing said about it. A save
// on the way out that fails goes to the log (gaokao.preferences), and to
// whoever listens for the end (the start that asked the program to end).
class ChoiceSaver {
public:
    static constexpr int kSaveDelayMs = 500;

    // What a save as the program ended could not write: the choices, in the
    // window menu's words, and why.
    struct Unsaved {
        QStringList choices;
        FileTrouble trouble;
    };
    // Told of each save as the program ends (QCoreApplication::aboutToQuit)
    // that fails; one for the program, none again with an empty function.
    static void setEndListener(std::function<void(const Unsaved&)> listener);
    // The choice as the window's menu names it.
    static QString nameOf(Preferences::Choice choice);
    static QString nameOf(Preferences::Text text);

    ChoiceSaver(Preferences preferences, QWidget* window);
    ~ChoiceSaver();
    ChoiceSaver(const ChoiceSaver&) = delete;
    ChoiceSaver& operator=(const ChoiceSaver&) = delete;

    void remember(Preferences::Choice choice, bool on);
    void remember(Preferences::Text text, const QString& value);

private:
    [[nodiscard]] FileTrouble save();
    void saveAndTell();
    // Saves what waits as the program ends; what could not be saved.
    std::optional<Unsaved> saveAtEnd();

    Preferences m_preferences;
    QWidget* m_window;
    std::map<Preferences::Choice, bool> m_unsaved;
    std::map<Preferences::Text, QString> m_unsavedTexts;
    DebouncedSave m_timer;
    UserMessage::Once m_saveTrouble;
    bool m_endLogged = false;
};
