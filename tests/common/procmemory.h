// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>

// This process's memory as Linux tells it in /proc; elsewhere nothing.

// A field of /proc/self/status in KiB ("VmRSS", "VmHWM"), or -1.
inline qint64 processStatusKiB(const QByteArray& field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// The resident size now, and its peak, in KiB; -1 where unknown.
inline qint64 residentKiB() { return processStatusKiB("VmRSS"); }
inline qint64 peakResidentKiB() { return processStatusKiB("VmHWM"); }

// Starts the peak over from the present size, so that one step's peak is not
// hidden behind an earlier one.
inline void resetPeakResident()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}
