// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "countdownmodel.h"

#include "countdownarray.h"
#include "countdownschema.h"
#include "logging.h"

#include <algorithm>

using namespace Qt::StringLiterals;
using CountdownSchema::kMaxEntries;

struct CountdownModel::Item {
    Id id = 0;
    CountdownEntry entry;
    std::optional<KeyValues> remembered;
    // Changed here since it was last read or written.
    bool changed = false;
};

namespace {
// The entry as it is kept: the title trimmed, the time to the second.
CountdownEntry kept(CountdownEntry entry)
{
    entry.title = entry.title.trimmed();
    entry.time = QTime(entry.time.hour(), entry.time.minute(), entry.time.second());
    return entry;
}

QString lockedText() { return u"设置已由学校管理员锁定，桌面倒计时不能更改。"_s; }
QString goneText() { return u"这个倒计时已不存在。"_s; }

// Marks an entry of the file that a removal here takes away.
constexpr CountdownModel::Id kTakenAway = ~CountdownModel::Id(0);
}

CountdownModel::CountdownModel(Preferences preferences, QObject* parent)
    : QObject(parent)
    , m_preferences(std::move(preferences))
    , m_locked(m_preferences.isLocked())
    , m_moveSave(
          kMoveSaveDelayMs, [this] { (void)save(); }, [this] { saveWaiting(); })
{
}

CountdownModel::~CountdownModel() { saveWaiting(); }

// A place moved just before the end, or a change a failed save left, is
// still tried; no window tells of a failure any more, the log does.
void CountdownModel::saveWaiting()
{
    m_moveSave.stop();
    if (!hasChanges())
        return;
    m_endTrouble = store(false);
    if (!m_endTrouble.isNone())
        qCWarning(lcPreferences).noquote()
            << u"程序结束时没能保存桌面倒计时：%1"_s.arg(m_endTrouble.message());
}

void CountdownModel::load()
{
    m_moveSave.stop();
    const CountdownArray array(m_preferences.read(CountdownSchema::group()));
    const CountdownArray::Reading reading = array.readEntries();
    for (const QString& line : reading.skipped + reading.notes)
        qCWarning(lcCountdowns).noquote() << line;
    m_removed.clear();
    take(array, std::vector<Id>(array.entries().size(), 0), true);
}

QList<CountdownModel::Id> CountdownModel::ids() const
{
    QList<Id> ids;
    for (const Item& item : m_items)
        ids << item.id;
    return ids;
}

qsizetype CountdownModel::count() const { return qsizetype(m_items.size()); }

std::optional<CountdownEntry> CountdownModel::entry(Id id) const
{
    const Item* item = find(id);
    return item ? std::optional(item->entry) : std::nullopt;
}

void CountdownModel::setLocked(bool locked)
{
    if (m_locked == locked)
        return;
    m_locked = locked;
    emit lockedChanged(locked);
}

QString CountdownModel::addProblem() const
{
    if (m_locked)
        return lockedText();
    // Counted as the file's list will be: an entry beyond the ones read
    // would not be read back.
    const qsizetype unsaved = std::count_if(
        m_items.cbegin(), m_items.cend(), [](const Item& item) { return !item.remembered; });
    if (m_inFile + unsaved - qsizetype(m_removed.size()) < kMaxEntries)
        return {};
    QString why = u"最多只能有 %1 个倒计时。"_s.arg(kMaxEntries);
    if (count() < kMaxEntries)
        why += u"文件里无法读取的倒计时也算在内。"_s;
    return why;
}

QString CountdownModel::add(const CountdownEntry& entry)
{
    if (QString why = addProblem(); !why.isEmpty())
        return why;
    if (QString why = CountdownSchema::problem(entry); !why.isEmpty())
        return why;
    const Id id = ++m_lastId;
    m_items.push_back({ id, kept(entry), std::nullopt, true });
    emit added(id);
    save();
    return {};
}

QString CountdownModel::change(Id id, const CountdownEntry& entry)
{
    if (m_locked)
        return lockedText();
    Item* item = find(id);
    if (!item)
        return goneText();
    if (QString why = CountdownSchema::problem(entry); !why.isEmpty())
        return why;
    if (kept(entry) == item->entry)
        return {};
    item->entry = kept(entry);
    item->changed = true;
    emit changed(id);
    save();
    return {};
}

QString CountdownModel::remove(Id id)
{
    if (m_locked)
        return lockedText();
    const auto it = std::find_if(
        m_items.begin(), m_items.end(), [id](const Item& item) { return item.id == id; });
    if (it == m_items.end())
        return goneText();
    if (it->remembered)
        m_removed.push_back(*it->remembered);
    m_items.erase(it);
    emit removed(id);
    save();
    return {};
}

