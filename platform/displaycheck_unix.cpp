// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "displaycheck.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace DisplayCheck {

namespace {
    // Qt takes the platform from -platform, else from QT_QPA_PLATFORM, which
    // may list several to try in turn ("wayland;xcb"), each with options
    // after a colon.
    QString platformList(const QStringList& arguments, const QProcessEnvironment& environment)
    {
        for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
            if (arguments[i] == u"-platform"_s || arguments[i] == u"--platform"_s)
                return arguments[i + 1];
        }
        return environment.value(u"QT_QPA_PLATFORM"_s);
    }

    // Qt's -display option names an X display as DISPLAY does.
    bool hasX11(const QStringList& arguments, const QProcessEnvironment& environment)
    {
        return !environment.value(u"DISPLAY"_s).isEmpty() || arguments.contains(u"-display"_s)
            || arguments.contains(u"--display"_s);
    }

    // Without WAYLAND_DISPLAY a Wayland client tries the socket wayland-0.
    bool hasWayland(const QProcessEnvironment& environment)
    {
        if (!environment.value(u"WAYLAND_DISPLAY"_s).isEmpty())
            return true;
        const QString runtime = environment.value(u"XDG_RUNTIME_DIR"_s);
        return !runtime.isEmpty() && QFileInfo::exists(runtime + u"/wayland-0"_s);
    }
}

bool available(const QStringList& arguments, const QProcessEnvironment& environment)
{
    const QString platforms = platformList(arguments, environment);
    if (platforms.isEmpty())
        return hasX11(arguments, environment) || hasWayland(environment);
    for (const QString& platform : platforms.split(u';', Qt::SkipEmptyParts)) {
        const QString name = platform.section(u':', 0, 0).trimmed();
        if (name == u"xcb"_s) {
            if (hasX11(arguments, environment))
                return true;
        } else if (name.startsWith(u"wayland"_s)) {
            if (hasWayland(environment))
                return true;
        } else {
            return true;
        }
    }
    return false;
}

}
