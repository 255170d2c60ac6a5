// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controldesigncheck.h"
#include "fontsubstitutes.h"
#include "form2design.h"
#include "mainwindowfixture.h"
#include "messageboxanswer.h"
#include "picturebox.h"
#include "picturebutton.h"
#include "settingsdialogopener.h"
#include "settingsfile.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QtEndian>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(const ControlDesign*)

namespace {
const QString kDateError = u"您输入的日期有误，请重新输入！"_s;

// A store as slow as a network folder: a save reads its clock for line 1.
SettingsStore slowStore(const QString& folder)
{
    return SettingsStore(folder, [] {
        if (QThread::currentThread() != qApp->thread())
            QThread::msleep(2500);
        return FakeClock::kWorkedNow;
    });
}
}

class TestForm2 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void window();
    void controls_data();
    void controls();
    void frontToBackTabOrderAndFocus();
    void loadTakesTheMainWindowsCaptionsAtEveryOpening();
    void okSavesAsTyped_data();
    void okSavesAsTyped();
    void badDatesAreRefused_data();
    void badDatesAreRefused();
    void failedSaveKeepsTheDialogOpen();
    void ticksGoOnWhileASlowSaveRuns();
    void windowsMayGoWhileASaveRuns_data();
    void windowsMayGoWhileASaveRuns();
    void textsTooLongForTheFileAreKeptAndRefused();
    void pictures_data();
    void pictures();
    void realFileDialogChoosesAndCancels();
    void roadOfOneChange();

private:
    void runDialog(const std::function<void(Form2&)>& body) { openSettingsDialog(*m_form, body); }
    QByteArray settingsBytes() const { return readFile(m_store->filePath()); }

    QTemporaryDir m_pictures;
    std::unique_ptr<MainWindowFixture> m_fixture;
    Form1* m_form = nullptr;
    const SettingsStore* m_store = nullptr;
};

void TestForm2::initTestCase()
{
    installFontSubstitutes();
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QImage red(40, 30, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(m_pictures.filePath(u"red.jpg"_s)));
    QVERIFY(red.save(m_pictures.filePath(u"red.bmp"_s)));
    // Qt reads GIF but cannot write it: one red pixel, written by hand.
    writeFile(m_pictures.filePath(u"red.gif"_s),
        QByteArray::fromHex(
            "47494638396101000100800000ff000000000021f9040000000000" // header, red and black
            "2c00000000010001000002024401003b")); // the pixel
    writeFile(m_pictures.filePath(u"text.jpg"_s), "no picture here\n");
    const QByteArray jpeg = readFile(m_pictures.filePath(u"red.jpg"_s));
    writeFile(m_pictures.filePath(u"truncated.jpg"_s), jpeg.left(jpeg.size() / 2));
    // A BMP header asking for 40000 × 40000 pixels, beyond Qt's allocation limit.
    QByteArray huge = readFile(m_pictures.filePath(u"red.bmp"_s));
    qToLittleEndian<qint32>(40000, huge.data() + 18);
    qToLittleEndian<qint32>(40000, huge.data() + 22);
    writeFile(m_pictures.filePath(u"huge.bmp"_s), huge);
}

void TestForm2::init()
{
    m_fixture = std::make_unique<MainWindowFixture>();
    m_form = &m_fixture->form;
    m_store = &m_fixture->store;
    // Ticks are run by hand, so none lands in the middle of a test.
    m_form->Timer1->stop();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
}

void TestForm2::cleanup() { m_fixture.reset(); }

