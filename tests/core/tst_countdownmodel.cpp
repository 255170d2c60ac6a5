// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "countdownmodel.h"
#include "countdownschema.h"
#include "localzone.h"
#include "settingsfile.h"

#include <QDir>
#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#ifdef Q_OS_UNIX
#include "forkedchild.h"
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;
using Entry = CountdownEntry;
using Entries = QList<CountdownEntry>;

namespace {
Entry entry(const QString& title, QDate date = { 2027, 3, 15 }, QTime time = { 8, 0 })
{
    Entry e;
    e.title = title;
    e.date = date;
    e.time = time;
    return e;
}

// An entry with every key, as a save writes it.
QByteArray entryLines(int number, const QByteArray& title)
{
    const QByteArray n = QByteArray::number(number) + '\\';
    return n + "title=" + title + '\n' + n + "target=2027-03-15T08:00\n" + n + "repeat=false\n" + n
        + "format=days\n" + n + "opacity=translucent\n" + n + "layer=normal\n" + n
        + "locked=false\n" + n + "clickThrough=false\n";
}

// A file of entries with every key, or with title and target alone.
QByteArray listFile(const QStringList& titles, bool short_ = false)
{
    QByteArray bytes = "[countdowns]\nsize=" + QByteArray::number(titles.size()) + '\n';
    for (qsizetype i = 0; i < titles.size(); ++i) {
        const QByteArray title = titles[i].toUtf8();
        bytes += short_ ? QByteArray::number(i + 1) + "\\title=" + title + '\n'
                + QByteArray::number(i + 1) + "\\target=2027-03-15T08:00\n"
                        : entryLines(int(i + 1), title);
    }
    return bytes;
}

Entries entriesOf(const CountdownModel& model)
{
    Entries entries;
    for (const CountdownModel::Id id : model.ids())
        entries << *model.entry(id);
    return entries;
}

QStringList titlesOf(const CountdownModel& model)
{
    QStringList titles;
    for (const Entry& e : entriesOf(model))
        titles << e.title;
    return titles;
}

CountdownModel::Id idOf(const CountdownModel& model, const QString& title)
{
    return model.ids().value(titlesOf(model).indexOf(title));
}

// What a copy started now would show.
QStringList titlesIn(const QString& path)
{
    CountdownModel model { Preferences(path) };
    model.load();
    return titlesOf(model);
}
}

