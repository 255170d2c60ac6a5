// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "datevalue.h"
#include "settingsstorefixture.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTest>

#include <cstring>
#include <future>
#include <thread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

class TestSettingsStore : public QObject {
    Q_OBJECT
private slots:
    void newFileHasTheExactDefaultBytes();
    void existingFolderWithoutFileIsLeftAlone();
    void folderThatCannotBeCreatedIsSkippedSilently();
    void defaultFileLoads();
    void roundTrip_data();
    void roundTrip();
    void saveWritesTheTypedDateAndAStamp();
    void saveCreatesAMissingFolder();
    void saveIntoAPlainFileReportsFailure();
    void noConverterNeverWritesAnEmptyFile();
    void badFiles_data();
    void badFiles();
    void troubleSentences_data();
    void troubleSentences();
    void encodings_data();
    void encodings();
    void savedBytesAreTheSameOnEveryPlatform_data();
    void savedBytesAreTheSameOnEveryPlatform();
    void extraLinesAreIgnored();
    void notARegularFileIsNeverWaitedOn_data();
    void notARegularFileIsNeverWaitedOn();
    void textsTooLongToReadBackAreRefused_data();
    void textsTooLongToReadBackAreRefused();
    void saveRemovesOnlyItsOwnAbandonedCopies_data();
    void saveRemovesOnlyItsOwnAbandonedCopies();
    void saveKeepsWhatTheFileIs_data();
    void saveKeepsWhatTheFileIs();
};

void TestSettingsStore::newFileHasTheExactDefaultBytes()
{
    const SettingsStoreFixture f(u"VEKTemp"_s);
    f.store.EnsureSettingsFile();
    const QByteArray expected = "2014-3-1 12:34:56\r\n2014-6-7 9:00:00\r\n"
        + QByteArray::fromHex("e3e5dcc6d6d0d1a7b8dfbfbcead7bfccc8edbcfe") + "\r\n"
        + QByteArray::fromHex("bee032303134c4eab8dfbfbc20bbb920d3d020a3ba") + "\r\n";
    QCOMPARE(readFile(f.store.filePath()), expected);
    QCOMPARE(gb18030(u"沐芷中学高考曜刻软件"_s), expected.split('\n')[2].chopped(1));
}

void TestSettingsStore::existingFolderWithoutFileIsLeftAlone()
{
    const SettingsStoreFixture f;
    f.store.EnsureSettingsFile();
    QVERIFY(!QFile::exists(f.store.filePath()));
    QCOMPARE(f.store.LoadSettings().status, LoadStatus::Missing);
}

void TestSettingsStore::folderThatCannotBeCreatedIsSkippedSilently()
{
    const SettingsStoreFixture f(u"blocked/VEKTemp"_s);
    writeFile(f.root.filePath(u"blocked"_s), "a plain file where a folder should be");
    f.store.EnsureSettingsFile();
    QVERIFY(!QFile::exists(f.store.filePath()));
}

void TestSettingsStore::defaultFileLoads()
{
    const SettingsStoreFixture f(u"VEKTemp"_s);
    f.store.EnsureSettingsFile();
    const LoadResult load = f.store.LoadSettings();
    QVERIFY(load.ok());
    QCOMPARE(load.record.Target, 41797.375);
    QCOMPARE(load.record.Title, u"沐芷中学高考曜刻软件"_s);
    QCOMPARE(load.record.Heading, u"距2014年高考 还 有 ："_s);
}

