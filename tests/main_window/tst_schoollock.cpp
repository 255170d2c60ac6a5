// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "displaycontroller.h"
#include "mainwindowfixture.h"
#include "messageboxanswer.h"
#include "picturebutton.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QTest>

using namespace Qt::StringLiterals;

const QString kLocked = u"设置已由学校管理员锁定"_s;

// The main window where an administrator has set things for every user (XDG_CONFIG_DIRS),
// the user's own files in XDG_CONFIG_HOME; both in a folder that outlives the window.
class TestSchoolLock : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_fixture.reset();
        m_config = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config->filePath(u"home"_s)));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(m_config->filePath(u"xdg"_s)));
        m_fixture = std::make_unique<MainWindowFixture>();
    }

    // While locked, the ways into the settings say so and open nothing; full
    // screen and exit still work; the user's file is never written, not even
    // as the window goes.
    void aLockedWindowChangesNothing_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("said");
        QTest::newRow("settings button") << u"button"_s << kLocked;
        QTest::newRow("settings in the menu") << u"settings"_s << kLocked;
        QTest::newRow("F11, Escape") << u"keys"_s << QString();
        QTest::newRow("exit") << u"exit"_s << u"是否真的退出程序"_s;
    }

    void aLockedWindowChangesNothing()
    {
        QFETCH(QString, way);
        QFETCH(QString, said);
        start("[school]\nlocked=true\n", false);
        Form1& form = m_fixture->form;
        // A dialog that opened all the same would wait for good.
        QTimer::singleShot(200, &form, [&form] {
            if (Form2* dialog = form.settingsDialog())
                dialog->close();
        });
        const MessageBoxAnswer answer(way == u"exit"_s ? QMessageBox::No : QMessageBox::Ok);
        if (way == u"button"_s) {
            form.Comgjsz->click();
        } else if (way == u"keys"_s) {
            for (const bool full : { true, false }) {
                QTest::keyClick(&form, full ? Qt::Key_F11 : Qt::Key_Escape);
                QTRY_COMPARE(form.isFullScreen(), full);
            }
        } else {
            action(way)->trigger();
        }
        // Nor does a refused save say anything.
        QTest::qWait(ChoiceSaver::kSaveDelayMs + 100);
        QCOMPARE(answer.text, said);
        if (said == kLocked)
            QCOMPARE(answer.title, u"高考曜刻1.0版"_s);
        m_fixture.reset();
        QVERIFY(!QFile::exists(m_config->filePath(u"home/gaokao-countdown"_s)));
    }

    // What the menu shows of the administrator's settings: the choices that
    // change settings locked, with the reason, and a login entry for every
    // user as on and not the user's.
    void theMenuShowsWhatTheAdministratorSet_data()
    {
        QTest::addColumn<bool>("locked");
        QTest::addColumn<bool>("forAllUsers");
        QTest::newRow("nothing") << false << false;
        QTest::newRow("locked") << true << false;
#ifndef Q_OS_WIN // the computer's Run key under Wine is every test's
        QTest::newRow("a login entry for every user") << false << true;
        QTest::newRow("both") << true << true;
#endif
    }

    void theMenuShowsWhatTheAdministratorSet()
    {
        QFETCH(bool, locked);
        QFETCH(bool, forAllUsers);
        start(locked ? "[school]\nlocked=true\n" : "", forAllUsers);
        for (const QString& name : { u"scaleText"_s, u"stayOnTop"_s }) {
            QCOMPARE(action(name)->isEnabled(), !locked);
            QCOMPARE(action(name)->toolTip(), locked ? kLocked : action(name)->text());
        }
        QAction* atLogin = action(u"startAtLogin"_s);
        QCOMPARE(atLogin->isEnabled(), !locked && !forAllUsers);
        QCOMPARE(atLogin->isChecked(), forAllUsers);
        QCOMPARE(
            atLogin->text(), forAllUsers ? u"开机自动启动（由管理员设置）"_s : u"开机自动启动"_s);
        QVERIFY(action(u"fullScreen"_s)->isEnabled());
        QVERIFY(action(u"settings"_s)->isEnabled());
        QAction* note = action(u"lockedNote"_s);
        QCOMPARE(note != nullptr, locked);
        if (note)
            QVERIFY(!note->isEnabled() && note->text() == kLocked);
    }

private:
    void start(const QByteArray& systemFile, bool forAllUsers)
    {
        const QDir xdg(m_config->filePath(u"xdg"_s));
        QVERIFY(xdg.mkpath(u"gaokao-countdown"_s) && xdg.mkpath(u"autostart"_s));
        if (!systemFile.isEmpty())
            writeFile(xdg.filePath(u"gaokao-countdown/gaokao-countdown.ini"_s), systemFile);
        if (forAllUsers)
            writeFile(xdg.filePath(u"autostart/org.example.GaokaoCountdown.desktop"_s),
                "[Desktop Entry]\nType=Application\nName=x\nExec=/usr/bin/gaokao-countdown\n");
        Form1& form = m_fixture->form;
        auto* display = new DisplayController(&form,
            Preferences(m_config->filePath(u"home/gaokao-countdown/gaokao-countdown.ini"_s),
                { xdg.filePath(u"gaokao-countdown/gaokao-countdown.ini"_s) },
                Preferences::Rights::User),
            Autostart(u"org.example.GaokaoCountdown"_s, { u"/usr/bin/gaokao-countdown"_s }));
        display->start(false, false);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
    }

    QAction* action(const QString& name) const
    {
        return m_fixture->form.findChild<QMenu*>(u"displayMenu"_s)->findChild<QAction*>(name);
    }

    std::unique_ptr<QTemporaryDir> m_config;
    std::unique_ptr<MainWindowFixture> m_fixture;
};

QTEST_MAIN(TestSchoolLock)
#include "tst_schoollock.moc"
