// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shownsettings.h"

#include <QDialog>
#include <functional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class PictureButton;
class SettingsStore;
struct ControlDesign;

// The settings dialog: edits the title, the heading and the target date that
// the main window shows, saves them to the settings file, and lets the user
// choose a picture for behind the main window. It is given what it shows when
// it is made, never reads the file, and tells what the user chose through its
// signals; the window that opens it acts on them, and on the file that its
// next tick reads. Saving and reading a picture run off the window's thread;
// while one runs, the buttons wait for it.
//
// Control and handler names (Textbt, Comok_Click, Form_Load, ...) are those
// of the dialog's definition, so that each can be held against it.
class Form2 : public QDialog {
    Q_OBJECT
public:
    // Shows the picture chooser and returns the full path of the chosen file,
    // or an empty text when the user cancels.
    using FileChooser = std::function<QString()>;

    // Builds the dialog from its definition and runs Form_Load, with what the
    // main window shows as the dialog is made. The store outlives the dialog.
    Form2(const SettingsStore& store, const ShownSettings& shown, QWidget* parent = nullptr);
    // Work still running is left to finish on its own; its result goes nowhere.
    ~Form2() override;

    // Replaces the file dialog, for tests; an empty chooser restores it.
    void setFileChooser(FileChooser chooser) { m_fileChooser = std::move(chooser); }

    // Whether a save or a picture read is running.
    bool isWorking() const { return m_working; }

    void Form_Load();
    void Comok_Click();
    void Comimg_Click();

    // The controls, front to back. CommonDialog1 has no member: see
    // runCommonDialog1().
    PictureButton* Comok = nullptr;
    QGroupBox* Framegjsz = nullptr;
    QPushButton* Comimg = nullptr;
    QLineEdit* Textr2 = nullptr;
    QLineEdit* Texty2 = nullptr;
    QLineEdit* Textn2 = nullptr;
    QLineEdit* Textr1 = nullptr;
    QLineEdit* Texty1 = nullptr;
    QLineEdit* Textn1 = nullptr;
    QLineEdit* Textnr2 = nullptr;
    QLineEdit* Textnr1 = nullptr;
    QLineEdit* Textbt = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;

signals:
    // At OK, before the date is tested: the title and heading as typed.
    void captionsTyped(const QString& title, const QString& heading);
    // A picture was chosen and read, or the choice cancelled (a null image).
    void pictureChosen(const QImage& picture);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void showError(const QString& text);
    // Shows CommonDialog1, the platform's open-file dialog, and returns the
    // full path chosen, or an empty text when cancelled.
    QString runCommonDialog1();
    // Runs `work` on a worker thread under a busy cursor, then `done` with its
    // result here, unless the dialog has gone meanwhile.
    template <class Work, class Done> void runOffThread(Work work, Done done);

    const SettingsStore& m_store;
    const ShownSettings m_shown;
    FileChooser m_fileChooser;
    bool m_working = false;
    // Full path of the picture chosen last.
    QString wjm;
};
