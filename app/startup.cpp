// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup.h"

#include "autostart.h"
#include "console.h"
#include "displaycheck.h"
#include "machinestatus.h"
#include "preferences.h"
#include "programarguments.h"
#include "programinfo.h"
#include "qttranslations.h"
#include "singlecopy.h"

#include <QDir>
#include <QList>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <mutex>

using namespace Qt::StringLiterals;

namespace {
void print(
    std::FILE* stream, const QString& text, Console::Unseen unseen = Console::Unseen::ShowInABox)
{
    Console::write(
        stream == stdout ? Console::Stream::Output : Console::Stream::Error, text, unseen);
}

// A bad command line, told on standard error after the program's name.
void printError(const QString& error, Console::Unseen unseen = Console::Unseen::ShowInABox)
{
    print(stderr, u"%1：%2\n"_s.arg(ProgramInfo::commandName, error), unseen);
}

// --autostart=all or off-all: the login entry for every user, starting this
// program with the settings folder and the display options given.
int setAutostartForAll(const CommandLineOptions& options)
{
    const bool on = options.autostartForAll;
    const Autostart entry(ProgramInfo::appId,
        QStringList { QCoreApplication::applicationFilePath() } + options.loginArguments
            + options.displayArguments,
        Autostart::Scope::AllUsers);
    if (!on && !entry.exists()) {
        print(stdout, u"没有为所有用户设置的登录启动项，无需取消。\n"_s);
        return 0;
    }
    if (const FileTrouble trouble = entry.setEnabled(on); !trouble.isNone()) {
        printError(trouble.message()
            + (trouble.kind() == FileTrouble::Kind::NoPermission ? Autostart::asAdministrator()
                                                                 : QString()));
        return Startup::kNotWritten;
    }
    const QString place = entry.place();
    const QString where = place.isEmpty() ? u"。"_s : u"："_s + place;
    print(stdout,
        (on ? u"已为本机所有用户设置开机自动启动%1\n"_s : u"已取消本机所有用户的开机自动启动%1\n"_s)
            .arg(where));
    return 0;
}

// --quit: the copy running with this run's settings folder saves and ends.
// An installer asks it, maybe where nobody sees a message box (an MSI's
// silent installation at start-up): what it says goes only where it is read.
int askRunningCopyToQuit(const CommandLineOptions& options)
{
    constexpr auto unseen = Console::Unseen::Drop;
    const QString folder = QDir::toNativeSeparators(options.settingsFolder);
    const SingleCopy::QuitResult result = SingleCopy(options.settingsFolder).askToQuit();
    // The time really waited, which a copy that does not answer cuts short.
    const qint64 seconds = std::max<qint64>(1, (result.waited.count() + 500) / 1000);
    switch (result.outcome) {
    case SingleCopy::QuitOutcome::Ended:
        break;
    case SingleCopy::QuitOutcome::NoneRunning:
        print(stdout, u"没有使用设置文件夹 %1 的高考倒计时在运行。\n"_s.arg(folder), unseen);
        return 0;
    case SingleCopy::QuitOutcome::OlderCopy:
        printError(
            u"正在运行的是旧版本的高考倒计时，它不认识这个请求；请在它的窗口里退出。"_s, unseen);
        return Startup::kStillRunning;
    case SingleCopy::QuitOutcome::NoAnswer:
        printError(u"正在运行的高考倒计时在 %1 秒内没有回答，仍在运行。"_s.arg(seconds), unseen);
        return Startup::kStillRunning;
    case SingleCopy::QuitOutcome::StillRunning:
        printError(u"正在运行的高考倒计时没有在 %1 秒内退出。"_s.arg(seconds), unseen);
        return Startup::kStillRunning;
    }
    if (result.unsaved.isEmpty()) {
        print(stdout, u"正在运行的高考倒计时已保存设置并退出（设置文件夹：%1）。\n"_s.arg(folder),
            unseen);
        return 0;
    }
    QStringList lines { u"正在运行的高考倒计时已退出，但没能保存以下设置（设置文件夹：%1）："_s.arg(
        folder) };
    for (const SingleCopy::Unsaved& unsaved : result.unsaved)
        lines.append(u"%1：%2"_s.arg(unsaved.what, unsaved.why));
    printError(lines.join(u'\n'), unseen);
    return Startup::kNotSaved;
}

// --status: what this machine uses and why, and whether anything is wrong.
int tellStatus(const CommandLineOptions& options, const Preferences& preferences)
{
    const SingleCopy::State copy = SingleCopy(options.settingsFolder).state();
    MachineStatus::Facts facts { preferences, options.settingsFolder, options.settingsFolderFrom,
        QStringList { QCoreApplication::applicationFilePath() } + options.loginArguments, copy.text,
        copy.trouble };
    const MachineStatus status = MachineStatus::of(facts);
    print(stdout, status.text());
    return status.hasProblems() ? Startup::kProblemsFound : 0;
}

// While the application starts, Qt's messages wait here: a window system that
// fails ends in qFatal after a few warnings, and the user should see one line
// instead. When it starts they go on to where they would have gone.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::mutex heldMutex;
QList<HeldMessage> heldMessages;

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        print(stderr, DisplayCheck::message() + u'\n');
        std::_Exit(Startup::kNoDisplay);
    }
    const std::lock_guard lock(heldMutex);
    heldMessages.append({ type, QByteArray(context.category), text });
}
}