void TestSettingsStore::roundTrip_data()
{
    QTest::addColumn<QStringList>("typed"); // year, month, day, title, heading
    QTest::addColumn<double>("target");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("heading");
    QTest::newRow("plain") << QStringList { u"2014"_s, u"6"_s, u"8"_s, u"标题"_s, u"距高考"_s }
                           << 41798.375 << u"标题"_s << u"距高考"_s;
    QTest::newRow("leading zeros") << QStringList { u"2014"_s, u"06"_s, u"07"_s, u"t"_s, u"h"_s }
                                   << 41797.375 << u"t"_s << u"h"_s;
    QTest::newRow("blanks kept") << QStringList { u" 2014"_s, u"6"_s, u"7"_s, u"  两边有空格  "_s,
        u" 还有 "_s } << 41797.375
                                 << u"  两边有空格  "_s << u" 还有 "_s;
    QTest::newRow("empty title") << QStringList { u"2014"_s, u"6"_s, u"7"_s, QString(), u"h"_s }
                                 << 41797.375 << QString() << u"h"_s;
    QTest::newRow("line breaks become blanks")
        << QStringList { u"2014"_s, u"6"_s, u"7"_s, u"一\r\n二\n三\r四"_s, u"\n"_s } << 41797.375
        << u"一 二 三 四"_s << u" "_s;
    QTest::newRow("characters outside GBK survive")
        << QStringList { u"2014"_s, u"6"_s, u"7"_s, u"高考加油😀"_s, u"€ ₿"_s } << 41797.375
        << u"高考加油😀"_s << u"€ ₿"_s;
}

void TestSettingsStore::roundTrip()
{
    QFETCH(QStringList, typed);
    QFETCH(double, target);
    QFETCH(QString, title);
    QFETCH(QString, heading);
    const SettingsStoreFixture f;
    const FileTrouble saved
        = f.store.SaveSettings(typed[0], typed[1], typed[2], typed[3], typed[4]);
    QVERIFY2(saved.isNone(), qPrintable(saved.message()));
    QCOMPARE(readFile(f.store.filePath()).count("\r\n"), 4);
    const LoadResult load = f.store.LoadSettings();
    QVERIFY(load.ok());
    QCOMPARE(load.record.Target, target);
    QCOMPARE(load.record.Title, title);
    QCOMPARE(load.record.Heading, heading);
}

void TestSettingsStore::saveWritesTheTypedDateAndAStamp()
{
    SettingsStoreFixture f;
    f.store.EnsureSettingsFile();
    f.time.now = 41700.5;
    QVERIFY(f.store.SaveSettings(u"2014"_s, u"06"_s, u"7"_s, u"t"_s, u"h"_s).isNone());
    QCOMPARE(readFile(f.store.filePath()), "2014-3-2 12:00:00\r\n2014-06-7 9:00:00 \r\nt\r\nh\r\n");
}

void TestSettingsStore::saveCreatesAMissingFolder()
{
    const SettingsStoreFixture f(u"a/b/VEKTemp"_s);
    QVERIFY(f.store.SaveSettings(u"2014"_s, u"6"_s, u"7"_s, u"t"_s, u"h"_s).isNone());
    QVERIFY(f.store.LoadSettings().ok());
}

void TestSettingsStore::saveIntoAPlainFileReportsFailure()
{
    const SettingsStoreFixture f(u"VEKTemp"_s);
    writeFile(f.store.folder(), "not a folder");
    const FileTrouble saved = f.store.SaveSettings(u"2014"_s, u"6"_s, u"7"_s, u"t"_s, u"h"_s);
    QVERIFY(!saved.isNone());
    QVERIFY(saved.message().contains(u"VEKTemp"_s));
    QCOMPARE(readFile(f.store.folder()), "not a folder");
}

void TestSettingsStore::noConverterNeverWritesAnEmptyFile()
{
    SettingsStoreFixture f(u"VEKTemp"_s);
    const SettingsStore without(f.store.folder(), f.time.clock(), "no-such-encoding");
    QCOMPARE(without.EnsureSettingsFile().kind(), FileTrouble::Kind::None);
    QVERIFY(!QFileInfo::exists(f.store.folder()));
    f.store.EnsureSettingsFile();
    const QByteArray old = readFile(f.store.filePath());
    const FileTrouble saved = without.SaveSettings(u"2015"_s, u"6"_s, u"7"_s, u"t"_s, u"h"_s);
    QCOMPARE(saved.kind(), FileTrouble::Kind::NoConverter);
    QVERIFY(saved.message().contains(u"GB18030"_s));
    QCOMPARE(readFile(f.store.filePath()), old);
}

