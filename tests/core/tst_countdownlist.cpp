// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "countdownlist.h"
#include "settingsfile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;
using Entries = std::vector<CountdownEntry>;
using Entry = CountdownEntry;

namespace {
Entry entry(const QString& title, const char* target, bool repeat = false,
    Entry::Format format = Entry::Format::Days)
{
    Entry e;
    e.title = title;
    e.target = QDateTime::fromString(QString::fromLatin1(target), Qt::ISODate);
    e.repeat = repeat;
    e.format = format;
    return e;
}

// The most of the preferences file that is read; a longer file is never written.
constexpr qsizetype kMaxRead = 1024 * 1024;

// 一模 with every key, as a save writes it.
const QByteArray kFirst = "1\\title=一模\n1\\target=2027-03-15T08:00\n1\\repeat=false\n"
                          "1\\format=days\n1\\opacity=translucent\n1\\layer=normal\n"
                          "1\\locked=false\n1\\clickThrough=false\n";
}

class TestCountdownList : public QObject {
    Q_OBJECT
private slots:
    // What a file holds, what is read from it, what is skipped and logged,
    // and the file after the entries read are saved (null: as it was).
    void readsAndKeepsWhatTheFileHolds_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<Entries>("entries");
        QTest::addColumn<QStringList>("skipped");
        QTest::addColumn<QStringList>("notes");
        QTest::addColumn<QByteArray>("saved");
        const Entry first = entry(u"一模"_s, "2027-03-15T08:00");
        const QByteArray head = "[countdowns]\nsize=2\n" + kFirst;
        const auto skippedRow
            = [&](const char* name, const QByteArray& second, const QString& why) {
                  QTest::newRow(name) << head + second << Entries { first } << QStringList { why }
                                      << QStringList() << QByteArray();
              };

        QTest::newRow("the README's example")
            << QByteArray("[countdowns]\nsize=2\n1\\title=一模\n1\\target=2027-03-15T08:00\n"
                          "1\\repeat=false\n1\\format=days\n2\\title=高考\n"
                          "2\\target=2027-06-07T09:00\n2\\repeat=true\n2\\format=full\n")
            << Entries { first, entry(u"高考"_s, "2027-06-07T09:00", true, Entry::Format::Full) }
            << QStringList() << QStringList()
            << QByteArray(head
                   + "2\\title=高考\n2\\target=2027-06-07T09:00\n2\\repeat=true\n2\\format=full\n"
                     "2\\opacity=translucent\n2\\layer=normal\n2\\locked=false\n"
                     "2\\clickThrough=false\n");
        Entry every = entry(
            u"百日誓师 = [高三] #1 ; \\冲刺"_s, "2027-02-26T07:30:15", true, Entry::Format::Full);
        every.position = QPoint(-1900, 40);
        every.opacity = Entry::Opacity::Transparent;
        every.layer = Entry::Layer::Desktop;
        every.locked = every.clickThrough = true;
        QTest::newRow("every key, among the other groups")
            << QByteArray("[countdowns]\nsize=1\n1\\title=百日誓师 = [高三] #1 ; \\冲刺\n"
                          "1\\target=2027-02-26T07:30:15\n1\\repeat=true\n1\\format=full\n"
                          "1\\position=-1900,40\n1\\opacity=transparent\n1\\layer=desktop\n"
                          "1\\locked=true\n1\\clickThrough=true\n\n[display]\nstayOnTop=true\n\n"
                          "[startup]\nstartAtLogin=true\n")
            << Entries { every } << QStringList() << QStringList() << QByteArray();
        Entry other = entry(u"二模"_s, "2027-04-20T14:30");
        other.position = QPoint(0, 0);
        other.opacity = Entry::Opacity::Opaque;
        other.layer = Entry::Layer::OnTop;
        QTest::newRow("the other spellings")
            << QByteArray("[countdowns]\nsize=1\n1\\title=二模\n1\\target=2027-04-20T14:30\n"
                          "1\\repeat=false\n1\\format=days\n1\\position=0,0\n1\\opacity=opaque\n"
                          "1\\layer=top\n1\\locked=false\n1\\clickThrough=false\n")
            << Entries { other } << QStringList() << QStringList() << QByteArray();
        QTest::newRow("keys left out, a date alone")
            << QByteArray("[countdowns]\nsize=1\n1\\title= 一模 \n1\\target=2027-03-15\n")
            << Entries { entry(u"一模"_s, "2027-03-15T00:00") } << QStringList() << QStringList()
            << QByteArray("[countdowns]\nsize=1\n" + kFirst).replace("T08:00", "T00:00");
        QTest::newRow("optional values that cannot be read")
            << QByteArray("[countdowns]\nsize=1\n1\\title=一模\n1\\target=2027-03-15T08:00\n"
                          "1\\repeat=maybe\n1\\format=weekly\n1\\position=12\n1\\opacity=half\n"
                          "1\\layer=middle\n1\\locked=2\n1\\clickThrough=x\n")
            << Entries { first } << QStringList()
            << QStringList { u"第 1 个倒计时“一模”的 repeat“maybe”无法识别，按默认值显示。"_s,
                   u"第 1 个倒计时“一模”的 format“weekly”无法识别，按默认值显示。"_s,
                   u"第 1 个倒计时“一模”的 position“12”无法识别，按默认值显示。"_s,
                   u"第 1 个倒计时“一模”的 opacity“half”无法识别，按默认值显示。"_s,
                   u"第 1 个倒计时“一模”的 layer“middle”无法识别，按默认值显示。"_s,
                   u"第 1 个倒计时“一模”的 locked“2”无法识别，按默认值显示。"_s,
                   u"第 1 个倒计时“一模”的 clickThrough“x”无法识别，按默认值显示。"_s }
            << QByteArray("[countdowns]\nsize=1\n" + kFirst);

