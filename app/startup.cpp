#include "startup.h"

#include "displaycheck.h"
#include "parsertranslator.h"

#include <QList>
#include <QScreen>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <mutex>

using namespace Qt::StringLiterals;

namespace {
void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
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
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));

    if (argc > 1) {
        // A short-lived application lets Qt's parser speak Chinese; the real
        // one needs a display, which --help and --version must not.
        int count = argc;
        const QCoreApplication core(count, argv);
        ParserTranslator translator;
        QCoreApplication::installTranslator(&translator);
        CommandLine line;
        switch (line.parse(arguments)) {
        case CommandLine::Outcome::Help:
            print(stdout, line.helpText());
            return 0;
        case CommandLine::Outcome::Version:
            print(stdout, CommandLine::versionText() + u'\n');
            return 0;
        case CommandLine::Outcome::Run:
        case CommandLine::Outcome::Error:
            // Errors wait for the application, which takes Qt's own options
            // (-platform, -style, ...) out of the line first.
            break;
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

    // Qt draws a text taller than 64 pixels as outlines, several times slower
    // than from its glyph cache, and full screen grows the countdown past
    // that. At a device pixel ratio of 1 every text of the windows as designed
    // is smaller (42 points, 56 pixels, at most), so a higher limit changes
    // nothing drawn at the design size. Qt reads it at the first text drawn.
    const QList<QScreen*> screens = QGuiApplication::screens();
    const bool ratioOne = std::all_of(screens.cbegin(), screens.cend(),
        [](const QScreen* s) { return s->devicePixelRatio() == 1; });
    if (ratioOne && !qEnvironmentVariableIsSet("QT_MAX_CACHED_GLYPH_SIZE"))
        qputenv("QT_MAX_CACHED_GLYPH_SIZE", "256");
    return app;
}

std::optional<CommandLineOptions> Startup::readOptions()
{
    ParserTranslator translator;
    QCoreApplication::installTranslator(&translator);
    CommandLine line;
    const CommandLine::Outcome outcome = line.parse(QCoreApplication::arguments());
    QCoreApplication::removeTranslator(&translator);
    if (outcome == CommandLine::Outcome::Error) {
        print(stderr, u"gaokao-countdown："_s + line.errorText() + u'\n');
        return std::nullopt;
    }
    return line.options();
}
