// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturebutton.h"

#include <QKeyEvent>

PictureButton::PictureButton(QWidget* parent)
    : QToolButton(parent)
{
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setIconSize(QSize(16, 16));
    setFocusPolicy(Qt::StrongFocus);
}

void PictureButton::setFaceColor(const QColor& color)
{
    QPalette face = palette();
    face.setColor(QPalette::Button, color);
    face.setColor(QPalette::ButtonText, Qt::black);
    setPalette(face);
}

void PictureButton::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QToolButton::keyPressEvent(event);
}
