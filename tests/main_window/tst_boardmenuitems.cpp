// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindowfixture.h"
#include "messageboxanswer.h"
#include "modaldialoganswer.h"

#include "board.h"
#include "boardlookmenu.h"
#include "boardmenuitems.h"
#include "boardscreens.h"
#include "boardtext.h"
#include "boardtheme.h"
#include "displaycontroller.h"
#include "mottodialog.h"
#include "windowmenu.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

using namespace Qt::StringLiterals;
using BoardLayout::Part;

class TestBoardMenuItems : public QObject {
    Q_OBJECT
private slots:
    // 大屏显示 on its key shows what the window shows, in calendar days; the
    // key again closes it, and 退出程序 on it asks the window's question.
    void theBoardFromTheWindowsMenu()
    {
        MainWindowFixture fixture;
        QDir().mkpath(QFileInfo(fixture.store.filePath()).path());
        const QDate inTenDays = QDate::currentDate().addDays(10);
        fixture.writeSettings(u"2026-12-8 9:00:00"_s,
            u"%1-%2-%3 23:59:00"_s.arg(inTenDays.year())
                .arg(inTenDays.month())
                .arg(inTenDays.day()),
            u"某某中学"_s, u"距高考 还 有 ："_s);
        const QByteArray data = readFile(fixture.store.filePath());
        Form1& form = fixture.form;
        const QString preferences = fixture.root.filePath(u"gaokao-countdown.ini"_s);
        auto* display = new DisplayController(&form, Preferences(preferences, {}),
            Autostart(u"org.example.Test"_s, { QCoreApplication::applicationFilePath() }));
        auto* items = new BoardMenuItems(display->menu(), &form, Preferences(preferences, {}));
        form.show();
        QTRY_VERIFY(form.shown().target());
        // The board shows the settings, not the window's label, whatever
        // else changes its text.
        form.Labname->setText(u"标签上的字"_s);

        QAction* board = display->menu()->action(u"board"_s);
        QCOMPARE(board->text(), u"大屏显示"_s);
        QCOMPARE(board->shortcut(), QKeySequence(Qt::Key_F5));
        QVERIFY(display->menu()->action(u"examSchedule"_s));
        board->trigger();
        QCOMPARE(items->boards()->boards().size(), 1);
        const Board* shown = items->boards()->boards().first();
        QCOMPARE(shown->boardScreen(), form.screen());
        QCOMPARE(shown->part(Part::Title)->accessibleName(), u"某某中学"_s);
        QCOMPARE(shown->part(Part::Heading)->accessibleName(), u"距高考 还 有"_s);
        QCOMPARE(shown->part(Part::Days)->accessibleName(), u"10 天"_s);
        board->trigger();
        QVERIFY(!items->boards()->isOpen());

        board->trigger();
        {
            const MessageBoxAnswer answer(QMessageBox::No);
            items->boards()->boards().first()->findChild<QAction*>(u"exit"_s)->trigger();
            QCOMPARE(answer.text, u"是否真的退出程序"_s);
        }
        QVERIFY(!items->boards()->isOpen());
        QVERIFY(form.isVisible());
        QCOMPARE(readFile(fixture.store.filePath()), data);
    }

