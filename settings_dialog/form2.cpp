// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form2.h"

#include "controlbuilder.h"
#include "dateentry.h"
#include "datevalue.h"
#include "designwindow.h"
#include "form2design.h"
#include "picturebutton.h"
#include "picturefile.h"
#include "settingsstore.h"
#include "usermessage.h"
#include "workpool.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

using namespace Qt::StringLiterals;

Form2::Form2(const SettingsStore& store, const ShownSettings& shown, QWidget* parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_store(store)
    , m_shown(shown)
{
    setObjectName(u"Form2"_s);
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(Form2Design::caption());
    // The dialog has no icon: an empty one would fall back to the program's.
    QPixmap noIcon(16, 16);
    noIcon.fill(Qt::transparent);
    setWindowIcon(QIcon(noIcon));
    QPalette face = palette();
    face.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
    setPalette(face);

    DesignWindow::placeCentred(this, Form2Design::kInnerWidth, Form2Design::kInnerHeight);

    buildControls();
    Form_Load();
}

Form2::~Form2()
{
    if (isWorking())
        QGuiApplication::restoreOverrideCursor();
}

void Form2::buildControls()
{
    // Made back to front: a later sibling is drawn over an earlier one.
    const WindowLook look;
    Framegjsz = buildControlAs<QGroupBox>(Form2Design::Framegjsz, this, look);
    Comok = buildControlAs<PictureButton>(Form2Design::Comok, this, look);
    const auto inFrame = [&]<class Control>(Control*& member, const ControlDesign& design) {
        member = buildControlAs<Control>(design, Framegjsz, look);
    };
    inFrame(Label1, Form2Design::Label1);
    inFrame(Label2, Form2Design::Label2);
    inFrame(Label4, Form2Design::Label4);
    inFrame(Label5, Form2Design::Label5);
    inFrame(Label6, Form2Design::Label6);
    inFrame(Label7, Form2Design::Label7);
    inFrame(Label8, Form2Design::Label8);
    inFrame(Label9, Form2Design::Label9);
    inFrame(Label10, Form2Design::Label10);
    inFrame(Label11, Form2Design::Label11);
    inFrame(Label12, Form2Design::Label12);
    inFrame(Textbt, Form2Design::Textbt);
    inFrame(Textnr1, Form2Design::Textnr1);
    inFrame(Textnr2, Form2Design::Textnr2);
    inFrame(Textn1, Form2Design::Textn1);
    inFrame(Texty1, Form2Design::Texty1);
    inFrame(Textr1, Form2Design::Textr1);
    inFrame(Textn2, Form2Design::Textn2);
    inFrame(Texty2, Form2Design::Texty2);
    inFrame(Textr2, Form2Design::Textr2);
    inFrame(Comimg, Form2Design::Comimg);

    // The label beside each box says what it is for.
    DesignWindow::setAccessibleNames({
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
    });

    // A line edit keeps at most 32,767 characters by default and drops the
    // rest of a longer paste without a word. Every character typed stays;
    // a save says so when the texts are too long for the file.
    for (QLineEdit* box : { Textbt, Textnr1, Textnr2 })
        box->setMaxLength(std::numeric_limits<int>::max());

    // Shown, in grey, while there are no captions to show (see Form_Load).
    Textbt->setPlaceholderText(u"尚未读到设置文件中的标题"_s);
    Textnr1->setPlaceholderText(u"尚未读到曜刻1内容"_s);

    DesignWindow::setTabOrder({ Textbt, Textnr1, Comok, Textn1, Texty1, Textr1, Comimg });
    Textbt->setFocus();

    connect(Comok, &QToolButton::clicked, this, &Form2::Comok_Click);
    connect(Comimg, &QPushButton::clicked, this, &Form2::Comimg_Click);
}

void Form2::Form_Load()
{
    // The window's design texts are no settings: shown as if they came from
    // the file, an OK would save them over the user's own. The boxes stay
    // empty then, and their placeholders say why.
    if (m_shown.captionsRead()) {
        Textbt->setText(m_shown.title());
        Textnr1->setText(m_shown.heading());
    } else {
        Textbt->clear();
        Textnr1->clear();
    }

    // Nothing is read here: on a settings folder that does not answer, a read
    // on this thread would stop the main window's clock. Until a tick has
    // read a target, the dialog offers the default one.
    const DateValue::CalendarFields date
        = DateValue::fieldsOf(m_shown.target().value_or(DateValue::kDefaultTarget))
              .value_or(*DateValue::fieldsOf(DateValue::kDefaultTarget));
    Textn1->setText(QString::number(date.year));
    Texty1->setText(QString::number(date.month));
    Textr1->setText(QString::number(date.day));

    for (QLineEdit* box : { Textn2, Texty2, Textr2 })
        box->setText(u"0"_s);
}

template <class Work, class Done> void Form2::runOffThread(Work work, Done done)
{
    m_working = true;
    QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
    WorkPool::run(this, std::move(work), [this, done](const auto& result) {
        m_working = false;
        QGuiApplication::restoreOverrideCursor();
        done(result);
    });
}

void Form2::Comok_Click()
{
    // The buttons wait for the save or picture read that runs.
    if (isWorking())
        return;
    // The main window shows the typed texts at once, whatever the date test
    // says; if nothing is saved, its next tick puts the saved ones back.
    emit captionsTyped(Textbt->text(), Textnr1->text());

    if (!DateEntry::accepts(Textn1->text(), Texty1->text(), Textr1->text())) {
        showError(u"您输入的日期有误，请重新输入！"_s);
        return;
    }
    // Saved off the window's thread: a settings folder on a network drive that
    // is slow to answer does not stop the main window's clock meanwhile. The
    // work keeps its own copy of the store, in case the windows go first.
    runOffThread(
        [store = m_store, year = Textn1->text(), month = Texty1->text(), day = Textr1->text(),
            title = Textbt->text(), heading = Textnr1->text()] {
            return store.SaveSettings(year, month, day, title, heading);
        },
        [this](const FileTrouble& saved) {
            if (saved.isNone())
                accept();
            else
                showError(u"设置未能保存。\n%1"_s.arg(saved.message()));
        });
}

void Form2::Comimg_Click()
{
    if (isWorking())
        return;
    wjm = runCommonDialog1();

    // A cancelled choice gives the empty path and so takes the picture away.
    if (wjm.isEmpty()) {
        emit pictureChosen(QImage());
        return;
    }
    // Read off the window's thread: the main window ticks on meanwhile.
    runOffThread([path = wjm] { return PictureFile::read(path); },
        [this](const PictureFile::ReadResult& read) {
            if (read.ok())
                emit pictureChosen(read.picture);
            else
                showError(read.trouble.message());
        });
}

QString Form2::runCommonDialog1()
{
    if (m_fileChooser)
        return m_fileChooser();
    // A new dialog for every choice: it starts with an empty file name, and
    // nothing of the previous choice stays behind.
    return QFileDialog::getOpenFileName(this, QString(), QString(), Form2Design::fileFilter());
}

void Form2::showError(const QString& text)
{
    UserMessage::tell(this, UserMessage::Kind::Error, text);
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
