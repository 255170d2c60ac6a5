#pragma once

#include "countdowntick.h"
#include "proportionallayout.h"

#include <QWidget>
#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QTimer;
class PictureBox;
class PictureButton;
class SettingsStore;
struct ControlDesign;

// The main window: the title, the current time and the countdown over a
// landscape picture, the settings and exit buttons. One instance exists for
// the whole program. Its controls keep their proportions when it is resized,
// and its timer refreshes everything from the clock and the settings file
// once a second.
class Form1 : public QWidget {
    Q_OBJECT
public:
    // Builds the window from its definition and runs Form_Load.
    explicit Form1(const SettingsStore& store, QWidget* parent = nullptr);
    ~Form1() override;

    // The program's one main window, or null while none exists.
    static Form1* instance();

    // What Comgjsz opens; the program sets it to the settings dialog.
    void setSettingsDialogOpener(std::function<void()> open) { m_openSettings = std::move(open); }

    const SettingsStore& settingsStore() const { return m_store; }
    // The target read by the latest successful tick.
    std::optional<double> lastLoadedTarget() const { return m_tick.lastLoadedTarget(); }

    // The control collection in its fixed order, and the inner size in twips.
    const QList<TwipsControl*>& controls() const { return m_controlList; }
    float ScaleWidth() const;
    float ScaleHeight() const;
    const std::vector<ControlRatio>& ControlRatios() const { return m_layout.ControlRatios; }

    void Form_Load();
    void RecordControlRatios();
    void Form_Resize();
    void Timer1_Timer();
    void Comgjsz_Click();
    void Comexit_Click();
    void Form_Unload();

    // The controls, named as in the window definition.
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
    QWidget* createWidget(const ControlDesign& design);
    void scheduleNextTick();

    const SettingsStore& m_store;
    CountdownTick m_tick;
    ProportionalLayout m_layout;
    std::vector<std::unique_ptr<TwipsControl>> m_controls;
    QList<TwipsControl*> m_controlList;
    std::function<void()> m_openSettings;
};
