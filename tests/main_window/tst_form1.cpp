// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controldesigncheck.h"
#include "fontsubstitutes.h"
#include "form1design.h"
#include "mainwindowfixture.h"
#include "messageboxanswer.h"
#include "picturebox.h"
#include "picturebutton.h"
#include "settingsfile.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
// Ends a test's run of the event loop that something failed to end.
std::unique_ptr<QTimer> exitAfterFiveSeconds()
{
    auto timer = std::make_unique<QTimer>();
    timer->setSingleShot(true);
    QObject::connect(timer.get(), &QTimer::timeout, [] { QCoreApplication::exit(99); });
    timer->start(5000);
    return timer;
}
}

class TestForm1 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutes(); }
    void init();
    void cleanup();
    void window();
    void controls_data();
    void controls();
    void frontToBackOrder();
    void tabOrderAndFocus();
    void designTextsUntilTheFirstTick();
    void firstTickWritesTheWorkedExample();
    void doublingTheWidth();
    void minimiseAndRestoreKeepTheLayout();
    void zeroSizeAndBack();
    void exitAnsweredNoKeepsRunning();
    void exitAnsweredYesEndsTheProgram();
    void enterRightAfterStartAsksToExit();
    void closingEndsWithoutAsking();
    void unreadableSettingsFileKeepsTicking();
    void cleanTextIsNeverCut();
    void troubleShowsWhereAUserLooks_data();
    void troubleShowsWhereAUserLooks();
    void folderNameShowsAsWritten_data();
    void folderNameShowsAsWritten();
    void realTicksNeitherSkipNorRepeat();

private:
    std::unique_ptr<MainWindowFixture> m_fixture;
    Form1* m_form = nullptr;
    const SettingsStore* m_store = nullptr;
};

void TestForm1::init()
{
    m_fixture = std::make_unique<MainWindowFixture>();
    m_form = &m_fixture->form;
    m_store = &m_fixture->store;
    m_form->show();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form));
}

void TestForm1::cleanup() { m_fixture.reset(); }

void TestForm1::window()
{
    QCOMPARE(m_form->objectName(), u"Form1"_s);
    QCOMPARE(m_form->windowTitle(), u"曜刻软件1.0 版"_s);
    QCOMPARE(m_form->size(), QSize(859, 533));
    QCOMPARE(m_form->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(m_form->font(), designFont(u"隶书"_s, 24));
    QTRY_COMPARE(m_form->Image1->picture().size(), QSize(1024, 768));
    QVERIFY(!m_form->windowIcon().isNull());
    QVERIFY(m_form->windowIcon().availableSizes().contains(QSize(16, 16)));
    QVERIFY(m_form->windowFlags() & Qt::WindowMinMaxButtonsHint);
    QCOMPARE(m_form->controls().size(), 16);
    // Each member holds the control of its own name.
    const std::pair<QObject*, QString> members[] = { { m_form->Comgjsz, u"Comgjsz"_s },
        { m_form->TextTIAN, u"TextTIAN"_s }, { m_form->TextS, u"TextS"_s },
        { m_form->TextF, u"TextF"_s }, { m_form->TextH, u"TextH"_s }, { m_form->TextD, u"TextD"_s },
        { m_form->Timer1, u"Timer1"_s }, { m_form->TextM, u"TextM"_s },
        { m_form->Comexit, u"Comexit"_s }, { m_form->Labtime2, u"Labtime2"_s },
        { m_form->Labnowtime, u"Labnowtime"_s }, { m_form->Label5, u"Label5"_s },
        { m_form->Labtime1, u"Labtime1"_s }, { m_form->Labnow, u"Labnow"_s },
        { m_form->Labname, u"Labname"_s }, { m_form->Image1, u"Image1"_s } };
    for (const auto& [member, name] : members)
        QCOMPARE(member ? member->objectName() : u"<null>"_s, name);
    // The first tick writes a first start's settings file.
    m_form->Timer1_Timer();
    QVERIFY(QFile::exists(m_store->filePath()));
}

void TestForm1::controls_data()
{
    QTest::addColumn<const ControlDesign*>("design");
    for (const ControlDesign* design : Form1Design::controls())
        QTest::newRow(qPrintable(design->name)) << design;
}

// Each control is built as its row in the window's definition says.
void TestForm1::controls()
{
    QFETCH(const ControlDesign*, design);
    const QObject* control = m_form->findChild<QObject*>(design->name);
    compareWithDesign(
        control, *design, m_form, { .designLabels = true, .buttonFace = QColor(212, 208, 200) });
    // The Windows font names resolve to installed Chinese fonts.
    const auto* widget = qobject_cast<const QWidget*>(control);
    if (widget && design->type != ControlDesign::Type::Picture) {
        const QString shown = QFontInfo(widget->font()).family();
        QVERIFY2(shown.contains(u"CJK"_s) || shown.contains(u"WenKai"_s)
                || shown.contains(u"AR PL"_s) || shown.contains(u"WenQuanYi"_s),
            qPrintable(shown));
    }
}

void TestForm1::frontToBackOrder()
{
    QStringList backToFront;
    for (QObject* child : m_form->children())
        if (child->isWidgetType())
            backToFront.append(child->objectName());
    QCOMPARE(backToFront,
        (QStringList { u"Image1"_s, u"Labname"_s, u"Labnow"_s, u"Labtime1"_s, u"Label5"_s,
            u"Labnowtime"_s, u"Labtime2"_s, u"Comexit"_s, u"TextM"_s, u"TextD"_s, u"TextH"_s,
            u"TextF"_s, u"TextS"_s, u"TextTIAN"_s, u"Comgjsz"_s }));
    // The collection is in the order of the window's definition.
    QStringList collection, definition;
    for (const TwipsControl& control : m_form->controls())
        collection.append(control.object()->objectName());
    for (const ControlDesign* design : Form1Design::controls())
        definition.append(design->name);
    QCOMPARE(collection, definition);
    QCOMPARE(collection.indexOf(u"Timer1"_s), 6);
}

void TestForm1::tabOrderAndFocus()
{
    QCOMPARE(QApplication::focusWidget(), m_form->Comexit);
    QStringList order;
    QWidget* widget = m_form->Comexit;
    for (int i = 0; i < 8; ++i) {
        order.append(widget->objectName());
        widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus || !widget->isVisible())
            widget = widget->nextInFocusChain();
    }
    QCOMPARE(order,
        (QStringList { u"Comexit"_s, u"TextM"_s, u"TextD"_s, u"TextH"_s, u"TextF"_s, u"TextS"_s,
            u"TextTIAN"_s, u"Comgjsz"_s }));
    QCOMPARE(widget, m_form->Comexit);
}

