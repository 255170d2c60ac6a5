// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "machinestatus.h"

#include "autostart.h"
#include "boardoptions.h"
#include "countdownarray.h"
#include "datevalue.h"
#include "examschedule.h"
#include "inidocument.h"
#include "knownpreferences.h"
#include "programinfo.h"
#include "settingsstore.h"
#include "workpool.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
QString shown(const QString& path) { return QDir::toNativeSeparators(path); }

QString sourceName(Preferences::Source source)
{
    switch (source) {
    case Preferences::Source::SettingsFolder:
        return u"设置文件夹里的偏好设置文件"_s;
    case Preferences::Source::UsersFile:
        return u"本用户的偏好设置文件"_s;
    case Preferences::Source::SystemFile:
        return u"全校统一设置文件"_s;
    case Preferences::Source::None:
        break;
    }
    return u"无"_s;
}

QString yesNo(bool yes) { return yes ? u"是"_s : u"否"_s; }
}

void MachineStatus::problem(const QString& line)
{
    m_lines << u"问题："_s + line;
    ++m_problems;
}

QString MachineStatus::text() const { return m_lines.join(u'\n') + u'\n'; }

MachineStatus MachineStatus::of(const Facts& facts)
{
    MachineStatus status;
    const Preferences& preferences = facts.preferences;
    const Preferences shared = preferences.inSettingsFolder(facts.settingsFolder);
    status.add(u"%1 %2"_s.arg(ProgramInfo::name, ProgramInfo::version));

    // The settings folder and data.txt.
    const QString from = [&] {
        switch (facts.folderFrom) {
        case FolderFrom::Option:
            return u"命令行选项 --settings-dir"_s;
        case FolderFrom::School:
            return preferences.settingsFolderByPolicy() ? u"组策略"_s : u"全校统一设置"_s;
        case FolderFrom::Default:
            break;
        }
        return u"默认"_s;
    }();
    status.add(u"设置文件夹：%1（来自%2）"_s.arg(shown(facts.settingsFolder), from));
    const SettingsStore store(facts.settingsFolder);
    QFuture<LoadResult> reading = WorkPool::start([store] { return store.LoadSettings(); });
    for (int waited = 0; !reading.isFinished() && waited < facts.readWaitMs; waited += 20)
        QThread::msleep(20);
    if (!reading.isFinished()) {
        status.problem(u"设置文件夹“%1”在 %2 秒内没有响应。"_s.arg(shown(facts.settingsFolder))
                           .arg(QString::number(facts.readWaitMs / 1000.0)));
    } else {
        const LoadResult load = reading.result();
        if (load.hasTexts())
            status.add(
                u"data.txt：标题“%1”，曜刻内容“%2”"_s.arg(load.record.Title, load.record.Heading));
        if (load.ok())
            status.add(u"data.txt：截止时间 %1"_s.arg(DateValue::text(load.record.Target)));
        const bool firstStart
            = load.status == LoadStatus::Missing && facts.folderFrom == FolderFrom::Default;
        if (firstStart && !QFileInfo::exists(store.filePath()))
            status.add(u"data.txt：还没有（第一次启动时写入默认设置）"_s);
        else if (const FileTrouble trouble = store.troubleOf(load); !trouble.isNone())
            status.problem(trouble.message());
    }

    // The lock.
    if (preferences.lockPlace().isEmpty())
        status.add(u"锁定：没有锁定"_s);
    else if (preferences.isLocked())
        status.add(u"锁定：已由学校管理员锁定（%1）"_s.arg(preferences.lockPlace()));
    else
        status.add(u"锁定：已由学校管理员锁定（%1），但本次以管理员身份运行，不受限制"_s.arg(
            preferences.lockPlace()));

    // The preferences files.
    const auto file = [&status](const QString& what, const QString& path) {
        if (path.isEmpty())
            return;
        if (!QFileInfo::exists(path)) {
            status.add(u"%1：%2（没有）"_s.arg(what, shown(path)));
            return;
        }
        FileTrouble trouble;
        const IniDocument document = IniDocument::read(path, &trouble);
        if (trouble.isNone())
            trouble = document.writeTrouble();
        status.add(u"%1：%2"_s.arg(what, shown(path)));
        if (!trouble.isNone())
            status.problem(trouble.during(FileTrouble::Operation::Read, path).message());
    };
    file(u"本用户的偏好设置文件"_s, preferences.filePath());
    if (shared.folderFilePath() != preferences.filePath())
        file(u"设置文件夹里的偏好设置文件"_s, shared.folderFilePath());
    file(u"全校统一设置文件"_s, preferences.filePath(Preferences::Source::SystemFile));
    for (const QString& line : KnownPreferences::problems(preferences))
        status.problem(line);

    // What the screens show.
    const ExamSchedule::Loaded schedule = ExamSchedule(shared).read();
    status.add(u"考试安排（来自%1）：%2 科"_s.arg(sourceName(shared.source(ExamSchedule::group())))
                   .arg(schedule.subjects.size()));
    for (const ExamSchedule::Subject& subject : schedule.subjects)
        status.add(u"  %1 %2–%3"_s.arg(subject.name, subject.start.toString(u"yyyy-MM-dd HH:mm"_s),
            subject.end.toString(u"HH:mm"_s)));
    for (const QString& line : schedule.skipped)
        status.problem(line);
    QStringList notes;
    const BoardOptions options = BoardOptions::read(shared, &notes);
    status.add(u"大屏显示（来自%1）：配色 %2，标语%3，考试后倒数到明年：%4"_s.arg(
        sourceName(shared.source(BoardOptions::group())),
        options.theme == BoardOptions::Theme::Red ? u"红色"_s : u"深色"_s,
        options.motto.isEmpty() ? u"无"_s : u"“%1”"_s.arg(options.motto), yesNo(options.rollOver)));
    for (const QString& note : std::as_const(notes))
        status.problem(note);
    const CountdownArray::Reading countdowns
        = CountdownArray(preferences.read(CountdownSchema::group())).readEntries();
    status.add(u"桌面倒计时：%1 个"_s.arg(std::count_if(countdowns.entries.cbegin(),
        countdowns.entries.cend(), [](const auto& entry) { return entry.has_value(); })));
    for (const QString& line : countdowns.skipped)
        status.problem(line);

    // Login and copies.
    const Autostart login(ProgramInfo::appId, facts.loginCommand);
    status.add(u"登录时启动：本用户 %1，所有用户 %2"_s.arg(
        yesNo(login.isEnabled()), yesNo(login.isSetForAllUsers())));
    const QString copy = u"本用户的高考倒计时：%1"_s.arg(facts.copyState);
    if (facts.copyTrouble)
        status.problem(copy);
    else
        status.add(copy);
    status.add(status.m_problems == 0 ? u"没有发现问题。"_s
                                      : u"发现 %1 个问题。"_s.arg(status.m_problems));
    return status;
}
