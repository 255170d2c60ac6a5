// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "designwindow.h"

#include "twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace DesignWindow {

void placeCentred(QWidget* window, float innerWidth, float innerHeight)
{
    window->resize(Twips::toPixels(innerWidth), Twips::toPixels(innerHeight));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

void setAccessibleNames(const QList<std::pair<QWidget*, QString>>& names)
{
    for (const auto& [widget, name] : names)
        widget->setAccessibleName(name);
}

void setTabOrder(const QList<QWidget*>& widgets)
{
    for (qsizetype i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}

} // namespace DesignWindow
