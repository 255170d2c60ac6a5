// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QWidget>

// The text of a window's controls, growing with the window while asked to,
// and the buttons' pictures with their captions. The controls' boxes grow
// with the window's width and height separately; a text that grows by the
// smaller of the two ratios keeps its proportion to its box in both
// directions and never outgrows it, as it was drawn at the design size. Each
// control's font and each button's icon size at the design size are kept as
// they were found; every change works from those afresh, and not growing
// puts them back exactly, a control that only inherited its font inheriting
// it again.
class TextScaler : public QObject {
    Q_OBJECT
public:
    // Becomes a child of `window`, whose size it follows.
    TextScaler(QWidget* window, QSize designSize, const QList<QWidget*>& controls);

    // The smaller of the width and height ratios of `size` to `designSize`;
    // 1 when either size is empty or not finite, so nothing is ever scaled to
    // nothing.
    static qreal factorFor(QSizeF size, QSizeF designSize);

    // `designFont` with its point size times `factor`; the design font
    // itself, unchanged, for a factor of 1 or one that is not positive and
    // finite. A font without a point size (set in pixels) scales its pixel
    // size.
    static QFont scaledFont(const QFont& designFont, qreal factor);

    // Whether the text grows with the window; off, it has its design size.
    void setGrowing(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void update();
    void setFactor(qreal factor);

    struct Control {
        QPointer<QWidget> widget;
        QFont designFont;
        bool ownFont;
        QSize designIconSize; // Invalid for a control that is no button.
    };
    QWidget* m_window;
    QSize m_designSize;
    QList<Control> m_controls;
    bool m_growing = false;
    qreal m_factor = 1;
};
