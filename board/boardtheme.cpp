// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardtheme.h"

BoardTheme BoardTheme::of(BoardOptions::Theme theme)
{
    const QColor warning(0xff, 0x3b, 0x30);
    switch (theme) {
    case BoardOptions::Theme::Dark:
        return { QColor(0x0b, 0x0f, 0x14), QColor(0xf2, 0xf2, 0xf2), QColor(0xff, 0xd5, 0x4f),
            warning, QColor() };
    case BoardOptions::Theme::Red:
        return { QColor(0x8e, 0x00, 0x00), QColor(0xff, 0xff, 0xff), QColor(0xff, 0xf3, 0xc4),
            warning, QColor(0x20, 0x00, 0x00) };
    }
    Q_UNREACHABLE();
}
