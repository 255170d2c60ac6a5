// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "autostart.h"
#include "displaycontroller.h"
#include "form1.h"
#include "settingsfile.h"
#include "settingsstore.h"
#include "startup.h"

#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
QScreen* screenNamed(const QString& name)
{
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->name() == name)
            return screen;
    return nullptr;
}

// "#RIGHT" stands for that screen's number (1 the first).
QString screenNumber(const QString& text)
{
    if (!text.startsWith(u'#'))
        return text;
    return QString::number(QGuiApplication::screens().indexOf(screenNamed(text.mid(1))) + 1);
}

// What `run` writes on standard error.
QString standardError(const std::function<void()>& run)
{
    int ends[2];
    if (pipe(ends) != 0)
        return u"<no pipe>"_s;
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    dup2(ends[1], STDERR_FILENO);
    run();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    close(ends[1]);
    QByteArray text(4096, '\0');
    text.truncate(qMax<ssize_t>(0, read(ends[0], text.data(), text.size())));
    close(ends[0]);
    return QString::fromUtf8(text);
}
}

// Which screen the window goes full screen on, on an X display of two monitors
// side by side (with_two_monitors.sh): the one --screen names, by number or name, else that of the
// last full screen, else the primary one.
class TestScreen : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!screenNamed(u"RIGHT"_s))
            QSKIP("for two monitors: tst_screen_x");
    }

    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_root->path()));
        m_store = std::make_unique<SettingsStore>(m_root->filePath(u"VEKTemp"_s));
    }

    void fullScreenGoesToItsScreen_data()
    {
        QTest::addColumn<QString>("wanted"); // --screen
        QTest::addColumn<QString>("remembered"); // with full screen remembered
        QTest::addColumn<QString>("expected"); // empty for the primary screen
        QTest::addColumn<bool>("told"); // that the wanted one is not there
        QTest::newRow("by number") << u"#RIGHT"_s << QString() << u"RIGHT"_s << false;
        QTest::newRow("by name") << u"RIGHT"_s << QString() << u"RIGHT"_s << false;
        QTest::newRow("named over remembered") << u"LEFT"_s << u"RIGHT"_s << u"LEFT"_s << false;
        QTest::newRow("missing number") << u"9"_s << QString() << QString() << true;
        QTest::newRow("missing name") << u"HDMI-9"_s << QString() << QString() << true;
        QTest::newRow("missing, remembered") << u"0"_s << u"RIGHT"_s << u"RIGHT"_s << true;
        QTest::newRow("remembered") << QString() << u"RIGHT"_s << u"RIGHT"_s << false;
        QTest::newRow("remembered, gone") << QString() << u"HDMI-9"_s << QString() << false;
    }

    void fullScreenGoesToItsScreen()
    {
        QFETCH(QString, wanted);
        QFETCH(QString, remembered);
        QFETCH(QString, expected);
        QFETCH(bool, told);
        if (!remembered.isEmpty()) {
            QVERIFY(QDir().mkpath(preferencesFolder()));
            writeFile(preferencesFile(),
                "[display]\nfullScreen=true\nscreen=" + remembered.toUtf8() + '\n');
        }
        QScreen* screen = nullptr;
        const QString error
            = standardError([&] { screen = Startup::chosenScreen(screenNumber(wanted)); });
        QCOMPARE(!error.isEmpty(), told);
        if (told)
            QVERIFY2(error.contains(u"找不到屏幕“%1”"_s.arg(wanted)), qPrintable(error));
        start(!wanted.isEmpty(), screen);
        const QScreen* target
            = expected.isEmpty() ? QGuiApplication::primaryScreen() : screenNamed(expected);
        QTRY_COMPARE(m_form->geometry(), target->geometry());
        QVERIFY(m_form->isFullScreen());
    }

    // Full screen on the second screen, by hand, is there again at the next
    // start.
    void theLastFullScreensScreenIsRemembered()
    {
        const QScreen* second = screenNamed(u"RIGHT"_s);
        start(false, nullptr);
        m_form->move(second->geometry().topLeft() + QPoint(20, 20));
        QTRY_COMPARE(m_form->screen(), second);
        m_display->setFullScreen(true); // as F11 and the menu do
        QTRY_COMPARE(m_form->geometry(), second->geometry());
        m_form.reset(); // saves what waits
        QVERIFY2(readFile(preferencesFile()).contains("screen=" + second->name().toUtf8()),
            readFile(preferencesFile()).constData());
        start(false, nullptr);
        QTRY_COMPARE(m_form->geometry(), second->geometry());
    }

private:
    QString preferencesFolder() const { return m_root->filePath(u"gaokao-countdown"_s); }
    QString preferencesFile() const { return preferencesFolder() + u"/gaokao-countdown.ini"_s; }

    void start(bool fullScreen, QScreen* screen)
    {
        m_form.reset();
        m_form = std::make_unique<Form1>(*m_store);
        m_display = new DisplayController(m_form.get(), Preferences(preferencesFile()),
            Autostart(u"org.example.GaokaoCountdown"_s, { u"/usr/bin/gaokao-countdown"_s }));
        m_display->start(fullScreen, false, screen);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }

    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<Form1> m_form;
    DisplayController* m_display = nullptr;
};

QTEST_MAIN(TestScreen)
#include "tst_screen.moc"
