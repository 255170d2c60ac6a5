// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

// Hides the mouse pointer over a window after a few seconds without movement,
// as a display that is only watched wants, and shows it again as soon as the
// mouse moves. It hides only while it is switched on and the window is the
// active one, so a dialog over the window keeps its pointer.
class PointerHider : public QObject {
    Q_OBJECT
public:
    static constexpr int kHideAfterMs = 3000;

    explicit PointerHider(QWidget* window);
    ~PointerHider() override;

    void setEnabled(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void hide();
    void show();

    QPointer<QWidget> m_window;
    QTimer m_timer;
    bool m_enabled = false;
    bool m_hidden = false;
};
