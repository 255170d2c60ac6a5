#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

// A picture stretched over the whole control, aspect ratio ignored. The
// stretched copy is made once per size and picture, not at every paint, so
// the window resizes smoothly. A null image shows nothing.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
    QPixmap m_scaled;
};