        QTest::newRow("a position beyond any desktop")
            << QByteArray(
                   "[countdowns]\nsize=1\n" + kFirst + "1\\position=2147483647,-2147483648\n")
            << Entries { first } << QStringList()
            << QStringList { u"第 1 个倒计时“一模”的 position“2147483647,-2147483648”无法识别，按默认值显示。"_s }
            << QByteArray("[countdowns]\nsize=1\n" + kFirst);

        skippedRow(
            "no title", "2\\target=2027-07-01T08:00\n", u"第 2 个倒计时没有名称，已跳过。"_s);
        skippedRow("a blank title", "2\\title=\n2\\target=2027-07-01T08:00\n",
            u"第 2 个倒计时没有名称，已跳过。"_s);
        skippedRow("a title of 41 characters",
            "2\\title=" + QString(41, u'期').toUtf8() + "\n2\\target=2027-07-01T08:00\n",
            u"第 2 个倒计时的名称“%1”超过 40 个字，已跳过。"_s.arg(QString(40, u'期')));
        skippedRow("a control character in the title", "2\\title=期\x01末\n",
            u"第 2 个倒计时的名称“期\uFFFD末”含有控制字符，已跳过。"_s);
        skippedRow("no date", "2\\title=期末\n", u"第 2 个倒计时“期末”没有日期，已跳过。"_s);
        skippedRow("month 13, and a key of another version",
            "2\\title=期末\n2\\target=2027-13-01\n2\\colour=red\n",
            u"第 2 个倒计时“期末”的日期“2027-13-01”无法识别，已跳过。"_s);
        skippedRow("hour 25", "2\\title=期末\n2\\target=2027-07-01T25:00\n",
            u"第 2 个倒计时“期末”的日期“2027-07-01T25:00”无法识别，已跳过。"_s);
        skippedRow("the year 1899", "2\\title=期末\n2\\target=1899-12-31\n",
            u"第 2 个倒计时“期末”的日期“1899-12-31”不在 1900 至 9999 年之间，已跳过。"_s);

        QTest::newRow("no size") << "[countdowns]\n" + kFirst << Entries()
                                 << QStringList { u"倒计时没有个数（size），都已跳过。"_s }
                                 << QStringList() << "[countdowns]\nsize=1\n" + kFirst;
        QTest::newRow("a size that is no number")
            << "[countdowns]\nsize=two\n" + kFirst << Entries()
            << QStringList { u"倒计时的个数（size）“two”无法识别，都已跳过。"_s } << QStringList()
            << "[countdowns]\nsize=1\n" + kFirst;
        QTest::newRow("a size of two thousand million")
            << "[countdowns]\nsize=2000000000\n" + kFirst << Entries { first }
            << QStringList { u"倒计时有 2000000000 个，只读了前 50 个，其余已跳过。"_s }
            << QStringList() << "[countdowns]\nsize=1\n" + kFirst;
        // Only whole lines count: the title's line is cut at 1 MiB, and such a
        // file is never written.
        const QByteArray start = "[countdowns]\nsize=1\n1\\target=2027-03-15T08:00\n";
        const QByteArray cut = "1\\title=一";
        const QByteArray padding = ';' + QByteArray(kMaxRead - start.size() - cut.size() - 2, 'x');
        QTest::newRow("over 1 MiB")
            << start + padding + '\n' + cut + "模\n"
            << Entries() << QStringList { u"第 1 个倒计时没有名称，已跳过。"_s } << QStringList()
            << QByteArray();
    }

    void readsAndKeepsWhatTheFileHolds()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, skipped);
        QFETCH(QStringList, notes);
        QFETCH(QByteArray, saved);
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"prefs.ini"_s);
        writeFile(path, file);
        for (const QString& line : skipped + notes)
            QTest::ignoreMessage(QtWarningMsg, line.toUtf8().constData());
        const CountdownList list { Preferences(path) };

        const CountdownList::Loaded loaded = list.load();
        QTEST(loaded.entries, "entries");
        QCOMPARE(loaded.skipped, skipped);
        QCOMPARE(list.save(loaded.entries).isNone(), file.size() <= kMaxRead);
        QCOMPARE(readFile(path), saved.isNull() ? file : saved);
    }

    // A user who removed every countdown of the list for every user keeps none.
    void removingEveryCountdownKeepsNone()
    {
        const QTemporaryDir dir;
        writeFile(dir.filePath(u"all.ini"_s), "[countdowns]\nsize=1\n" + kFirst);
        const CountdownList list { Preferences(
            dir.filePath(u"my.ini"_s), { dir.filePath(u"all.ini"_s) }) };
        QVERIFY(list.load().entries.size() == 1 && list.save({}).isNone());
        QVERIFY(list.load().entries.empty());
    }

#ifdef Q_OS_UNIX
    // Opening a named pipe would wait for a writer, for good.
    void aPipeOrFolderInTheFilesPlace_data()
    {
        QTest::addColumn<bool>("pipe");
        QTest::newRow("a named pipe") << true;
        QTest::newRow("a folder") << false;
    }

    void aPipeOrFolderInTheFilesPlace()
    {
        QFETCH(bool, pipe);
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"prefs.ini"_s);
        QVERIFY(pipe ? mkfifo(QFile::encodeName(path).constData(), 0600) == 0 : QDir().mkdir(path));
        const CountdownList list { Preferences(path) };
        QVERIFY(list.load().entries.empty());
        QCOMPARE(list.save({ entry(u"一模"_s, "2027-03-15T08:00") }).kind(),
            FileTrouble::Kind::NotAFile);
    }
#endif
};

QTEST_GUILESS_MAIN(TestCountdownList)
#include "tst_countdownlist.moc"
