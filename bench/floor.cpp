// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of the side-by-side comparison in bench/compare.sh: about the
// least a Qt Widgets clock with the program's looks can cost. One window of
// the main window's size, one label in the font of the main window's title,
// and one line edit showing the time, refreshed once a second.
#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(u"floor"_s);
    window.resize(859, 533);

    // The main window's title: 隶书, 42 points, bold, which stands for LXGW WenKai.
    QFont titleFont(u"LXGW WenKai"_s);
    titleFont.setPointSizeF(42);
    titleFont.setBold(true);
    auto* title = new QLabel(u"沐芷中学高考曜刻软件"_s, &window);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    title->setGeometry(24, 40, 809, 73);

    auto* time = new QLineEdit(&window);
    time->setGeometry(264, 208, 593, 41);
    // Without the focus, like the program's boxes: no blinking cursor.
    time->setFocusPolicy(Qt::ClickFocus);
    const auto showTime
        = [time] { time->setText(QDateTime::currentDateTime().toString(u"yyyy-M-d H:mm:ss"_s)); };
    showTime();
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, showTime);
    timer.start(1000);

    window.show();
    return app.exec();
}
