// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardlookmenu.h"

#include "boardoptions.h"
#include "mottodialog.h"
#include "usermessage.h"

#include <QActionGroup>
#include <QApplication>
#include <QPointer>

using namespace Qt::StringLiterals;
using Theme = BoardOptions::Theme;

BoardLookMenu::BoardLookMenu(Preferences preferences, const QString& lockReason, QWidget* parent)
    : QMenu(u"大屏外观"_s, parent)
    , m_preferences(std::move(preferences))
    , m_lockReason(lockReason)
    , m_themes(new QActionGroup(this))
{
    setObjectName(u"boardLook"_s);
    setToolTipsVisible(true);
    QMenu* themes = addMenu(u"主题"_s);
    themes->setObjectName(u"boardThemes"_s);
    themes->setToolTipsVisible(true);
    const auto addTheme = [&](const QString& text, const QString& name, Theme theme) {
        QAction* action = themes->addAction(text);
        action->setObjectName(name);
        action->setCheckable(true);
        action->setActionGroup(m_themes);
        connect(action, &QAction::triggered, this,
            [this, theme] { store(BoardOptions::ThemeKey, BoardOptions::themeText(theme)); });
        return action;
    };
    m_dark = addTheme(u"深色"_s, u"boardThemeDark"_s, Theme::Dark);
    m_red = addTheme(u"红色"_s, u"boardThemeRed"_s, Theme::Red);
    m_motto = addAction(u"标语…"_s);
    m_motto->setObjectName(u"boardMotto"_s);
    connect(m_motto, &QAction::triggered, this, &BoardLookMenu::editMotto);
    m_rollOver = addAction(u"考试后倒数到明年"_s);
    m_rollOver->setObjectName(u"boardRollOver"_s);
    m_rollOver->setCheckable(true);
    connect(m_rollOver, &QAction::triggered, this,
        [this](bool on) { store(BoardOptions::RollOverKey, on ? u"true"_s : u"false"_s); });
    // Another screen that shares the settings folder may have changed them.
    connect(this, &QMenu::aboutToShow, this, &BoardLookMenu::refresh);
    refresh();
}

void BoardLookMenu::refresh()
{
    // What could not be read the board's own reading tells the log.
    QStringList notes;
    const BoardOptions options = BoardOptions::read(m_preferences, &notes);
    (options.theme == Theme::Red ? m_red : m_dark)->setChecked(true);
    m_rollOver->setChecked(options.rollOver);
    const std::pair<QList<QAction*>, int> items[] = {
        { { m_dark, m_red }, BoardOptions::ThemeKey },
        { { m_motto }, BoardOptions::MottoKey },
        { { m_rollOver }, BoardOptions::RollOverKey },
    };
    for (const auto& [actions, key] : items) {
        QString why = m_lockReason;
        if (why.isEmpty() && m_preferences.policy(BoardOptions::group(), key))
            why = u"此项由组策略设定，无法在这里更改。"_s;
        for (QAction* action : actions) {
            action->setEnabled(why.isEmpty());
            action->setToolTip(why);
        }
    }
}

void BoardLookMenu::store(int key, const QString& value)
{
    const QString name = BoardOptions::group().key(key).name;
    const FileTrouble trouble = m_preferences.edit(
        BoardOptions::group(), [&](PreferenceValues& values) { values.insert(name, value); });
    if (!trouble.isNone()) {
        refresh();
        UserMessage::tell(
            QApplication::activeWindow(), UserMessage::Kind::Warning, trouble.message());
        return;
    }
    emit changed();
}

void BoardLookMenu::editMotto()
{
    // Over the window the menu was opened on: a board stays on top.
    QWidget* over = QApplication::activeWindow();
    QStringList notes;
    const QPointer<MottoDialog> dialog
        = new MottoDialog(m_preferences, BoardOptions::read(m_preferences, &notes).motto, over);
    if (over)
        dialog->setWindowFlag(
            Qt::WindowStaysOnTopHint, over->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const bool saved = dialog->exec() == QDialog::Accepted;
    delete dialog;
    if (saved)
        emit changed();
}
