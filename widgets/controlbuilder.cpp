// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controlbuilder.h"

#include "designlabel.h"
#include "picturebox.h"
#include "picturebutton.h"
#include "twips.h"

#include <QApplication>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
// Sets a colour for the enabled states only, so that a disabled control
// still greys out the way the platform does it.
void setEnabledColor(QWidget* widget, QPalette::ColorRole role, const QColor& color)
{
    if (!color.isValid())
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Active, role, color);
    palette.setColor(QPalette::Inactive, role, color);
    widget->setPalette(palette);
}

// A button's picture from its file, with the file's double-size drawing
// (`name@2x.png`), where there is one, as a picture of twice the size: a
// picture that grows with its window is then drawn from the larger drawing,
// up to that size, instead of staying small (an icon never enlarges a
// picture). At the design size the picture is still the file's own.
QIcon pictureIcon(const QString& fileName)
{
    QIcon icon(fileName);
    if (const qsizetype dot = fileName.lastIndexOf(u'.'); dot > 0) {
        QImage doubleSize(QString(fileName).insert(dot, u"@2x"_s));
        if (!doubleSize.isNull()) {
            doubleSize.setDevicePixelRatio(1);
            icon.addPixmap(QPixmap::fromImage(doubleSize));
        }
    }
    return icon;
}

QWidget* makeWidget(const ControlDesign& design, QWidget* container, const WindowLook& look)
{
    using Type = ControlDesign::Type;
    switch (design.type) {
    case Type::Label: {
        QLabel* label = look.designLabels ? new DesignLabel(container) : new QLabel(container);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setText(design.text);
        label->setAlignment(design.alignment | Qt::AlignTop);
        // Set even where the row names no colour: a label in a frame would
        // otherwise take the frame's caption colour.
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText,
            design.color.isValid() ? design.color
                                   : QApplication::palette().color(QPalette::ButtonText));
        label->setPalette(palette);
        return label;
    }
    case Type::TextBox: {
        auto* box = new QLineEdit(container);
        box->setAlignment(design.alignment | Qt::AlignVCenter);
        setEnabledColor(box, QPalette::Text, design.color);
        return box;
    }
    case Type::PictureButton: {
        auto* button = new PictureButton(container);
        button->setText(design.text);
        button->setIcon(pictureIcon(design.picture));
        if (look.buttonFace.isValid())
            button->setFaceColor(look.buttonFace);
        return button;
    }
    case Type::Button: {
        auto* button = new QPushButton(design.text, container);
        // No button is a default one: Enter in a text box clicks nothing.
        button->setAutoDefault(false);
        return button;
    }
    case Type::Picture: {
        auto* picture = new PictureBox(container);
        picture->setPictureFile(design.picture);
        return picture;
    }
    case Type::Frame: {
        auto* frame = new QGroupBox(design.text, container);
        // Styles draw the frame's caption in one of these two roles.
        setEnabledColor(frame, QPalette::WindowText, design.color);
        setEnabledColor(frame, QPalette::Text, design.color);
        return frame;
    }
    case Type::Timer:
        break;
    }
    return nullptr;
}
}

QObject* buildControl(const ControlDesign& design, QWidget* container, const WindowLook& look)
{
    QWidget* widget = makeWidget(design, container, look);
    if (!widget) {
        // A timer has a place on the window but nothing to show.
        auto* timer = new QTimer(container);
        timer->setObjectName(design.name);
        return timer;
    }
    widget->setObjectName(design.name);
    if (!design.font.isEmpty())
        widget->setFont(designFont(design.font, design.pointSize));
    widget->setGeometry(Twips::toPixels(design.left), Twips::toPixels(design.top),
        Twips::toPixels(design.width), Twips::toPixels(design.height));
    widget->setEnabled(design.enabled);
    widget->setVisible(design.visible);
    return widget;
}
