#include "settingsstore.h"

#include "datevalue.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringEncoder>

using namespace Qt::StringLiterals;

namespace {
// GB18030 is byte-identical to GBK for every GBK character and can still hold
// every other character, so nothing typed turns into "?".
constexpr const char* kEncoding = "GB18030";

const QString kDefaultTitle = u"沐芷中学高考曜刻软件"_s;
const QString kDefaultHeading = u"距2014年高考 还 有 ："_s;

// A line break inside a title or heading would shift every line after it.
QString oneLine(QString text)
{
    text.replace(u"\r\n"_s, u" "_s);
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

// The first `count` lines of `bytes`, each without its line end; a last line
// without a line end counts only when `complete` says the bytes are the whole
// file.
QList<QByteArray> firstLines(const QByteArray& bytes, int count, bool complete)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (lines.size() < count) {
        const qsizetype end = bytes.indexOf('\n', start);
        if (end < 0) {
            if (complete && start < bytes.size())
                lines.append(bytes.mid(start));
            break;
        }
        QByteArray line = bytes.mid(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        lines.append(line);
        start = end + 1;
    }
    return lines;
}

QString decode(const QByteArray& bytes)
{
    QStringDecoder decoder(kEncoding);
    return decoder.decode(bytes);
}
}

SettingsStore::SettingsStore(QString folder, Clock clock)
    : m_folder(std::move(folder))
    , m_clock(std::move(clock))
{
}

QString SettingsStore::defaultFolder()
{
#ifdef Q_OS_WIN
    return u"C:\\Program Files\\VEKTemp"_s;
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u"/VEKTemp"_s;
#endif
}

QString SettingsStore::filePath() const { return QDir(m_folder).filePath(fileName()); }

void SettingsStore::EnsureSettingsFile() const
{
    if (QDir(m_folder).exists())
        return;
    QDir().mkpath(m_folder);
    (void)writeLines({ DateValue::text(m_clock()), DateValue::text(DateValue::kDefaultTarget),
        kDefaultTitle, kDefaultHeading });
}

LoadResult SettingsStore::LoadSettings() const
{
    LoadResult result;
    QFile file(filePath());
    if (!file.open(QIODevice::ReadOnly))
        return result;
    const QByteArray bytes = file.read(kMaxReadBytes);
    const bool complete = file.atEnd();
    file.close();

    const QList<QByteArray> lines = firstLines(bytes, 4, complete);
    if (lines.size() < 4) {
        result.status = LoadStatus::TooFewLines;
        return result;
    }
    result.record.Title = decode(lines[2]);
    result.record.Heading = decode(lines[3]);
    result.textsRead = true;
    const auto target = DateValue::parseTargetLine(decode(lines[1]));
    if (!target) {
        result.status = LoadStatus::BadTarget;
        return result;
    }
    result.record.Target = *target;
    result.status = LoadStatus::Ok;
    return result;
}

QString SettingsStore::targetLine(const QString& year, const QString& month, const QString& day)
{
    return year + u'-' + month + u'-' + day + u" 9:00:00 "_s;
}

SaveResult SettingsStore::SaveSettings(const QString& year, const QString& month,
    const QString& day, const QString& title, const QString& heading) const
{
    if (!QDir().mkpath(m_folder))
        return { false, u"无法创建文件夹“%1”。"_s.arg(QDir::toNativeSeparators(m_folder)) };
    return writeLines({ DateValue::text(m_clock()), targetLine(year, month, day), title, heading });
}

SaveResult SettingsStore::writeLines(const QStringList& lines) const
{
    QStringEncoder encoder(kEncoding);
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += encoder.encode(oneLine(line));
        bytes += "\r\n";
    }
    QSaveFile file(filePath());
    const auto failure = [&] {
        return SaveResult { false,
            u"无法写入文件“%1”：%2"_s.arg(
                QDir::toNativeSeparators(filePath()), file.errorString()) };
    };
    if (!file.open(QIODevice::WriteOnly))
        return failure();
    if (file.write(bytes) != bytes.size()) {
        SaveResult result = failure();
        file.cancelWriting();
        return result;
    }
    if (!file.commit())
        return failure();
    return { true, {} };
}
