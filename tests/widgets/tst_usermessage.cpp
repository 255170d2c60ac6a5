// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "usermessage.h"

#include "messageboxanswer.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Kind = UserMessage::Kind;

class TestUserMessage : public QObject {
    Q_OBJECT
private slots:
    void looks_data();
    void looks();
    void parentGoneWhileOpen();
    void toldOnce();
};

void TestUserMessage::looks_data()
{
    QTest::addColumn<int>("kind"); // a UserMessage::Kind, or -1 for a question
    QTest::addColumn<QMessageBox::StandardButton>("press");
    QTest::addColumn<QMessageBox::Icon>("icon");
    QTest::newRow("information") << int(Kind::Information) << QMessageBox::Ok
                                 << QMessageBox::Information;
    QTest::newRow("warning") << int(Kind::Warning) << QMessageBox::Ok << QMessageBox::Warning;
    QTest::newRow("error") << int(Kind::Error) << QMessageBox::Ok << QMessageBox::Critical;
    QTest::newRow("question, yes") << -1 << QMessageBox::Yes << QMessageBox::Question;
    QTest::newRow("question, no") << -1 << QMessageBox::No << QMessageBox::Question;
}

// The program's caption and the text as it is; a question defaults to No.
void TestUserMessage::looks()
{
    QFETCH(int, kind);
    QFETCH(QMessageBox::StandardButton, press);
    QFETCH(QMessageBox::Icon, icon);
    const QString text = u"倒计时“<b>期末</b>”"_s;
    const MessageBoxAnswer answer(press);
    const bool question = kind < 0;
    const bool yes = question && UserMessage::ask(nullptr, text);
    if (!question)
        UserMessage::tell(nullptr, Kind(kind), text);
    QCOMPARE(answer.title, u"高考曜刻1.0版"_s);
    QCOMPARE(answer.text, text);
    QCOMPARE(answer.textFormat, Qt::PlainText);
    QCOMPARE(answer.icon, icon);
    QCOMPARE(answer.buttons,
        question ? QMessageBox::Yes | QMessageBox::No
                 : QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(answer.defaultButton, question ? QMessageBox::No : QMessageBox::Ok);
    QCOMPARE(yes, press == QMessageBox::Yes);
}

// A question whose window goes while it is open (a desktop countdown removed
// by another copy) goes with it, answered No.
void TestUserMessage::parentGoneWhileOpen()
{
    auto* window = new QWidget;
    window->show();
    QTimer::singleShot(50, window, [window] { delete window; });
    QVERIFY(!UserMessage::ask(window, u"确定要删除倒计时“期末”吗？"_s));
}

void TestUserMessage::toldOnce()
{
    UserMessage::Once once;
    for (const QString& shown : { u"无法保存"_s, QString() }) {
        const MessageBoxAnswer answer;
        once.warn(nullptr, u"无法保存"_s);
        QCOMPARE(answer.text, shown);
    }
}

QTEST_MAIN(TestUserMessage)
#include "tst_usermessage.moc"
