// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "examschedule.h"
#include "settingsfile.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
// 语文 as a save writes it (its keys in the file's order).
const QByteArray kChinese = "1\\subject=语文\n1\\start=2027-06-07T09:00\n1\\end=2027-06-07T11:30\n";
}

class TestExamSchedule : public QObject {
    Q_OBJECT
private slots:
    // The second entry of a file that starts with 语文, the subjects read,
    // why one was skipped, and the file after a save of the subjects read.
    void readsAndKeepsWhatTheFileHolds_data()
    {
        QTest::addColumn<QByteArray>("second");
        QTest::addColumn<int>("read");
        QTest::addColumn<QString>("skipped");
        QTest::newRow("数学, written by hand") << QByteArray(
            "2\\subject= 数学 \n2\\start=2027-06-07 15:00\n2\\end=2027-06-07T17:00:00\n")
                                               << 2 << QString();
        QTest::newRow("no name") << QByteArray(
            "2\\start=2027-06-07T15:00\n2\\end=2027-06-07T17:00\n")
                                 << 1 << u"第 2 科没有名称，已跳过。"_s;
        QTest::newRow("a time that cannot be read")
            << QByteArray("2\\subject=数学\n2\\start=2027-06-07T15:00\n2\\end=下午五点\n") << 1
            << u"第 2 科“数学”的结束时间“下午五点”无法识别，已跳过。"_s;
        QTest::newRow("no start") << QByteArray("2\\subject=数学\n2\\end=2027-06-07T17:00\n") << 1
                                  << u"第 2 科“数学”没有开始时间，已跳过。"_s;
        QTest::newRow("ending before it starts")
            << QByteArray("2\\subject=数学\n2\\start=2027-06-07T17:00\n2\\end=2027-06-07T15:00\n")
            << 1 << u"第 2 科“数学”的结束时间不晚于开始时间，已跳过。"_s;
        QTest::newRow("overlapping")
            << QByteArray("2\\subject=数学\n2\\start=2027-06-07T11:00\n2\\end=2027-06-07T12:00\n")
            << 1 << u"第 2 科“数学”与第 1 科“语文”的时间重叠，已跳过。"_s;
    }

    void readsAndKeepsWhatTheFileHolds()
    {
        QFETCH(QByteArray, second);
        QFETCH(int, read);
        QFETCH(QString, skipped);
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"prefs.ini"_s);
        writeFile(path, "[exam]\nsize=2\n" + kChinese + second + "\n[display]\nstayOnTop=true\n");
        if (!skipped.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, skipped.toUtf8().constData());
        const ExamSchedule schedule { Preferences(path) };
        const ExamSchedule::Loaded loaded = schedule.load();
        QCOMPARE(int(loaded.subjects.size()), read);
        QCOMPARE(loaded.skipped, skipped.isEmpty() ? QStringList() : QStringList { skipped });
        QCOMPARE(loaded.subjects[0], ExamSchedule::common(2027)[0]);

        // Saved with a subject more, the skipped entry goes after them as it was.
        std::vector<ExamSchedule::Subject> subjects = loaded.subjects;
        subjects.push_back(ExamSchedule::common(2027)[2]);
        QVERIFY(schedule.save(subjects).isNone());
        const QByteArray file = readFile(path);
        QVERIFY2(file.startsWith("[exam]\nsize=3\n" + kChinese), file);
        QVERIFY2(file.endsWith("\n[display]\nstayOnTop=true\n"), file);
        if (read == 1)
            QVERIFY2(file.contains(second.replace("2\\", "3\\").split('\n').first()), file);
        if (!skipped.isEmpty())
            QTest::ignoreMessage(
                QtWarningMsg, skipped.replace(u"第 2 科"_s, u"第 3 科"_s).toUtf8().constData());
        QCOMPARE(schedule.load().subjects, subjects);
    }

    // A hand-written file without a size, and the school's file under the user's.
    void withoutSizeAndFromTheSchool()
    {
        const QTemporaryDir dir;
        writeFile(dir.filePath(u"all.ini"_s), "[exam]\n" + kChinese);
        const ExamSchedule schedule { Preferences(
            dir.filePath(u"my.ini"_s), { dir.filePath(u"all.ini"_s) }) };
        const QString note = u"考试安排的科目数（size）“”无法识别，按编号读取了各科。"_s;
        QTest::ignoreMessage(QtWarningMsg, note.toUtf8().constData());
        QCOMPARE(schedule.load().subjects.size(), 1u);
        // Emptied by the user, it stays empty rather than the school's again.
        QVERIFY(schedule.save({}).isNone());
        QVERIFY(schedule.load().subjects.empty());
    }

    // Entries past the 40 the board reads stay unread whatever is deleted.
    void deletingBringsBackNoSkippedEntry()
    {
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"prefs.ini"_s);
        QByteArray file = "[exam]\nsize=45\n";
        for (int i = 1; i <= 45; ++i) {
            const QString day = QString::number(1 + i / 20).rightJustified(2, u'0');
            const QString hour = QString::number(i % 20).rightJustified(2, u'0');
            file += u"%1\\subject=第%1科\n%1\\start=2027-06-%2T%3:00\n%1\\end=2027-06-%2T%3:30\n"_s
                        .arg(i)
                        .arg(day, hour)
                        .toUtf8();
        }
        writeFile(path, file);
        const ExamSchedule schedule { Preferences(path) };
        const QString note = u"考试安排有 45 科，只读了前 40 科，其余已跳过。"_s;
        QTest::ignoreMessage(QtWarningMsg, note.toUtf8().constData());
        std::vector<ExamSchedule::Subject> subjects = schedule.load().subjects;
        QCOMPARE(subjects.size(), 40u);
        subjects.resize(37);
        QVERIFY(schedule.save(subjects).isNone());
        QCOMPARE(schedule.read().subjects, subjects);
        QVERIFY2(readFile(path).contains("\\subject=第45科"), readFile(path));
        QCOMPARE(schedule.read().skipped,
            QStringList { u"考试安排在科目数（size）之后还有 5 科，不读取。"_s });
    }
};

QTEST_GUILESS_MAIN(TestExamSchedule)
#include "tst_examschedule.moc"
