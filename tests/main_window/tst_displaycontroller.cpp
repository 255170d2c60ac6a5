// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "displaycontroller.h"
#include "form1.h"
#include "messageboxanswer.h"
#include "offscreenscreen.h"
#include "picturebox.h"
#include "picturebutton.h"
#include "programinfo.h"
#include "settingsstore.h"

#include <QAbstractButton>
#include <QAction>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
const QSize kDesign(859, 533);
const QSize kScreen(1920, 1080);

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A control's font, and a button's icon size (invalid for other controls).
struct FontState {
    QFont font;
    bool own;
    QSize iconSize;
    bool operator==(const FontState&) const = default;
};

QList<QWidget*> controlWidgets(const Form1& form)
{
    QList<QWidget*> widgets;
    for (const TwipsControl& control : form.controls()) {
        if (auto* widget = qobject_cast<QWidget*>(control.object()))
            widgets.append(widget);
    }
    return widgets;
}

QList<FontState> fontStates(const Form1& form)
{
    QList<FontState> states;
    for (const QWidget* widget : controlWidgets(form)) {
        const auto* button = qobject_cast<const QAbstractButton*>(widget);
        states.append({ widget->font(), widget->testAttribute(Qt::WA_SetFont),
            button ? button->iconSize() : QSize() });
    }
    return states;
}
}

