// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form1.h"
#include "form2.h"
#include "picturebutton.h"

#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>

// Opens the settings dialog with the main window's button, the way a user
// does, and runs `body` while it is shown; closes it afterwards if `body` left
// it open. The test fails when no dialog came or one stays behind.
inline void openSettingsDialog(Form1& form, const std::function<void(Form2&)>& body)
{
    bool ran = false;
    QTimer::singleShot(0, &form, [&] {
        QPointer<Form2> dialog = form.settingsDialog();
        if (!dialog)
            return;
        ran = true;
        body(*dialog);
        if (dialog && dialog->isVisible())
            dialog->close();
    });
    form.Comgjsz->click();
    QVERIFY2(ran, "no settings dialog opened");
    // Closing discards the dialog.
    QCOMPARE(form.settingsDialog(), nullptr);
}
