// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the settings file, on any bytes: never more than the first 64 KiB,
// never a crash, and a result that says what it holds.
#include "datevalue.h"
#include "settingsstore.h"

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir root;
    static const SettingsStore store(root.path(), [] { return 41699.5; });
    {
        QFile file(store.filePath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    const LoadResult load = store.LoadSettings();
    const bool linesThere = load.status == LoadStatus::Ok || load.status == LoadStatus::BadTarget;
    if (load.hasTexts() != linesThere || load.status == LoadStatus::Missing)
        std::abort();
    // Whatever the bytes, the texts hold no control character but tab.
    for (const QString& text : { load.record.Title, load.record.Heading })
        for (const QChar c : text)
            if (c.unicode() < 0x20 && c != u'\t')
                std::abort();
    if (load.ok()
        && (!std::isfinite(load.record.Target) || !DateValue::fieldsOf(load.record.Target)))
        std::abort();
    return 0;
}