void TestForm2::window()
{
    runDialog([this](Form2& d) {
        QCOMPARE(QApplication::activeModalWidget(), &d);
        QCOMPARE(d.windowModality(), Qt::ApplicationModal);
        QCOMPARE(d.parentWidget(), m_form);
        QCOMPARE(d.windowTitle(), u"自定义设置"_s);
        QCOMPARE(d.size(), QSize(734, 483));
        QVERIFY(d.windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!(d.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(d.windowIcon().pixmap(16).toImage().pixelColor(8, 8).alpha(), 0);
        QCOMPARE(
            d.palette().color(QPalette::Window), QApplication::palette().color(QPalette::Button));
        const QString shown = QFontInfo(d.Textbt->font()).family();
        QVERIFY2(shown.contains(u"CJK"_s) || shown.contains(u"AR PL"_s), qPrintable(shown));
        // There is no cancel button, so Escape does not close it.
        QTest::keyClick(d.Textbt, Qt::Key_Escape);
        QVERIFY(d.isVisible());
    });
}

void TestForm2::controls_data()
{
    QTest::addColumn<const ControlDesign*>("design");
    QTest::addColumn<bool>("inFrame");
    using namespace Form2Design;
    for (const ControlDesign* row : { &Comok, &Framegjsz })
        QTest::newRow(qPrintable(row->name)) << row << false;
    for (const ControlDesign* row : { &Comimg, &Textr2, &Texty2, &Textn2, &Textr1, &Texty1, &Textn1,
             &Textnr2, &Textnr1, &Textbt, &Label12, &Label11, &Label10, &Label9, &Label8, &Label7,
             &Label6, &Label5, &Label4, &Label2, &Label1 })
        QTest::newRow(qPrintable(row->name)) << row << true;
}

// Each control as its own row of the dialog's definition gives it.
void TestForm2::controls()
{
    QFETCH(const ControlDesign*, design);
    QFETCH(bool, inFrame);
    runDialog([&](Form2& d) {
        auto* widget = d.findChild<QWidget*>(design->name);
        // The boxes hold what the dialog read from the file (see the load
        // tests); everything else is as the row gives it.
        ControlDesign expected = *design;
        if (auto* box = qobject_cast<QLineEdit*>(widget))
            expected.text = box->text();
        compareWithDesign(widget, expected, inFrame ? d.Framegjsz : static_cast<QWidget*>(&d), {});
        // Drawn, not only set: the frame's caption in its colour.
        if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
            const QImage title = frame->grab(QRect(0, 0, 150, 20)).toImage();
            int caption = 0;
            for (int y = 0; y < title.height(); ++y)
                for (int x = 0; x < title.width(); ++x)
                    caption += title.pixelColor(x, y) == design->color;
            QVERIFY2(caption > 20, "the caption is drawn in its colour");
        }
        if (auto* picture = qobject_cast<PictureButton*>(widget))
            QVERIFY(picture->icon().availableSizes().contains(QSize(16, 16)));
    });
}

void TestForm2::frontToBackTabOrderAndFocus()
{
    const auto backToFront = [](QWidget* container) {
        QStringList names;
        for (QObject* child : container->children())
            if (child->isWidgetType())
                names.append(child->objectName());
        return names.join(u' ');
    };
    runDialog([&](Form2& d) {
        QCOMPARE(backToFront(&d), u"Framegjsz Comok"_s);
        QCOMPARE(backToFront(d.Framegjsz),
            u"Label1 Label2 Label4 Label5 Label6 Label7 Label8 Label9 Label10 Label11 Label12 "
            "Textbt Textnr1 Textnr2 Textn1 Texty1 Textr1 Textn2 Texty2 Textr2 Comimg"_s);

        QTRY_COMPARE(QApplication::focusWidget(), d.Textbt);
        QStringList order;
        for (int i = 0; i < 7; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(order.join(u' '), u"Textnr1 Comok Textn1 Texty1 Textr1 Comimg Textbt"_s);

        // Enter in a box clicks no button: nothing is chosen, the dialog stays.
        bool chose = false;
        d.setFileChooser([&] { return chose = true, QString(); });
        QTest::keyClick(d.Textbt, Qt::Key_Return);
        QVERIFY(!chose);
        QVERIFY(d.isVisible());
    });
}

// Until the main window has read the file, the dialog reads nothing itself (a
// folder that does not answer would stop the clock) and passes off none of
// the window's design texts as the user's: empty boxes that say so in grey,
// and the default date. Afterwards it shows the window's captions.
void TestForm2::loadTakesTheMainWindowsCaptionsAtEveryOpening()
{
    QVERIFY(m_store->SaveSettings(u"2015"_s, u"06"_s, u"07"_s, u"文件里的标题"_s, u"h"_s).isNone());
    runDialog([](Form2& d) {
        QCOMPARE(d.Textn1->text() + d.Texty1->text() + d.Textr1->text(), u"201467"_s);
        QCOMPARE(d.Textbt->text() + d.Textnr1->text(), QString());
        QCOMPARE(d.Textbt->placeholderText(), u"尚未读到设置文件中的标题"_s);
        QCOMPARE(d.Textnr1->placeholderText(), u"尚未读到曜刻1内容"_s);
        const QImage box = d.Textnr1->grab().toImage();
        int red = 0, grey = 0;
        for (int y = 0; y < box.height(); ++y)
            for (int x = 0; x < box.width(); ++x) {
                const QColor c = box.pixelColor(x, y);
                red += c.red() > c.green() + 60;
                grey += c.red() < 200 && c.red() == c.green() && c.green() == c.blue();
            }
        QVERIFY2(red == 0 && grey > 20, "the placeholder is grey");
    });
    m_form->Timer1_Timer();
    // What the window shows, not its label's text, which anything else may
    // change (a style, an elision).
    m_form->Labname->setText(u"标签上的字"_s);
    for (int opening = 0; opening < 2; ++opening) {
        runDialog([](Form2& d) {
            QCOMPARE(d.Textbt->text(), u"文件里的标题"_s);
            QCOMPARE(d.Textnr1->text(), u"h"_s);
            QCOMPARE(d.Textn1->text() + d.Texty1->text() + d.Textr1->text(), u"201567"_s);
            QCOMPARE(d.Textn2->text() + d.Texty2->text() + d.Textr2->text(), u"000"_s);
            QCOMPARE(d.Textnr2->text(), QString());
            // Typed, then closed with the close box: forgotten.
            d.Textbt->setText(u"作废"_s);
        });
    }
    QCOMPARE(m_form->shown().title(), u"文件里的标题"_s);
}

void TestForm2::okSavesAsTyped_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::newRow("as loaded") << u"2014"_s << u"6"_s << u"7"_s;
    QTest::newRow("leading zeros") << u"2014"_s << u"06"_s << u"07"_s;
    QTest::newRow("blank before the year") << u" 2014"_s << u"6"_s << u"7"_s;
}

void TestForm2::okSavesAsTyped()
{
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    m_form->Timer1_Timer();
    m_fixture->time.advance(60);
    runDialog([&](Form2& d) {
        d.Textn1->setText(year);
        d.Texty1->setText(month);
        d.Textr1->setText(day);
        d.Comok->click();
        QTRY_VERIFY(!d.isVisible());
    });
    const QByteArray expected = "2014-3-1 12:35:56\r\n"
        + (year + u'-' + month + u'-' + day).toLatin1() + " 9:00:00 \r\n"
        + gb18030(u"沐芷中学高考曜刻软件\r\n距2014年高考 还 有 ：\r\n"_s);
    QCOMPARE(settingsBytes(), expected);
    m_form->Timer1_Timer();
    QCOMPARE(m_form->shown().target(), 41797.375);
}

void TestForm2::badDatesAreRefused_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::newRow("empty day") << u"2014"_s << u"6"_s << QString();
    QTest::newRow("blank month") << u"2014"_s << u"  "_s << u"7"_s;
    QTest::newRow("letters") << u"二〇一四"_s << u"6"_s << u"7"_s;
    QTest::newRow("full-width digits") << u"２０１４"_s << u"6"_s << u"7"_s;
    QTest::newRow("month 13") << u"2014"_s << u"13"_s << u"7"_s;
    QTest::newRow("day 40") << u"2014"_s << u"6"_s << u"40"_s;
    QTest::newRow("fraction") << u"2014"_s << u"6.5"_s << u"7"_s;
    QTest::newRow("negative") << u"2014"_s << u"6"_s << u"-1"_s;
    QTest::newRow("30 February") << u"2014"_s << u"2"_s << u"30"_s;
}

