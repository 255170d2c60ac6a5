// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardtheme.h"

BoardTheme BoardTheme::of(BoardOptions::Theme theme)
{
    switch (theme) {
    case BoardOptions::Theme::Dark:
        return { QColor(0x0b, 0x0f, 0x14), QColor(0xf2, 0xf2, 0xf2), QColor(0xff, 0xd5, 0x4f),
            QColor(0xff, 0x8a, 0x80) };
    case BoardOptions::Theme::Red:
        return { QColor(0x8e, 0x00, 0x00), QColor(0xff, 0xff, 0xff), QColor(0xff, 0xf3, 0xc4),
            QColor(0xff, 0xff, 0x00) };
    }
    Q_UNREACHABLE();
}