class TestCountdownModel : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(m_dir.emplace().isValid()); }

    // What a file holds, what is read from it, and what is skipped and logged.
    void readsWhatTheFileHolds_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<Entries>("entries");
        QTest::addColumn<QStringList>("skipped");
        QTest::addColumn<QStringList>("notes");
        const Entry first = entry(u"一模"_s);
        const QByteArray head = "[countdowns]\nsize=2\n" + entryLines(1, "一模");
        const auto skippedRow
            = [&](const char* name, const QByteArray& second, const QString& why) {
                  QTest::newRow(name)
                      << head + second << Entries { first } << QStringList { why } << QStringList();
              };
        Entry gaokao = entry(u"高考"_s, { 2027, 6, 7 }, { 9, 0 });
        gaokao.repeat = true;
        gaokao.format = Entry::Format::Full;
        QTest::newRow("the README's example")
            << QByteArray("[countdowns]\nsize=2\n1\\title=一模\n1\\target=2027-03-15T08:00\n"
                          "1\\repeat=false\n1\\format=days\n2\\title=高考\n"
                          "2\\target=2027-06-07T09:00\n2\\repeat=true\n2\\format=full\n")
            << Entries { first, gaokao } << QStringList() << QStringList();
        Entry every = entry(u"百日誓师 = [高三] #1 ; \\冲刺"_s, { 2027, 2, 26 }, { 7, 30, 15 });
        every.repeat = true;
        every.format = Entry::Format::Full;
        every.position = QPoint(-1900, 40);
        every.opacity = Entry::Opacity::Transparent;
        every.layer = Entry::Layer::Desktop;
        every.locked = every.clickThrough = true;
        QTest::newRow("every key, among the other groups")
            << QByteArray("[countdowns]\nsize=1\n1\\title=百日誓师 = [高三] #1 ; \\冲刺\n"
                          "1\\target=2027-02-26T07:30:15\n1\\repeat=true\n1\\format=full\n"
                          "1\\position=-1900,40\n1\\opacity=transparent\n1\\layer=desktop\n"
                          "1\\locked=true\n1\\clickThrough=true\n\n[display]\nstayOnTop=true\n")
            << Entries { every } << QStringList() << QStringList();
        Entry other = entry(u"二模"_s, { 2027, 4, 20 }, { 14, 30 });
        other.position = QPoint(0, 0);
        other.opacity = Entry::Opacity::Opaque;
        other.layer = Entry::Layer::Top;
        QTest::newRow("the other spellings, in any case")
            << QByteArray("[countdowns]\nsize=1\n1\\title=二模\n1\\target=2027-04-20T14:30\n"
                          "1\\position=0,0\n1\\opacity=OPAQUE\n1\\layer=Top\n")
            << Entries { other } << QStringList() << QStringList();
        QTest::newRow("keys left out, a date alone, a number missing")
            << QByteArray("[countdowns]\nsize=2\n2\\title= 一模 \n2\\target=2027-03-15\n")
            << Entries { entry(u"一模"_s, { 2027, 3, 15 }, { 0, 0 }) } << QStringList()
            << QStringList();
        const QString note = u"第 1 个倒计时“一模”的 %1“%2”无法识别，按默认值显示。"_s;
        QTest::newRow("optional values that cannot be read")
            << QByteArray("[countdowns]\nsize=1\n1\\title=一模\n1\\target=2027-03-15T08:00\n"
                          "1\\repeat=maybe\n1\\format=weekly\n1\\position=12\n1\\opacity=half\n"
                          "1\\layer=onTop\n1\\locked=2\n1\\clickThrough=x\n")
            << Entries { first } << QStringList()
            << QStringList { note.arg(u"repeat"_s, u"maybe"_s), note.arg(u"format"_s, u"weekly"_s),
                   note.arg(u"position"_s, u"12"_s), note.arg(u"opacity"_s, u"half"_s),
                   note.arg(u"layer"_s, u"onTop"_s), note.arg(u"locked"_s, u"2"_s),
                   note.arg(u"clickThrough"_s, u"x"_s) };
        QTest::newRow("a position beyond any desktop")
            << "[countdowns]\nsize=1\n" + entryLines(1, "一模") + "1\\position=2147483647,0\n"
            << Entries { first } << QStringList()
            << QStringList { note.arg(u"position"_s, u"2147483647,0"_s) };

        skippedRow(
            "no title", "2\\target=2027-07-01T08:00\n", u"第 2 个倒计时没有名称，已跳过。"_s);
        skippedRow("a title of one zero-width space", "2\\title=\u200B\n2\\target=2027-07-01\n",
            u"第 2 个倒计时没有名称，已跳过。"_s);
        skippedRow("a title of 41 characters",
            "2\\title=" + QString(41, u'期').toUtf8() + "\n2\\target=2027-07-01T08:00\n",
            u"第 2 个倒计时的名称“%1”超过 40 个字，已跳过。"_s.arg(QString(40, u'期')));
        skippedRow("a control character in the title", "2\\title=期\x01末\n",
            u"第 2 个倒计时的名称“期\uFFFD末”含有控制字符，已跳过。"_s);
        skippedRow("no date", "2\\title=期末\n", u"第 2 个倒计时“期末”没有日期，已跳过。"_s);
        skippedRow("month 13", "2\\title=期末\n2\\target=2027-13-01\n",
            u"第 2 个倒计时“期末”的日期“2027-13-01”无法识别，已跳过。"_s);
        skippedRow("the year 1899", "2\\title=期末\n2\\target=1899-12-31\n",
            u"第 2 个倒计时“期末”的日期“1899-12-31”不在 1900 至 9999 年之间，已跳过。"_s);
        QTest::newRow("no size") << "[countdowns]\n" + entryLines(1, "一模") << Entries()
                                 << QStringList { u"倒计时没有个数（size），都已跳过。"_s }
                                 << QStringList();
        QTest::newRow("a size that is no number")
            << "[countdowns]\nsize=two\n" + entryLines(1, "一模") << Entries()
            << QStringList { u"倒计时的个数（size）“two”无法识别，都已跳过。"_s } << QStringList();
        QTest::newRow("a size of two thousand million")
            << "[countdowns]\nsize=2000000000\n" + entryLines(1, "一模") << Entries { first }
            << QStringList { u"倒计时有 2000000000 个，只读了前 50 个，其余已跳过。"_s }
            << QStringList();
    }

    void readsWhatTheFileHolds()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, skipped);
        QFETCH(QStringList, notes);
        writeFile(path(), file);
        for (const QString& line : skipped + notes)
            QTest::ignoreMessage(QtWarningMsg, line.toUtf8().constData());
        CountdownModel model { Preferences(path()) };
        model.load();
        QTEST(entriesOf(model), "entries");
        QCOMPARE(model.skipped(), skipped);
    }

    // A change writes that entry; the others, readable or not, beyond the
    // size or in other sections, stay key for key.
    void aChangeKeepsEveryOtherEntryKeyForKey()
    {
        const QByteArray others = "2\\target=2027-07-01T08:00\n2\\colour=red\n3\\title=期末\n"
                                  "3\\target=2027-13-01\n4\\title=期中\n4\\target=2027-05-01\n\n"
                                  "[display]\nstayOnTop=true\n";
        writeFile(path(), "[countdowns]\nnote=x\nsize=3\n" + entryLines(1, "一模") + others);
        CountdownModel model { Preferences(path()) };
        model.load();
        QCOMPARE(model.skipped().size(), 2);
        Entry changed = entry(u"二模"_s);
        QVERIFY(model.change(model.ids().first(), changed).isEmpty());
        QCOMPARE(
            readFile(path()), "[countdowns]\nnote=x\nsize=3\n" + entryLines(1, "二模") + others);
    }

    // Another copy of the program (B) or a school's tool (T) writes the file
    // while a copy (A) runs: each step is a writer, an operation (+ add,
    // ~ change the title, - remove, > move) and a title. What a copy started
    // afterwards reads, and what the one that wrote last shows.
    void mergesWithOtherWriters_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("after");
        const auto row = [](const char* name, const QStringList& steps, const QStringList& after) {
            QTest::newRow(name) << steps << after;
        };
        row("A adds, B changes another", { u"A+三模"_s, u"B~二模"_s },
            { u"一模"_s, u"二模改"_s, u"三模"_s });
        row("both add", { u"A+三模"_s, u"B+四模"_s },
            { u"一模"_s, u"二模"_s, u"三模"_s, u"四模"_s });
        row("A removes what B then changes: B's version stays", { u"A-一模"_s, u"B~一模"_s },
            { u"二模"_s, u"一模改"_s });
        row("A changes what B then removes: A's version stays", { u"A~一模"_s, u"B-一模"_s },
            { u"一模改"_s, u"二模"_s });
        row("both remove the same", { u"A-一模"_s, u"B-一模"_s }, { u"二模"_s });
        row("a school's tool adds one, then a drag", { u"T+期中"_s, u"A>二模"_s },
            { u"一模"_s, u"二模"_s, u"期中"_s });
    }

    void mergesWithOtherWriters()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, after);
        writeFile(path(), listFile({ u"一模"_s, u"二模"_s }));
        CountdownModel a { Preferences(path()) };
        CountdownModel b { Preferences(path()) };
        a.load();
        b.load();
        CountdownModel* last = &a;
        for (const QString& step : steps) {
            const QString title = step.sliced(2);
            if (step[0] == u'T') {
                QByteArray bytes = readFile(path()).replace("size=2", "size=3");
                writeFile(
                    path(), bytes + "3\\title=" + title.toUtf8() + "\n3\\target=2027-05-01\n");
                continue;
            }
            CountdownModel& model = step[0] == u'A' ? a : b;
            last = &model;
            const CountdownModel::Id id = idOf(model, title);
            const QChar op = step[1];
            QVERIFY((op == u'+'  ? model.add(entry(title))
                    : op == u'~' ? model.change(id, entry(title + u"改"_s))
                    : op == u'-' ? model.remove(id)
                                 : model.move(id, QPoint(10, 20)))
                        .isEmpty());
            QVERIFY(model.save().isNone());
        }
        QCOMPARE(titlesIn(path()), after);
        QCOMPARE(titlesOf(*last), after);
    }

    // A list longer than the ones read: a change leaves every other entry,
    // 51 to 300 too, as it was.
    void aLongListKeepsWhatItDoesNotShow()
    {
        QStringList titles;
        for (int i = 1; i <= 300; ++i)
            titles << u"第%1"_s.arg(i);
        const QByteArray file = listFile(titles, true);
        writeFile(path(), file);
        const QString skipped = u"倒计时有 300 个，只读了前 50 个，其余已跳过。"_s;
        QTest::ignoreMessage(QtWarningMsg, skipped.toUtf8().constData());
        CountdownModel model { Preferences(path()) };
        model.load();
        QCOMPARE(model.count(), 50);
        QCOMPARE(model.skipped(), QStringList { skipped });
        QVERIFY(model.change(model.ids().first(), entry(u"改"_s)).isEmpty());
        QCOMPARE(readFile(path()),
            QByteArray(file).replace(
                "1\\title=第1\n1\\target=2027-03-15T08:00\n", entryLines(1, "改")));
    }

    // The list in the file may hold no more than the reader reads back.
    void addsUpToTheLimit_data()
    {
        QTest::addColumn<int>("readable");
        QTest::addColumn<int>("unreadable");
        QTest::addColumn<QString>("refused");
        const QString limit = u"最多只能有 50 个倒计时。"_s;
        QTest::newRow("49") << 49 << 0 << QString();
        QTest::newRow("50") << 50 << 0 << limit;
        QTest::newRow("49 and one unreadable")
            << 49 << 1 << limit + u"文件里无法读取的倒计时也算在内。"_s;
        QTest::newRow("300") << 300 << 0 << limit;
    }

    void addsUpToTheLimit()
    {
        QFETCH(int, readable);
        QFETCH(int, unreadable);
        QFETCH(QString, refused);
        QStringList titles(readable, u"一模"_s);
        titles += QStringList(unreadable, QString());
        writeFile(path(), listFile(titles, true));
        CountdownModel model { Preferences(path()) };
        model.load();
        QCOMPARE(model.addProblem(), refused);
        QCOMPARE(model.add(entry(u"新"_s)), refused);
        QCOMPARE(titlesIn(path()).contains(u"新"_s), refused.isEmpty());
    }

    // One rule for a title: the dialog asks it, the model and the reader keep to it.
    void oneRuleForATitle_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("problem");
        const QString bold = QString::fromUcs4(U"\U0001D400");
        const QString control = u"名称里不能有换行、制表符等控制字符。"_s;
        QTest::newRow("一模") << u"一模"_s << QString();
        QTest::newRow("A and 20 characters beyond 16 bits")
            << u"A"_s + bold.repeated(20) << QString();
        QTest::newRow("40 such") << bold.repeated(40) << QString();
        QTest::newRow("41 such") << bold.repeated(41) << u"名称最多 40 个字。"_s;
        QTest::newRow("a zero-width space alone") << u"\u200B"_s << u"名称不能为空。"_s;
        QTest::newRow("spaces and a byte-order mark") << u" \uFEFF "_s << u"名称不能为空。"_s;
        QTest::newRow("a line separator") << u"期\u2028末"_s << control;
        QTest::newRow("a paragraph separator") << u"期\u2029末"_s << control;
        QTest::newRow("a tab") << u"期\t末"_s << control;
        QTest::newRow("a joined emoji") << u"👨\u200D👩"_s << QString();
    }

    void oneRuleForATitle()
    {
        QFETCH(QString, title);
        QFETCH(QString, problem);
        QCOMPARE(CountdownSchema::titleProblem(title), problem);
        CountdownModel model { Preferences(path()) };
        QCOMPARE(model.add(entry(title)), problem);
        writeFile(path(), listFile({ title }, true));
        QCOMPARE(titlesIn(path()), problem.isEmpty() ? QStringList { title } : QStringList());
    }

    void oneRangeForADate_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("taken");
        QTest::newRow("1800-01-01") << QDate(1800, 1, 1) << false;
        QTest::newRow("1899-12-31") << QDate(1899, 12, 31) << false;
        QTest::newRow("1900-01-01") << QDate(1900, 1, 1) << true;
        QTest::newRow("9999-12-31") << QDate(9999, 12, 31) << true;
    }

    void oneRangeForADate()
    {
        QFETCH(QDate, date);
        QFETCH(bool, taken);
        const QString problem = taken ? QString() : u"日期须在 1900 年至 9999 年之间。"_s;
        QCOMPARE(CountdownSchema::dateProblem(date), problem);
        CountdownModel model { Preferences(path()) };
        QCOMPARE(model.add(entry(u"一模"_s, date)), problem);
        QCOMPARE(titlesIn(path()).size(), int(taken));
    }

    // The date and time the user chose, to the second, whatever the clock
    // does then.
    void savedAsTyped_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QByteArray>("target");
        QTest::newRow("in the hour the spring change skips")
            << QByteArray("Europe/Berlin") << QTime(2, 30) << QByteArray("2027-03-28T02:30");
        QTest::newRow("with seconds")
            << QByteArray("Asia/Shanghai") << QTime(9, 0, 30) << QByteArray("2027-03-28T09:00:30");
    }

    void savedAsTyped()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QTime, time);
        QFETCH(QByteArray, target);
        const LocalZone local(zone);
        if (!LocalZone::isSet())
            QSKIP("the local zone here is the system's, which TZ does not choose");
        CountdownModel model { Preferences(path()) };
        const Entry typed = entry(u"一模"_s, { 2027, 3, 28 }, time);
        QVERIFY(model.add(typed).isEmpty());
        QVERIFY(readFile(path()).contains("1\\target=" + target));
        CountdownModel again { Preferences(path()) };
        again.load();
        QCOMPARE(entriesOf(again), Entries { typed });
    }

    // A user who removed every countdown of the list for every user keeps none.
    void removingEveryCountdownOfTheSchoolsKeepsNone()
    {
        const QString school = m_dir->filePath(u"all.ini"_s);
        writeFile(school, listFile({ u"一模"_s }));
        CountdownModel model { Preferences(path(), { school }) };
        model.load();
        QVERIFY(model.remove(model.ids().first()).isEmpty());
        QCOMPARE(readFile(path()), "[countdowns]\nsize=0\n");
        QCOMPARE(titlesIn(path()), QStringList());
    }

    // While the school's file locks the settings, nothing changes.
    void lockedRefusesEveryOperation()
    {
        const QString school = m_dir->filePath(u"all.ini"_s);
        writeFile(school, "[school]\nlocked=true\n" + listFile({ u"一模"_s }));
        CountdownModel model { Preferences(path(), { school }, Preferences::Rights::User) };
        model.load();
        QVERIFY(model.isLocked());
        const CountdownModel::Id id = model.ids().first();
        for (const QString& why : { model.add(entry(u"二模"_s)), model.change(id, entry(u"二模"_s)),
                 model.move(id, { 1, 1 }), model.remove(id) })
            QCOMPARE(why, u"设置已由学校管理员锁定，桌面倒计时不能更改。"_s);
        QCOMPARE(titlesOf(model), QStringList { u"一模"_s });
        QVERIFY(!QFile::exists(path()));
    }

    // A drag is saved a moment after it ends, or as the program ends.
    void aMoveIsSavedOnceAtTheEnd()
    {
        writeFile(path(), listFile({ u"一模"_s }));
        auto model = std::make_unique<CountdownModel>(Preferences(path()));
        model->load();
        QVERIFY(model->move(model->ids().first(), { 5, 6 }).isEmpty());
        QVERIFY(model->move(model->ids().first(), { 7, 8 }).isEmpty());
        QCOMPARE(readFile(path()), listFile({ u"一模"_s }));
        model.reset();
        QVERIFY(readFile(path()).contains("1\\position=7,8\n"));
    }

    // A save that fails keeps the change, says so, and is tried again.
    void aSaveThatFailsIsTriedAgain()
    {
        CountdownModel model { Preferences(path()) };
        QSignalSpy failed(&model, &CountdownModel::saveFailed);
        QLockFile held(path() + u".edit.lock"_s);
        QVERIFY(held.tryLock());
        QVERIFY(model.add(entry(u"一模"_s)).isEmpty());
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed.first().first().value<FileTrouble>().kind(), FileTrouble::Kind::Locked);
        held.unlock();
        QVERIFY(model.add(entry(u"二模"_s)).isEmpty());
        QCOMPARE(titlesIn(path()), QStringList({ u"一模"_s, u"二模"_s }));
    }

    // Written from the part that was read, a file too long would lose the rest.
    void aFileTooLongIsNeverWritten()
    {
        const QByteArray file = listFile({ u"一模"_s }) + ';' + QByteArray(1'100'000, 'x') + '\n';
        writeFile(path(), file);
        CountdownModel model { Preferences(path()) };
        model.load();
        QVERIFY(model.add(entry(u"二模"_s)).isEmpty());
        QCOMPARE(model.save().kind(), FileTrouble::Kind::TooLongToRead);
        QCOMPARE(readFile(path()), file);
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
        QVERIFY(
            pipe ? mkfifo(QFile::encodeName(path()).constData(), 0600) == 0 : QDir().mkdir(path()));
        CountdownModel model { Preferences(path()) };
        model.load();
        QCOMPARE(model.count(), 0);
        QVERIFY(model.add(entry(u"一模"_s)).isEmpty());
        QCOMPARE(model.save().kind(), FileTrouble::Kind::NotAFile);
    }

    // Two processes add, rename and remove their own countdowns in one file
    // at the same time, many times: nothing either did is lost.
    void twoProcessesLoseNothing()
    {
        const QString file = path();
        const auto edit = [file](const QString& who) {
            CountdownModel model { Preferences(file) };
            model.load();
            const auto title = [&who](int i) { return u"%1%2"_s.arg(who).arg(i); };
            for (int i = 0; i < 12; ++i) {
                if (!model.add(entry(title(i))).isEmpty())
                    return false;
                if (i > 0)
                    model.change(idOf(model, title(i - 1)), entry(title(i - 1) + u"改"_s));
                if (i % 4 == 1)
                    model.remove(idOf(model, title(i - 1) + u"改"_s));
            }
            // A save held up by the other's lock is tried again.
            for (int tries = 0; !model.save().isNone(); ++tries)
                if (tries > 50)
                    return false;
            return true;
        };
        const pid_t a = startChild([&] { return edit(u"甲"_s); });
        const pid_t b = startChild([&] { return edit(u"乙"_s); });
        QVERIFY(childSucceeded(a) && childSucceeded(b));
        QStringList expected;
        for (const QString& who : { u"甲"_s, u"乙"_s })
            for (int i = 0; i < 12; ++i)
                if (i % 4 != 0)
                    expected << u"%1%2"_s.arg(who).arg(i) + (i < 11 ? u"改"_s : QString());
        QStringList found = titlesIn(file);
        found.sort();
        expected.sort();
        QCOMPARE(found.join(u" "_s), expected.join(u" "_s));
    }
#endif

private:
    QString path() const { return m_dir->filePath(u"prefs.ini"_s); }

    std::optional<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestCountdownModel)
#include "tst_countdownmodel.moc"
