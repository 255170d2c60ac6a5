// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsstore.h"

#include "settingstrouble.h"

#include "atomicfile.h"
#include "datevalue.h"
#include "folder.h"
#include "regularfile.h"
#include "settingsfolder.h"
#include "settingstext.h"
#include "textcodec.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {
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

QByteArray encode(const QString& line, const char* encoding = SettingsText::kEncoding)
{
    return TextCodec(encoding).encode(oneLine(line)) + "\r\n";
}
}

SettingsStore::SettingsStore(QString folder, Clock clock, QByteArray encoding)
    : m_folder(std::move(folder))
    , m_clock(std::move(clock))
    , m_encoding(std::move(encoding))
{
}

QString SettingsStore::defaultFolder() { return SettingsFolder::defaultPath(); }

QString SettingsStore::filePath() const { return QDir(m_folder).filePath(fileName()); }

FileTrouble SettingsStore::EnsureSettingsFile() const
{
    if (QDir(m_folder).exists())
        return {};
    if (FileTrouble trouble = Folder::create(m_folder); !trouble.isNone())
        return trouble;
    const FileTrouble written = writeLines({ DateValue::text(m_clock()),
        DateValue::text(DateValue::kDefaultTarget), kDefaultTitle, kDefaultHeading });
    if (!written.isNone())
        QDir().rmdir(m_folder);
    return {};
}

LoadResult SettingsStore::LoadSettings() const
{
    LoadResult result;
    QFile file;
    result.openTrouble = RegularFile::open(file, filePath());
    if (!result.openTrouble.isNone())
        return result;
    QByteArray bytes = file.read(kMaxReadBytes);
    const bool complete = file.atEnd();
    file.close();
    if (complete)
        SettingsText::dropEndOfFileMark(bytes);

    const QList<QByteArray> lines = firstLines(bytes, 4, complete);
    if (lines.size() < 4) {
        result.status = LoadStatus::TooFewLines;
        return result;
    }
    const QList<SettingsText::Line> text = SettingsText::decode(lines);
    result.texts = text[2].replaced || text[3].replaced ? TextsStatus::Replaced : TextsStatus::Read;
    result.record.Title = text[2].text;
    result.record.Heading = text[3].text;
    const auto target = DateValue::parseTargetLine(text[1].text);
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

FileTrouble SettingsStore::SaveSettings(const QString& year, const QString& month,
    const QString& day, const QString& title, const QString& heading) const
{
    const QString stamp = DateValue::text(m_clock());
    const QString target = targetLine(year, month, day);
    const qint64 budget = textBudget(stamp, target);
    if (encode(title).size() + encode(heading).size() - 4 > budget)
        return SettingsTrouble::textTooLong(budget).during(
            FileTrouble::Operation::Write, filePath());
    if (FileTrouble trouble = Folder::create(m_folder); !trouble.isNone())
        return trouble;
    return writeLines({ stamp, target, title, heading });
}

qint64 SettingsStore::textBudget(const QString& stampLine, const QString& targetLine)
{
    // Every line ends in CR LF, the last two included.
    return kMaxReadBytes - encode(stampLine).size() - encode(targetLine).size() - 4;
}

FileTrouble SettingsStore::writeLines(const QStringList& lines) const
{
    // A converter Qt was built without encodes every line to nothing: such a
    // save would replace the user's file with four empty lines.
    if (!TextCodec(m_encoding).isValid())
        return SettingsTrouble::noConverter().during(FileTrouble::Operation::Write, filePath());
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += encode(line, m_encoding.constData());
    const FileTrouble trouble = AtomicFile::replace(filePath(), bytes);
    if (trouble.isNone()) {
        // Copies left by saves killed half way would pile up over months of
        // a screen being switched off mid-save.
        AtomicFile::removeAbandonedCopies(filePath(), kAbandonedAfterSeconds);
    }
    return trouble.during(FileTrouble::Operation::Write, filePath());
}

FileTrouble SettingsStore::troubleOf(const LoadResult& load) const
{
    using Operation = FileTrouble::Operation;
    switch (load.status) {
    case LoadStatus::Ok:
        if (load.texts != TextsStatus::Replaced)
            return {};
        return SettingsTrouble::unreadableTexts().during(Operation::ReadSettings, filePath());
    case LoadStatus::Missing:
        // The file cannot be there when its folder could not be made.
        if (!load.folderTrouble.isNone())
            return load.folderTrouble.as(Operation::CreateSettingsFolder, m_folder);
        return load.openTrouble.as(Operation::ReadSettings, filePath());
    case LoadStatus::TooFewLines:
        return SettingsTrouble::tooFewLines(kMaxReadBytes)
            .during(Operation::ReadSettings, filePath());
    case LoadStatus::BadTarget:
        return SettingsTrouble::badTargetLine().during(Operation::ReadSettings, filePath());
    }
    return {};
}