// The labels take the typed title and heading whatever the date test says;
// the next tick puts the saved ones back.
void TestForm2::badDatesAreRefused()
{
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    m_form->Timer1_Timer();
    const QByteArray before = settingsBytes();
    runDialog([&](Form2& d) {
        d.Textbt->setText(u" 新的标题 "_s);
        d.Textnr1->setText(u"新的提示"_s);
        d.Textn1->setText(year);
        d.Texty1->setText(month);
        d.Textr1->setText(day);
        MessageBoxAnswer answer;
        d.Comok->click();
        QCOMPARE(answer.text, kDateError);
        QVERIFY(answer.isCriticalOk());
        QVERIFY(d.isVisible());
        QCOMPARE(QStringList({ d.Textn1->text(), d.Texty1->text(), d.Textr1->text() }),
            QStringList({ year, month, day }));
    });
    QCOMPARE(settingsBytes(), before);
    QCOMPARE(m_form->Labname->text() + m_form->Labtime1->text(), u" 新的标题 新的提示"_s);
    m_form->Timer1_Timer();
    QCOMPARE(m_form->Labname->text(), u"沐芷中学高考曜刻软件"_s);
    QCOMPARE(m_form->Labtime1->text(), u"距2014年高考 还 有 ："_s);
}

void TestForm2::failedSaveKeepsTheDialogOpen()
{
    // A plain file where the settings folder belongs stops even root.
    QVERIFY(QDir(m_store->folder()).removeRecursively());
    writeFile(m_store->folder(), "in the way");
    runDialog([this](Form2& d) {
        d.Textr1->setText(u"8"_s);
        MessageBoxAnswer answer;
        d.Comok->click();
        QTRY_VERIFY(!d.isWorking());
        QVERIFY(answer.isCriticalOk());
        QVERIFY2(answer.text.startsWith(u"设置未能保存"_s), qPrintable(answer.text));
        QVERIFY(answer.text.contains(QDir::toNativeSeparators(m_store->folder())));
        QVERIFY(d.isVisible());
        QCOMPARE(d.Textr1->text(), u"8"_s);
    });
}

