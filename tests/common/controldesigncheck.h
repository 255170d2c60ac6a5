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
// against the row, as the builder promises it: the class the row's type
// stands for, the row's name, geometry (twips to pixels), visibility,
// enabled state, font (the container's where the row names none), text,
// colours, alignment and picture.
inline void compareWithDesign(
    const QObject* made, const ControlDesign& design, const QWidget* container, WindowLook look)
{
    using Type = ControlDesign::Type;
    QVERIFY2(made, qPrintable(design.name));
    QCOMPARE(made->objectName(), design.name);
    QCOMPARE(made->parent(), container);
    if (design.type == Type::Timer) {
        QVERIFY(qobject_cast<const QTimer*>(made));
        return;
    }
    const auto* widget = qobject_cast<const QWidget*>(made);
    QVERIFY(widget);
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
    switch (design.type) {
    case Type::Label: {
        const auto* label = qobject_cast<const QLabel*>(widget);
        QVERIFY(label);
        QCOMPARE(label->inherits("DesignLabel"), look.designLabels);
        QCOMPARE(label->text(), design.text);
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY(label->wordWrap());
        QCOMPARE(label->alignment(), design.alignment | Qt::AlignTop);
        QVERIFY(!label->autoFillBackground());
        QCOMPARE(palette.color(QPalette::WindowText),
            design.color.isValid() ? design.color : platform.color(QPalette::ButtonText));
        break;
    }
    case Type::TextBox: {
        const auto* box = qobject_cast<const QLineEdit*>(widget);
        QVERIFY(box);
        QCOMPARE(box->text(), design.text);
        QCOMPARE(box->alignment(), design.alignment | Qt::AlignVCenter);
        QVERIFY(!box->isReadOnly());
        QCOMPARE(palette.color(QPalette::Active, QPalette::Text),
            design.color.isValid() ? design.color : platform.color(QPalette::Text));
        // Disabled, it greys out as any other box.
        QCOMPARE(palette.color(QPalette::Disabled, QPalette::Text),
            platform.color(QPalette::Disabled, QPalette::Text));
        break;
    }
    case Type::PictureButton: {
        const auto* button = qobject_cast<const PictureButton*>(widget);
        QVERIFY(button);
        QCOMPARE(button->text(), design.text);
        QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        QCOMPARE(button->iconSize(), QSize(16, 16));
        QCOMPARE(button->icon().pixmap(16).isNull(), !QFileInfo::exists(design.picture));
        QCOMPARE(palette.color(QPalette::Button),
            look.buttonFace.isValid() ? look.buttonFace : platform.color(QPalette::Button));
        QCOMPARE(palette.color(QPalette::ButtonText), platform.color(QPalette::ButtonText));
        break;
    }
    case Type::Button: {
        const auto* button = qobject_cast<const QPushButton*>(widget);
        QVERIFY(button);
        QCOMPARE(button->text(), design.text);
        QVERIFY(!button->autoDefault());
        break;
    }
    case Type::Picture: {
        const auto* picture = qobject_cast<const PictureBox*>(widget);
        QVERIFY(picture);
        QCOMPARE(picture->picture().size(), QImage(design.picture).size());
        break;
    }
    case Type::Frame: {
        const auto* frame = qobject_cast<const QGroupBox*>(widget);
        QVERIFY(frame);
        QCOMPARE(frame->title(), design.text);
        QCOMPARE(palette.color(QPalette::Active, QPalette::WindowText), design.color);
        break;
    }
    case Type::Timer:
        break;
    }
}
