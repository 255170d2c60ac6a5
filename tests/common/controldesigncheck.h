// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controlbuilder.h"
#include "picturebox.h"
#include "picturebutton.h"

#include <QApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// Checks a control that buildControl() made from `design` inside `container`
// against the row, as the builder promises it: the row's name, geometry
// (twips to pixels), visibility, enabled state, font (the container's where
// the row names none), text, colours (the platform's where the row names
// none), alignment and picture.
inline void compareWithDesign(
    const QObject* made, const ControlDesign& design, const QWidget* container, WindowLook look)
{
    QVERIFY2(made, qPrintable(design.name));
    QCOMPARE(made->objectName(), design.name);
    QCOMPARE(made->parent(), container);
    const auto* widget = qobject_cast<const QWidget*>(made);
    QCOMPARE(!widget, design.type == ControlDesign::Type::Timer);
    if (!widget)
        return;
    const auto px = [](float twips) { return qRound(twips / 15); };
    QCOMPARE(widget->geometry(),
        QRect(px(design.left), px(design.top), px(design.width), px(design.height)));
    QCOMPARE(widget->isVisibleTo(container), design.visible);
    QCOMPARE(widget->isEnabled(), design.enabled);
    if (design.font.isEmpty()) {
        QCOMPARE(widget->font(), container->font());
    } else {
        QCOMPARE(widget->font().family(), design.font);
        QCOMPARE(widget->font().pointSizeF(), design.pointSize);
        QVERIFY(widget->font().bold());
    }
    const QPalette& palette = widget->palette();
    const QPalette& platform = QApplication::palette();
    const auto colour = [&](QPalette::ColorRole role) {
        return design.color.isValid() ? design.color : platform.color(role);
    };
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        QCOMPARE(label->inherits("DesignLabel"), look.designLabels);
        QCOMPARE(label->text(), design.text);
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY(label->wordWrap());
        QCOMPARE(label->alignment(), design.alignment | Qt::AlignTop);
        QVERIFY(!label->autoFillBackground());
        QCOMPARE(palette.color(QPalette::WindowText), colour(QPalette::ButtonText));
    } else if (const auto* box = qobject_cast<const QLineEdit*>(widget)) {
        QCOMPARE(box->text(), design.text);
        QCOMPARE(box->alignment(), design.alignment | Qt::AlignVCenter);
        QVERIFY(!box->isReadOnly());
        QCOMPARE(palette.color(QPalette::Active, QPalette::Text), colour(QPalette::Text));
        // Disabled, it greys out as any other box.
        QCOMPARE(palette.color(QPalette::Disabled, QPalette::Text),
            platform.color(QPalette::Disabled, QPalette::Text));
    } else if (const auto* button = qobject_cast<const PictureButton*>(widget)) {
        QCOMPARE(button->text(), design.text);
        QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        QCOMPARE(button->iconSize(), QSize(16, 16));
        QCOMPARE(button->icon().pixmap(16).isNull(), !QFileInfo::exists(design.picture));
        QCOMPARE(palette.color(QPalette::Button),
            look.buttonFace.isValid() ? look.buttonFace : platform.color(QPalette::Button));
        QCOMPARE(palette.color(QPalette::ButtonText), platform.color(QPalette::ButtonText));
    } else if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        QCOMPARE(button->text(), design.text);
        QVERIFY(!button->autoDefault());
    } else if (const auto* picture = qobject_cast<const PictureBox*>(widget)) {
        QTRY_COMPARE(picture->picture().size(), QImage(design.picture).size());
    } else if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
        QCOMPARE(frame->title(), design.text);
        QCOMPARE(
            palette.color(QPalette::Active, QPalette::WindowText), colour(QPalette::WindowText));
    }
}
