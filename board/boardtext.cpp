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

namespace {
// Where `after` differs from `before` when only some characters changed in
// place (the seconds of the time now), or an empty rectangle when more did.
// Large text is drawn from its outlines, not from a cache of glyphs, so
// drawing only those characters each second saves most of the work.
QRectF changedPlace(
    const QList<BoardLine>& before, const QList<BoardLine>& after, const QList<QRectF>& runRects)
{
    if (before.size() != after.size())
        return {};
    QRectF changed;
    qsizetype at = 0;
    for (qsizetype i = 0; i < after.size(); ++i) {
        const BoardLine& was = before[i];
        const BoardLine& is = after[i];
        if (was.runs.size() != is.runs.size() || was.gap != is.gap || was.baseline != is.baseline)
            return {};
        for (qsizetype r = 0; r < is.runs.size(); ++r, ++at) {
            const BoardRun& old = was.runs[r];
            const BoardRun& now = is.runs[r];
            if (old.text == now.text && old.font == now.font && old.colour == now.colour)
                continue;
            const QFontMetricsF metrics(now.font);
            if (old.font != now.font || old.colour != now.colour
                || old.text.size() != now.text.size()
                || metrics.horizontalAdvance(old.text) != metrics.horizontalAdvance(now.text))
                return {};
            qsizetype first = 0;
            while (old.text[first] == now.text[first])
                ++first;
            qsizetype end = now.text.size();
            while (old.text[end - 1] == now.text[end - 1])
                --end;
            const QRectF run = runRects[at];
            // A glyph's ink may reach a little beyond its advance.
            const qreal margin = 0.2 * now.font.pixelSize();
            changed |= QRectF(run.left() + metrics.horizontalAdvance(now.text.left(first)) - margin,
                run.top(), metrics.horizontalAdvance(now.text.mid(first, end - first)) + 2 * margin,
                run.height());
        }
    }
    return changed;
}
}

void BoardText::setLines(const QList<BoardLine>& lines)
{
    if (lines == m_lines)
        return;
    const QList<BoardLine> before = std::exchange(m_lines, lines);
    const QString shown = text();
    setAccessibleName(shown);
    setVisible(!shown.isEmpty());
    const QRectF changed = changedPlace(before, m_lines, runRects());
    if (changed.isEmpty())
        update();
    else
        update(changed.toAlignedRect());
}

void BoardText::setBackground(const QColor& colour)
{
    if (colour == m_background)
        return;
    m_background = colour;
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
    if (m_background.isValid())
        painter.fillRect(rect(), m_background);
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
