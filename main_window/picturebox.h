#pragma once

#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

// A picture stretched over the whole control, aspect ratio ignored. The
// smoothly stretched copy is made once per size and kept, not remade at every
// paint. While the window is being resized the picture is drawn with a quick
// stretch, and the smooth copy for the new size follows once the size has
// settled, so resizing stays fluid. A null image shows nothing.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }

    // How long the size must stay the same before the smooth copy is made.
    static constexpr int kSettleMs = 150;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize deviceSize() const;
    void makeSmoothCopy();

    QImage m_picture;
    QPixmap m_source;
    QPixmap m_scaled;
    QTimer m_settle;
};
