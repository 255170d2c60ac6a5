// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "countdownmodel.h"

#include "countdownschema.h"

struct CountdownModel::Item {
    Id id = 0;
    CountdownEntry entry;
    std::optional<CountdownSchema::KeyValues> remembered;
    bool changed = false;
};

CountdownModel::CountdownModel(Preferences preferences, QObject* parent)
    : QObject(parent)
    , m_preferences(std::move(preferences))
    , m_locked(m_preferences.isLocked())
{
    CountdownSchema::registerKeyOrder();
}

CountdownModel::~CountdownModel() = default;

void CountdownModel::load() { }

QList<CountdownModel::Id> CountdownModel::ids() const { return {}; }

qsizetype CountdownModel::count() const { return qsizetype(m_items.size()); }

std::optional<CountdownEntry> CountdownModel::entry(Id) const { return std::nullopt; }

void CountdownModel::setLocked(bool locked) { m_locked = locked; }

QString CountdownModel::addProblem() const { return {}; }

QString CountdownModel::add(const CountdownEntry&) { return {}; }

QString CountdownModel::change(Id, const CountdownEntry&) { return {}; }

QString CountdownModel::remove(Id) { return {}; }

QString CountdownModel::move(Id, QPoint) { return {}; }

FileTrouble CountdownModel::save() { return {}; }
