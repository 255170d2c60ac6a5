// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "countdownentry.h"
#include "debouncedsave.h"
#include "filetrouble.h"
#include "preferences.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QPoint>
#include <QStringList>
#include <optional>
#include <vector>

class CountdownArray;

// The user's desktop countdowns: the one owner of the entries, kept in the
// preferences file as the array [countdowns] (size=, then 1\title=,
// 1\target=2027-03-15T08:00 and the other keys of countdownschema.h), so that
// a school can deploy them by copying a file. Views show the entries and ask
// for changes through a few named operations; each operation that is done
// emits added(), changed() or removed() and saves at once (a move a moment
// later, so that a drag is saved once). While locked, every operation is
// refused. Each entry has an id for the run, which views keep.
//
// The file is read as the user's own when it has the group, else the school's
// (see Preferences::read()). At most kMaxEntries entries are read; an entry
// that cannot be read is skipped with a line for skipped() and the log
// (gaokao.countdowns), with the notes on optional keys.
//
// A save changes only what this copy changed, on top of what the user's file
// holds at that moment (read, merged and written under the file's lock, as
// other copies of the program, with other settings folders, and a school's
// tools may write it too). Each entry remembers its keys as last read or
// written. An entry changed here replaces the file's entry with those keys;
// when that one is gone or was changed by another writer, the version here is
// added at the end rather than lost. An entry removed here takes away the
// file's entry with its remembered keys, if that is still there. New entries
// go at the end. Every other entry stays key for key, including those that
// cannot be read and those beyond the ones read; the entries are numbered
// 1..n again and size= counts them. A user who removed every countdown of the
// school's list has size=0 written, and so none. After a save, the entries
// are what the file then holds: another copy's new entries appear (added())
// and ones it removed go (removed()). A save that fails keeps what the user
// did for the run and is tried again with the next one; saveFailed() tells
// it. A file longer than its reader reads whole is never written.
class CountdownModel : public QObject {
    Q_OBJECT
public:
    // An entry's id for the run; never 0, never used again.
    using Id = quint64;
    // How long after a move the place is saved, unless it moves again.
    static constexpr int kMoveSaveDelayMs = 500;

    // Locked when `preferences` are (the school's lock).
    explicit CountdownModel(Preferences preferences, QObject* parent = nullptr);
    // Saves a place moved just before the end, also as the system ends the
    // session (QCoreApplication::aboutToQuit), when no destructor runs.
    ~CountdownModel() override;

    // Reads the entries from the file, in place of any held: removed() for
    // each held one, then added() for each read one.
    void load();

    // The entries' ids in the file's order.
    QList<Id> ids() const;
    qsizetype count() const;
    // The entry with `id`, or none when there is no such entry (any more).
    std::optional<CountdownEntry> entry(Id id) const;
    // One line for each entry of the file that could not be read, in Chinese,
    // for the log and the tray's tooltip: which entry (its number, and title
    // where it has one) and why.
    QStringList skipped() const { return m_skipped; }

    bool isLocked() const { return m_locked; }
    // Locks or unlocks for the run (also while the preferences are locked,
    // which still refuse every save).
    void setLocked(bool locked);

    // Why an add would be refused now (locked, or kMaxEntries reached), or
    // empty: for a view to say so before asking for a countdown.
    QString addProblem() const;
    // Each operation returns why it was refused, in a sentence a dialog shows
    // as it is, or empty when it was done (and is being saved). An entry
    // must pass CountdownSchema::problem().
    QString add(const CountdownEntry& entry);
    // Takes every field of `entry`. Changing nothing is done, and saves nothing.
    QString change(Id id, const CountdownEntry& entry);
    QString remove(Id id);
    // The widget's new place; refused while the entry's place is locked too.
    // Saved kMoveSaveDelayMs later, or at once by save().
    QString move(Id id, QPoint topLeft);
    // Saves now what is waiting; what went wrong, or none.
    FileTrouble save();
    // What went wrong with the save as the program ended (aboutToQuit), or
    // none: nobody is told then but the log and whoever asks this.
    FileTrouble endTrouble() const { return m_endTrouble; }

signals:
    void added(Id id);
    void changed(Id id);
    // The entry is gone already.
    void removed(Id id);
    void lockedChanged(bool locked);
    // A save could not be done; each later one tries again. A view tells
    // the user once.
    void saveFailed(const FileTrouble& trouble);

private:
    using KeyValues = QMap<QString, QString>;
    // An entry, and its keys as last read from the file or written to it
    // (none for one added here and not saved yet).
    struct Item;

    Item* find(Id id);
    const Item* find(Id id) const;
    bool hasChanges() const;
    void saveWaiting();
    // Saves the changes, and tells of the entries that came and went with
    // the file's new content when `announce`.
    FileTrouble store(bool announce);
    std::vector<Id> merge(CountdownArray& array) const;
    void take(const CountdownArray& array, const std::vector<Id>& owners, bool announce);

    Preferences m_preferences;
    std::vector<Item> m_items;
    // The keys of entries removed here and not saved yet.
    std::vector<KeyValues> m_removed;
    // How many entries the file's list had, read or not, when last read.
    qsizetype m_inFile = 0;
    QStringList m_skipped;
    bool m_locked = false;
    Id m_lastId = 0;
    DebouncedSave m_moveSave;
    FileTrouble m_endTrouble;
};