void TestForm1::designTextsUntilTheFirstTick()
{
    QCOMPARE(m_form->Labname->text(), u"沐芷中学高考曜刻软件"_s);
    QCOMPARE(m_form->Labtime1->text(), u"距2013年高考 还 有 ："_s);
    QCOMPARE(m_form->Labnowtime->text(), QString());
    QCOMPARE(m_form->TextTIAN->text(), QString());
    QVERIFY(m_form->Timer1->isActive());
    QVERIFY(m_form->Timer1->remainingTime() <= 1100);
}

void TestForm1::firstTickWritesTheWorkedExample()
{
    m_form->Timer1_Timer();
    QCOMPARE(m_form->Labnowtime->text(), u"2014-3-1 12:34:56"_s);
    QCOMPARE(m_form->Labname->text(), u"沐芷中学高考曜刻软件"_s);
    QCOMPARE(m_form->Labtime1->text(), u"距2014年高考 还 有 ："_s);
    const QStringList shown { m_form->TextTIAN->text(), m_form->TextM->text(),
        m_form->TextD->text(), m_form->TextH->text(), m_form->TextF->text(),
        m_form->TextS->text() };
    QCOMPARE(shown,
        (QStringList { u"97天"_s, u"3个月"_s, u"7天"_s, u"20小时"_s, u"25分钟"_s, u"4秒"_s }));
    QCOMPARE(m_form->shown().target(), 41797.375);
    QCOMPARE(m_form->windowTitle(), u"曜刻软件1.0 版"_s);
}

void TestForm1::doublingTheWidth()
{
    QList<QRectF> before;
    for (const TwipsControl& c : m_form->controls())
        before.append(c.Width() ? QRectF(*c.Left(), *c.Top(), *c.Width(), *c.Height()) : QRectF());
    m_form->resize(2 * 859, 533);
    QCOMPARE(m_form->ScaleWidth(), 25770.0f);
    const auto& controls = m_form->controls();
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const TwipsControl& c = controls[i];
        if (!c.Width())
            continue;
        QVERIFY(qAbs(*c.Left() - 2 * before[i].x()) < 0.01);
        QVERIFY(qAbs(*c.Width() - 2 * before[i].width()) < 0.01);
        QVERIFY(qAbs(*c.Top() - before[i].y()) < 0.01);
        QVERIFY(qAbs(*c.Height() - before[i].height()) < 0.01);
    }
    QCOMPARE(m_form->Comexit->geometry(), QRect(1504, 456, 210, 41));
    // Text keeps its design size.
    QCOMPARE(m_form->TextM->font().pointSizeF(), 26.25);
}

