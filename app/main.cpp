// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardmenuitems.h"
#include "boardoptions.h"
#include "choicesaver.h"
#include "countdowncommands.h"
#include "countdownmenuitems.h"
#include "countdownschema.h"
#include "countdownviews.h"
#include "displaycontroller.h"
#include "examschedule.h"
#include "fontsubstitutes.h"
#include "form1.h"
#include "knownpreferences.h"
#include "logging.h"
#include "machinestatus.h"
#include "picturefile.h"
#include "preferences.h"
#include "programinfo.h"
#include "qttranslations.h"
#include "settingsstore.h"
#include "singlecopy.h"
#include "startup.h"
#include "terminationsignals.h"
#include "trayicon.h"
#include "windowmenu.h"

#include <QApplication>
#include <QScopeGuard>
#include <QTimer>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[])
{
#ifdef Q_OS_WIN
    // Built with MinGW, a thread that matched a regular expression crashes as
    // it ends: the per-thread stack of the expressions' JIT is freed after the
    // thread's own storage. Interpreted, the program's few short expressions
    // cost nothing one would notice.
    qputenv("QT_ENABLE_REGEXP_JIT", "0");
#endif
    if (const std::optional<int> status = Startup::answerBeforeDisplay(argc, argv))
        return *status;
    const std::unique_ptr<QApplication> app = Startup::createApplication(argc, argv);
    // Ended by the system (log-out), the program still saves on its way out.
    const TerminationSignals endWhenAsked;
    QApplication::setApplicationName(ProgramInfo::commandName);
    QApplication::setApplicationVersion(ProgramInfo::version);
    // Lets a Wayland desktop find the menu entry, and so the icon.
    QGuiApplication::setDesktopFileName(ProgramInfo::appId);
    installQtTranslations(*app);
    const Preferences preferences;
    if (const QString unknown = preferences.unknownContent(KnownPreferences::groups());
        !unknown.isEmpty())
        qCWarning(lcPreferences).noquote() << unknown;
    const std::optional<CommandLineOptions> options
        = Startup::readOptions(preferences.schoolSettingsFolder());
    if (!options)
        return Startup::kBadCommandLine;
    SingleCopy singleCopy(options->settingsFolder);
    if (singleCopy.handedToRunningCopy())
        return 0;
    // What the end could not save goes to the start that asked for the end
    // (--quit), which says so.
    ChoiceSaver::setEndListener([&singleCopy](const ChoiceSaver::Unsaved& unsaved) {
        singleCopy.tellUnsaved(unsaved.choices.join(u"、"_s), unsaved.trouble.message());
    });
    const auto forgetEndListener = qScopeGuard([] { ChoiceSaver::setEndListener({}); });
    installFontSubstitutes();
    PictureFile::allowDecodingUpToTheLimit();

    const SettingsStore store(options->settingsFolder);
    // Made before the main window, so that the window's menu items for it go
    // first as the program ends.
    CountdownModel countdowns { preferences };
    // After the model's own save at the end, which it connected first.
    QObject::connect(app.get(), &QCoreApplication::aboutToQuit, &singleCopy, [&] {
        if (const FileTrouble trouble = countdowns.endTrouble(); !trouble.isNone())
            singleCopy.tellUnsaved(u"桌面倒计时"_s, trouble.message());
    });
    CountdownViews views { &countdowns };
    CountdownCommands commands { &views };
    Form1 form(store);
    QApplication::setWindowIcon(form.windowIcon());
    auto* display = new DisplayController(&form, preferences,
        Autostart(ProgramInfo::appId,
            QStringList { QCoreApplication::applicationFilePath() } + options->loginArguments));
    // With --board, --screen is the board's.
    display->start(options->fullScreen, options->onTop,
        Startup::chosenScreen(options->board ? QString() : options->screen));
    QObject::connect(
        &singleCopy, &SingleCopy::showRequested, display, &DisplayController::bringForward);
    // As the window's closing: everything waiting is saved on the way out.
    QObject::connect(&singleCopy, &SingleCopy::quitRequested, &form, &QWidget::close);
    form.show();
    countdowns.load();
    views.stayAbove(&form);
    QObject::connect(form.Timer1, &QTimer::timeout, &views, &CountdownViews::tick);
    new CountdownMenuItems(display->menu(), &commands, &form);
    // The schedule and the board's look live with data.txt, for every screen
    // that shares its folder.
    display->menu()->setStatus([preferences, options = *options] {
        MachineStatus::Facts facts { preferences, options.settingsFolder,
            options.settingsFolderFrom,
            QStringList { QCoreApplication::applicationFilePath() } + options.loginArguments,
            u"正在运行（就是这个窗口）"_s, false };
        // The window waits no longer for a share than a tick does.
        facts.readWaitMs = 400;
        return MachineStatus::of(facts).text();
    });
    auto* board = new BoardMenuItems(
        display->menu(), &form, preferences.inSettingsFolder(options->settingsFolder));
    if (options->board)
        board->open(Startup::chosenScreens(options->screen));
    new TrayIcon(&form, display->menu()->menu(), &countdowns);
    // The program ends when its main window closes (Form1::closeEvent), never
    // because the last other window closed while that one hid in the tray.
    QApplication::setQuitOnLastWindowClosed(false);
    return app->exec();
}
