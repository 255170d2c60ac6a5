// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The measurement that bench/compare.sh adds to a Qt program, and nothing
// else: linked into an executable next to that program's own main(), it hooks
// in as QApplication starts and removes itself after the first frame.
//
// Start-up: the time from the process start to the first shown frame of the
// first top-level window, printed on standard output as
//     first-frame expose_ms=… frame_ms=… kernel_ms=… cpu_ms=…
// expose_ms when the window system first reports the window exposed, frame_ms
// when that expose has been painted and handed to the window system. Both
// count from the launch moment in GAOKAO_PROBE_T0 (seconds since the epoch,
// microseconds after the point, as bash's $EPOCHREALTIME gives it just before
// exec). kernel_ms counts from the kernel's process start time instead, which
// is only as fine as a clock tick (10 ms), as a check on the first two.
// cpu_ms is the processor time used by then, all threads together.
//
// In the program (GAOKAO_PROBE_PICTURES), with GAOKAO_PROBE_RESIZE=<rounds>,
// the window is then resized to 1920 × 1080 and back the given number of
// times; at each size the probe times the resize followed by a synchronous
// repaint (up_ms, down_ms), then what the picture does once the size has
// settled (settle_…_ms), then a plain repaint of the whole window at that
// size (repaint_…_ms). One line per round, then the program quits:
//     resize round=… up_ms=… settle_up_ms=… repaint_up_ms=… down_ms=… …
// With GAOKAO_PROBE_PHOTO=<width>x<height> as well, the window shows a photo
// of that size instead of its built-in picture.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <unistd.h>

#ifdef GAOKAO_PROBE_PICTURES
#include "picturebox.h"
#endif

using namespace Qt::StringLiterals;

namespace {
double nowMs(clockid_t clock)
{
    timespec ts {};
    clock_gettime(clock, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// Milliseconds since the launch moment the script passed, or -1 without one.
double sinceLaunchMs()
{
    bool ok = false;
    const double launchSeconds = qEnvironmentVariable("GAOKAO_PROBE_T0").toDouble(&ok);
    return ok ? nowMs(CLOCK_REALTIME) - launchSeconds * 1e3 : -1;
}

// Milliseconds since the kernel started this process, in whole clock ticks.
double sinceKernelStartMs()
{
    QFile stat(u"/proc/self/stat"_s);
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // The command name in parentheses may hold blanks; fields count after it.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    // Field 22 of the line, the start time, is the 20th after the name.
    const double startTicks = fields.value(19).toDouble();
    return nowMs(CLOCK_BOOTTIME) - startTicks * 1e3 / double(sysconf(_SC_CLK_TCK));
}

// Processor time this process has used so far, all its threads together.
double cpuMs()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](timeval tv) { return double(tv.tv_sec) * 1e3 + double(tv.tv_usec) / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

#ifdef GAOKAO_PROBE_PICTURES
double msSince(const QElapsedTimer& timer) { return double(timer.nsecsElapsed()) / 1e6; }

// Handles what comes for `ms` milliseconds: the window system's answers to a
// resize and the exposes that follow it.
void processEventsFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

void measureResizes(QWidget* window, int rounds)
{
    auto* picture = window->findChild<PictureBox*>();
    if (!picture)
        return;
    // A large photograph in place of the built-in picture, as if chosen in
    // the settings dialog: shrunk on the screen, it needs the smooth copy.
    const QStringList photo = qEnvironmentVariable("GAOKAO_PROBE_PHOTO").split(u'x');
    if (photo.size() == 2)
        picture->setPicture(picture->picture().scaled(
            photo[0].toInt(), photo[1].toInt(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    const QSize design = window->size();
    const QSize large(1920, 1080);
    // Wholly on the screen, so that what is painted is also shown.
    window->move(0, 0);
    processEventsFor(100);
    // The resize with the rescale of the controls, and a synchronous repaint.
    const auto resizeMs = [window](QSize size) {
        QElapsedTimer timer;
        timer.start();
        window->resize(size);
        window->repaint();
        return msSince(timer);
    };
    // What the picture does on its own once the size has settled, with the
    // repaint it asks for: the smooth copy of a shrunk picture.
    const auto settleMs = [picture] {
        QElapsedTimer timer;
        timer.start();
        picture->settle();
        QCoreApplication::sendPostedEvents();
        return msSince(timer);
    };
    // A repaint of everything the window shows, without a resize: the
    // picture lies under all the other controls.
    const auto repaintMs = [picture] {
        QElapsedTimer timer;
        timer.start();
        picture->repaint();
        return msSince(timer);
    };
    // Shorter than PictureBox::kSettleMs, so the picture does not settle on
    // its own while the probe waits.
    constexpr int kPauseMs = 60;
    for (int round = 1; round <= rounds; ++round) {
        double ms[6];
        for (int i = 0; i < 2; ++i) {
            ms[3 * i] = resizeMs(i == 0 ? large : design);
            processEventsFor(kPauseMs);
            ms[3 * i + 1] = settleMs();
            processEventsFor(kPauseMs);
            ms[3 * i + 2] = repaintMs();
            processEventsFor(kPauseMs);
        }
        std::printf("resize round=%d up_ms=%.3f settle_up_ms=%.3f repaint_up_ms=%.3f "
                    "down_ms=%.3f settle_down_ms=%.3f repaint_down_ms=%.3f\n",
            round, ms[0], ms[1], ms[2], ms[3], ms[4], ms[5]);
    }
    std::fflush(stdout);
}
#endif

class FirstFrameProbe : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Expose || !watched->isWindowType()
            || !static_cast<QWindow*>(watched)->isExposed())
            return false;
        const double exposeMs = sinceLaunchMs();
        QCoreApplication::instance()->removeEventFilter(this);
        // Delivered here rather than after the filter, so that the time after
        // it includes the painting of the first frame.
        watched->event(event);
        const double frameMs = sinceLaunchMs();
        const double kernelMs = sinceKernelStartMs();
        std::printf("first-frame expose_ms=%.3f frame_ms=%.3f kernel_ms=%.0f cpu_ms=%.1f\n",
            exposeMs, frameMs, kernelMs, cpuMs());
        std::fflush(stdout);

#ifdef GAOKAO_PROBE_PICTURES
        const int rounds = qEnvironmentVariableIntValue("GAOKAO_PROBE_RESIZE");
        QWidget* window = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->windowHandle() == watched)
                window = widget;
        if (rounds > 0 && window) {
            // After the first tick, like a window that has been up a while.
            QTimer::singleShot(1500, window, [window, rounds] {
                measureResizes(window, rounds);
                QCoreApplication::exit(0);
            });
        }
#endif
        deleteLater();
        return true;
    }
};

void installProbe()
{
    QCoreApplication::instance()->installEventFilter(
        new FirstFrameProbe(QCoreApplication::instance()));
}
}

Q_COREAPP_STARTUP_FUNCTION(installProbe)
