// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <optional>

// A label as the window layouts expect one: plain text, wrapped within its
// width, starting at its top edge, and cut off where it passes its height.
// The Chinese fonts that stand in for the layout's fonts often reserve more
// room above their characters than the originals did, which would push a
// one-line label's text down until its bottom edge cuts the characters; this
// label starts the text where the characters begin instead.
class DesignLabel : public QLabel {
    Q_OBJECT
public:
    explicit DesignLabel(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Pixels of the font's line above the top of its characters.
    int roomAbove();

    std::optional<int> m_roomAbove;
};
