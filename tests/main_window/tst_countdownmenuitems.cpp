// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardmenuitems.h"
#include "countdowncommands.h"
#include "countdowndialog.h"
#include "countdownmenuitems.h"
#include "countdownviews.h"
#include "countdownwidget.h"
#include "displaycontroller.h"
#include "mainwindowfixture.h"
#include "messageboxanswer.h"
#include "modaldialoganswer.h"
#include "trayicon.h"
#include "windowmenu.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
const QByteArray kOneCountdown = "[countdowns]\nsize=1\n1\\title=x\n1\\target=2027-03-15T08:00\n";

// The main window as the program wires it, with the countdowns of a
// preferences file of its own, and a tray if `trayThere` (else Qt asks).
struct Wired : MainWindowFixture {
    explicit Wired(const QByteArray& preferences, std::optional<bool> fakeTray = {})
        : trayThere(fakeTray)
    {
        QDir().mkpath(QFileInfo(store.filePath()).path());
        writeSettings(u"2026-12-8 9:00:00"_s, u"2027-6-7 9:00:00"_s, u"高考"_s, u"距高考"_s);
        data = readFile(store.filePath());
        writeFile(preferencesPath, preferences);
        countdowns.load();
        display = new DisplayController(&form, Preferences(preferencesPath),
            Autostart(u"org.example.Test"_s, { QCoreApplication::applicationFilePath() }));
        menu = display->menu()->menu();
        new CountdownMenuItems(display->menu(), &commands, &form);
        tray = new TrayIcon(&form, menu, &countdowns,
            [this] { return trayThere.value_or(QSystemTrayIcon::isSystemTrayAvailable()); });
        form.show();
    }
    ~Wired() { QCOMPARE(readFile(store.filePath()), data); }

    QList<QMenu*> submenus() const
    {
        return menu->findChildren<QMenu*>(u"countdownCommands"_s, Qt::FindDirectChildrenOnly);
    }
    QAction* item(const QString& name) const
    {
        return menu->findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
    }

    std::optional<bool> trayThere;
    QString preferencesPath = root.filePath(u"gaokao-countdown.ini"_s);
    QByteArray data;
    CountdownModel countdowns { Preferences(preferencesPath) };
    CountdownViews views { &countdowns, [] { return QDateTime(QDate(2027, 3, 1), QTime(12, 0)); } };
    CountdownCommands commands { &views };
    DisplayController* display = nullptr;
    QMenu* menu = nullptr;
    TrayIcon* tray = nullptr;
};
}

class TestCountdownMenuItems : public QObject {
    Q_OBJECT
private slots:
    // Without countdowns the menu gains 添加倒计时… and nothing else shows.
    void aPlainStartGainsOnlyTheMenuItem()
    {
        Wired wired("");
        QStringList names;
        for (const QAction* action : wired.menu->actions())
            names << action->objectName();
        QCOMPARE(names,
            QStringList({ u"fullScreen"_s, u"scaleText"_s, u"stayOnTop"_s, u"startAtLogin"_s, {},
                u"addCountdown"_s, u"settings"_s, u"about"_s, u"exit"_s }));
        QCOMPARE(wired.item(u"addCountdown"_s)->text(), u"添加倒计时…"_s);
        QCOMPARE(wired.tray->icon(), nullptr);
        QWidgetList shown = QApplication::topLevelWidgets();
        shown.removeIf([](const QWidget* widget) { return !widget->isVisible(); });
        QCOMPARE(shown, QWidgetList { &wired.form });
    }

    // Each countdown has its submenu, which also switches click-through off;
    // an entry that cannot be read is kept for the tray's tooltip.
    void eachCountdownHasItsSubmenu()
    {
        Wired wired("[countdowns]\nsize=2\n"
                    "1\\title=\xe4\xb8\x80\xe6\xa8\xa1\n1\\target=2027-03-15T08:00\n"
                    "1\\clickThrough=true\n"
                    "2\\title=x\n2\\target=never\n");
        QCOMPARE(wired.countdowns.skipped().size(), 1);
        QCOMPARE(wired.submenus().size(), 1);
        QCOMPARE(wired.submenus().first()->title(), u"一模"_s);
        CountdownWidget* widget = wired.views.widgets().first();
        QVERIFY(widget->windowFlags().testFlag(Qt::WindowTransparentForInput));
        QAction* clickThrough = wired.submenus().first()->findChild<QAction*>(u"clickThrough"_s);
        QVERIFY(clickThrough->isChecked());
        clickThrough->trigger();
        QVERIFY(!widget->windowFlags().testFlag(Qt::WindowTransparentForInput));
        QVERIFY(readFile(wired.preferencesPath).contains("1\\clickThrough=false"));
        QCOMPARE(wired.submenus().size(), 1);
        QVERIFY(!wired.submenus().first()->findChild<QAction*>(u"clickThrough"_s)->isChecked());

        const ModalDialogAnswer<CountdownDialog> answer([](CountdownDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), u"添加倒计时"_s);
            dialog->findChild<QLineEdit*>(u"titleEdit"_s)->setText(u"期末 & 放假"_s);
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        wired.item(u"addCountdown"_s)->trigger();
        QCOMPARE(wired.submenus().size(), 2);
        QCOMPARE(wired.submenus().last()->title(), u"期末 && 放假"_s);

        wired.countdowns.setLocked(true);
        QVERIFY(!wired.item(u"addCountdown"_s)->isEnabled());
        QVERIFY(!wired.submenus().first()->findChild<QAction*>(u"remove"_s)->isEnabled());
        // Where the desktop has a tray, the icon comes with the first countdown.
        QCOMPARE(wired.tray->icon() != nullptr, QSystemTrayIcon::isSystemTrayAvailable());
    }

