// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "countdownarray.h"

using namespace Qt::StringLiterals;

CountdownArray::Reading CountdownArray::readEntries() const
{
    using CountdownSchema::kMaxEntries;
    Reading reading;
    const std::optional<qlonglong> size = m_array.declaredSize();
    if (m_array.exists() && !size) {
        reading.skipped << (m_array.sizeText().isEmpty()
                ? u"倒计时没有个数（size），都已跳过。"_s
                : u"倒计时的个数（size）“%1”无法识别，都已跳过。"_s.arg(
                    CountdownSchema::shown(m_array.sizeText())));
        return reading;
    }
    const std::size_t count = std::min<std::size_t>(entries().size(), kMaxEntries);
    for (std::size_t i = 0; i < count; ++i) {
        CountdownSchema::Reading one = CountdownSchema::read(entries()[i], m_array.numbers()[i]);
        reading.entries.push_back(one.entry);
        if (!one.skipped.isEmpty())
            reading.skipped << one.skipped;
        reading.notes << one.notes;
    }
    if (size && *size > kMaxEntries)
        reading.skipped << u"倒计时有 %1 个，只读了前 %2 个，其余已跳过。"_s.arg(*size).arg(
            kMaxEntries);
    return reading;
}