void TestSettingsStore::badFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("hasTexts");
    const auto status = [](LoadStatus s) { return int(s); };
    QTest::newRow("empty") << QByteArray() << status(LoadStatus::TooFewLines) << false;
    QTest::newRow("one line") << QByteArray("2014-3-1\r\n") << status(LoadStatus::TooFewLines)
                              << false;
    QTest::newRow("three lines") << QByteArray("a\r\n2014-6-7 9:00:00\r\ntitle\r\n")
                                 << status(LoadStatus::TooFewLines) << false;
    QTest::newRow("line 2 garbage")
        << QByteArray("a\r\nsoon\r\ntitle\r\nheading\r\n") << status(LoadStatus::BadTarget) << true;
    QTest::newRow("month 13") << QByteArray("a\r\n2014-13-7 9:00:00 \r\nt\r\nh\r\n")
                              << status(LoadStatus::BadTarget) << true;
    QByteArray noise(4096, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 7919 + 13) % 251);
    QTest::newRow("binary noise") << noise << status(LoadStatus::BadTarget) << true;
    QTest::newRow("tab in the title")
        << QByteArray("a\r\n2014-6-7\r\nt\tt\r\nh\r\n") << status(LoadStatus::Ok) << true;
    QTest::newRow("10 MB without line breaks")
        << QByteArray(10 * 1024 * 1024, 'x') << status(LoadStatus::TooFewLines) << false;
    QTest::newRow("last line without its line end")
        << QByteArray("a\r\n2014-6-7 9:00:00\r\nt\r\nh") << status(LoadStatus::Ok) << true;
    QTest::newRow("line ends without CR")
        << QByteArray("a\n2014-6-7 9:00:00\nt\nh\n") << status(LoadStatus::Ok) << true;
}

void TestSettingsStore::badFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, status);
    QFETCH(bool, hasTexts);
    const SettingsStoreFixture f;
    writeFile(f.store.filePath(), bytes);
    QElapsedTimer timer;
    timer.start();
    const LoadResult load = f.store.LoadSettings();
    QVERIFY2(timer.elapsed() < 200, "a bad file must not stall a tick");
    QCOMPARE(int(load.status), status);
    QCOMPARE(load.hasTexts(), hasTexts);
    QCOMPARE(readFile(f.store.filePath()), bytes);
}

// The sentences the window shows for each trouble with the file.
void TestSettingsStore::troubleSentences_data()
{
    QTest::addColumn<QByteArray>("bytes"); // empty: no file
    // <file> and <folder> named; the folder could not be made where it names it
    QTest::addColumn<QString>("sentence");
    QTest::newRow("read") << QByteArray("a\r\n2014-6-7\r\nt\r\nh\r\n") << QString();
    QTest::newRow("missing") << QByteArray() << u"无法读取设置文件“<file>”：文件不存在。"_s;
    QTest::newRow("folder not made")
        << QByteArray() << u"无法创建设置文件夹“<folder>”：没有访问权限。"_s;
    QTest::newRow("two lines") << QByteArray("a\r\nb\r\n")
                               << u"无法读取设置文件“<file>”：前 64 KiB 内不足四行。"_s;
    QTest::newRow("no date") << QByteArray("a\r\nsoon\r\nt\r\nh\r\n")
                             << u"无法读取设置文件“<file>”：第 2 行不是有效的日期。"_s;
    QTest::newRow("bytes that are no text")
        << QByteArray("a\r\n2014-6-7\r\nt\xff\r\nh\r\n")
        << u"设置文件“<file>”的第 3、4 行（标题和曜刻内容）中有无法识别的字符，已显示为“\uFFFD”。"_s;
}

void TestSettingsStore::troubleSentences()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, sentence);
    const SettingsStoreFixture f;
    if (!bytes.isEmpty())
        writeFile(f.store.filePath(), bytes);
    LoadResult load = f.store.LoadSettings();
    if (sentence.contains(u"<folder>"_s))
        load.folderTrouble = FileTrouble(FileTrouble::Kind::NoPermission)
                                 .during(FileTrouble::Operation::CreateFolder, u"/srv"_s);
    sentence.replace(u"<file>"_s, QDir::toNativeSeparators(f.store.filePath()));
    sentence.replace(u"<folder>"_s, QDir::toNativeSeparators(f.store.folder()));
    QCOMPARE(f.store.troubleOf(load).message(), sentence);
}

