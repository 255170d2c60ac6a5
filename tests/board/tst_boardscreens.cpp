// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "asanotheruser.h"
#include "fakeclock.h"
#include "messageboxanswer.h"
#include "offscreenscreen.h"
#include "settingsfile.h"

#include "board.h"
#include "boardscreens.h"
#include "boardtext.h"
#include "boardtheme.h"
#include "examdialog.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using BoardLayout::Part;

class TestBoardScreens : public QObject {
    Q_OBJECT
private slots:
    // On every screen, ticked by the main window's clock; any way out of one
    // board leaves them all.
    void everyScreenAndEveryWayOut_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("Esc") << 0;
        QTest::newRow("its key again") << 1;
        QTest::newRow("退出大屏") << 2;
        QTest::newRow("closed by the window manager") << 3;
    }

    void everyScreenAndEveryWayOut()
    {
        QFETCH(int, way);
        const QTemporaryDir dir;
        FakeClock clock;
        clock.now = DateValue::valueOf({ 2026, 12, 8, 14, 3, 27 }).value();
        BoardScreens screens(Preferences(dir.filePath(u"prefs.ini"_s), {}), clock.clock(), [] {
            return BoardContent::Source { u"某某中学"_s, u"距2027年高考 还 有 ："_s,
                QDateTime(QDate(2027, 6, 7), QTime(9, 0)) };
        });
        QSignalSpy closed(&screens, &BoardScreens::closed);
        screens.open(QGuiApplication::screens());
        const QList<Board*> boards = screens.boards();
        QCOMPARE(boards.size(), 2);
        for (Board* board : boards) {
            QVERIFY(QTest::qWaitForWindowExposed(board));
            QCOMPARE(board->geometry(), board->boardScreen()->geometry());
            QCOMPARE(board->part(Part::Days)->accessibleName(), u"181 天"_s);
        }
        QVERIFY(boards[0]->boardScreen() != boards[1]->boardScreen());
        clock.advance(1);
        screens.tick();
        QCOMPARE(
            boards[1]->part(Part::Now)->accessibleName(), u"现在 2026年12月8日 星期二 14:03:28"_s);
        // Only the seconds are drawn again: the screen comes to show the
        // board as drawn afresh.
        const auto onScreen = [](Board* board) {
            return board->screen()
                ->grabWindow(board->winId())
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
        };
        QTRY_COMPARE(onScreen(boards[1]), boards[1]->grab().toImage());

        Board* board = boards[1];
        if (way == 0)
            QTest::keyClick(board, Qt::Key_Escape);
        else if (way == 1)
            QTest::keyClick(board, Qt::Key_F5);
        else if (way == 2)
            board->findChild<QAction*>(u"leaveBoard"_s)->trigger();
        else
            board->close();
        QCOMPARE(closed.size(), 1);
        QTRY_VERIFY(screens.boards().isEmpty());
    }

    // 考试安排…: the common schedule, a row that cannot be saved, the save.
    void examDialogSavesOnlyWhatReadsBack()
    {
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"prefs.ini"_s);
        const ExamSchedule schedule { Preferences(path, {}) };
        ExamDialog dialog(schedule, 2027, {});
        dialog.fillCommon();
        QCOMPARE(dialog.subjects(), ExamSchedule::common(2027));
        auto* end = static_cast<QDateTimeEdit*>(dialog.table()->cellWidget(1, 2));
        end->setDateTime(QDateTime(QDate(2027, 6, 7), QTime(14, 0)));
        {
            const MessageBoxAnswer answer;
            dialog.accept();
            QCOMPARE(answer.text, u"第 2 科“数学”的结束时间不晚于开始时间。"_s);
        }
        QVERIFY(!QFile::exists(path));
        end->setDateTime(QDateTime(QDate(2027, 6, 7), QTime(17, 0)));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(schedule.load().subjects, ExamSchedule::common(2027));
    }

    // What the board would skip is refused, with its reason beside the row.
    void examDialogRefusesWhatTheBoardSkips_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<QString>("problem");
        const QDateTime unchanged;
        QTest::newRow("a year before 1900")
            << 1 << QString() << QDateTime(QDate(1897, 6, 7), QTime(15, 0))
            << u"第 2 科“数学”的时间不在 1900 至 9999 年之间。"_s;
        QTest::newRow("a 41st subject")
            << 40 << QString() << unchanged << u"第 41 科超出了大屏读取的 40 科。"_s;
        QTest::newRow("U+202E in a name")
            << 0 << u"语\u202E文"_s << unchanged << u"第 1 科的名称“语\u202E文”含有控制字符。"_s;
        QTest::newRow("U+2028 in a name")
            << 0 << u"语\u2028文"_s << unchanged << u"第 1 科的名称“语\u2028文”含有控制字符。"_s;
        QTest::newRow("ending before it starts")
            << 1 << QString() << QDateTime(QDate(2027, 6, 7), QTime(18, 0))
            << u"第 2 科“数学”的结束时间不晚于开始时间。"_s;
        QTest::newRow("overlapping") << 1 << QString() << QDateTime(QDate(2027, 6, 7), QTime(11, 0))
                                     << u"第 2 科“数学”与第 1 科“语文”的时间重叠。"_s;
    }
    void examDialogRefusesWhatTheBoardSkips()
    {
        QFETCH(int, row);
        QFETCH(QString, name);
        QFETCH(QDateTime, start);
        QFETCH(QString, problem);
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"prefs.ini"_s);
        const ExamSchedule schedule { Preferences(path, {}) };
        ExamDialog dialog(schedule, 2027, {});
        dialog.fillCommon();
        // 40 more, one after another: 48 subjects.
        if (row >= 8)
            for (int i = 0; i < 40; ++i) {
                QTest::mouseClick(dialog.findChild<QPushButton*>(u"addSubject"_s), Qt::LeftButton);
                dialog.table()->item(dialog.table()->rowCount() - 1, 0)->setText(u"科目"_s);
            }
        if (!name.isEmpty())
            dialog.table()->item(row, 0)->setText(name);
        if (start.isValid())
            static_cast<QDateTimeEdit*>(dialog.table()->cellWidget(row, 1))->setDateTime(start);
        QCOMPARE(dialog.problemShown(row), problem);
        {
            const MessageBoxAnswer answer;
            dialog.accept();
            QVERIFY(!answer.text.isEmpty());
        }
        QVERIFY(!QFile::exists(path));
    }

    // Two screens that share a settings folder: the schedule and the look
    // one saves there, the other's board shows at its next ticks. A look
    // still in a user's own file counts until the folder's file has one, and
    // the school's lock keeps the folder's file as it is.
    void aSharedFolderCarriesTheScheduleAndTheLook()
    {
        const QTemporaryDir dir;
        const QString shared = dir.filePath(u"shared"_s);
        writeFile(dir.filePath(u"b.ini"_s), "[board]\ntheme=red\n");
        const Preferences a = Preferences(dir.filePath(u"a.ini"_s), {}).inSettingsFolder(shared);
        const Preferences b = Preferences(dir.filePath(u"b.ini"_s), {}).inSettingsFolder(shared);
        FakeClock clock;
        clock.now = DateValue::valueOf({ 2027, 6, 7, 10, 0, 0 }).value();
        BoardScreens screens(b, clock.clock(), [] {
            return BoardContent::Source { u"某某中学"_s, u"距2027年高考 还 有 ："_s,
                QDateTime(QDate(2027, 6, 7), QTime(9, 0)) };
        });
        screens.open({ QGuiApplication::primaryScreen() });
        Board* board = screens.boards().constFirst();
        const QColor red = BoardTheme::of(BoardOptions::Theme::Red).background;
        QCOMPARE(board->theme().background, red);
        const QString before = board->part(Part::Days)->accessibleName();

        QVERIFY(ExamSchedule(a).save(ExamSchedule::common(2027)).isNone());
        QVERIFY(a.edit(BoardOptions::group(), [](PreferenceValues& values) {
                     values.insert(BoardOptions::group().key(0).name, u"dark"_s);
                 }).isNone());
        QVERIFY(!readFile(shared + u"/gaokao-countdown.ini"_s).isEmpty());
        screens.tick();
        QTRY_VERIFY(board->theme().background != red);
        QVERIFY(board->part(Part::Days)->accessibleName() != before);
        QVERIFY(readFile(dir.filePath(u"b.ini"_s)) == "[board]\ntheme=red\n");

        writeFile(dir.filePath(u"school.ini"_s), "[school]\nlocked=true\n");
        const Preferences locked = Preferences(
            dir.filePath(u"b.ini"_s), { dir.filePath(u"school.ini"_s) }, Preferences::Rights::User)
                                       .inSettingsFolder(shared);
        QCOMPARE(ExamSchedule(locked).read().subjects, ExamSchedule::common(2027));
        QCOMPARE(ExamSchedule(locked).save({}).kind(), FileTrouble::Kind::LockedBySchool);
    }

    // A save that failed leaves nothing behind: 取消 then changes neither the
    // file nor what the dialog shows when opened again, and a later read
    // writes nothing.
    void aCancelledEditAfterAFailedSaveChangesNothing()
    {
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"prefs.ini"_s);
        const ExamSchedule schedule { Preferences(path, {}) };
        QVERIFY(schedule.save(ExamSchedule::common(2027)).isNone());
        const QByteArray saved = readFile(path);
        constexpr auto readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        QVERIFY(QFile::setPermissions(path, readOnly));
        QVERIFY(QFile::setPermissions(dir.path(),
            readOnly | QFile::WriteOwner | QFile::ExeOwner | QFile::WriteGroup | QFile::ExeGroup
                | QFile::WriteOther | QFile::ExeOther));
        {
            ExamDialog dialog(schedule, 2027, {});
            dialog.table()->removeRow(0);
            const AsAnotherUser nobody;
            const MessageBoxAnswer answer;
            dialog.accept();
            QVERIFY2(answer.text.contains(u"没有访问权限"_s), qPrintable(answer.text));
            dialog.reject();
        }
        QCOMPARE(readFile(path), saved);
        QCOMPARE(ExamDialog(schedule, 2027, {}).subjects(), ExamSchedule::common(2027));
        QVERIFY(QFile::setPermissions(path, readOnly | QFile::WriteOwner));
        QCOMPARE(schedule.load().subjects, ExamSchedule::common(2027));
        QCOMPARE(readFile(path), saved);
    }

    void examDialogUnderTheSchoolsLock()
    {
        const QTemporaryDir dir;
        writeFile(dir.filePath(u"school.ini"_s), "[school]\nlocked=true\n");
        const ExamSchedule schedule { Preferences(dir.filePath(u"prefs.ini"_s),
            { dir.filePath(u"school.ini"_s) }, Preferences::Rights::User) };
        const ExamDialog dialog(schedule, 2027, u"设置已由学校管理员锁定"_s);
        QVERIFY(!dialog.table()->isEnabled());
        QVERIFY(!dialog.findChild<QPushButton*>(u"fillCommon"_s)->isEnabled());
    }
};

int main(int argc, char* argv[])
{
    useOffscreenScreens({ { { 1280, 720 } }, { { 1024, 768 } } });
    QApplication app(argc, argv);
    TestBoardScreens test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_boardscreens.moc"
