// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A settings file that holds new random bytes every second, as when it was a
// link to a random device: the window's memory stays level. Drawing each
// new garbage text would fill Qt's glyph caches with every glyph of every
// installed font, hundreds of MB before they level off.
#include "fontsubstitutes.h"
#include "mainwindowfixture.h"
#include "procmemory.h"

#include <QLabel>
#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMeasureMemory = false; // the sanitizers' quarantine holds freed memory
constexpr int kTicks = 2'000;
#else
constexpr bool kMeasureMemory = true;
constexpr int kTicks = 20'000;
#endif
constexpr int kWarmUpTicks = 1'000;

// Four lines of random bytes, 200 to 400 of them each, as a random device
// gives between its line breaks.
QByteArray randomLines(QRandomGenerator& random)
{
    QByteArray bytes;
    for (int line = 0; line < 4; ++line) {
        QByteArray text(random.bounded(200, 400), '\0');
        for (char& c : text)
            c = char(random.bounded(256));
        text.replace('\n', ' ');
        bytes += text + '\n';
    }
    return bytes;
}
}

class TestForm1Memory : public QObject {
    Q_OBJECT
private slots:
    void randomTextEverySecond();
};

void TestForm1Memory::randomTextEverySecond()
{
    installFontSubstitutes();
    MainWindowFixture f;
    Form1& form = f.form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(f.store.SaveSettings(u"2014"_s, u"6"_s, u"7"_s, u"标题"_s, u"距高考"_s).isNone());
    form.Timer1_Timer();
    QRandomGenerator random(8);
    qint64 afterWarmUp = 0;
    for (int tick = 1; tick <= kTicks; ++tick) {
        writeFile(f.store.filePath(), randomLines(random));
        f.time.advance(1);
        form.Timer1_Timer();
        QCoreApplication::processEvents(); // paints the new texts
        if (tick % 5000 == 0)
            qInfo("tick %d: %lld KiB resident", tick, residentKiB());
        if (tick == kWarmUpTicks) {
            afterWarmUp = residentKiB();
            qInfo("tick %d: %lld KiB resident", tick, afterWarmUp);
        }
    }
    if (!kMeasureMemory || afterWarmUp < 0)
        QSKIP("resident memory is not measured here");
    const qint64 growthKiB = residentKiB() - afterWarmUp;
    QVERIFY2(growthKiB < 30 * 1024, qPrintable(u"grew by %1 KiB"_s.arg(growthKiB)));
}

QTEST_MAIN(TestForm1Memory)
#include "tst_form1memory.moc"
