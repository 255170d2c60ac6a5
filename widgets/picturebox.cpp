#include "picturebox.h"

#include <QPaintEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &PictureBox::settle);
}

void PictureBox::setPicture(const QImage& picture)
{
    m_picture = picture;
    m_scaled = QPixmap();
    m_settle.stop();
    // Qt then leaves out whatever lies behind when it repaints.
    setAttribute(Qt::WA_OpaquePaintEvent, !picture.isNull() && !picture.hasAlphaChannel());
    update();
}

QSize PictureBox::deviceSize() const { return size() * devicePixelRatioF(); }

bool PictureBox::isShrunk() const
{
    const QSize size = deviceSize();
    return size.width() < m_picture.width() || size.height() < m_picture.height();
}

void PictureBox::settle()
{
    m_settle.stop();
    if (m_picture.isNull() || deviceSize().isEmpty() || !isShrunk()
        || m_scaled.size() == deviceSize())
        return;
    makeSmoothCopy();
    update();
}

void PictureBox::makeSmoothCopy()
{
    m_scaled = QPixmap::fromImage(
        m_picture.scaled(deviceSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    m_scaled.setDevicePixelRatio(devicePixelRatioF());
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    if (m_picture.isNull() || deviceSize().isEmpty())
        return;
    QPainter painter(this);
    if (isShrunk()) {
        // The first showing waits for the smooth copy: there is nothing to flicker from.
        if (m_scaled.isNull())
            makeSmoothCopy();
        if (m_scaled.size() == deviceSize()) {
            painter.drawPixmap(event->rect(), m_scaled,
                QRectF(QPointF(event->rect().topLeft()) * devicePixelRatioF(),
                    QSizeF(event->rect().size()) * devicePixelRatioF()));
            return;
        }
        m_settle.start();
    }
    // Qt's raster engine draws only the part that needs painting.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), m_picture);
}
