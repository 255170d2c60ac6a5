// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

// Hands the next modal dialog of type `Dialog` to `answer` as soon as it
// shows (which fills it in and closes it), as MessageBoxAnswer does for
// message boxes. `seen` tells whether one came.
template <class Dialog> class ModalDialogAnswer {
public:
    explicit ModalDialogAnswer(std::function<void(Dialog*)> answer)
    {
        m_poll.setInterval(5);
        QObject::connect(&m_poll, &QTimer::timeout, [this, answer] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            m_poll.stop();
            seen = true;
            answer(dialog);
        });
        m_poll.start();
    }

    bool seen = false;

private:
    QTimer m_poll;
};
