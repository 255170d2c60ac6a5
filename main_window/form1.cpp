#include "form1.h"

#include "designlabel.h"
#include "form1design.h"
#include "picturebox.h"
#include "picturebutton.h"
#include "settingsstore.h"
#include "tickschedule.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
Form1* theInstance = nullptr;

// Each tick's texts, for following the program from outside:
// QT_LOGGING_RULES="gaokao.tick.debug=true" gaokao-countdown
Q_LOGGING_CATEGORY(lcTick, "gaokao.tick", QtWarningMsg)

void setTextColor(QWidget* widget, QPalette::ColorRole role, const QColor& color)
{
    if (!color.isValid())
        return;
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

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
{
    theInstance = this;
    setObjectName(u"Form1"_s);
    setWindowTitle(Form1Design::caption());
    QIcon icon;
    for (int size : { 16, 32, 48, 128, 256 })
        icon.addFile(u":/assets/icon-%1.png"_s.arg(size), QSize(size, size));
    setWindowIcon(icon);
    setFont(designFont(Form1Design::windowFont(), Form1Design::windowFontSize()));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    resize(Twips::toPixels(Form1Design::kInnerWidth), Twips::toPixels(Form1Design::kInnerHeight));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    buildControls();
    Form_Load();
}

Form1::~Form1()
{
    if (theInstance == this)
        theInstance = nullptr;
}

Form1* Form1::instance() { return theInstance; }

void Form1::buildControls()
{
    const QList<ControlDesign>& table = Form1Design::controls();
    // Created back to front: a later sibling is drawn over an earlier one.
    for (auto design = table.crbegin(); design != table.crend(); ++design) {
        QObject* object = nullptr;
        if (design->type == ControlDesign::Type::Timer) {
            object = new QTimer(this);
            m_controls.push_back(std::make_unique<TwipsControl>(object, design->left, design->top));
        } else {
            QWidget* widget = createWidget(*design);
            object = widget;
            m_controls.push_back(std::make_unique<TwipsControl>(
                widget, design->left, design->top, design->width, design->height));
        }
        object->setObjectName(design->name);
    }
    std::reverse(m_controls.begin(), m_controls.end());
    for (const auto& control : m_controls)
        m_controlList.append(control.get());

    const auto bind = [this](auto*& member, const QString& name) {
        member = findChild<std::remove_reference_t<decltype(member)>>(
            name, Qt::FindDirectChildrenOnly);
    };
    bind(Comgjsz, u"Comgjsz"_s);
    bind(TextTIAN, u"TextTIAN"_s);
    bind(TextS, u"TextS"_s);
    bind(TextF, u"TextF"_s);
    bind(TextH, u"TextH"_s);
    bind(TextD, u"TextD"_s);
    bind(Timer1, u"Timer1"_s);
    bind(TextM, u"TextM"_s);
    bind(Comexit, u"Comexit"_s);
    bind(Labtime2, u"Labtime2"_s);
    bind(Labnowtime, u"Labnowtime"_s);
    bind(Label5, u"Label5"_s);
    bind(Labtime1, u"Labtime1"_s);
    bind(Labnow, u"Labnow"_s);
    bind(Labname, u"Labname"_s);
    bind(Image1, u"Image1"_s);

    // What a screen reader says for each box and button.
    const std::pair<QWidget*, QString> accessibleNames[] = {
        { TextTIAN, u"剩余总天数"_s },
        { TextM, u"剩余月数"_s },
        { TextD, u"剩余天数"_s },
        { TextH, u"剩余小时数"_s },
        { TextF, u"剩余分钟数"_s },
        { TextS, u"剩余秒数"_s },
        { Comgjsz, u"自定义设置"_s },
        { Comexit, u"退出"_s },
    };
    for (const auto& [widget, name] : accessibleNames)
        widget->setAccessibleName(name);

    setTabOrder(Comexit, TextM);
    setTabOrder(TextM, TextD);
    setTabOrder(TextD, TextH);
    setTabOrder(TextH, TextF);
    setTabOrder(TextF, TextS);
    setTabOrder(TextS, TextTIAN);
    setTabOrder(TextTIAN, Comgjsz);
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

QWidget* Form1::createWidget(const ControlDesign& design)
{
    using Type = ControlDesign::Type;
    QWidget* widget = nullptr;
    switch (design.type) {
    case Type::Label: {
        auto* label = new DesignLabel(this);
        label->setText(design.text);
        label->setAlignment(design.alignment | Qt::AlignTop);
        setTextColor(label, QPalette::WindowText, design.color);
        widget = label;
        break;
    }
    case Type::TextBox: {
        auto* box = new QLineEdit(this);
        box->setAlignment(design.alignment | Qt::AlignVCenter);
        setTextColor(box, QPalette::Text, design.color);
        widget = box;
        break;
    }
    case Type::PictureButton:
    case Type::Button: {
        auto* button = new PictureButton(this);
        button->setText(design.text);
        button->setIcon(QIcon(design.picture));
        button->setFaceColor(Form1Design::buttonFace());
        widget = button;
        break;
    }
    case Type::Picture: {
        auto* picture = new PictureBox(this);
        picture->setPicture(QImage(design.picture));
        widget = picture;
        break;
    }
    case Type::Timer:
    case Type::Frame:
        Q_UNREACHABLE();
    }
    if (!design.font.isEmpty())
        widget->setFont(designFont(design.font, design.pointSize));
    widget->setVisible(design.visible);

    return widget;
}

float Form1::ScaleWidth() const { return float(width()) * Twips::kPerPixel; }

float Form1::ScaleHeight() const { return float(height()) * Twips::kPerPixel; }

void Form1::Form_Load()
{
    m_store.EnsureSettingsFile();
    m_layout.resize(m_controlList.size());
    RecordControlRatios();
}

void Form1::RecordControlRatios() { m_layout.record(m_controlList, ScaleWidth(), ScaleHeight()); }

void Form1::Form_Resize() { m_layout.rescale(m_controlList, ScaleWidth(), ScaleHeight()); }

void Form1::resizeEvent(QResizeEvent*) { Form_Resize(); }

void Form1::scheduleNextTick()
{
    Timer1->start(TickSchedule::delayToNextTick(QDateTime::currentMSecsSinceEpoch()));
}

void Form1::Timer1_Timer()
{
    const CountdownTick::Result tick = m_tick.run();
    setText(Labnowtime, tick.nowText);
    if (tick.load.textsRead) {
        setText(Labname, tick.load.record.Title);
        setText(Labtime1, tick.load.record.Heading);
    }
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

void Form1::Comgjsz_Click()
{
    if (m_openSettings)
        m_openSettings();
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
}

void Form1::Form_Unload() { }
