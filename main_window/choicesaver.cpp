// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "choicesaver.h"

#include <QDir>

using namespace Qt::StringLiterals;

ChoiceSaver::ChoiceSaver(Preferences preferences, QWidget* window)
    : m_preferences(std::move(preferences))
    , m_window(window)
    // As the program is about to quit, what waits is saved untold.
    , m_timer(
          kSaveDelayMs, [this] { saveAndTell(); }, [this] { (void)save(); })
{
}

ChoiceSaver::~ChoiceSaver() { (void)save(); }

void ChoiceSaver::remember(Preferences::Choice choice, bool on)
{
    // Locked by the school, the choices made (full screen) hold for the run
    // only; the user's file is not touched.
    if (m_preferences.isLocked())
        return;
    m_unsaved[choice] = on;
    m_timer.start();
}

void ChoiceSaver::remember(Preferences::Text text, const QString& value)
{
    if (m_preferences.isLocked())
        return;
    m_unsavedTexts[text] = value;
    m_timer.start();
}

FileTrouble ChoiceSaver::save()
{
    // One failure stops the rest: the next save would meet the same trouble,
    // and each may wait a moment for the file's lock.
    while (!m_unsaved.empty()) {
        const auto [choice, on] = *m_unsaved.begin();
        if (FileTrouble trouble = m_preferences.setValue(choice, on); !trouble.isNone())
            return trouble;
        m_unsaved.erase(m_unsaved.begin());
    }
    while (!m_unsavedTexts.empty()) {
        const auto& [text, value] = *m_unsavedTexts.begin();
        if (FileTrouble trouble = m_preferences.setValue(text, value); !trouble.isNone())
            return trouble;
        m_unsavedTexts.erase(m_unsavedTexts.begin());
    }
    return {};
}

void ChoiceSaver::saveAndTell()
{
    const FileTrouble trouble = save();
    if (trouble.isNone())
        return;
    // Told once: the choices still hold until the program ends.
    m_saveTrouble.warn(m_window,
        u"无法保存显示选项：%1\n%2。\n这些选项在本次运行中仍然有效。"_s.arg(
            QDir::toNativeSeparators(m_preferences.filePath()), trouble.text()));
}
