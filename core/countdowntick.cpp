// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "countdowntick.h"

#include "datevalue.h"
#include "logging.h"

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
    if (const FileTrouble trouble = m_store.troubleOf(result.load); !trouble.isNone())
        result.troubleInShort = u"设置文件无法读取："_s + trouble.text();
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
    const FileTrouble trouble = m_store.troubleOf(load);
    if (trouble.isNone() || trouble.kind() == FileTrouble::Kind::UnreadableTexts)
        return trouble.message();
    return trouble.message()
        + (m_lastTarget ? u"倒计时按上次读到的日期继续。"_s : u"读到有效的日期前不显示倒计时。"_s);
}