    // 大屏外观 in the window's menu and on the board: each choice shows on the
    // open board at once and is written to the settings folder's file; a
    // motto the board would not show as typed is refused with the reason.
    void theLookFromTheMenusShowsAtOnce()
    {
        MainWindowFixture fixture;
        QDir().mkpath(QFileInfo(fixture.store.filePath()).path());
        fixture.writeSettings(
            u"2026-12-8 9:00:00"_s, u"2027-6-7 9:00:00"_s, u"某某中学"_s, u"距高考 还 有 ："_s);
        Form1& form = fixture.form;
        const QString own = fixture.root.filePath(u"own.ini"_s);
        const QString folder = fixture.root.filePath(u"folder"_s);
        auto* display = new DisplayController(&form, Preferences(own, {}),
            Autostart(u"org.example.Test"_s, { QCoreApplication::applicationFilePath() }));
        auto* items = new BoardMenuItems(
            display->menu(), &form, Preferences(own, {}).inSettingsFolder(folder));
        form.show();
        QVERIFY(display->menu()->menu()->actions().contains(items->look()->menuAction()));
        items->open({});
        Board* board = items->boards()->boards().first();
        QVERIFY(board->findChild<QMenu*>(u"boardMenu"_s)
                    ->actions()
                    .contains(items->look()->menuAction()));

        items->look()->findChild<QAction*>(u"boardThemeRed"_s)->trigger();
        QCOMPARE(board->theme().background, BoardTheme::of(BoardOptions::Theme::Red).background);
        const QString file = folder + u"/gaokao-countdown.ini"_s;
        QVERIFY2(readFile(file).contains("theme=red"), readFile(file));
        items->look()->findChild<QAction*>(u"boardRollOver"_s)->trigger();
        QVERIFY2(readFile(file).contains("rollOver=false"), readFile(file));

        QString refused;
        {
            const ModalDialogAnswer<MottoDialog> answer([&](MottoDialog* dialog) {
                dialog->edit()->setText(QString(41, u'好'));
                dialog->accept();
                refused = dialog->problem();
                dialog->edit()->setText(u"拼搏\u202E百天"_s);
                dialog->accept();
                refused += dialog->problem();
                dialog->edit()->setText(u"  拼搏百天  "_s);
                dialog->accept();
            });
            items->look()->findChild<QAction*>(u"boardMotto"_s)->trigger();
            QVERIFY(answer.seen);
        }
        QCOMPARE(
            refused, u"标语最多 40 个字，现在有 41 个字。标语里不能有换行、制表符等控制字符。"_s);
        QCOMPARE(board->part(Part::Motto)->accessibleName(), u"拼搏百天"_s);
        QVERIFY(!QFile::exists(own));
    }

    // Under the school's lock the look is greyed, with the lock's reason.
    void theLookUnderTheSchoolsLock()
    {
        MainWindowFixture fixture;
        const QString school = fixture.root.filePath(u"school.ini"_s);
        writeFile(school, "[school]\nlocked=true\n");
        const Preferences locked(
            fixture.root.filePath(u"own.ini"_s), { school }, Preferences::Rights::User);
        auto* display = new DisplayController(&fixture.form, locked,
            Autostart(u"org.example.Test"_s, { QCoreApplication::applicationFilePath() }));
        auto* items = new BoardMenuItems(display->menu(), &fixture.form, locked);
        for (const QString& name :
            { u"boardThemeDark"_s, u"boardThemeRed"_s, u"boardMotto"_s, u"boardRollOver"_s }) {
            const QAction* action = items->look()->findChild<QAction*>(name);
            QVERIFY(!action->isEnabled());
            QVERIFY(!action->toolTip().isEmpty());
        }
    }

    // A settings file that cannot be read is said on the board, in one line
    // of the window's words, not only in the window under it.
    void troubleWithTheSettingsFile()
    {
        MainWindowFixture fixture;
        // A folder where the file should be: it cannot be read.
        QDir().mkpath(fixture.store.filePath());
        Form1& form = fixture.form;
        const QString preferences = fixture.root.filePath(u"gaokao-countdown.ini"_s);
        auto* display = new DisplayController(&form, Preferences(preferences, {}),
            Autostart(u"org.example.Test"_s, { QCoreApplication::applicationFilePath() }));
        auto* items = new BoardMenuItems(display->menu(), &form, Preferences(preferences, {}));
        form.show();
        QTRY_VERIFY(!form.accessibleDescription().isEmpty());
        display->menu()->action(u"board"_s)->trigger();
        const Board* shown = items->boards()->boards().first();
        const BoardText* motto = shown->part(Part::Motto);
        QTRY_VERIFY(motto->isVisible());
        QVERIFY2(motto->accessibleName().startsWith(u"设置文件无法读取：这不是普通文件"_s)
                && !motto->accessibleName().contains(u'…'),
            qPrintable(motto->accessibleName()));
        QVERIFY(form.accessibleDescription().contains(motto->accessibleName().mid(9)));
        QCOMPARE(motto->lines().size(), 1);
    }
};

QTEST_MAIN(TestBoardMenuItems)
#include "tst_boardmenuitems.moc"
