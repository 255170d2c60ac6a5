// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QTime>
#include <optional>

// One of the user's own countdowns shown as a small desktop widget beside the
// main window (一模, 期末, 百日誓师...): what it counts to and how its widget
// shows. Kept in the program's preferences file, never in data.txt; every
// field but the title and the target may be left out there and takes the
// default given here (countdownschema.h lists the keys). The enums are stored
// by their enumerators' names with the first letter in lower case (days,
// full; opaque, translucent, transparent; normal, top, desktop), so an
// enumerator is never renamed.
struct CountdownEntry {
    Q_GADGET
public:
    // 只显示天数, or the days and the time to the moment (天 时 分 秒).
    enum class Format { Days, Full };
    Q_ENUM(Format)
    // The widget's background: 不透明, 半透明, 全透明 (the text keeps its outline).
    enum class Opacity { Opaque, Translucent, Transparent };
    Q_ENUM(Opacity)
    // Like any window, 置顶 (above the others) or 置于桌面 (below them all).
    enum class Layer { Normal, Top, Desktop };
    Q_ENUM(Layer)

    QString title;
    // The local date and time the user chose, to the second, kept as typed:
    // a time that a change of daylight saving time skips (02:30 on the
    // spring day) is still this time, and TimeLeft::localMoment() says which
    // moment it stands for.
    QDate date;
    QTime time { 0, 0 };
    // Counts to the same day of the next year once the day has passed.
    bool repeat = false;
    Format format = Format::Days;

    // Where the widget's top-left corner was put, in the virtual desktop's
    // coordinates; none for a free place on the primary screen.
    std::optional<QPoint> position {};
    Opacity opacity = Opacity::Translucent;
    Layer layer = Layer::Normal;
    // 锁定位置: dragging does not move it.
    bool locked = false;
    // 鼠标穿透: clicks go through to the desktop.
    bool clickThrough = false;

    bool operator==(const CountdownEntry&) const = default;
};
