#include "countdowntick.h"

#include "datevalue.h"
#include "logging.h"

#include <QDir>

using namespace Qt::StringLiterals;

CountdownTick::CountdownTick(const SettingsStore& store)
    : m_store(store)
{
}

CountdownTick::Result CountdownTick::run()
{
    Result result;
    result.nowText = DateValue::text(m_store.clock()());
    result.load = m_store.LoadSettings();
    if (result.load.ok())
        m_lastTarget = result.load.record.Target;
    reportTrouble(result.load);
    // Read the clock again after the file: this is the moment counted from.
    const double now = m_store.clock()();
    if (m_lastTarget) {
        result.countdown = ComputeCountdown(now, *m_lastTarget);
        result.countdown->NowText = result.nowText;
    }
    return result;
}

void CountdownTick::reportTrouble(const LoadResult& load)
{
    if (load.ok()) {
        m_troubleReported = false;
        return;
    }
    if (m_troubleReported)
        return;
    m_troubleReported = true;
    const char* why = load.status == LoadStatus::Missing ? "is missing or cannot be opened"
        : load.status == LoadStatus::TooFewLines         ? "has fewer than four lines"
                                                         : "has no valid target date on line 2";
    qCWarning(lcSettings).noquote() << u"the settings file %1 %2; retrying every second"_s.arg(
        QDir::toNativeSeparators(m_store.filePath()), QLatin1StringView(why));
}
