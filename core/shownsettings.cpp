// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shownsettings.h"

ShownSettings::ShownSettings(const QString& designTitle, const QString& designHeading)
    : m_title(designTitle)
    , m_heading(designHeading)
{
}

void ShownSettings::setCaptions(const QString& title, const QString& heading)
{
    m_title = title;
    m_heading = heading;
    m_captionsRead = true;
}