// A save that takes its time does not stop the main window's clock. A clock
// slow to answer off the window's thread stands in for a slow network folder:
// the save reads it for the file's first line.
void TestForm2::ticksGoOnWhileASlowSaveRuns()
{
    const SettingsStore slow = slowStore(m_store->folder());
    slow.EnsureSettingsFile();
    Form1 form(slow);
    form.show();
    int ticks = 0;
    connect(form.Timer1, &QTimer::timeout, this, [&] { ++ticks; });
    openSettingsDialog(form, [&](Form2& d) {
        d.Textr1->setText(u"8"_s);
        const int before = ticks;
        d.Comok->click();
        QTRY_VERIFY_WITH_TIMEOUT(!d.isVisible(), 10'000);
        QVERIFY2(ticks - before >= 2, qPrintable(u"%1 ticks"_s.arg(ticks - before)));
    });
    QVERIFY(settingsBytes().contains("2014-6-8 9:00:00"));
}

void TestForm2::windowsMayGoWhileASaveRuns_data()
{
    QTest::addColumn<bool>("mainWindowGoes"); // or only the dialog
    QTest::newRow("dialog closed") << false;
    QTest::newRow("main window gone") << true;
}

// Closed, or gone with the main window, while a save runs: the dialog goes at
// once, the pointer is no longer busy, and the save finishes on its own.
void TestForm2::windowsMayGoWhileASaveRuns()
{
    QFETCH(bool, mainWindowGoes);
    const SettingsStore slow = slowStore(m_store->folder());
    QPointer<Form1> form = new Form1(slow);
    bool working = false;
    QTimer::singleShot(0, form, [&] {
        Form2* d = form->settingsDialog();
        d->Textr1->setText(u"8"_s);
        d->Comok->click();
        working = d->isWorking();
        mainWindowGoes ? delete form.get() : (void)d->close();
    });
    form->Comgjsz_Click();
    QVERIFY(working);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QCOMPARE(form.isNull(), mainWindowGoes);
    delete form;
    QTRY_VERIFY_WITH_TIMEOUT(settingsBytes().contains("2014-6-8 9:00:00"), 10'000);
}

void TestForm2::textsTooLongForTheFileAreKeptAndRefused()
{
    const QByteArray before = settingsBytes();
    const QString pasted(100'000, u'长');
    runDialog([&](Form2& d) {
        d.Textbt->selectAll();
        d.Textbt->insert(pasted); // as a paste arrives
        QCOMPARE(d.Textbt->text(), pasted); // nothing cut off
        MessageBoxAnswer answer;
        d.Comok->click();
        QTRY_VERIFY(!d.isWorking());
        QVERIFY(answer.isCriticalOk());
        QVERIFY2(answer.text.contains(QDir::toNativeSeparators(m_store->filePath()))
                && answer.text.contains(u"最多"_s),
            qPrintable(answer.text.left(200)));
        QVERIFY(d.isVisible());
        QCOMPARE(d.Textbt->text(), pasted);
    });
    QCOMPARE(settingsBytes(), before);
}

void TestForm2::pictures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size"); // empty: not readable
    QTest::newRow("JPEG") << u"red.jpg"_s << QSize(40, 30);
    QTest::newRow("BMP") << u"red.bmp"_s << QSize(40, 30);
    QTest::newRow("GIF") << u"red.gif"_s << QSize(1, 1);
    QTest::newRow("missing") << u"missing.jpg"_s << QSize();
    QTest::newRow("not a picture") << u"text.jpg"_s << QSize();
    QTest::newRow("truncated") << u"truncated.jpg"_s << QSize();
    QTest::newRow("too large to decode") << u"huge.bmp"_s << QSize();
}

void TestForm2::pictures()
{
    QFETCH(QString, file);
    QFETCH(QSize, size);
    const QString path = m_pictures.filePath(file);
    const QByteArray settings = settingsBytes();
    QTRY_VERIFY(!m_form->Image1->picture().isNull());
    const QImage before = m_form->Image1->picture();
    runDialog([&](Form2& d) {
        d.setFileChooser([&] { return path; });
        MessageBoxAnswer answer;
        d.Comimg->click();
        QTRY_VERIFY(!d.isWorking());
        QVERIFY(d.isVisible());
        if (size.isEmpty()) {
            QVERIFY(answer.isCriticalOk());
            QVERIFY2(answer.text.contains(QDir::toNativeSeparators(path)), qPrintable(answer.text));
        } else {
            QCOMPARE(answer.text, QString());
        }
    });
    const QImage& shown = m_form->Image1->picture();
    if (size.isEmpty()) {
        QCOMPARE(shown.cacheKey(), before.cacheKey());
    } else {
        QCOMPARE(shown.size(), size);
        const QColor pixel = shown.pixelColor(0, 0);
        QVERIFY2(
            pixel.red() > 230 && pixel.green() < 30 && pixel.blue() < 30, qPrintable(pixel.name()));
    }
    QCOMPARE(settingsBytes(), settings);
}

// The file dialog itself, driven like a message box: a picture is chosen
// once, then the dialog is cancelled.
void TestForm2::realFileDialogChoosesAndCancels()
{
    QStringList filters;
    QString shownName = u"<not shown>"_s;
    const auto answerFileDialog = [&](const QString& choose) {
        QTimer::singleShot(0, [&, choose] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            filters = dialog->nameFilters();
            shownName = dialog->findChild<QLineEdit*>(u"fileNameEdit"_s)->text();
            if (!choose.isEmpty())
                dialog->selectFile(choose);
            choose.isEmpty() ? dialog->reject() : static_cast<QDialog*>(dialog)->accept();
        });
    };
    runDialog([&](Form2& d) {
        answerFileDialog(m_pictures.filePath(u"red.bmp"_s));
        d.Comimg->click();
        QTRY_VERIFY(!d.isWorking());
        QCOMPARE(filters, QStringList { u"所有图片文件 (*.jpg *.bmp *.gif)"_s });
        QCOMPARE(m_form->Image1->picture().size(), QSize(40, 30));

        answerFileDialog(QString());
        d.Comimg->click();
        // The file name starts empty, and cancelling leaves no picture.
        QCOMPARE(shownName, QString());
        QVERIFY(m_form->Image1->picture().isNull());
    });
}

void TestForm2::roadOfOneChange()
{
    m_form->Timer1_Timer();
    QCOMPARE(m_form->TextTIAN->text(), u"97天"_s);
    runDialog([](Form2& d) {
        QCOMPARE(d.Textr1->text(), u"7"_s);
        d.Textr1->selectAll();
        QTest::keyClicks(d.Textr1, u"8"_s);
        QTest::mouseClick(d.Comok, Qt::LeftButton);
        QTRY_VERIFY(!d.isVisible());
    });
    QCOMPARE(settingsBytes().split('\n').value(1), QByteArray("2014-6-8 9:00:00 \r"));
    m_fixture->time.advance(1);
    m_form->Timer1_Timer();
    QCOMPARE(m_form->shown().target(), 41798.375);
    QCOMPARE(m_form->TextTIAN->text(), u"98天"_s);
    QCOMPARE(m_form->TextD->text(), u"8天"_s);
}

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