    // The countdowns stand right under 添加倒计时…, above the board's items,
    // whether they were read at start or added later.
    void countdownsKeepTheirPlaceInTheMenu()
    {
        Wired wired(kOneCountdown);
        new BoardMenuItems(wired.display->menu(), &wired.form, Preferences(wired.preferencesPath));
        for (const bool added : { false, true }) {
            if (added)
                wired.countdowns.add({ u"期末"_s, QDate(2027, 1, 20) });
            QList<QAction*> expected { wired.item(u"addCountdown"_s) };
            for (const QMenu* submenu : wired.submenus())
                expected << submenu->menuAction();
            expected << wired.item(u"examSchedule"_s);
            const QList<QAction*> items = wired.menu->actions();
            QCOMPARE(items.mid(items.indexOf(expected.first()), expected.size()), expected);
        }
    }

    // A countdown refuses the close that Qt's own ending asks of every window,
    // as the window's close and a log-out end the program.
    void closingTheWindowEndsTheProgram_data()
    {
        QTest::addColumn<bool>("logOut");
        QTest::newRow("the window's close") << false;
        QTest::newRow("the desktop session's log-out") << true;
    }

    void closingTheWindowEndsTheProgram()
    {
        QFETCH(bool, logOut);
        Wired wired(kOneCountdown);
        QTimer::singleShot(0, &wired.form, [&] {
            if (logOut)
                QCoreApplication::postEvent(qApp, new QEvent(QEvent::Quit));
            else
                wired.form.close();
        });
        QTimer::singleShot(3000, &wired.form, [] { QCoreApplication::exit(99); });
        QCOMPARE(QApplication::exec(), 0);
    }

    void aLostTrayBringsTheHiddenWindowBack()
    {
        Wired wired(kOneCountdown, true);
        wired.tray->toggleWindow();
        QVERIFY(!wired.form.isVisible());
        wired.trayThere = false;
        QTRY_VERIFY_WITH_TIMEOUT(wired.form.isVisible(), TrayIcon::kLookAgainMs / 3);
    }

    void trayItemsBringTheWindowBack_data()
    {
        QTest::addColumn<bool>("minimized");
        QTest::addColumn<bool>("fullScreen");
        QTest::addColumn<int>("row");
        QTest::newRow("hidden, 显示主窗口") << false << false << 0;
        QTest::newRow("minimized full screen, 显示主窗口") << true << true << 0;
        QTest::newRow("hidden full screen, 全屏显示") << false << true << 2;
        QTest::newRow("minimized, 全屏显示") << true << false << 2;
    }
    // 显示主窗口 keeps full screen as it was; 全屏显示 gives it.
    void trayItemsBringTheWindowBack()
    {
        QFETCH(bool, minimized);
        QFETCH(bool, fullScreen);
        QFETCH(int, row);
        Wired wired(kOneCountdown, true);
        if (fullScreen)
            wired.item(u"fullScreen"_s)->trigger();
        minimized ? wired.form.showMinimized() : wired.tray->toggleWindow();
        wired.tray->icon()->contextMenu()->actions().at(row)->trigger();
        QTRY_VERIFY(
            wired.form.isVisible() && wired.form.isActiveWindow() && !wired.form.isMinimized());
        QCOMPARE(wired.form.isFullScreen(), fullScreen || row == 2);
    }

    // 显示主窗口 first, then the window's menu as it is at each moment.
    void theTrayMenuHasTheWindowMenuBelowShowWindow()
    {
        Wired wired(kOneCountdown, true);
        wired.menu->insertAction(wired.item(u"settings"_s), new QAction(u"新"_s, wired.menu));
        wired.menu->removeAction(wired.item(u"about"_s));
        QCOMPARE(wired.tray->icon()->contextMenu()->actions().mid(2), wired.menu->actions());
    }

    // A countdown's menus end with 退出程序, which asks as the window's 退 出 does.
    void eachCountdownsMenuHasExit()
    {
        Wired wired("[countdowns]\nsize=1\n1\\title=x\n1\\target=2027-03-15T08:00\n");
        QMenu rightClick;
        wired.commands.fill(&rightClick, wired.countdowns.ids().first());
        for (const QMenu* menu : { &rightClick, wired.submenus().first() }) {
            QCOMPARE(menu->actions().last()->objectName(), u"exit"_s);
            QCOMPARE(menu->actions().last()->text(), u"退出程序"_s);
            const MessageBoxAnswer no(QMessageBox::No);
            menu->actions().last()->trigger();
            QCOMPARE(no.title, u"提示"_s);
            QCOMPARE(no.text, u"是否真的退出程序"_s);
            QCOMPARE(no.icon, QMessageBox::Question);
            QCOMPARE(no.buttons, QMessageBox::Yes | QMessageBox::No);
            QCOMPARE(no.defaultButton, QMessageBox::Yes);
        }
    }
};

QTEST_MAIN(TestCountdownMenuItems)
#include "tst_countdownmenuitems.moc"
