// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "designlabel.h"

#include <QEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

DesignLabel::DesignLabel(QWidget* parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setFocusPolicy(Qt::NoFocus);
}

void DesignLabel::changeEvent(QEvent* event)
{
    // Measured again when next painted: a label gets its font after it is
    // made, and a hidden one is never measured at all.
    if (event->type() == QEvent::FontChange)
        m_roomAbove.reset();
    QLabel::changeEvent(event);
}

int DesignLabel::roomAbove()
{
    if (!m_roomAbove) {
        const QFontMetrics metrics(font());
        // One pixel of air above the top of a typical character.
        m_roomAbove = qMax(0, metrics.ascent() + metrics.tightBoundingRect(u"国"_s).top() - 1);
    }
    return *m_roomAbove;
}

void DesignLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const int flags = int(alignment()) | (wordWrap() ? int(Qt::TextWordWrap) : 0);
    painter.drawText(contentsRect().adjusted(0, -roomAbove(), 0, 0), flags, text());
}
