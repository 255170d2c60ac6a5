// The settings dialog's test of a typed date, on any three texts (separated
// by line feeds in the input). Whatever it accepts, saved and read back,
// gives a valid settings file with the same target.
#include "dateentry.h"
#include "datevalue.h"
#include "settingsstore.h"

#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString input = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList parts = input.split(u'\n');
    if (parts.size() != 3)
        return 0;
    const bool accepted = DateEntry::accepts(parts[0], parts[1], parts[2]);
    const auto target
        = DateValue::parseTargetLine(SettingsStore::targetLine(parts[0], parts[1], parts[2]));
    if (accepted && !target)
        std::abort();
    if (!accepted)
        return 0;
    static QTemporaryDir root;
    static const SettingsStore store(root.path(), [] { return 41699.5; });
    if (!store.SaveSettings(parts[0], parts[1], parts[2], QString(), QString()).ok)
        std::abort();
    const LoadResult load = store.LoadSettings();
    if (!load.ok() || load.record.Target != *target)
        std::abort();
    return 0;
}
