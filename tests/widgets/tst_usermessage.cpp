// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "usermessage.h"

#include "messageboxanswer.h"

#include <QTest>

using namespace Qt::StringLiterals;

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
    QTest::addColumn<QMessageBox::StandardButton>("press");
    QTest::addColumn<QMessageBox::Icon>("icon");
    QTest::addColumn<QMessageBox::StandardButtons>("buttons");
    QTest::addColumn<QMessageBox::StandardButton>("defaultButton");
    QTest::addColumn<bool>("yes");
    const auto yesNo = QMessageBox::Yes | QMessageBox::No;
    QTest::newRow("information") << QMessageBox::Ok << QMessageBox::Information
                                 << QMessageBox::StandardButtons(QMessageBox::Ok) << QMessageBox::Ok
                                 << false;
    QTest::newRow("warning") << QMessageBox::Ok << QMessageBox::Warning
                             << QMessageBox::StandardButtons(QMessageBox::Ok) << QMessageBox::Ok
                             << false;
    QTest::newRow("error") << QMessageBox::Ok << QMessageBox::Critical
                           << QMessageBox::StandardButtons(QMessageBox::Ok) << QMessageBox::Ok
                           << false;
    QTest::newRow("question, yes")
        << QMessageBox::Yes << QMessageBox::Question << yesNo << QMessageBox::No << true;
    QTest::newRow("question, no") << QMessageBox::No << QMessageBox::Question << yesNo
                                  << QMessageBox::No << false;
}

// The program's caption and the text as it is.
void TestUserMessage::looks()
{
    QFETCH(QMessageBox::StandardButton, press);
    QFETCH(QMessageBox::Icon, icon);
    QFETCH(QMessageBox::StandardButtons, buttons);
    QFETCH(QMessageBox::StandardButton, defaultButton);
    QFETCH(bool, yes);
    const QString text = u"倒计时“<b>期末</b>”"_s;
    const MessageBoxAnswer answer(press);
    bool answeredYes = false;
    using Kind = UserMessage::Kind;
    if (icon == QMessageBox::Question)
        answeredYes = UserMessage::ask(nullptr, text);
    else
        UserMessage::tell(nullptr,
            icon == QMessageBox::Information   ? Kind::Information
                : icon == QMessageBox::Warning ? Kind::Warning
                                               : Kind::Error,
            text);
    QCOMPARE(answer.title, u"高考曜刻1.0版"_s);
    QCOMPARE(answer.text, text);
    QCOMPARE(answer.textFormat, Qt::PlainText);
    QCOMPARE(answer.icon, icon);
    QCOMPARE(answer.buttons, buttons);
    QCOMPARE(answer.defaultButton, defaultButton);
    QCOMPARE(answeredYes, yes);
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
    {
        const MessageBoxAnswer ok;
        once.warn(nullptr, u"无法保存"_s);
        QCOMPARE(ok.text, u"无法保存"_s);
    }
    const MessageBoxAnswer none;
    once.warn(nullptr, u"无法保存"_s);
    QCOMPARE(none.text, QString());
}

QTEST_MAIN(TestUserMessage)
#include "tst_usermessage.moc"
