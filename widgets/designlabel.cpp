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
    measureRoomAbove();
}

void DesignLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        measureRoomAbove();
    QLabel::changeEvent(event);
}

void DesignLabel::measureRoomAbove()
{
    const QFontMetrics metrics(font());
    // One pixel of air above the top of a typical character.
    m_roomAbove = qMax(0, metrics.ascent() + metrics.tightBoundingRect(u"国"_s).top() - 1);
}

void DesignLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const int flags = int(alignment()) | (wordWrap() ? int(Qt::TextWordWrap) : 0);
    painter.drawText(contentsRect().adjusted(0, -m_roomAbove, 0, 0), flags, text());
}