// Files as editors leave them: each is read as the user wrote it, and an OK
// in the dialog that changes nothing saves those texts back, in GB18030.
void TestSettingsStore::encodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<bool>("replaced");
    const QByteArray start = "2014-3-1 12:34:56\r\n2014-6-7 9:00:00\r\n";
    const QByteArray bom = "\xef\xbb\xbf";
    const QByteArray utf8 = start + u"我的标题\r\n距高考 还 有 ：\r\n"_s.toUtf8();
    const QByteArray gbk = start + gb18030(u"我的标题\r\n距高考"_s);
    const auto row = [](const char* name, const QByteArray& bytes, const QString& title,
                         const QString& heading, bool replaced = false) {
        QTest::newRow(name) << bytes << title << heading << replaced;
    };
    row("UTF-8", utf8, u"我的标题"_s, u"距高考 还 有 ："_s);
    row("UTF-8 with a byte-order mark", bom + utf8, u"我的标题"_s, u"距高考 还 有 ："_s);
    row("byte-order mark, ASCII only", bom + start + "t\r\nh\r\n", u"t"_s, u"h"_s);
    row("byte-order mark, invalid byte", bom + start + "t\xff\r\nh\r\n", u"t\uFFFD"_s, u"h"_s,
        true);
    row("GBK", gbk + "\r\n", u"我的标题"_s, u"距高考"_s);
    row("GBK that is valid UTF-8 too", start + gb18030(u"一模\r\n一模\r\n"_s), u"一模"_s,
        u"一模"_s);
    row("GBK, DOS end of file", gbk + "\x1a", u"我的标题"_s, u"距高考"_s);
    row("GBK, DOS end of file after the line end", gbk + "\r\n\x1a\r\n", u"我的标题"_s,
        u"距高考"_s);
    row("GBK, euro sign",
        gbk
            + "\x80"
              "5\x81\x80\r\n",
        u"我的标题"_s, u"距高考€5亐"_s);
    row("UTF-8 title, GBK heading: GB18030 line by line",
        start + u"中文\r\n"_s.toUtf8() + gb18030(u"距高考\r\n"_s), u"涓\uFFFD枃"_s, u"距高考"_s,
        true);
    row("invalid and cut-off bytes",
        gbk
            + "\xff"
              "a\x81\r\n",
        u"我的标题"_s, u"距高考\uFFFDa\uFFFD"_s, true);
    row("control characters", start + "t\tt\x07\r\n\x1bh\r\n", u"t\tt\uFFFD"_s, u"\uFFFDh"_s, true);
    row("private use", start + gb18030(u"\uE000\r\nh\r\n"_s), u"\uFFFD"_s, u"h"_s, true);
}

// The bytes GB18030 gives, written out: Windows, with a converter of its
// own, must write what Linux writes and read it back.
void TestSettingsStore::savedBytesAreTheSameOnEveryPlatform_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QByteArray>("hex");
    QTest::newRow("two bytes") << u"中文·é"_s << QByteArray("d6d0cec4a1a4a8a6");
    QTest::newRow("euro sign") << u"€5"_s << QByteArray("a2e335");
    QTest::newRow("four bytes, basic plane") << u"\u00a0"_s << QByteArray("81308432");
    QTest::newRow("four bytes, beyond it") << u"😀𠀀"_s << QByteArray("9439fc3695328236");
}

void TestSettingsStore::savedBytesAreTheSameOnEveryPlatform()
{
    QFETCH(QString, title);
    QFETCH(QByteArray, hex);
    const SettingsStoreFixture f;
    QVERIFY(f.store.SaveSettings(u"2027"_s, u"6"_s, u"7"_s, title, u"h"_s).isNone());
    QCOMPARE(readFile(f.store.filePath()).split('\n').value(2), QByteArray::fromHex(hex) + '\r');
    QCOMPARE(f.store.LoadSettings().record.Title, title);
}