// The main window with its display controller, on a 1920 × 1080 screen. The
// settings folder, the preferences and the login entry live in a temporary
// folder; "restarting" makes the window and the controller afresh.
class TestDisplayController : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_root->path()));
        // Windows keeps the entry in the registry, which the tests share.
        QVERIFY(loginEntry().setEnabled(false).isNone());
        m_store = std::make_unique<SettingsStore>(m_root->filePath(u"VEKTemp"_s));
        start();
    }

    void cleanup()
    {
        m_form.reset();
        m_store.reset();
        m_root.reset();
    }

    void fullScreenGrowsEveryFontAndReturnsExactly_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("F11, Escape") << u"keys"_s;
        QTest::newRow("double-click on the background") << u"double-click"_s;
        QTest::newRow("menu") << u"menu"_s;
    }

    void fullScreenGrowsEveryFontAndReturnsExactly()
    {
        QFETCH(QString, way);
        const QList<FontState> design = fontStates(*m_form);
        const QRect normal = m_form->geometry();
        QCOMPARE(normal.size(), kDesign);

        toggleFullScreen(way, Qt::Key_F11);
        QTRY_COMPARE(m_form->size(), kScreen);
        QVERIFY(m_form->isFullScreen());
        const qreal factor = 1080.0 / 533;
        const QList<FontState> grown = fontStates(*m_form);
        for (qsizetype i = 0; i < design.size(); ++i) {
            QCOMPARE(grown[i].font.pointSizeF(), design[i].font.pointSizeF() * factor);
            if (design[i].iconSize.isValid())
                QCOMPARE(grown[i].iconSize, design[i].iconSize * factor);
        }
        // The grown picture is drawn from the double-size drawing, not enlarged.
        QImage doubleSize = QImage(u":/assets/exit@2x.png"_s)
                                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        doubleSize.setDevicePixelRatio(1);
        QCOMPARE(m_form->Comexit->iconSize(), doubleSize.size());
        QCOMPARE(m_form->Comexit->icon().pixmap(doubleSize.size()).toImage(), doubleSize);

        toggleFullScreen(way, Qt::Key_Escape);
        QTRY_COMPARE(m_form->geometry(), normal);
        QVERIFY(!m_form->isFullScreen());
        QCOMPARE(fontStates(*m_form), design);
    }

    void windowedResizeKeepsDesignFontsUnlessAsked()
    {
        const QList<FontState> design = fontStates(*m_form);
        m_form->resize(1280, 720);
        QCOMPARE(fontStates(*m_form), design);

        action(u"scaleText"_s)->trigger();
        QCOMPARE(fontStates(*m_form)[0].font.pointSizeF(), 15 * 720.0 / 533);
        m_form->resize(kDesign);
        QCOMPARE(fontStates(*m_form), design);
        m_form->resize(430, 400);
        QCOMPARE(fontStates(*m_form)[0].font.pointSizeF(), 15 * 430.0 / 859);

        action(u"scaleText"_s)->trigger();
        QCOMPARE(fontStates(*m_form), design);
    }

    void choicesOutliveARestartAndLeaveTheSettingsFileAlone()
    {
        m_form->Timer1_Timer();
        const QByteArray settings = readAll(m_store->filePath());
        QVERIFY(!settings.isEmpty());
        const QStringList choices { u"fullScreen"_s, u"scaleText"_s, u"stayOnTop"_s,
            u"startAtLogin"_s };
        for (const QString& name : choices)
            action(name)->trigger();
        QVERIFY(loginEntryExists());

        start();
        for (const QString& name : choices)
            QVERIFY2(action(name)->isChecked(), qPrintable(name));
        QTRY_VERIFY(m_form->isFullScreen());
        QVERIFY(m_form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

        // Off in the other order: the window leaves the top while full screen.
        for (auto name = choices.crbegin(); name != choices.crend(); ++name) {
            QVERIFY(m_form->isFullScreen());
            action(*name)->trigger();
        }
        QVERIFY(!loginEntryExists());
        QTRY_COMPARE(m_form->size(), kDesign);
        QVERIFY(!m_form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(m_form->isVisible());

        start();
        for (const QString& name : choices)
            QVERIFY2(!action(name)->isChecked(), qPrintable(name));
        QCOMPARE(readAll(m_store->filePath()), settings);
    }

    // Under a window manager (see with_window_manager.sh) full screen, and the
    // native window that staying on top makes anew, are answered late.
    void leavingFullScreenGivesTheNormalWindowBack_data()
    {
        QTest::addColumn<QStringList>("choices");
        QTest::addColumn<int>("pauseMs");
        const QString full = u"fullScreen"_s;
        const QString top = u"stayOnTop"_s;
        QTest::newRow("full, on top, back") << QStringList { full, top, full } << 600;
        QTest::newRow("on top, full, not on top, back")
            << QStringList { top, full, top, full } << 600;
        for (int pauseMs : { 25, 5, 1 }) {
            for (int times : { 40, 41 }) {
                QTest::addRow("F11 %d times, %d ms apart", times, pauseMs)
                    << QStringList(times, full) << pauseMs;
            }
        }
    }

    void leavingFullScreenGivesTheNormalWindowBack()
    {
        QFETCH(QStringList, choices);
        QFETCH(int, pauseMs);
        QTest::qWait(300);
        const QRect normal = m_form->geometry();
        QCOMPARE(normal.size(), kDesign);
        for (const QString& choice : choices) {
            action(choice)->trigger();
            QTest::qWait(pauseMs);
        }
        const bool full = choices.count(u"fullScreen"_s) % 2;
        // Late answers and the program's own timers have had their time.
        QTest::qWait(1000);
        QCOMPARE(action(u"fullScreen"_s)->isChecked(), full);
        QCOMPARE(m_form->isFullScreen(), full);
        QCOMPARE(m_form->geometry(), full ? m_form->screen()->geometry() : normal);
    }

    // What the end could not save is named as the menu names it.
    void aChoiceIsNamedAsTheMenuNamesIt_data()
    {
        QTest::addColumn<Preferences::Choice>("choice");
        QTest::addColumn<QString>("item");
        QTest::newRow("full screen") << Preferences::Choice::FullScreen << u"fullScreen"_s;
        QTest::newRow("scale text") << Preferences::Choice::ScaleTextWithWindow << u"scaleText"_s;
        QTest::newRow("on top") << Preferences::Choice::StayOnTop << u"stayOnTop"_s;
        QTest::newRow("at login") << Preferences::Choice::StartAtLogin << u"startAtLogin"_s;
    }

    void aChoiceIsNamedAsTheMenuNamesIt()
    {
        QFETCH(Preferences::Choice, choice);
        QFETCH(QString, item);
        QCOMPARE(action(item)->text(), ChoiceSaver::nameOf(choice));
    }

    void theCommandLineActsForOneRun()
    {
        start(true, true);
        QTRY_VERIFY(m_form->isFullScreen());
        QVERIFY(m_form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        start();
        QVERIFY(!m_form->isFullScreen());
        QVERIFY(!m_form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void thePointerHidesInFullScreenUntilMoved()
    {
        action(u"fullScreen"_s)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(QGuiApplication::overrideCursor(), 5000);
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BlankCursor);
        QTest::mouseMove(m_form.get(), QPoint(100, 100));
        QVERIFY(!QGuiApplication::overrideCursor());
        action(u"fullScreen"_s)->trigger();
        QTest::qWait(3500);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void theMenuOpensEverywhereAndDoesWhatTheButtonsDo()
    {
        QMenu* menu = windowMenu();
        QStringList texts;
        for (const QAction* item : menu->actions())
            texts.append(item->isSeparator() ? u"-"_s : item->text());
        QCOMPARE(texts,
            QStringList({ u"全屏显示"_s, u"文字随窗口缩放"_s, u"窗口置顶"_s, u"开机自动启动"_s,
                u"-"_s, u"自定义设置…"_s, u"关于"_s, u"退出"_s }));
        QCOMPARE(action(u"fullScreen"_s)->shortcut(), QKeySequence(Qt::Key_F11));

        // A right-click on the title, the Menu key on the focused exit
        // button, Shift+F10; a text box keeps its own editing menu.
        const auto contextMenu = [](QWidget* widget, QContextMenuEvent::Reason reason) {
            QContextMenuEvent event(reason, QPoint(5, 5), widget->mapToGlobal(QPoint(5, 5)));
            QCoreApplication::sendEvent(widget, &event);
        };
        contextMenu(m_form->Labname, QContextMenuEvent::Mouse);
        QTRY_VERIFY(menu->isVisible());
        menu->hide();
        contextMenu(m_form->Comexit, QContextMenuEvent::Keyboard);
        QTRY_VERIFY(menu->isVisible());
        menu->hide();
        QTest::keyClick(m_form.get(), Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(menu->isVisible());
        menu->hide();
        contextMenu(m_form->TextTIAN, QContextMenuEvent::Mouse);
        QWidget* editMenu = QApplication::activePopupWidget();
        QVERIFY(editMenu && editMenu != menu);
        editMenu->close();

        // Over the window that stays on top, the dialog stays on top too.
        action(u"stayOnTop"_s)->trigger();
        bool openedOnTop = false;
        QTimer::singleShot(0, m_form.get(), [&] {
            if (Form2* dialog = m_form->settingsDialog()) {
                openedOnTop = dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
                dialog->close();
            }
        });
        action(u"settings"_s)->trigger();
        QVERIFY(openedOnTop);
        const MessageBoxAnswer no(QMessageBox::No);
        action(u"exit"_s)->trigger();
        QCOMPARE(no.text, u"是否真的退出程序"_s);
        const MessageBoxAnswer ok;
        action(u"about"_s)->trigger();
        QVERIFY(ok.text.contains(u"GPL-3.0-or-later"_s));
        QVERIFY(ok.detailedText.isEmpty());
    }

    // 关于 offers the user's guide where a package put it beside the program,
    // and opens it; without one, no button leads nowhere.
    void theAboutBoxOpensTheGuideWhenThereIsOne_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::newRow("installed") << true;
        QTest::newRow("none") << false;
    }

    void theAboutBoxOpensTheGuideWhenThereIsOne()
    {
        QFETCH(bool, installed);
        // In the build tree, as the package puts it from the test's folder.
        const QString guide = QDir::cleanPath(
            QCoreApplication::applicationDirPath() + u'/' + ProgramInfo::guideFromProgramFolder);
        const auto removeGuide = qScopeGuard([&guide] { QFile::remove(guide); });
        if (installed) {
            QFile file(guide);
            QVERIFY(QDir().mkpath(QFileInfo(guide).path()) && file.open(QIODevice::WriteOnly));
        }
        m_opened.clear();
        QDesktopServices::setUrlHandler(u"file"_s, this, "recordOpened");
        const auto unset = qScopeGuard([] { QDesktopServices::unsetUrlHandler(u"file"_s); });
        const MessageBoxAnswer answer(QMessageBox::Ok, u"guide"_s);
        action(u"about"_s)->trigger();
        QCOMPARE(answer.buttonNames.contains(u"guide"_s), installed);
        QCOMPARE(m_opened, installed ? QList { QUrl::fromLocalFile(guide) } : QList<QUrl>());
    }

    // Why the file for every user did not count shows in the about box's
    // details, its text as always.
    void theAboutBoxTellsTheSchoolFilesProblems()
    {
#ifdef Q_OS_WIN
        const char* variable = "ProgramData";
#else
        const char* variable = "XDG_CONFIG_DIRS";
#endif
        const QByteArray old = qgetenv(variable);
        const auto restore = qScopeGuard([&] { qputenv(variable, old); });
        qputenv(variable, QFile::encodeName(m_root->path()));
        const QString path = m_root->filePath(u"gaokao-countdown/gaokao-countdown.ini"_s);
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("[shcool]\nlocked=true\n") > 0);
        file.close();
        const MessageBoxAnswer ok;
        action(u"about"_s)->trigger();
        QVERIFY(ok.text.contains(u"GPL-3.0-or-later"_s));
        QVERIFY(ok.detailedText.contains(QDir::toNativeSeparators(path)));
        QVERIFY(ok.detailedText.contains(u"没有本程序认得的节或键"_s));
    }

public slots:
    void recordOpened(const QUrl& url) { m_opened.append(url); }

private:
    // In the autostart folder under XDG_CONFIG_HOME; on Windows in the Run key.
    static Autostart loginEntry()
    {
        return Autostart(
            u"org.example.GaokaoCountdown"_s, { QCoreApplication::applicationFilePath() });
    }
    static bool loginEntryExists() { return loginEntry().isEnabled(); }

    void start(bool fullScreen = false, bool onTop = false)
    {
        m_form.reset();
        m_form = std::make_unique<Form1>(*m_store);
        m_display = new DisplayController(m_form.get(),
            Preferences(m_root->filePath(u"prefs/gaokao-countdown.ini"_s)), loginEntry());
        m_display->start(fullScreen, onTop);
        m_form->show();
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }

    QMenu* windowMenu() const { return m_form->findChild<QMenu*>(u"displayMenu"_s); }

    QAction* action(const QString& name) const { return windowMenu()->findChild<QAction*>(name); }

    void toggleFullScreen(const QString& way, Qt::Key key)
    {
        if (way == u"keys"_s)
            QTest::keyClick(m_form.get(), key);
        else if (way == u"double-click"_s)
            QTest::mouseDClick(m_form->Image1, Qt::LeftButton, {}, QPoint(20, 20));
        else
            action(u"fullScreen"_s)->trigger();
    }

    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<Form1> m_form;
    DisplayController* m_display = nullptr;
    QList<QUrl> m_opened;
};

int main(int argc, char* argv[])
{
    useOffscreenScreen(kScreen);
    QApplication app(argc, argv);
    TestDisplayController test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_displaycontroller.moc"
