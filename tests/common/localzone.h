// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <ctime>

// The local time zone of this process, e.g. "Europe/Berlin", for as long as
// the object lives: TZ is set, and the one before comes back afterwards.
// Windows takes its local zone from the system and reads TZ in a format of
// its own: isSet() says whether the zone asked for is the one in force.
class LocalZone {
public:
    explicit LocalZone(const QByteArray& zone)
        : m_before(qgetenv("TZ"))
        , m_wasSet(qEnvironmentVariableIsSet("TZ"))
    {
        if (isSet())
            setZone(zone, true);
    }
    ~LocalZone()
    {
        if (isSet())
            setZone(m_before, m_wasSet);
    }
    LocalZone(const LocalZone&) = delete;
    LocalZone& operator=(const LocalZone&) = delete;

#ifdef Q_OS_WIN
    static bool isSet() { return false; }
#else
    static bool isSet() { return true; }
#endif

private:
    static void setZone(const QByteArray& zone, bool set)
    {
        set ? qputenv("TZ", zone) : qunsetenv("TZ");
        tzset();
    }

    QByteArray m_before;
    bool m_wasSet;
};