void TestSettingsStore::encodings()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, title);
    QFETCH(QString, heading);
    QFETCH(bool, replaced);
    const SettingsStoreFixture f;
    writeFile(f.store.filePath(), bytes);
    const LoadResult load = f.store.LoadSettings();
    QVERIFY(load.ok());
    QCOMPARE(load.record.Title, title);
    QCOMPARE(load.record.Heading, heading);
    QCOMPARE(load.texts, replaced ? TextsStatus::Replaced : TextsStatus::Read);
    QVERIFY(f.store.SaveSettings(u"2014"_s, u"6"_s, u"7"_s, title, heading).isNone());
    QCOMPARE(readFile(f.store.filePath()),
        settingsFileBytes(u"2014-3-1 12:34:56"_s, u"2014-6-7 9:00:00 "_s, title, heading));
}

void TestSettingsStore::extraLinesAreIgnored()
{
    const SettingsStoreFixture f;
    writeFile(
        f.store.filePath(), "anything at all\r\n2014-6-7 9:00:00\r\nt\r\nh\r\nmore\r\nlines\r\n");
    const LoadResult load = f.store.LoadSettings();
    QVERIFY(load.ok());
    QCOMPARE(load.record.Heading, u"h"_s);
}

void TestSettingsStore::notARegularFileIsNeverWaitedOn_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("named pipe") << u"pipe"_s;
    QTest::newRow("socket") << u"socket"_s;
    QTest::newRow("device") << u"device"_s;
    QTest::newRow("folder") << u"folder"_s;
}

void TestSettingsStore::notARegularFileIsNeverWaitedOn()
{
#ifndef Q_OS_UNIX
    QSKIP("pipes, sockets and devices in ordinary folders are a Unix matter");
#else
    QFETCH(QString, kind);
    const SettingsStoreFixture f;
    const SettingsStore& store = f.store;
    const QByteArray path = QFile::encodeName(store.filePath());
    if (kind == u"pipe"_s) {
        QCOMPARE(mkfifo(path.constData(), 0600), 0);
    } else if (kind == u"socket"_s) {
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        QVERIFY(size_t(path.size()) < sizeof address.sun_path);
        std::memcpy(address.sun_path, path.constData(), path.size());
        QCOMPARE(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ::close(fd);
    } else if (kind == u"device"_s) {
        QVERIFY(QFile::link(u"/dev/zero"_s, store.filePath()));
    } else {
        QVERIFY(QDir().mkdir(store.filePath()));
    }
    std::promise<LoadResult> loaded;
    std::thread reader([&] { loaded.set_value(store.LoadSettings()); });
    const bool answered
        = loaded.get_future().wait_for(std::chrono::seconds(2)) == std::future_status::ready;
    if (!answered) // let the reader go: a writer comes and goes
        ::close(::open(path.constData(), O_WRONLY | O_NONBLOCK));
    reader.join();
    QVERIFY2(answered, "the read waited on something that is not a file");
    const LoadResult load = store.LoadSettings();
    QCOMPARE(load.status, LoadStatus::Missing);
    QCOMPARE(load.openTrouble.kind(), FileTrouble::Kind::NotAFile);
#endif
}

void TestSettingsStore::textsTooLongToReadBackAreRefused_data()
{
    QTest::addColumn<QString>("character"); // fills the title
    QTest::newRow("Chinese, two bytes each") << u"长"_s;
    QTest::newRow("ASCII, one byte each") << u"x"_s;
    QTest::newRow("emoji, four bytes each") << u"😀"_s;
}

void TestSettingsStore::textsTooLongToReadBackAreRefused()
{
    QFETCH(QString, character);
    const SettingsStoreFixture f;
    const SettingsStore& store = f.store;
    const auto save = [&](const QString& title) {
        return store.SaveSettings(u"2015"_s, u"6"_s, u"7"_s, title, u"距高考"_s);
    };
    // The longest title that fits: the file is exactly as long as a read.
    const QByteArray others
        = gb18030(DateValue::text(f.time.now) + u"\r\n2015-6-7 9:00:00 \r\n\r\n距高考\r\n"_s);
    const qsizetype room = SettingsStore::kMaxReadBytes - others.size();
    const qsizetype unit = gb18030(character).size();
    const QString longest = character.repeated(room / unit) + QString(room % unit, u'x');
    QVERIFY(save(longest).isNone());
    QCOMPARE(QFileInfo(store.filePath()).size(), SettingsStore::kMaxReadBytes);
    QCOMPARE(store.LoadSettings().record.Title, longest);

    const QByteArray before = readFile(store.filePath());
    const FileTrouble saved = save(longest + character);
    QVERIFY(!saved.isNone());
    QVERIFY2(
        saved.message().contains(u"最多 %1 个汉字"_s.arg((room + gb18030(u"距高考"_s).size()) / 2)),
        qPrintable(saved.message()));
    QCOMPARE(readFile(store.filePath()), before);
}

void TestSettingsStore::saveRemovesOnlyItsOwnAbandonedCopies_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint64>("age"); // seconds since its last change
    QTest::addColumn<bool>("removed");
    const QString own = u".data.txt.gaokao-countdown-Ab12Cd.tmp"_s;
    const qint64 old = SettingsStore::kAbandonedAfterSeconds + 60;
    QTest::newRow("own copy, old") << own << old << true;
    QTest::newRow("own copy, fresh") << own << qint64(0) << false;
    for (const char* name : { "data.txt.backup", "data.txt.202406", "data.txt.Abc123",
             "data.txt.AbCdEf", "data.txt.bak", ".data.txt.swp",
             ".other.txt.gaokao-countdown-Ab12Cd.tmp", ".data.txt.gaokao-countdown-Ab12Cd7.tmp" })
        QTest::newRow(name) << QString::fromLatin1(name) << old << false;
}

