// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <optional>

// What the settings dialog reads from and changes in the window it edits:
// the two captions it shows, the picture behind it, and the target of its
// latest read of the settings file. The main window implements it; a test
// can hand the dialog a stand-in.
class EditedWindow {
public:
    virtual ~EditedWindow() = default;

    virtual QString titleCaption() const = 0;
    virtual QString headingCaption() const = 0;
    // False while the captions are still the window's design texts: no title
    // and heading have been read from the settings file or set since.
    virtual bool captionsRead() const = 0;
    virtual void setCaptions(const QString& title, const QString& heading) = 0;
    virtual void setBackgroundPicture(const QImage& picture) = 0;
    // Empty until a tick has read a target.
    virtual std::optional<double> lastLoadedTarget() const = 0;
};
