// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include "controlbuilder.h"
#include "designwindow.h"
#include "form1design.h"
#include "logging.h"
#include "picturebox.h"
#include "picturebutton.h"
#include "plaintooltip.h"
#include "settingslock.h"
#include "settingsstore.h"
#include "tickschedule.h"
#include "twips.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
// Setting an unchanged text would still repaint the control every second.
void setText(QLabel* label, const QString& text)
{
    if (label->text() != text)
        label->setText(text);
}

void setText(QLineEdit* box, const QString& text)
{
    if (box->text() == text)
        return;
    box->setText(text);
    // A text wider than its box shows its beginning, minus sign included.
    box->setCursorPosition(0);
    // The box's value changed, so that a screen reader says the new one. Sent
    // whether or not one listens: the platform bridge drops it if none does.
    QAccessibleValueChangeEvent changed(box, text);
    QAccessible::updateAccessibility(&changed);
}
}

Form1::Form1(const SettingsStore& store, QWidget* parent)
    : QWidget(parent)
    , m_store(store)
    , m_tick(store)
    , m_shown(Form1Design::Labname.text, Form1Design::Labtime1.text)
{
    setObjectName(u"Form1"_s);
    setWindowTitle(Form1Design::caption());
    QIcon icon;
    for (int size : { GAOKAO_WINDOW_ICON_SIZES })
        icon.addFile(u":/assets/icon-%1.png"_s.arg(size), QSize(size, size));
    setWindowIcon(icon);
    setFont(designFont(Form1Design::windowFont(), Form1Design::windowFontSize()));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    // The settings file's trouble shows in tooltips, also while another
    // program has the focus, as it usually has on a classroom screen.
    setAttribute(Qt::WA_AlwaysShowToolTips);

    DesignWindow::placeCentred(this, Form1Design::kInnerWidth, Form1Design::kInnerHeight);

    buildControls();
    Form_Load();
}

// Adds a control to the front of the collection: the controls are made back
// to front, since a later sibling is drawn over an earlier one.
template <class Control> Control* Form1::add(const ControlDesign& design)
{
    const WindowLook look { .designLabels = true, .buttonFace = Form1Design::buttonFace() };
    auto* control = buildControlAs<Control>(design, this, look);
    if constexpr (std::is_base_of_v<QWidget, Control>)
        m_controls.prepend(
            TwipsControl(control, design.left, design.top, design.width, design.height));
    else
        m_controls.prepend(TwipsControl(control, design.left, design.top));
    return control;
}

void Form1::buildControls()
{
    Image1 = add<PictureBox>(Form1Design::Image1);
    Labname = add<QLabel>(Form1Design::Labname);
    Labnow = add<QLabel>(Form1Design::Labnow);
    Labtime1 = add<QLabel>(Form1Design::Labtime1);
    Label5 = add<QLabel>(Form1Design::Label5);
    Labnowtime = add<QLabel>(Form1Design::Labnowtime);
    Labtime2 = add<QLabel>(Form1Design::Labtime2);
    Comexit = add<PictureButton>(Form1Design::Comexit);
    TextM = add<QLineEdit>(Form1Design::TextM);
    Timer1 = add<QTimer>(Form1Design::Timer1);
    TextD = add<QLineEdit>(Form1Design::TextD);
    TextH = add<QLineEdit>(Form1Design::TextH);
    TextF = add<QLineEdit>(Form1Design::TextF);
    TextS = add<QLineEdit>(Form1Design::TextS);
    TextTIAN = add<QLineEdit>(Form1Design::TextTIAN);
    Comgjsz = add<PictureButton>(Form1Design::Comgjsz);
    Q_ASSERT(m_controls.size() == Form1Design::controls().size());

    DesignWindow::setAccessibleNames({
        { TextTIAN, u"剩余总天数"_s },
        { TextM, u"剩余月数"_s },
        { TextD, u"剩余天数"_s },
        { TextH, u"剩余小时数"_s },
        { TextF, u"剩余分钟数"_s },
        { TextS, u"剩余秒数"_s },
        { Comgjsz, u"自定义设置"_s },
        { Comexit, u"退出"_s },
    });

    DesignWindow::setTabOrder({ Comexit, TextM, TextD, TextH, TextF, TextS, TextTIAN, Comgjsz });
    Comexit->setFocus();

    connect(Comgjsz, &QToolButton::clicked, this, &Form1::Comgjsz_Click);
    connect(Comexit, &QToolButton::clicked, this, &Form1::Comexit_Click);
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, [this] {
        Timer1_Timer();
        scheduleNextTick();
    });
    scheduleNextTick();
}

