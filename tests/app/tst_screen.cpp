// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "displaycontroller.h"
#include "form1.h"
#include "settingsfile.h"
#include "settingsstore.h"
#include "startup.h"

#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Which screen the window goes full screen on, on an X display with the
// monitors LEFT and RIGHT (see CMakeLists.txt): the one --screen names, by
// number or name, else that of the last full screen, else the primary one.
class TestScreen : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        if (!Startup::findScreen(u"RIGHT"_s).screen)
            QSKIP("for two monitors: tst_screen_x");
    }

    void fullScreenGoesToItsScreen_data()
    {
        QTest::addColumn<QString>("wanted"); // --screen; "#" is RIGHT's number
        QTest::addColumn<QString>("remembered"); // with full screen remembered
        QTest::addColumn<QString>("expected"); // empty for the primary screen
        QTest::newRow("by number") << u"#"_s << QString() << u"RIGHT"_s;
        QTest::newRow("by name") << u"RIGHT"_s << QString() << u"RIGHT"_s;
        QTest::newRow("named over remembered") << u"LEFT"_s << u"RIGHT"_s << u"LEFT"_s;
        QTest::newRow("missing") << u"HDMI-9"_s << QString() << QString();
        QTest::newRow("missing number, remembered") << u"0"_s << u"RIGHT"_s << u"RIGHT"_s;
        QTest::newRow("remembered") << QString() << u"RIGHT"_s << u"RIGHT"_s;
        QTest::newRow("remembered, gone") << QString() << u"HDMI-9"_s << QString();
        // As an administrator's policy or the MSI's SCREEN= gives it.
        QTest::newRow("remembered by number") << QString() << u"#"_s << u"RIGHT"_s;
    }

    void fullScreenGoesToItsScreen()
    {
        QFETCH(QString, wanted);
        QFETCH(QString, remembered);
        QFETCH(QString, expected);
        const QString rightsNumber
            = QString::number(QGuiApplication::screens().indexOf(screen(u"RIGHT"_s)) + 1);
        if (wanted == u"#"_s)
            wanted = rightsNumber;
        if (remembered == u"#"_s)
            remembered = rightsNumber;
        writeFile(preferencesFile(), "[display]\nfullScreen=true\nscreen=" + remembered.toUtf8());
        const Startup::ScreenFound found = Startup::findScreen(wanted);
        QCOMPARE(found.error.startsWith(u"找不到屏幕“%1”"_s.arg(wanted)),
            !wanted.isEmpty() && !found.screen);
        start(!wanted.isEmpty(), found.screen);
        QTRY_COMPARE(m_form->geometry(), screen(expected)->geometry());
    }

    // Full screen on RIGHT, chosen in the window, is there at the next start.
    void theLastFullScreensScreenIsRemembered()
    {
        writeFile(preferencesFile(), {});
        start(false, nullptr);
        m_form->move(screen(u"RIGHT"_s)->geometry().topLeft() + QPoint(20, 20));
        QTRY_COMPARE(m_form->screen(), screen(u"RIGHT"_s));
        m_display->setFullScreen(true); // as F11 and the menu do
        QTRY_COMPARE(m_form->geometry(), screen(u"RIGHT"_s)->geometry());
        m_form.reset(); // saves what waits
        start(false, nullptr);
        QTRY_COMPARE(m_form->geometry(), screen(u"RIGHT"_s)->geometry());
    }

private:
    static QScreen* screen(const QString& name)
    {
        return name.isEmpty() ? QGuiApplication::primaryScreen() : Startup::findScreen(name).screen;
    }
    QString preferencesFile() const { return m_root.filePath(u"gaokao-countdown.ini"_s); }

    void start(bool fullScreen, QScreen* screen)
    {
        m_form = std::make_unique<Form1>(m_store);
        m_display = new DisplayController(m_form.get(), Preferences(preferencesFile()),
            Autostart(u"org.example.GaokaoCountdown"_s, { m_root.filePath(u"x"_s) }));
        m_display->start(fullScreen, false, screen);
        m_form->show();
    }

    QTemporaryDir m_root;
    SettingsStore m_store { m_root.filePath(u"VEKTemp"_s) };
    std::unique_ptr<Form1> m_form;
    DisplayController* m_display = nullptr;
};

QTEST_MAIN(TestScreen)
#include "tst_screen.moc"
