// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "countdownentry.h"

#include <QPoint>
#include <QWidget>

// One countdown on the desktop: a small frameless window with the
// countdown's caption (距一模) over the time left (还有 14 天), drawn as
// outlined vector text that reads on any wallpaper and stays crisp at any
// scale, over a background as opaque as the entry asks. It can be dragged
// unless its place is locked, and it asks for its menu on a right-click; what
// the menu's commands do, and whether the place is kept, is the set's
// (`CountdownWidgets`). It has no taskbar entry and does not go on Alt+F4.
class CountdownWidget : public QWidget {
    Q_OBJECT
public:
    explicit CountdownWidget(const CountdownEntry& entry);

    const CountdownEntry& entry() const { return m_entry; }
    // Takes the entry's looks, layer, input and place (when it has one).
    void setEntry(const CountdownEntry& entry);
    // Shows these two lines; repaints only when they change.
    void setTexts(const QString& caption, const QString& text);
    QString caption() const { return m_caption; }
    QString text() const { return m_text; }
    // No dragging while the whole set is locked.
    void setMovable(bool movable) { m_movable = movable; }

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

private:
    Qt::WindowFlags flagsFor(const CountdownEntry& entry) const;
    void fitToTexts();

    CountdownEntry m_entry;
    QString m_caption;
    QString m_text;
    QFont m_captionFont;
    QFont m_textFont;
    bool m_movable = true;
    // The press point inside the widget while a drag goes on.
    std::optional<QPoint> m_dragOffset;
    bool m_dragged = false;
};
