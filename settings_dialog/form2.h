// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <functional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class EditedWindow;
class PictureButton;
class SettingsStore;
struct ControlDesign;

// The settings dialog: edits the title, the heading and the target date that
// the main window shows, saves them to the settings file, and puts a picture
// of the user's choice behind the main window. It fills its boxes from what
// the main window shows, never from the file, and reaches the main window
// only through EditedWindow and the file that the next tick reads. It is
// made for each opening and deletes itself when it closes.
//
// Control and handler names (Textbt, Comok_Click, Form_Load, ...) are those
// of the dialog's definition, so that each can be held against it.
class Form2 : public QDialog {
    Q_OBJECT
public:
    // Shows the picture chooser and returns the full path of the chosen file,
    // or an empty text when the user cancels.
    using FileChooser = std::function<QString()>;

    // Builds the dialog from its definition and runs Form_Load. The window
    // and the store outlive the dialog.
    Form2(EditedWindow& window, const SettingsStore& store);

    // Replaces the file dialog, for tests; an empty chooser restores it.
    void setFileChooser(FileChooser chooser) { m_fileChooser = std::move(chooser); }

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

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void showError(const QString& text);
    // Shows CommonDialog1, the platform's open-file dialog, and returns the
    // full path chosen, or an empty text when cancelled.
    QString runCommonDialog1();

    EditedWindow& m_window;
    const SettingsStore& m_store;
    FileChooser m_fileChooser;
    // Full path of the picture chosen last.
    QString wjm;
};
