// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "usermessage.h"

#include "programinfo.h"

#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {
QMessageBox::StandardButton answer(QMessageBox::Icon icon, const QString& caption,
    const QString& text, QMessageBox::StandardButtons buttons,
    QMessageBox::StandardButton defaultButton, QWidget* parent, const QString& details = {},
    const QString& guide = {})
{
    // Made on the heap: a parent that goes while the box is open takes the
    // box with it.
    const QPointer<QMessageBox> box = new QMessageBox(icon, caption, text, buttons, parent);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_QuitOnClose, false);
    box->setDefaultButton(defaultButton);
    if (!details.isEmpty())
        box->setDetailedText(details);
    if (!guide.isEmpty()) {
        // Closes the box, as each of its buttons does, once the guide opens.
        QPushButton* open = box->addButton(u"使用说明"_s, QMessageBox::HelpRole);
        open->setObjectName(u"guide"_s);
        QObject::connect(open, &QPushButton::clicked, box.data(), [guide, parent] {
            if (!QDesktopServices::openUrl(QUrl::fromLocalFile(guide)))
                UserMessage::tell(parent, UserMessage::Kind::Warning,
                    u"无法打开使用说明“%1”：没有找到可以打开网页的程序。"_s.arg(
                        QDir::toNativeSeparators(guide)));
        });
    }
    const auto button = QMessageBox::StandardButton(box->exec());
    if (!box)
        return QMessageBox::NoButton;
    delete box;
    return button;
}

QMessageBox::Icon iconOf(UserMessage::Kind kind)
{
    switch (kind) {
    case UserMessage::Kind::Information:
        break;
    case UserMessage::Kind::Warning:
        return QMessageBox::Warning;
    case UserMessage::Kind::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::Information;
}
}

void UserMessage::tell(QWidget* parent, Kind kind, const QString& text)
{
    answer(iconOf(kind), ProgramInfo::caption, text, QMessageBox::Ok, QMessageBox::Ok, parent);
}

bool UserMessage::ask(QWidget* parent, const QString& question)
{
    return answer(QMessageBox::Question, ProgramInfo::caption, question,
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No, parent)
        == QMessageBox::Yes;
}

void UserMessage::about(
    QWidget* parent, const QString& text, const QString& details, const QString& guide)
{
    answer(QMessageBox::Information, u"关于"_s, text, QMessageBox::Ok, QMessageBox::Ok, parent,
        details, guide);
}

void UserMessage::Once::warn(QWidget* parent, const QString& text)
{
    if (m_told)
        return;
    m_told = true;
    tell(parent, Kind::Warning, text);
}
