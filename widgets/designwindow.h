// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <utility>

class QWidget;

// What both windows do alike with their own values from their definitions.
namespace DesignWindow {

// Gives the window its inner size from the definition, in twips, and puts
// it in the middle of the primary screen's free area.
void placeCentred(QWidget* window, float innerWidth, float innerHeight);

// What a screen reader says for each box and button.
void setAccessibleNames(const QList<std::pair<QWidget*, QString>>& names);

// Tab moves through `widgets` in this order.
void setTabOrder(const QList<QWidget*>& widgets);

} // namespace DesignWindow
