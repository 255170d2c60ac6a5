// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QWidget>

// One piece of a line on the classroom board, in one font and colour.
struct BoardRun {
    QString text;
    QFont font;
    QColor colour;
    bool operator==(const BoardRun&) const = default;
};

// One line: its runs side by side, the gap between two runs, and where its
// baseline is from the top of its part.
struct BoardLine {
    QList<BoardRun> runs;
    qreal gap = 0;
    qreal baseline = 0;
    bool operator==(const BoardLine&) const = default;
};

// A part of the classroom board (the title, the days, ...): lines of text,
// each centred, on the board's own background, drawn where the board's
// layout puts them rather than where a label's font metrics would, so that
// the huge text takes no more height than its ink. What it shows is also its
// accessible name. An empty part is hidden.
class BoardText : public QWidget {
    Q_OBJECT
public:
    BoardText(const QString& objectName, QWidget* parent);

    void setLines(const QList<BoardLine>& lines);
    // A band behind the lines; invalid for the board's own background.
    void setBackground(const QColor& colour);
    QColor background() const { return m_background; }
    const QList<BoardLine>& lines() const { return m_lines; }
    // The lines' words, as shown.
    QString text() const;
    // Where each run of each line is drawn: its advance across, its font's
    // ascent and descent up and down.
    QList<QRectF> runRects() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<BoardLine> m_lines;
    QColor m_background;
};
