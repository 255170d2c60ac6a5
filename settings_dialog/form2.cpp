#include "form2.h"

#include "dateentry.h"
#include "datevalue.h"
#include "form1.h"
#include "form2design.h"
#include "picturebox.h"
#include "picturebutton.h"
#include "picturefile.h"
#include "settingsstore.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace {
QPointer<Form2> theInstance;

Form2::FileChooser& fileChooser()
{
    static Form2::FileChooser chooser;
    return chooser;
}

// Sets a colour for the enabled states only, so that a disabled control
// still greys out the way the platform does it.
void setEnabledColor(QWidget* widget, QPalette::ColorRole role, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Active, role, color);
    palette.setColor(QPalette::Inactive, role, color);
    widget->setPalette(palette);
}
}

Form2::Form2()
    : QDialog(nullptr,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_main(Form1::instance())
{
    theInstance = this;
    setObjectName(u"Form2"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(Form2Design::caption());
    // The dialog has no icon: an empty one would fall back to the program's.
    QPixmap noIcon(16, 16);
    noIcon.fill(Qt::transparent);
    setWindowIcon(QIcon(noIcon));
    QPalette face = palette();
    face.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
    setPalette(face);

    resize(Twips::toPixels(Form2Design::kInnerWidth), Twips::toPixels(Form2Design::kInnerHeight));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    buildControls();
    Form_Load();
}

Form2* Form2::instance() { return theInstance; }

void Form2::openModal()
{
    if (theInstance)
        return;
    // exec() deletes the dialog when it closes, since it deletes on close.
    (new Form2)->exec();
}

void Form2::setFileChooser(FileChooser chooser) { fileChooser() = std::move(chooser); }

void Form2::buildControls()
{
    // Created back to front: a later sibling is drawn over an earlier one.
    const QList<ControlDesign>& window = Form2Design::windowControls();
    for (auto design = window.crbegin(); design != window.crend(); ++design)
        createWidget(*design, this);
    const QList<ControlDesign>& frame = Form2Design::frameControls();
    for (auto design = frame.crbegin(); design != frame.crend(); ++design)
        createWidget(*design, Framegjsz);

    const auto bind = [this](auto*& member, const QString& name) {
        member = findChild<std::remove_reference_t<decltype(member)>>(name);
    };
    bind(Comok, u"Comok"_s);
    bind(Comimg, u"Comimg"_s);
    bind(Textr2, u"Textr2"_s);
    bind(Texty2, u"Texty2"_s);
    bind(Textn2, u"Textn2"_s);
    bind(Textr1, u"Textr1"_s);
    bind(Texty1, u"Texty1"_s);
    bind(Textn1, u"Textn1"_s);
    bind(Textnr2, u"Textnr2"_s);
    bind(Textnr1, u"Textnr1"_s);
    bind(Textbt, u"Textbt"_s);
    bind(Label12, u"Label12"_s);
    bind(Label11, u"Label11"_s);
    bind(Label10, u"Label10"_s);
    bind(Label9, u"Label9"_s);
    bind(Label8, u"Label8"_s);
    bind(Label7, u"Label7"_s);
    bind(Label6, u"Label6"_s);
    bind(Label5, u"Label5"_s);
    bind(Label4, u"Label4"_s);
    bind(Label2, u"Label2"_s);
    bind(Label1, u"Label1"_s);

    // What a screen reader says for each box and button: the label beside it.
    const std::pair<QWidget*, QString> accessibleNames[] = {
        { Textbt, u"软件上方标题"_s },
        { Textnr1, u"曜刻1内容"_s },
        { Textn1, u"曜刻1截止时间：年"_s },
        { Texty1, u"曜刻1截止时间：月"_s },
        { Textr1, u"曜刻1截止时间：日"_s },
        { Textnr2, u"曜刻2内容"_s },
        { Textn2, u"曜刻2截止时间：年"_s },
        { Texty2, u"曜刻2截止时间：月"_s },
        { Textr2, u"曜刻2截止时间：日"_s },
        { Comok, u"确定"_s },
        { Comimg, u"自定义图片"_s },
    };
    for (const auto& [widget, name] : accessibleNames)
        widget->setAccessibleName(name);

    setTabOrder(Textbt, Textnr1);
    setTabOrder(Textnr1, Comok);
    setTabOrder(Comok, Textn1);
    setTabOrder(Textn1, Texty1);
    setTabOrder(Texty1, Textr1);
    setTabOrder(Textr1, Comimg);
    Textbt->setFocus();

    connect(Comok, &QToolButton::clicked, this, &Form2::Comok_Click);
    connect(Comimg, &QPushButton::clicked, this, &Form2::Comimg_Click);
}

QWidget* Form2::createWidget(const ControlDesign& design, QWidget* container)
{
    using Type = ControlDesign::Type;
    QWidget* widget = nullptr;
    switch (design.type) {
    case Type::Label: {
        auto* label = new QLabel(container);
        label->setTextFormat(Qt::PlainText);
        label->setText(design.text);
        label->setWordWrap(true);
        label->setAlignment(design.alignment | Qt::AlignTop);
        // Set even where the table names no colour: a label would otherwise
        // take the frame's red.
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText,
            design.color.isValid() ? design.color
                                   : QApplication::palette().color(QPalette::ButtonText));
        label->setPalette(palette);
        widget = label;
        break;
    }
    case Type::TextBox: {
        auto* box = new QLineEdit(container);
        box->setAlignment(design.alignment | Qt::AlignVCenter);
        setEnabledColor(box, QPalette::Text, design.color);
        widget = box;
        break;
    }
    case Type::PictureButton: {
        auto* button = new PictureButton(container);
        button->setText(design.text);
        button->setIcon(QIcon(design.picture));
        widget = button;
        break;
    }
    case Type::Button: {
        auto* button = new QPushButton(design.text, container);
        // No button of the dialog is its default: Enter in a text box
        // clicks nothing.
        button->setAutoDefault(false);
        widget = button;
        break;
    }
    case Type::Frame: {
        auto* frame = new QGroupBox(design.text, container);
        // Styles draw the frame's caption in one of these two roles.
        setEnabledColor(frame, QPalette::WindowText, design.color);
        setEnabledColor(frame, QPalette::Text, design.color);
        Framegjsz = frame;
        widget = frame;
        break;
    }
    case Type::Picture:
    case Type::Timer:
        Q_UNREACHABLE();
    }
    widget->setObjectName(design.name);
    widget->setFont(designFont(design.font, design.pointSize));
    widget->setGeometry(Twips::toPixels(design.left), Twips::toPixels(design.top),
        Twips::toPixels(design.width), Twips::toPixels(design.height));
    widget->setEnabled(design.enabled);
    widget->setVisible(design.visible);
    return widget;
}

void Form2::Form_Load()
{
    if (m_main) {
        Textbt->setText(m_main->Labname->text());
        Textnr1->setText(m_main->Labtime1->text());
    }

    // Before the main window's first tick, the file tells the target.
    std::optional<double> target = m_main ? m_main->lastLoadedTarget() : std::nullopt;
    if (!target) {
        const LoadResult load = (m_main ? m_main->settingsStore() : SettingsStore()).LoadSettings();
        if (load.ok())
            target = load.record.Target;
    }
    const DateValue::CalendarFields date
        = DateValue::fieldsOf(target.value_or(DateValue::kDefaultTarget))
              .value_or(*DateValue::fieldsOf(DateValue::kDefaultTarget));
    Textn1->setText(QString::number(date.year));
    Texty1->setText(QString::number(date.month));
    Textr1->setText(QString::number(date.day));

    Textn2->setText(u"0"_s);
    Texty2->setText(u"0"_s);
    Textr2->setText(u"0"_s);
}

void Form2::Comok_Click()
{
    // The main window shows the typed texts at once, whatever the date test
    // says; if nothing is saved, its next tick puts the saved ones back.
    if (m_main) {
        m_main->Labname->setText(Textbt->text());
        m_main->Labtime1->setText(Textnr1->text());
    }

    if (!DateEntry::accepts(Textn1->text(), Texty1->text(), Textr1->text())) {
        showError(u"您输入的日期有误，请重新输入！"_s);
        return;
    }
    const SettingsStore store = m_main ? m_main->settingsStore() : SettingsStore();
    const SaveResult saved = store.SaveSettings(
        Textn1->text(), Texty1->text(), Textr1->text(), Textbt->text(), Textnr1->text());
    if (!saved.ok) {
        showError(u"设置未能保存。\n%1"_s.arg(saved.error));
        return;
    }
    accept();
}

void Form2::Comimg_Click()
{
    wjm = runCommonDialog1();

    // A cancelled choice gives the empty path and so takes the picture away.
    QImage picture;
    if (!wjm.isEmpty()) {
        QString why;
        picture = PictureFile::read(wjm, &why);
        if (picture.isNull()) {
            showError(u"无法读取图片文件“%1”：%2"_s.arg(QDir::toNativeSeparators(wjm), why));
            return;
        }
    }
    if (m_main)
        m_main->Image1->setPicture(picture);
}

QString Form2::runCommonDialog1()
{
    if (fileChooser())
        return fileChooser()();
    // A new dialog for every choice: it starts with an empty file name, and
    // nothing of the previous choice stays behind.
    return QFileDialog::getOpenFileName(this, QString(), QString(), Form2Design::fileFilter());
}

void Form2::showError(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, u"高考曜刻1.0版"_s, text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void Form2::keyPressEvent(QKeyEvent* event)
{
    // The dialog has no cancel button, so Escape does not close it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    // Enter clicks the button that has the focus, as on a classic dialog.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && focusWidget() == Comimg) {
        Comimg->animateClick();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
