// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "countdownmodel.h"

#include <QPoint>
#include <QWidget>
#include <functional>

class QWindow;

// One countdown on the desktop, a view of one entry of the model, which it
// reads as it draws and decides, keeping no copy of its own: a small frameless
// window with the countdown's caption (距一模) over the time left (还有 14
// 天), drawn as outlined vector text that reads on any wallpaper and stays
// crisp at any scale, over a background as opaque as the entry asks. It can
// be dragged unless its place is locked, and it asks for its menu on a
// right-click; it only reports what the user did, and `CountdownViews` puts
// it where it goes. It has no taskbar entry and does not go on Alt+F4.
class CountdownWidget : public QWidget {
    Q_OBJECT
public:
    // How long a window manager may take to place a new native window.
    static constexpr int kWindowManagerMs = 250;

    // Shows the entry `id` of `model`, which outlives it.
    CountdownWidget(const CountdownModel& model, CountdownModel::Id id);

    // The entry as the model holds it now; a default one once it is gone.
    CountdownEntry entry() const;
    // Takes the entry's looks, layer and input after a change in the model,
    // and stays where it is (with enough of it on a screen to grab), also
    // when that makes a new native window; the views move it.
    void entryChanged();
    // Stays above `window` (none: no window in particular), as a 置顶
    // countdown does above the main window in full screen. A desktop puts its
    // active full-screen window above every window that stays on top, except
    // the windows that belong to it: this one is made to belong to it.
    void stayAbove(QWindow* window);
    // Puts the widget's top-left corner at `topLeft`, and keeps that as its
    // place: placed() is where the program put it, or the user dragged it.
    void place(QPoint topLeft);
    QRect placed() const { return QRect(m_place, size()); }
    // Shows these two lines; repaints only when they change.
    void setTexts(const QString& caption, const QString& text);
    QString caption() const { return m_caption; }
    QString text() const { return m_text; }
    // No dragging while the whole set is locked.
    void setMovable(bool movable) { m_movable = movable; }
    // Lets the program's own ending close it, as a log-out asks of every
    // window; otherwise a close (Alt+F4) is ignored.
    void allowClose() { m_closeAllowed = true; }

    QSize sizeHint() const override;

signals:
    // A drag ended with the widget at `topLeft`.
    void moved(QPoint topLeft);
    void menuRequested(QPoint globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Qt::WindowFlags flagsFor(const CountdownEntry& entry) const;
    void fitToTexts();
    // Runs `change`, which may make a new native window, and keeps the
    // widget shown where it was.
    void renewNativeWindow(const std::function<void()>& change);
    // Tells a window manager that frames the window of 鼠标穿透 again, once
    // it is mapped, that clicks go through it.
    void renewInputShape();

    const CountdownModel& m_model;
    const CountdownModel::Id m_id;
    QString m_caption;
    QString m_text;
    QFont m_captionFont;
    QFont m_textFont;
    bool m_movable = true;
    bool m_closeAllowed = false;
    QPoint m_place;
    // The native window it stays above, or 0.
    WId m_owner = 0;
    // The press point inside the widget while a drag goes on.
    std::optional<QPoint> m_dragOffset;
    bool m_dragged = false;
};
