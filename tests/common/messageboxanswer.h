// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

// Answers the next modal message box with `button` as soon as it shows, or
// with its button named `buttonName` when it has one, and keeps what it
// showed. A box that never comes leaves nothing behind: the polling ends with
// the answer's scope.
class MessageBoxAnswer {
public:
    explicit MessageBoxAnswer(
        QMessageBox::StandardButton button = QMessageBox::Ok, const QString& buttonName = {})
    {
        m_poll.setInterval(5);
        QObject::connect(&m_poll, &QTimer::timeout, [this, button, buttonName] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            m_poll.stop();
            title = box->windowTitle();
            text = box->text();
            detailedText = box->detailedText();
            textFormat = box->textFormat();
            icon = box->icon();
            buttons = box->standardButtons();
            if (box->defaultButton())
                defaultButton = box->standardButton(box->defaultButton());
            for (QAbstractButton* each : box->buttons())
                buttonNames.append(each->objectName());
            auto* named = buttonName.isEmpty() ? nullptr : box->findChild<QPushButton*>(buttonName);
            (named ? named : box->button(button))->click();
        });
        m_poll.start();
    }

    // The program's own error box: critical, one OK button, the program's caption.
    bool isCriticalOk() const
    {
        return title == QStringLiteral("高考曜刻1.0版") && icon == QMessageBox::Critical
            && buttons == QMessageBox::Ok;
    }

    QString title, text, detailedText;
    Qt::TextFormat textFormat = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QStringList buttonNames; // the object names of its buttons

private:
    QTimer m_poll;
};
