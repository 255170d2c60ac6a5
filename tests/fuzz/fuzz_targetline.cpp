// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The reader of the settings file's target line, on any text. Whatever it
// accepts is a date of the years 100 to 9999, and the program's own date text
// of that value reads back to the same value.
#include "datevalue.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString line = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto value = DateValue::parseTargetLine(line);
    if (!value)
        return 0;
    const auto fields = DateValue::fieldsOf(*value);
    if (!fields || fields->year < DateValue::kMinYear || fields->year > DateValue::kMaxYear)
        std::abort();
    const QString text = DateValue::text(*value);
    // A value of the first day alone prints as a time; all others round-trip.
    if (*value >= 1 || *value < 0) {
        const auto again = DateValue::parseTargetLine(text);
        if (!again || *again != *value)
            std::abort();
    }
    return 0;
}
