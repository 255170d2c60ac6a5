// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "autostart.h"

#include <QSettings>
#include <QTest>
#include <windows.h>

#include <shellapi.h>

using namespace Qt::StringLiterals;

namespace {
// The test's own value under the user's Run key, removed after each row.
const QString kName = u"org.example.GaokaoCountdown.Test"_s;
const QString kKeys = u"HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\"_s;
const QString kRun = kKeys + u"Run"_s, kApproved = kKeys + u"Explorer\\StartupApproved\\Run"_s;
const QStringList kCommand { u"C:\\Program Files\\高考倒计时\\gaokao-countdown.exe"_s,
    u"--settings-dir"_s, u"\\\\server\\共享 文件夹\\高三\\"_s };

// A value as Windows (and Qt's own arguments()) splits a command line.
QStringList splitAsWindows(const QString& line)
{
    int count = 0;
    wchar_t** words = CommandLineToArgvW(reinterpret_cast<const wchar_t*>(line.utf16()), &count);
    QStringList split;
    for (int i = 0; i < count; ++i)
        split.append(QString::fromWCharArray(words[i]));
    LocalFree(words);
    return split;
}
}

class TestAutostart : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        QSettings(kRun, QSettings::NativeFormat).remove(kName);
        QSettings(kApproved, QSettings::NativeFormat).remove(kName);
    }

    void theValueStartsTheCommand_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::newRow("blanks and Chinese") << kCommand;
        QTest::newRow("trailing backslashes and quotes")
            << QStringList { u"C:\\a b\\gaokao-countdown.exe"_s, u"--settings-dir"_s,
                   u"C:\\x\\\\"_s, u"a\"b\\\"c"_s, u"\\\\\""_s };
    }

    void theValueStartsTheCommand()
    {
        QFETCH(QStringList, command);
        const Autostart autostart(kName, command);
        QVERIFY(autostart.setEnabled(true).isNone());
        const QString value = QSettings(kRun, QSettings::NativeFormat).value(kName).toString();
        QCOMPARE(splitAsWindows(value), command);
        QVERIFY(autostart.setEnabled(false).isNone());
        QVERIFY(!QSettings(kRun, QSettings::NativeFormat).contains(kName));
    }

    // What another copy or Task Manager left: a mark is a first byte, then the
    // time (QSettings writes a text holding NULs as binary); null is none.
    void theTickShowsWhatTheValueDoes_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("approved");
        QTest::addColumn<bool>("on");
        const QString value = u"\"C:\\Program Files\\高考倒计时\\gaokao-countdown.exe\" "
                              u"\"--settings-dir\" \"\\\\server\\共享 文件夹\\高三\\\\\""_s;
        QTest::newRow("ours") << value << QString() << true;
        QTest::newRow("another copy")
            << QString(value).replace(u"C:\\Program Files"_s, u"D:\\apps"_s) << QString() << false;
        QTest::newRow("switched off in Task Manager") << value << u"\x03\0\0\0\0\0"_s << false;
        QTest::newRow("switched on again in Task Manager") << value << u"\x02\0\0\0\0\0"_s << true;
    }

    void theTickShowsWhatTheValueDoes()
    {
        QFETCH(QString, value);
        QFETCH(QString, approved);
        QFETCH(bool, on);
        QSettings(kRun, QSettings::NativeFormat).setValue(kName, value);
        if (!approved.isNull())
            QSettings(kApproved, QSettings::NativeFormat).setValue(kName, approved);
        const Autostart autostart(kName, kCommand);
        QCOMPARE(autostart.isEnabled(), on);
        QVERIFY(autostart.setEnabled(true).isNone());
        QVERIFY(autostart.isEnabled());
    }
};

QTEST_GUILESS_MAIN(TestAutostart)
#include "tst_autostartwindows.moc"