void TestForm1::minimiseAndRestoreKeepTheLayout()
{
    m_form->resize(1000, 600);
    QList<QRect> at1000;
    for (QObject* child : m_form->children())
        if (auto* w = qobject_cast<QWidget*>(child))
            at1000.append(w->geometry());
    m_form->showMinimized();
    QCoreApplication::processEvents();
    m_form->resize(700, 300);
    m_form->showNormal();
    m_form->resize(1000, 600);
    QList<QRect> again;
    for (QObject* child : m_form->children())
        if (auto* w = qobject_cast<QWidget*>(child))
            again.append(w->geometry());
    QCOMPARE(again, at1000);
}

void TestForm1::zeroSizeAndBack()
{
    const QRect design = m_form->TextTIAN->geometry();
    m_form->setMinimumSize(0, 0);
    m_form->resize(0, 0);
    if (m_form->width() == 0)
        QCOMPARE(m_form->TextTIAN->geometry(), QRect());
    m_form->resize(859, 533);
    QCOMPARE(m_form->TextTIAN->geometry(), design);
    QCOMPARE(m_form->Image1->geometry(), QRect(0, -246, 1287, 806));
}

void TestForm1::exitAnsweredNoKeepsRunning()
{
    MessageBoxAnswer answer(QMessageBox::No);
    QSignalSpy quitting(qApp, &QCoreApplication::aboutToQuit);
    m_form->Comexit->click();
    QCOMPARE(answer.title, u"提示"_s);
    QCOMPARE(answer.text, u"是否真的退出程序"_s);
    QCOMPARE(answer.icon, QMessageBox::Question);
    QCOMPARE(answer.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(answer.defaultButton, QMessageBox::Yes);
    QVERIFY(m_form->isVisible());
    QVERIFY(m_form->Timer1->isActive());
}

void TestForm1::exitAnsweredYesEndsTheProgram()
{
    // The program's event loop ends with Yes: run it here and see it end.
    MessageBoxAnswer answer(QMessageBox::Yes);
    QTimer::singleShot(0, m_form->Comexit, &QToolButton::click);
    const auto guard = exitAfterFiveSeconds();
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(answer.text, u"是否真的退出程序"_s);
}

void TestForm1::enterRightAfterStartAsksToExit()
{
    for (Qt::Key key : { Qt::Key_Return, Qt::Key_Space }) {
        // The box took the focus while it was open; the window gets it back.
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form));
        QCOMPARE(QApplication::focusWidget(), m_form->Comexit);
        MessageBoxAnswer answer(QMessageBox::No);
        QTest::keyClick(m_form->Comexit, key);
        QTRY_VERIFY2(answer.text == u"是否真的退出程序"_s, qPrintable(QString::number(key, 16)));
    }
}

void TestForm1::closingEndsWithoutAsking()
{
    // Run the program's event loop and close the window: the loop ends, and
    // no box asked anything on the way.
    bool asked = false;
    QTimer::singleShot(0, [&] {
        m_form->close();
        asked = QApplication::activeModalWidget() != nullptr;
    });
    const auto guard = exitAfterFiveSeconds();
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!asked);
    QVERIFY(!m_form->isVisible());
}

void TestForm1::unreadableSettingsFileKeepsTicking()
{
    m_form->Timer1_Timer();
    writeFile(m_store->filePath(), QByteArray(1000, '\xff'));
    m_fixture->time.advance(1);
    m_form->Timer1_Timer();
    QCOMPARE(m_form->Labnowtime->text(), u"2014-3-1 12:34:57"_s);
    QCOMPARE(m_form->TextS->text(), u"3秒"_s);
    QCOMPARE(m_form->Labname->text(), u"沐芷中学高考曜刻软件"_s);
    QFile::remove(m_store->filePath());
    m_fixture->time.advance(1);
    m_form->Timer1_Timer();
    QCOMPARE(m_form->TextS->text(), u"2秒"_s);
    QVERIFY(m_form->isVisible());
}

