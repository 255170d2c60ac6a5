// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "countdowntick.h"

#include "datevalue.h"
#include "logging.h"

#include <QDir>

#include <utility>

using namespace Qt::StringLiterals;

CountdownTick::CountdownTick(const SettingsStore& store)
    : m_store(store)
    // The first start's defaults are written on the reader's thread too,
    // just before the first read: a settings folder that does not answer
    // (a stalled network folder) must not keep the window from showing.
    , m_reader([store, firstRead = true, folderTrouble = FileTrouble()]() mutable {
        if (std::exchange(firstRead, false))
            folderTrouble = store.EnsureSettingsFile();
        LoadResult load = store.LoadSettings();
        // The file cannot be opened because its folder could not be made:
        // that is what the user can mend.
        if (load.status == LoadStatus::Missing)
            load.folderTrouble = folderTrouble;
        else
            folderTrouble = {};
        return load;
    })
{
}

CountdownTick::Result CountdownTick::run()
{
    Result result;
    result.nowText = DateValue::text(m_store.clock()());
    if (std::optional<LoadResult> load = m_reader.read())
        result.load = std::move(*load);
    else
        result.load.openTrouble = FileTrouble(FileTrouble::Kind::NoAnswer);
    if (result.load.ok())
        m_lastTarget = result.load.record.Target;
    result.trouble = troubleText(result.load);
    if (result.trouble != m_trouble && !result.trouble.isEmpty())
        qCWarning(lcSettings).noquote() << result.trouble;
    m_trouble = result.trouble;
    // Read the clock again after the file: this is the moment counted from.
    const double now = m_store.clock()();
    if (m_lastTarget) {
        result.countdown = ComputeCountdown(now, *m_lastTarget);
        result.countdown->NowText = result.nowText;
    }
    return result;
}

QString CountdownTick::troubleText(const LoadResult& load) const
{
    QString why;
    switch (load.status) {
    case LoadStatus::Ok:
        if (load.texts != TextsStatus::Replaced)
            return {};
        return u"设置文件“%1”的第 3、4 行（标题和曜刻内容）中有无法识别的字符，已显示为“\uFFFD”。"_s
            .arg(QDir::toNativeSeparators(m_store.filePath()));
    case LoadStatus::Missing:
        why = load.openTrouble.text();
        break;
    case LoadStatus::TooFewLines:
        why = u"前 64 KiB 内不足四行"_s;
        break;
    case LoadStatus::BadTarget:
        why = u"第 2 行不是有效的日期"_s;
        break;
    }
    const QString goesOn
        = m_lastTarget ? u"倒计时按上次读到的日期继续。"_s : u"读到有效的日期前不显示倒计时。"_s;
    if (!load.folderTrouble.isNone())
        return u"无法创建设置文件夹“%1”：%2。%3"_s.arg(
            QDir::toNativeSeparators(m_store.folder()), load.folderTrouble.text(), goesOn);
    return u"无法读取设置文件“%1”：%2。%3"_s.arg(
        QDir::toNativeSeparators(m_store.filePath()), why, goesOn);
}
