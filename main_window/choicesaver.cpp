// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "choicesaver.h"

#include "logging.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace {
std::function<void(const ChoiceSaver::Unsaved&)>& endListener()
{
    static std::function<void(const ChoiceSaver::Unsaved&)> listener;
    return listener;
}
}

void ChoiceSaver::setEndListener(std::function<void(const Unsaved&)> listener)
{
    endListener() = std::move(listener);
}

QString ChoiceSaver::nameOf(Preferences::Choice choice)
{
    switch (choice) {
    case Preferences::Choice::FullScreen:
        return u"全屏显示"_s;
    case Preferences::Choice::ScaleTextWithWindow:
        return u"文字随窗口缩放"_s;
    case Preferences::Choice::StayOnTop:
        return u"窗口置顶"_s;
    case Preferences::Choice::StartAtLogin:
        break;
    }
    return u"开机自动启动"_s;
}

QString ChoiceSaver::nameOf(Preferences::Text text)
{
    switch (text) {
    case Preferences::Text::FullScreenScreen:
        break;
    }
    return u"全屏显示的屏幕"_s;
}

ChoiceSaver::ChoiceSaver(Preferences preferences, QWidget* window)
    : m_preferences(std::move(preferences))
    , m_window(window)
    // When Windows ends the session, the program is ended right after the
    // application's aboutToQuit, with no destructor run: what waits is saved
    // then, untold, and what could not be saved handed on.
    , m_timer(
          kSaveDelayMs, [this] { saveAndTell(); },
          [this] {
              if (const std::optional<Unsaved> unsaved = saveAtEnd(); unsaved && endListener())
                  endListener()(*unsaved);
          })
{
}

ChoiceSaver::~ChoiceSaver()
{
    // Tried once more; what the end lost is in the log already.
    if (m_endLogged)
        (void)save();
    else
        (void)saveAtEnd();
}

std::optional<ChoiceSaver::Unsaved> ChoiceSaver::saveAtEnd()
{
    const FileTrouble trouble = save();
    if (trouble.isNone())
        return std::nullopt;
    // Nobody sees the window any more: the log keeps what is lost.
    Unsaved unsaved { {}, trouble };
    for (const auto& choice : m_unsaved)
        unsaved.choices.append(nameOf(choice.first));
    for (const auto& text : m_unsavedTexts)
        unsaved.choices.append(nameOf(text.first));
    m_endLogged = true;
    qCWarning(lcPreferences).noquote()
        << u"程序结束时没能保存%1：%2"_s.arg(unsaved.choices.join(u"、"_s), trouble.message());
    return unsaved;
}

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
