// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QToolButton>

// A push button in picture style: a 16 × 16 picture centred above the
// caption, on a face of its own colour. Like a classic push button it clicks
// on Enter as well as on Space while it has the focus.
class PictureButton : public QToolButton {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);

    void setFaceColor(const QColor& color);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
