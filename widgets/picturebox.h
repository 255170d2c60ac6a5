// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

// A picture stretched over the whole control, aspect ratio ignored. An
// enlarged picture, as the built-in background always is, is drawn straight
// from the picture with bilinear filtering, and only where the control needs
// painting: that looks the same as a smoothly scaled copy, within two levels
// of 255, and takes neither the memory of a copy nor the time to make one. A
// shrunk picture needs the averaging of a smooth scaling to look right: that
// copy is made once per size and kept. While the window is being resized the
// shrunk picture is drawn with the bilinear stretch, and the smooth copy for
// the new size follows once the size has settled, so resizing stays fluid. A
// null image shows nothing; a picture without transparency covers whatever
// is behind it, which then is not painted at all. A picture given as a file
// is decoded on another thread while the window around it is being built,
// and shows once it is decoded; nothing on the window's thread waits for it.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    // Starts decoding the picture in `path`, shown when done unless another
    // picture is given meanwhile; until then the box shows nothing.
    void setPictureFile(const QString& path);
    const QImage& picture() const { return m_picture; }

    // How long the size must stay the same before the smooth copy is made.
    static constexpr int kSettleMs = 150;

    // Makes the smooth copy of a shrunk picture for the present size now, as
    // the size settling would, and schedules the repaint that shows it. An
    // enlarged picture needs no copy.
    void settle();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void updateOpaque();
    QSize deviceSize() const;
    bool isShrunk() const;
    void makeSmoothCopy();

    QImage m_picture;
    // Counts the pictures given: a decoded file shows only if it is the last.
    quint64 m_given = 0;
    QPixmap m_scaled;
    QTimer m_settle;
};
