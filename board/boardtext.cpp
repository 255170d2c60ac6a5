// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardtext.h"

#include <QFontMetricsF>
#include <QPainter>

BoardText::BoardText(const QString& objectName, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(objectName);
    // Clicks and the right-click go to the board.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void BoardText::setLines(const QList<BoardLine>& lines)
{
    if (lines == m_lines)
        return;
    m_lines = lines;
    const QString shown = text();
    setAccessibleName(shown);
    setVisible(!shown.isEmpty());
    update();
}

QString BoardText::text() const
{
    QStringList lines;
    for (const BoardLine& line : m_lines) {
        QStringList runs;
        for (const BoardRun& run : line.runs)
            runs << run.text;
        lines << runs.join(u' ');
    }
    // A title wrapped in two is still one title.
    return lines.join(QString()).trimmed();
}

QList<QRectF> BoardText::runRects() const
{
    QList<QRectF> rects;
    for (const BoardLine& line : m_lines) {
        qreal width = line.gap * qreal(line.runs.size() - 1);
        for (const BoardRun& run : line.runs)
            width += QFontMetricsF(run.font).horizontalAdvance(run.text);
        qreal x = (qreal(this->width()) - width) / 2;
        for (const BoardRun& run : line.runs) {
            const QFontMetricsF metrics(run.font);
            const qreal advance = metrics.horizontalAdvance(run.text);
            rects << QRectF(
                x, line.baseline - metrics.ascent(), advance, metrics.ascent() + metrics.descent());
            x += advance + line.gap;
        }
    }
    return rects;
}

void BoardText::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QList<QRectF> rects = runRects();
    qsizetype at = 0;
    for (const BoardLine& line : std::as_const(m_lines)) {
        for (const BoardRun& run : line.runs) {
            painter.setFont(run.font);
            painter.setPen(run.colour);
            painter.drawText(QPointF(rects[at++].left(), line.baseline), run.text);
        }
    }
}
