// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "terminationsignals.h"

#include <QCoreApplication>

// Windows sends a windowed program none of those signals: nothing to hear.
TerminationSignals::TerminationSignals(QObject* parent)
    : QObject(parent)
{
}

TerminationSignals::~TerminationSignals() = default;

void TerminationSignals::received() { QCoreApplication::exit(0); }
