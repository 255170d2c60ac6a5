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
    , m_reader([store, firstRead = true]() mutable {
        if (std::exchange(firstRead, false))
            store.EnsureSettingsFile();
        return store.LoadSettings();
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
        if (!load.textsGarbled)
            return {};
        return u"设置文件“%1”的第 3、4 行不是可读的文字，标题和曜刻内容保持不变。"_s.arg(
            QDir::toNativeSeparators(m_store.filePath()));
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
    return u"无法读取设置文件“%1”：%2。%3"_s.arg(
        QDir::toNativeSeparators(m_store.filePath()), why, goesOn);
}