void TestForm1::cleanTextIsNeverCut()
{
    // A file with bytes that are no text uses up the characters such files
    // may draw; a school's own clean titles still show whole.
    const auto fileWithTitle = [](char16_t first, const QByteArray& tail) {
        QString title;
        for (char16_t c = first; c < first + 1500; ++c)
            title += QChar(c);
        return std::pair(title, "2014-3-1\r\n2014-6-7 9:00:00\r\n" + gb18030(title) + tail);
    };
    m_form->Timer1_Timer();
    writeFile(m_store->filePath(), fileWithTitle(0x4E00, "\xff\r\nx\r\n").second);
    m_form->Timer1_Timer();
    const auto [title, bytes] = fileWithTitle(0x6000, "\r\nx\r\n");
    writeFile(m_store->filePath(), bytes);
    m_form->Timer1_Timer();
    QCOMPARE(m_form->Labname->text(), title);
}

void TestForm1::troubleShowsWhereAUserLooks_data()
{
    QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
    QTest::addColumn<QString>("what");
    QTest::newRow("missing") << QByteArray() << u"文件不存在"_s;
    QTest::newRow("line 2 no date") << settingsFileBytes(
        u"a"_s, u"soon"_s, u"沐芷中学高考曜刻软件"_s, u"距2014年高考 还 有 ："_s)
                                    << u"第 2 行"_s;
    QTest::newRow("too few lines") << QByteArray("a\r\n") << u"不足四行"_s;
}

void TestForm1::troubleShowsWhereAUserLooks()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, what);
    m_form->Timer1_Timer();
    const QPixmap look = m_form->grab();
    QCOMPARE(m_form->toolTip(), QString());
    if (bytes.isEmpty())
        QVERIFY(QFile::remove(m_store->filePath()));
    else
        writeFile(m_store->filePath(), bytes);
    m_form->Timer1_Timer();
    const QString trouble = m_form->accessibleDescription();
    QVERIFY2(
        trouble.contains(QDir::toNativeSeparators(m_store->filePath())) && trouble.contains(what),
        qPrintable(trouble));
    for (QWidget* widget : std::initializer_list<QWidget*> { m_form, m_form->TextTIAN,
             m_form->TextM, m_form->TextD, m_form->TextH, m_form->TextF, m_form->TextS }) {
        QCOMPARE(widget->toolTip(), m_form->toolTip());
        QCOMPARE(widget->accessibleDescription(), trouble);
    }
    QCOMPARE(m_form->grab().toImage(), look.toImage()); // the window looks the same

    QVERIFY(m_store->SaveSettings(u"2014"_s, u"6"_s, u"7"_s, u"t"_s, u"h"_s).isNone());
    m_form->Timer1_Timer();
    QCOMPARE(m_form->toolTip(), QString());
    QCOMPARE(m_form->TextS->accessibleDescription(), QString());
}

void TestForm1::folderNameShowsAsWritten_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("entity and spaces") << u"a&amp;b  c"_s;
#ifdef Q_OS_UNIX // Windows allows no <, > nor line break in a name
    QTest::newRow("heading and picture") << u"<h1>x</h1><img src=\"p.png\">"_s;
    QTest::newRow("entity and bold") << u"a&amp;b <b>c"_s;
    QTest::newRow("spaces and a line break") << u"a  b\nc"_s;
#endif
}

// The tooltip shows the folder's name, never markup made of it.
void TestForm1::folderNameShowsAsWritten()
{
    QFETCH(QString, folder);
    const SettingsStoreFixture f(folder);
    Form1 form(f.store);
    QVERIFY(QDir().mkpath(f.store.folder()));
    form.Timer1_Timer();
    const QString trouble = form.accessibleDescription();
    QVERIFY2(trouble.contains(QDir::toNativeSeparators(f.store.filePath())), qPrintable(trouble));
    // Read as a tooltip reads its text: as markup when it may be markup.
    const QString tip = form.TextS->toolTip();
    QTextDocument shown;
    Qt::mightBeRichText(tip) ? shown.setHtml(tip) : shown.setPlainText(tip);
    QCOMPARE(shown.toPlainText(), trouble);
}

// A tolerant look at real ticks on the real clock: each lands in the next second.
void TestForm1::realTicksNeitherSkipNorRepeat()
{
    QList<qint64> seconds;
    connect(m_form->Timer1, &QTimer::timeout, this,
        [&] { seconds.append(QDateTime::currentMSecsSinceEpoch() / 1000); });
    QTRY_VERIFY_WITH_TIMEOUT(seconds.size() >= 3, 5000);
    for (qsizetype i = 1; i < seconds.size(); ++i)
        QCOMPARE(seconds[i], seconds[i - 1] + 1);
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