QString CountdownModel::move(Id id, QPoint topLeft)
{
    if (m_locked)
        return lockedText();
    Item* item = find(id);
    if (!item)
        return goneText();
    if (item->entry.locked)
        return u"这个倒计时的位置已锁定。"_s;
    if (item->entry.position == topLeft)
        return {};
    item->entry.position = topLeft;
    item->changed = true;
    emit changed(id);
    // A widget is often nudged a few times in a row: one save at the end.
    m_moveSave.start();
    return {};
}

FileTrouble CountdownModel::save()
{
    m_moveSave.stop();
    if (!hasChanges())
        return {};
    const FileTrouble trouble = store(true);
    if (!trouble.isNone())
        emit saveFailed(trouble);
    return trouble;
}

CountdownModel::Item* CountdownModel::find(Id id)
{
    const auto it = std::find_if(
        m_items.begin(), m_items.end(), [id](const Item& item) { return item.id == id; });
    return it == m_items.end() ? nullptr : &*it;
}

const CountdownModel::Item* CountdownModel::find(Id id) const
{
    return const_cast<CountdownModel*>(this)->find(id);
}

bool CountdownModel::hasChanges() const
{
    return !m_removed.empty()
        || std::any_of(m_items.cbegin(), m_items.cend(),
            [](const Item& item) { return item.changed || !item.remembered; });
}

FileTrouble CountdownModel::store(bool announce)
{
    CountdownArray array;
    std::vector<Id> owners;
    // The file is read again under its lock: what other copies of the
    // program and a school's tools wrote since stays.
    const FileTrouble trouble
        = m_preferences.edit(CountdownSchema::group(), [&](PreferenceValues& values) {
              // The user's list, or the school's where the user has none yet.
              array = CountdownArray(m_preferences.read(CountdownSchema::group()));
              owners = merge(array);
              values = array.values();
          });
    if (!trouble.isNone())
        return trouble;
    array.renumber();
    m_removed.clear();
    take(array, owners, announce);
    return {};
}

// Which of the file's entries is whose: the id of the entry here that each
// one is, or 0 for another writer's. An entry is found by its remembered
// keys, each file entry once; see the header for the rule.
std::vector<CountdownModel::Id> CountdownModel::merge(CountdownArray& array) const
{
    std::vector<KeyValues>& entries = array.entries();
    std::vector<Id> owners(entries.size(), 0);
    const auto unclaimed = [&](const std::optional<KeyValues>& keys) -> std::optional<std::size_t> {
        for (std::size_t i = 0; keys && i < entries.size(); ++i)
            if (owners[i] == 0 && entries[i] == *keys)
                return i;
        return std::nullopt;
    };
    for (const KeyValues& keys : m_removed)
        if (const std::optional<std::size_t> at = unclaimed(keys))
            owners[*at] = kTakenAway;
    for (const Item& item : m_items) {
        const std::optional<std::size_t> at = unclaimed(item.remembered);
        if (!item.changed && item.remembered) {
            // Unchanged here: the file's word stands, also when another
            // writer changed or removed it.
            if (at)
                owners[*at] = item.id;
            continue;
        }
        KeyValues keys = CountdownSchema::written(
            item.entry, at ? entries[*at] : item.remembered.value_or(KeyValues()));
        if (at) {
            entries[*at] = std::move(keys);
            owners[*at] = item.id;
        } else {
            entries.push_back(std::move(keys));
            owners.push_back(item.id);
        }
    }
    for (std::size_t i = entries.size(); i-- > 0;) {
        if (owners[i] == kTakenAway) {
            entries.erase(entries.begin() + qsizetype(i));
            owners.erase(owners.begin() + qsizetype(i));
        }
    }
    return owners;
}

// The entries become what the file holds: those here stay with their ids,
// another writer's new ones are added, and those that are no longer among
// the ones read go.
void CountdownModel::take(const CountdownArray& array, const std::vector<Id>& owners, bool announce)
{
    const CountdownArray::Reading reading = array.readEntries();
    std::vector<Item> items;
    std::vector<Id> arrived;
    for (std::size_t i = 0; i < reading.entries.size(); ++i) {
        const KeyValues& keys = array.entries()[i];
        if (Item* mine = owners[i] ? find(owners[i]) : nullptr) {
            items.push_back({ mine->id, mine->entry, keys, false });
        } else if (reading.entries[i]) {
            items.push_back({ ++m_lastId, *reading.entries[i], keys, false });
            arrived.push_back(m_lastId);
        }
    }
    std::vector<Id> gone;
    for (const Item& item : m_items)
        if (std::none_of(items.cbegin(), items.cend(),
                [&item](const Item& staying) { return staying.id == item.id; }))
            gone.push_back(item.id);
    m_items = std::move(items);
    m_inFile = qsizetype(array.entries().size());
    m_skipped = reading.skipped;
    if (!announce)
        return;
    for (const Id id : gone)
        emit removed(id);
    for (const Id id : arrived)
        emit added(id);
}
