// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "countdownschema.h"

#include "localtimetext.h"
#include "preferences.h"

#include <QMetaEnum>

#include <algorithm>
#include <type_traits>

using namespace Qt::StringLiterals;
using Entry = CountdownEntry;
using CountdownSchema::KeyValues;
using CountdownSchema::shown;

namespace {
// A value quoted in a text is cut here: the line stays readable in a tooltip.
constexpr int kMaxShownLength = 40;

// What is wrong with a title; the dialog and the reader word it each their own way.
enum class TitleFault { None, Empty, ControlCharacters, TooLong };

// Characters that draw nothing of their own: spaces, and format characters
// such as U+200B or a byte-order mark.
bool drawsNothing(char32_t c)
{
    return QChar::isSpace(c) || QChar::category(c) == QChar::Other_Format;
}

TitleFault titleFault(const QString& title)
{
    const QList<uint> characters = title.trimmed().toUcs4();
    if (std::all_of(characters.cbegin(), characters.cend(), drawsNothing))
        return TitleFault::Empty;
    if (std::any_of(characters.cbegin(), characters.cend(), CountdownSchema::breaksText))
        return TitleFault::ControlCharacters;
    if (characters.size() > CountdownSchema::kMaxTitleLength)
        return TitleFault::TooLong;
    return TitleFault::None;
}

bool isInRange(QDate date)
{
    return date.year() >= CountdownSchema::kFirstYear && date.year() <= CountdownSchema::kLastYear;
}

// An enum is stored by its enumerator's name with the first letter in lower
// case (Top as "top"), and read in any case.
template <typename E> QString enumText(E value)
{
    QString text = QString::fromLatin1(QMetaEnum::fromType<E>().valueToKey(int(value)));
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

template <typename E> std::optional<E> enumValue(const QString& text)
{
    const QMetaEnum meta = QMetaEnum::fromType<E>();
    for (int i = 0; i < meta.keyCount(); ++i)
        if (text.compare(QLatin1StringView(meta.key(i)), Qt::CaseInsensitive) == 0)
            return E(meta.value(i));
    return std::nullopt;
}

std::optional<QPoint> pointValue(const QString& text)
{
    const QStringList parts = text.split(u',');
    bool xOk = false;
    bool yOk = false;
    const QPoint point(parts.value(0).trimmed().toInt(&xOk), parts.value(1).trimmed().toInt(&yOk));
    // Far beyond any desktop: the window's own arithmetic (place plus size)
    // must stay within an int.
    constexpr int kFarthest = 1'000'000;
    const auto inReach = [](int v) { return v >= -kFarthest && v <= kFarthest; };
    if (parts.size() != 2 || !xOk || !yOk || !inReach(point.x()) || !inReach(point.y()))
        return std::nullopt;
    return point;
}

// Every key of an entry, in the order written. A required key's reader says
// why the entry is skipped when it cannot read it (the title is read first,
// so that the others can name the entry); an optional one's says whether it
// could, and the default stays when not. A writer's null text leaves the key
// out. The defaults are CountdownEntry's own.
struct Key {
    QString name;
    QString (*readRequired)(const QString& text, qint64 number, Entry& entry);
    bool (*readOptional)(const QString& text, Entry& entry);
    QString (*write)(const Entry& entry);
};

template <auto Member> bool readBool(const QString& text, Entry& entry)
{
    const std::optional<bool> value = Preferences::toBool(text);
    if (value)
        entry.*Member = *value;
    return value.has_value();
}

template <auto Member> QString writeBool(const Entry& entry)
{
    return entry.*Member ? u"true"_s : u"false"_s;
}

template <auto Member> bool readEnum(const QString& text, Entry& entry)
{
    using E = std::remove_cvref_t<decltype(entry.*Member)>;
    const std::optional<E> value = enumValue<E>(text);
    if (value)
        entry.*Member = *value;
    return value.has_value();
}

template <auto Member> QString writeEnum(const Entry& entry) { return enumText(entry.*Member); }

QString readTitle(const QString& text, qint64 number, Entry& entry)
{
    const QString title = text.trimmed();
    switch (titleFault(title)) {
    case TitleFault::None:
        entry.title = title;
        return {};
    case TitleFault::Empty:
        return u"第 %1 个倒计时没有名称，已跳过。"_s.arg(number);
    case TitleFault::ControlCharacters:
        return u"第 %1 个倒计时的名称“%2”含有控制字符，已跳过。"_s.arg(number).arg(shown(title));
    case TitleFault::TooLong:
        return u"第 %1 个倒计时的名称“%2”超过 %3 个字，已跳过。"_s.arg(number)
            .arg(shown(title))
            .arg(CountdownSchema::kMaxTitleLength);
    }
    Q_UNREACHABLE();
}

QString readTargetKey(const QString& text, qint64 number, Entry& entry)
{
    const auto said = [&](const QString& what) {
        return u"第 %1 个倒计时“%2”%3，已跳过。"_s.arg(number).arg(shown(entry.title), what);
    };
    if (text.isEmpty())
        return said(u"没有日期"_s);
    const std::optional<LocalTimeText> target = LocalTimeText::read(text);
    if (!target)
        return said(u"的日期“%1”无法识别"_s.arg(shown(text)));
    entry.date = target->date;
    entry.time = target->time;
    if (!isInRange(entry.date))
        return said(u"的日期“%1”不在 %2 至 %3 年之间"_s.arg(shown(text))
                        .arg(CountdownSchema::kFirstYear)
                        .arg(CountdownSchema::kLastYear));
    return {};
}

QString writeTarget(const Entry& entry) { return LocalTimeText::written(entry.date, entry.time); }

bool readPosition(const QString& text, Entry& entry)
{
    entry.position = pointValue(text);
    return entry.position.has_value();
}

QString writePosition(const Entry& entry)
{
    if (!entry.position)
        return {};
    return u"%1,%2"_s.arg(entry.position->x()).arg(entry.position->y());
}

const Key kKeys[] = {
    { u"title"_s, readTitle, nullptr, [](const Entry& e) { return e.title; } },
    { u"target"_s, readTargetKey, nullptr, writeTarget },
    { u"repeat"_s, nullptr, readBool<&Entry::repeat>, writeBool<&Entry::repeat> },
    { u"format"_s, nullptr, readEnum<&Entry::format>, writeEnum<&Entry::format> },
    { u"position"_s, nullptr, readPosition, writePosition },
    { u"opacity"_s, nullptr, readEnum<&Entry::opacity>, writeEnum<&Entry::opacity> },
    { u"layer"_s, nullptr, readEnum<&Entry::layer>, writeEnum<&Entry::layer> },
    { u"locked"_s, nullptr, readBool<&Entry::locked>, writeBool<&Entry::locked> },
    { u"clickThrough"_s, nullptr, readBool<&Entry::clickThrough>, writeBool<&Entry::clickThrough> },
};
}

bool CountdownSchema::breaksText(char32_t c)
{
    const QChar::Category category = QChar::category(c);
    const bool turnsDirection = (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
    return category == QChar::Other_Control || category == QChar::Separator_Line
        || category == QChar::Separator_Paragraph || category == QChar::Other_Surrogate
        || turnsDirection;
}

QString CountdownSchema::titleProblem(const QString& title)
{
    switch (titleFault(title)) {
    case TitleFault::None:
        return {};
    case TitleFault::Empty:
        return u"名称不能为空。"_s;
    case TitleFault::ControlCharacters:
        return u"名称里不能有换行、制表符等控制字符。"_s;
    case TitleFault::TooLong:
        return u"名称最多 %1 个字。"_s.arg(kMaxTitleLength);
    }
    Q_UNREACHABLE();
}

QString CountdownSchema::dateProblem(QDate date)
{
    if (!date.isValid() || !isInRange(date))
        return u"日期须在 %1 年至 %2 年之间。"_s.arg(kFirstYear).arg(kLastYear);
    return {};
}

QString CountdownSchema::problem(const CountdownEntry& entry)
{
    QString why = titleProblem(entry.title);
    if (why.isEmpty())
        why = dateProblem(entry.date);
    if (why.isEmpty() && !entry.time.isValid())
        why = u"时间无效。"_s;
    return why;
}

CountdownSchema::Reading CountdownSchema::read(const KeyValues& keys, qint64 number)
{
    Entry entry;
    QStringList notes;
    for (const Key& key : kKeys) {
        const QString text = keys.value(key.name);
        if (key.readRequired) {
            if (QString skipped = key.readRequired(text, number, entry); !skipped.isEmpty())
                return { std::nullopt, skipped, {} };
        } else if (!text.isEmpty() && !key.readOptional(text, entry)) {
            notes << u"第 %1 个倒计时“%2”的 %3“%4”无法识别，按默认值显示。"_s.arg(number).arg(
                entry.title, key.name, shown(text));
        }
    }
    return { entry, {}, notes };
}

KeyValues CountdownSchema::written(const CountdownEntry& entry, KeyValues keys)
{
    for (const Key& key : kKeys) {
        const QString text = key.write(entry);
        if (text.isNull())
            keys.remove(key.name);
        else
            keys.insert(key.name, text);
    }
    return keys;
}

const PreferenceGroup& CountdownSchema::group()
{
    static const PreferenceGroup group = [] {
        const Entry defaults;
        QList<PreferenceKey> keys;
        for (const Key& key : kKeys)
            keys.append({ key.name, key.write(defaults), false });
        return PreferenceGroup(u"countdowns"_s, keys, PreferenceGroup::Kind::Array);
    }();
    return group;
}

QString CountdownSchema::shown(const QString& value)
{
    QString text = value.left(kMaxShownLength);
    if (!text.isEmpty() && text.back().isHighSurrogate())
        text.chop(1);
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control)
            c = QChar::ReplacementCharacter;
    return text;
}
