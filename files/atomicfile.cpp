// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "atomicfile.h"

#include "diskwrite.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>

using namespace Qt::StringLiterals;

namespace {
const QString kMarker = u".gaokao-countdown-"_s;
const QString kSuffix = u".tmp"_s;
constexpr int kRandomLetters = 6;
constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

QString copyName(const QString& fileName)
{
    QString letters;
    for (int i = 0; i < kRandomLetters; ++i)
        letters
            += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)]);
    return u'.' + fileName + kMarker + letters + kSuffix;
}

QRegularExpression copyShape(const QString& fileName)
{
    return QRegularExpression(
        QRegularExpression::anchoredPattern(QRegularExpression::escape(u'.' + fileName + kMarker)
            + u"[A-Za-z0-9]{%1}"_s.arg(kRandomLetters) + QRegularExpression::escape(kSuffix)));
}

// The file that `path` names, symbolic links followed, whether it exists or
// not; a loop of links names itself.
QFileInfo linkedFile(const QString& path)
{
    QFileInfo file(path);
    for (int depth = 0; depth < 128 && file.isSymLink(); ++depth)
        file.setFile(file.symLinkTarget());
    return file.isSymLink() ? QFileInfo(path) : file;
}

// Opens a new temporary copy of `target` for writing, with the permissions
// the file is to have. QTemporaryFile cannot be told the name's shape past its
// random part, and it makes every file private to its owner, which a new
// settings file would then keep.
FileTrouble openCopy(QFile& copy, const QFileInfo& target)
{
    constexpr auto mode = QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered;
    for (int attempt = 1;; ++attempt) {
        copy.setFileName(target.dir().filePath(copyName(target.fileName())));
        // Nobody else reads the copy of an existing file before it has that
        // file's permissions.
        const bool opened = target.exists()
            ? copy.open(mode, QFileDevice::ReadOwner | QFileDevice::WriteOwner)
            : copy.open(mode);
        if (opened) {
            if (target.exists())
                copy.setPermissions(target.permissions());
            return {};
        }
        // Another save that drew the same letters: draw again.
        if (attempt == 100 || !QFileInfo(copy.fileName()).exists())
            return FileTrouble::fromSystemText(copy.errorString());
    }
}
}

namespace AtomicFile {

FileTrouble sync(QFileDevice& file)
{
    if (!file.flush())
        return FileTrouble::fromSystemText(file.errorString());
    return DiskWrite::waitForDisk(file);
}

FileTrouble replace(const QString& path, const QByteArray& bytes)
{
    const QFileInfo target = linkedFile(path);
    // A rename would replace a read-only file, which its owner made so to
    // keep it as it is.
    if (target.exists() && !target.isWritable())
        return FileTrouble(FileTrouble::Kind::NoPermission);
    QFile copy;
    if (FileTrouble trouble = openCopy(copy, target); !trouble.isNone())
        return trouble;
    auto removeCopy = qScopeGuard([&copy] { copy.remove(); });
    // A short write is no error yet; the write of the rest tells why.
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 count = copy.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0)
            return FileTrouble::fromSystemText(copy.errorString());
        written += count;
    }
    if (FileTrouble trouble = sync(copy); !trouble.isNone())
        return trouble;
    copy.close();
    if (FileTrouble trouble = DiskWrite::renameOver(copy.fileName(), target.filePath());
        !trouble.isNone())
        return trouble;
    removeCopy.dismiss();
    return {};
}

bool isTemporaryCopy(const QString& name, const QString& fileName)
{
    return copyShape(fileName).match(name).hasMatch();
}

void removeAbandonedCopies(const QString& path, qint64 seconds)
{
    const QFileInfo target = linkedFile(path);
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-seconds);
    const QRegularExpression shape = copyShape(target.fileName());
    const QFileInfoList entries = target.dir().entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo& entry : entries) {
        if (shape.match(entry.fileName()).hasMatch() && entry.lastModified().toUTC() < before)
            QFile::remove(entry.filePath());
    }
}

} // namespace AtomicFile
