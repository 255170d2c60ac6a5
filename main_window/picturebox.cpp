#include "picturebox.h"

#include <QPaintEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, [this] {
        makeSmoothCopy();
        update();
    });
}

void PictureBox::setPicture(const QImage& picture)
{
    m_picture = picture;
    m_source = QPixmap();
    m_scaled = QPixmap();
    update();
}

QSize PictureBox::deviceSize() const { return size() * devicePixelRatioF(); }

void PictureBox::makeSmoothCopy()
{
    if (m_picture.isNull() || deviceSize().isEmpty())
        return;
    m_scaled = QPixmap::fromImage(
        m_picture.scaled(deviceSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    m_scaled.setDevicePixelRatio(devicePixelRatioF());
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    if (m_picture.isNull() || deviceSize().isEmpty())
        return;
    // The first showing waits for the smooth copy: there is nothing to flicker from.
    if (m_scaled.isNull())
        makeSmoothCopy();
    QPainter painter(this);
    if (m_scaled.size() == deviceSize()) {
        painter.drawPixmap(event->rect(), m_scaled,
            QRectF(QPointF(event->rect().topLeft()) * devicePixelRatioF(),
                QSizeF(event->rect().size()) * devicePixelRatioF()));
        return;
    }
    if (m_source.isNull())
        m_source = QPixmap::fromImage(m_picture);
    painter.drawPixmap(rect(), m_source);
    m_settle.start();
}