// Only copies this program made, by their name, are ever removed.
void TestSettingsStore::saveRemovesOnlyItsOwnAbandonedCopies()
{
    QFETCH(QString, name);
    QFETCH(qint64, age);
    QFETCH(bool, removed);
    const SettingsStoreFixture f;
    QFile file(f.root.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.setFileTime(
        QDateTime::currentDateTimeUtc().addSecs(-age), QFileDevice::FileModificationTime));
    file.close(); // Windows removes no file that is open
    QVERIFY(f.store.SaveSettings(u"2014"_s, u"6"_s, u"8"_s, u"t"_s, u"h"_s).isNone());
    QCOMPARE(QFileInfo::exists(f.root.filePath(name)), !removed);
    QCOMPARE(QDir(f.root.path()).entryList(QDir::Files | QDir::Hidden).size(), removed ? 1 : 2);
}

void TestSettingsStore::saveKeepsWhatTheFileIs_data()
{
    QTest::addColumn<int>("permissions"); // of the old file; 0: none yet
    QTest::addColumn<bool>("link"); // data.txt links to a file elsewhere
    QTest::newRow("new file") << 0 << false;
    QTest::newRow("group may write") << 0x6060 << false;
#ifdef Q_OS_UNIX // Qt links on Windows with a shortcut, which is a file of its own
    QTest::newRow("through a link") << 0x6040 << true;
#endif
}

// A save changes the file's bytes, not its permissions or a link to it.
void TestSettingsStore::saveKeepsWhatTheFileIs()
{
    QFETCH(int, permissions);
    QFETCH(bool, link);
    const SettingsStoreFixture f;
    const SettingsStore& store = f.store;
    const QString file = link ? f.root.filePath(u"elsewhere.txt"_s) : store.filePath();
    writeFile(file, "old");
    if (permissions)
        QVERIFY(QFile::setPermissions(file, QFile::Permissions(permissions)));
    const QFile::Permissions before = QFileInfo(file).permissions();
    if (!permissions)
        QVERIFY(QFile::remove(file));
    if (link)
        QVERIFY(QFile::link(file, store.filePath()));
    QVERIFY(store.SaveSettings(u"2014"_s, u"6"_s, u"8"_s, u"t"_s, u"h"_s).isNone());
    QCOMPARE(QFileInfo(file).permissions(), before);
    QCOMPARE(QFileInfo(store.filePath()).isSymLink(), link);
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
