// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturebox.h"

#include "workpool.h"

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
    // A picture still being decoded is dropped.
    ++m_given;
    m_picture = picture;
    m_scaled = QPixmap();
    m_settle.stop();
    updateOpaque();
    update();
}

void PictureBox::setPictureFile(const QString& path)
{
    setPicture(QImage());
    // QImage is reentrant and the resource system thread-safe: the decoding
    // needs nothing of this thread, which meanwhile goes on building.
    WorkPool::run(
        this, [path] { return QImage(path); },
        [this, given = m_given](const QImage& decoded) {
            if (given == m_given)
                setPicture(decoded);
        });
}

void PictureBox::updateOpaque()
{
    // Qt then leaves out whatever lies behind when it repaints.
    setAttribute(Qt::WA_OpaquePaintEvent, !picture().isNull() && !picture().hasAlphaChannel());
}

QSize PictureBox::deviceSize() const { return size() * devicePixelRatioF(); }

bool PictureBox::isShrunk() const
{
    const QSize size = deviceSize();
    return size.width() < picture().width() || size.height() < picture().height();
}

void PictureBox::settle()
{
    m_settle.stop();
    if (picture().isNull() || deviceSize().isEmpty() || !isShrunk()
        || m_scaled.size() == deviceSize())
        return;
    makeSmoothCopy();
    update();
}

void PictureBox::makeSmoothCopy()
{
    m_scaled = QPixmap::fromImage(
        picture().scaled(deviceSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    m_scaled.setDevicePixelRatio(devicePixelRatioF());
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    if (picture().isNull() || deviceSize().isEmpty())
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
    painter.drawImage(rect(), picture());
}