std::optional<int> Startup::answerBeforeDisplay(int argc, char* argv[])
{
    QStringList arguments = ProgramArguments::text(argc, argv);

    if (argc > 1) {
        // A short-lived application lets Qt's parser speak Chinese through
        // Qt's catalogue; the real one needs a display, which --help,
        // --version and a bad command line must not.
        int count = argc;
        QCoreApplication core(count, argv);
        // Where the system gives text, the application has it now.
        arguments = ProgramArguments::text(argc, argv);
        installQtTranslations(core);
        CommandLine line;
        // QApplication takes its own options (-platform, -style, ...) later.
        const CommandLine::Outcome outcome = line.parse(CommandLine::withoutQtOptions(arguments));
        if (outcome == CommandLine::Outcome::Help) {
            print(stdout, line.helpText());
            return 0;
        }
        if (outcome == CommandLine::Outcome::Version) {
            print(stdout, CommandLine::versionText() + u'\n');
            return 0;
        }
        QString error = CommandLine::encodingError(ProgramArguments::fileNameBytes(argc, argv));
        if (error.isEmpty() && outcome == CommandLine::Outcome::Error)
            error = line.errorText();
        if (!error.isEmpty()) {
            printError(error);
            return kBadCommandLine;
        }
        if (outcome == CommandLine::Outcome::AutostartForAll)
            return setAutostartForAll(line.options());
        if (outcome == CommandLine::Outcome::Status) {
            const Preferences preferences;
            line.setSchoolFolder(preferences.schoolSettingsFolder());
            (void)line.parse(CommandLine::withoutQtOptions(arguments));
            return tellStatus(line.options(), preferences);
        }
        if (outcome == CommandLine::Outcome::Quit) {
            // The folder the copy would run with, the school's included.
            line.setSchoolFolder(Preferences().schoolSettingsFolder());
            (void)line.parse(CommandLine::withoutQtOptions(arguments));
            return askRunningCopyToQuit(line.options());
        }
    }

    if (!DisplayCheck::available(arguments, QProcessEnvironment::systemEnvironment())) {
        print(stderr, DisplayCheck::message() + u'\n');
        return kNoDisplay;
    }
    return std::nullopt;
}

std::unique_ptr<QApplication> Startup::createApplication(int& argc, char* argv[])
{
    const QtMessageHandler previous = qInstallMessageHandler(holdMessage);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);

    const std::lock_guard lock(heldMutex);
    for (const HeldMessage& message : std::as_const(heldMessages)) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        previous(message.type, context, message.text);
    }
    heldMessages.clear();
    return app;
}

std::optional<CommandLineOptions> Startup::readOptions(const QString& schoolFolder)
{
    // The folder was looked at before the display: a second look would wait
    // on a stalled share again.
    CommandLine line(CommandLine::FolderCheck {});
    line.setSchoolFolder(schoolFolder);
    const CommandLine::Outcome outcome = line.parse(QCoreApplication::arguments());
    if (outcome == CommandLine::Outcome::Error) {
        printError(line.errorText());
        return std::nullopt;
    }
    return line.options();
}

Startup::ScreenFound Startup::findScreen(const QString& numberOrName)
{
    if (numberOrName.isEmpty())
        return {};
    const QList<QScreen*> screens = QGuiApplication::screens();
    bool isNumber = false;
    const int number = numberOrName.toInt(&isNumber);
    if (isNumber && number >= 1 && number <= screens.size())
        return { screens[number - 1], {} };
    QStringList known;
    for (QScreen* screen : screens) {
        if (!isNumber && screen->name() == numberOrName)
            return { screen, {} };
        // Some systems name no screen: the number is all there is to give.
        const QString number = QString::number(known.size() + 1);
        known.append(screen->name().isEmpty() ? number : number + u' ' + screen->name());
    }
    return { nullptr,
        u"找不到屏幕“%1”，改用默认的屏幕。现有的屏幕：%2。"_s.arg(
            numberOrName, known.join(u"，"_s)) };
}

QScreen* Startup::chosenScreen(const QString& numberOrName)
{
    const ScreenFound found = findScreen(numberOrName);
    if (!found.error.isEmpty())
        printError(found.error);
    return found.screen;
}

QList<QScreen*> Startup::chosenScreens(const QString& numberOrName)
{
    if (numberOrName == u"all"_s)
        return QGuiApplication::screens();
    QScreen* screen = chosenScreen(numberOrName);
    return screen ? QList<QScreen*> { screen } : QList<QScreen*> {};
}
