// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "characterbudget.h"
#include "countdowntick.h"
#include "form2.h"
#include "proportionallayout.h"
#include "shownsettings.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QTimer;
class PictureBox;
class PictureButton;
class SettingsStore;
struct ControlDesign;

// The main window: the title, the current time and the countdown over a
// landscape picture, the settings and exit buttons. Its controls keep their
// proportions when it is resized, and its timer refreshes everything from the
// clock and the settings file once a second. It owns the settings dialog,
// made when the settings button opens it and gone when it closes, and acts on
// what the user chooses there. Closing it ends the program.
//
// Control and handler names (TextTIAN, Comgjsz_Click, Form_Load, ...) are
// those of the window's definition, so that each can be held against it.
class Form1 : public QWidget {
    Q_OBJECT
public:
    // Builds the window from its definition and runs Form_Load.
    explicit Form1(const SettingsStore& store, QWidget* parent = nullptr);

    // The settings dialog while it is open, or null.
    Form2* settingsDialog() const;

    // The control collection in its fixed order, and the inner size in twips.
    const QList<TwipsControl>& controls() const { return m_controls; }
    float ScaleWidth() const;
    float ScaleHeight() const;

    void Form_Load();
    void RecordControlRatios();
    void Form_Resize();
    void Timer1_Timer();
    void Comgjsz_Click();
    void Comexit_Click();
    void Form_Unload();

    // While locked, the settings button and menu item say so instead of
    // opening the dialog.
    void setSettingsLocked(bool locked) { m_settingsLocked = locked; }

    // Shows a title and heading, read from the settings file or typed in the
    // settings dialog.
    void setCaptions(const QString& title, const QString& heading);
    // What the window shows of the settings, for whatever shows the same.
    const ShownSettings& shown() const { return m_shown; }

    // The controls, front to back.
    PictureButton* Comgjsz = nullptr;
    QLineEdit* TextTIAN = nullptr;
    QLineEdit* TextS = nullptr;
    QLineEdit* TextF = nullptr;
    QLineEdit* TextH = nullptr;
    QLineEdit* TextD = nullptr;
    QTimer* Timer1 = nullptr;
    QLineEdit* TextM = nullptr;
    PictureButton* Comexit = nullptr;
    QLabel* Labtime2 = nullptr;
    QLabel* Labnowtime = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Labtime1 = nullptr;
    QLabel* Labnow = nullptr;
    QLabel* Labname = nullptr;
    PictureBox* Image1 = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    template <class Control> Control* add(const ControlDesign& design);
    void scheduleNextTick();
    // Names what is wrong with the settings file, or clears it when empty.
    void showSettingsTrouble(const QString& trouble);

    const SettingsStore& m_store;
    CountdownTick m_tick;
    ShownSettings m_shown;
    ProportionalLayout m_layout;
    QList<TwipsControl> m_controls;
    bool m_settingsLocked = false;
    CharacterBudget m_characters;
};
