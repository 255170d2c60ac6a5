// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// The boxes in which the program tells the user something or asks a
// question, for both windows and the desktop countdowns: the program's
// caption (ProgramInfo::caption), the text shown as it is (a path or a title
// holding "<b>" is no markup), modal, over `parent` or over no window. A box
// never ends the program: closing it is never closing the last window. When
// its parent goes while it is open, the box goes with it, as an OK or a No.
// A trouble that every later try would meet again (a save that keeps
// failing) is told once through a UserMessage::Once. Only the exit question
// is built otherwise: it keeps the caption and icon of the window's
// definition.
class UserMessage {
public:
    enum class Kind { Information, Warning, Error };

    static void tell(QWidget* parent, Kind kind, const QString& text);
    // Yes and No, No being the default. True for Yes.
    static bool ask(QWidget* parent, const QString& question);
    // The About box, under its own caption 关于; `details` behind its
    // 显示详细信息 button when there are any, and a 使用说明 button that opens
    // `guide` (a file) in the user's browser when there is one.
    static void about(QWidget* parent, const QString& text, const QString& details = {},
        const QString& guide = {});

    // Tells a warning the first time only.
    class Once {
    public:
        void warn(QWidget* parent, const QString& text);

    private:
        bool m_told = false;
    };
};
