// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Full screen with growing text against an ordinary resize to the same size.
// Each figure is the time from the request to the end of a synchronous
// repaint of the window at its new size, median and slowest over the rounds
// after the first (the first one of each is printed on its own: it also
// renders the glyphs at the new sizes for the first time):
//   - resize: the window resized by hand to 1920 × 1080 and back, fonts kept;
//   - resize, growing text: the same with 文字随窗口缩放 on;
//   - full screen: F11's work (the full-screen state, the text grown) until the
//     window has the screen's size, and back.
// Run on Qt's offscreen platform with a 1920 × 1080 screen, as by default, the
// platform grants full screen at once, as a window manager would, so both
// measure the program's own work. With QT_QPA_PLATFORM=xcb on a 1920 × 1080
// display with a window manager, they include the X server's.
//   build/release/bench/bench_fullscreen [rounds]
#include "autostart.h"
#include "displaycontroller.h"
#include "form1.h"
#include "offscreenscreen.h"
#include "preferences.h"
#include "settingsstore.h"
#include "startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {
const QSize kScreen(1920, 1080);

// Runs `act`, waits for the window to reach `size`, repaints it synchronously.
double msUntilPainted(QWidget* window, QSize size, const std::function<void()>& act)
{
    QElapsedTimer timer;
    timer.start();
    act();
    while (window->size() != size && timer.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    window->repaint();
    return double(timer.nsecsElapsed()) / 1e6;
}

struct Figures {
    QList<double> up, down;
};

void print(const char* name, Figures f)
{
    const auto summary = [](QList<double> ms) {
        const double first = ms.takeFirst();
        std::sort(ms.begin(), ms.end());
        return std::array<double, 3> { ms[ms.size() / 2], ms.last(), first };
    };
    const auto up = summary(f.up);
    const auto down = summary(f.down);
    std::printf("| %s | %.2f | %.2f | %.2f | %.2f | %.2f | %.2f |\n", name, up[0], up[1], up[2],
        down[0], down[1], down[2]);
}
}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        useOffscreenScreen(kScreen);
    // As the program makes it.
    const std::unique_ptr<QApplication> app = Startup::createApplication(argc, argv);
    const int rounds = argc > 1 ? std::max(2, std::atoi(argv[1])) : 30;

    QTemporaryDir root;
    const SettingsStore store(root.filePath(u"VEKTemp"_s));
    Form1 window(store);
    auto* display = new DisplayController(&window, Preferences(root.filePath(u"prefs.ini"_s)),
        Autostart(u"org.example.GaokaoCountdown"_s, {}));
    display->start(false, false);
    window.show();
    window.move(0, 0);
    QElapsedTimer wait;
    wait.start();
    while (wait.elapsed() < 1500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    const QSize design = window.size();

    Figures resize, growing, fullScreen;
    const auto measure = [&](Figures& figures, const std::function<void(bool)>& set) {
        for (int round = 0; round < rounds; ++round) {
            figures.up.append(msUntilPainted(&window, kScreen, [&] { set(true); }));
            figures.down.append(msUntilPainted(&window, design, [&] { set(false); }));
        }
    };
    const auto resizeTo = [&](bool large) { window.resize(large ? kScreen : design); };
    measure(resize, resizeTo);
    display->setScaleTextWithWindow(true);
    measure(growing, resizeTo);
    display->setScaleTextWithWindow(false);
    measure(fullScreen, [&](bool on) { display->setFullScreen(on); });

    std::printf("%d rounds on %s, %d × %d\n\n", rounds, qPrintable(QGuiApplication::platformName()),
        kScreen.width(), kScreen.height());
    std::printf("| To 1920 × 1080 and back (ms) | up, median | up, slowest | up, first "
                "| back, median | back, slowest | back, first |\n|---|--:|--:|--:|--:|--:|--:|\n");
    print("resize, fonts kept", resize);
    print("resize, growing text", growing);
    print("full screen (F11, Esc)", fullScreen);
    return 0;
}
