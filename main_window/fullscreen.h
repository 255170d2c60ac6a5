// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRect>
#include <QTimer>
#include <functional>

class QAction;
class QWidget;
class PointerHider;

// Full screen for one window, on the screen the window is on: entering and
// leaving it (Escape leaves), the pointer hidden while it lasts, and the
// window's normal place and size given back exactly when it ends. What was
// asked for last counts, however fast the requests come: a window manager
// answers late, in its own order, or not at all (an X display that runs only
// this program, where the window fills its screen itself), and a new native
// window knows nothing of full screen.
class FullScreen : public QObject {
    Q_OBJECT
public:
    // How long a window manager may take to answer a request.
    static constexpr int kWindowManagerMs = 250;

    // Becomes a child of `window`.
    explicit FullScreen(QWidget* window);

    bool isOn() const { return m_on; }
    void setOn(bool on);

    // Runs `change`, which makes the window's native window anew (a new
    // window flag does), and gives the new one full screen, if on, and the
    // normal geometry to return to. The window stays shown, and active, if
    // it was.
    void replaceNativeWindow(const std::function<void()>& change);

    // Shows the window again if minimized or hidden, in front and active;
    // full screen holds if on.
    void bringForward();

signals:
    // Full screen went on or off: asked for, or done by the window manager.
    void switched(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void rememberNormalGeometry();
    void request();
    void settle();
    void setSwitched(bool on);

    QWidget* m_window;
    bool m_on = false;
    bool m_retried = false;
    QRect m_normalGeometry;
    // Runs from each request until the window manager has had its time.
    QTimer m_answerTimer;
    PointerHider* m_pointer;
    QAction* m_leave;
};