float Form1::ScaleWidth() const { return float(width()) * Twips::kPerPixel; }

float Form1::ScaleHeight() const { return float(height()) * Twips::kPerPixel; }

void Form1::Form_Load()
{
    // The settings file of a first start is written before the first tick
    // reads it, off this thread (see CountdownTick).
    m_layout.resize(m_controls.size());
    RecordControlRatios();
}

void Form1::RecordControlRatios() { m_layout.record(m_controls, ScaleWidth(), ScaleHeight()); }

void Form1::Form_Resize() { m_layout.rescale(m_controls, ScaleWidth(), ScaleHeight()); }

void Form1::resizeEvent(QResizeEvent*) { Form_Resize(); }

void Form1::scheduleNextTick()
{
    Timer1->start(TickSchedule::delayToNextTick(QDateTime::currentMSecsSinceEpoch()));
}

void Form1::Timer1_Timer()
{
    const CountdownTick::Result tick = m_tick.run();
    m_shown.setTarget(m_tick.lastLoadedTarget());
    setText(Labnowtime, tick.nowText);
    if (tick.load.texts == TextsStatus::Read)
        setCaptions(tick.load.record.Title, tick.load.record.Heading);
    else if (tick.load.texts == TextsStatus::Replaced)
        setCaptions(m_characters.admit(tick.load.record.Title),
            m_characters.admit(tick.load.record.Heading));
    m_shown.setTrouble(tick.troubleInShort);
    showSettingsTrouble(tick.trouble);
    if (const auto& texts = tick.countdown) {
        setText(TextTIAN, texts->TotalDaysText);
        setText(TextM, texts->MonthsText);
        setText(TextD, texts->DaysText);
        setText(TextH, texts->HoursText);
        setText(TextF, texts->MinutesText);
        setText(TextS, texts->SecondsText);
        qCDebug(lcTick).noquote() << tick.nowText << texts->TotalDaysText << texts->MonthsText
                                  << texts->DaysText << texts->HoursText << texts->MinutesText
                                  << texts->SecondsText;
    }
}

// Where a user looks, without changing the window's look: the tooltip of the
// window (shown over every control without one of its own) and of the
// countdown boxes, and the same text as their accessible description.
void Form1::showSettingsTrouble(const QString& trouble)
{
    if (accessibleDescription() == trouble)
        return;
    const QString tip = plainToolTip(trouble);
    for (QWidget* widget :
        std::initializer_list<QWidget*> { this, TextTIAN, TextM, TextD, TextH, TextF, TextS }) {
        widget->setToolTip(tip);
        widget->setAccessibleDescription(trouble);
    }
}

Form2* Form1::settingsDialog() const
{
    return findChild<Form2*>(QString(), Qt::FindDirectChildrenOnly);
}

void Form1::Comgjsz_Click()
{
    // The dialog is application-modal: while it is open, nothing clicks here.
    if (settingsDialog())
        return;
    if (m_settingsLocked)
        return SettingsLock::tell(this);
    const QPointer<Form2> dialog = new Form2(m_store, m_shown, this);
    // Never hidden behind this window while it stays on top of the others.
    dialog->setWindowFlag(
        Qt::WindowStaysOnTopHint, windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    connect(dialog, &Form2::captionsTyped, this, &Form1::setCaptions);
    connect(dialog, &Form2::pictureChosen, Image1, &PictureBox::setPicture);
    dialog->exec();
    // Already gone if this window went while the dialog was open.
    delete dialog;
}

void Form1::setCaptions(const QString& title, const QString& heading)
{
    m_shown.setCaptions(title, heading);
    setText(Labname, m_shown.title());
    setText(Labtime1, m_shown.heading());
}

void Form1::Comexit_Click()
{
    QMessageBox box(QMessageBox::Question, u"提示"_s, u"是否真的退出程序"_s,
        QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::Yes);
    if (box.exec() == QMessageBox::Yes)
        QCoreApplication::exit(0);
}

void Form1::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
    // The program ends with this window, also while desktop countdowns show:
    // Qt would end it only once no window is left, and they refuse to close.
    QCoreApplication::exit(0);
}

// The window's definition runs Form_Unload on closing, and it has nothing to do: the settings
// are saved by the dialog as they change. It stays so that closing takes the definition's road.
void Form1::Form_Unload() { }
