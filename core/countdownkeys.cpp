// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "countdownkeys.h"

#include "preferences.h"
#include "timeleft.h"

#include <QTime>

using namespace Qt::StringLiterals;
using Entry = CountdownEntry;
using CountdownKeys::shown;

namespace {
constexpr int kMaxTitleLength = 40;
// A value quoted in a text is cut here: the line stays readable in a tooltip.
constexpr int kMaxShownLength = 40;
constexpr int kFirstYear = 1900;
constexpr int kLastYear = 9999;

template <typename E> struct Spelling {
    QLatin1StringView text;
    E value;
};
constexpr Spelling<Entry::Format> kFormats[]
    = { { "days"_L1, Entry::Format::Days }, { "full"_L1, Entry::Format::Full } };
constexpr Spelling<Entry::Opacity> kOpacities[]
    = { { "opaque"_L1, Entry::Opacity::Opaque }, { "translucent"_L1, Entry::Opacity::Translucent },
          { "transparent"_L1, Entry::Opacity::Transparent } };
constexpr Spelling<Entry::Layer> kLayers[] = { { "normal"_L1, Entry::Layer::Normal },
    { "top"_L1, Entry::Layer::OnTop }, { "desktop"_L1, Entry::Layer::Desktop } };

template <typename E, std::size_t N>
std::optional<E> readSpelling(const QString& text, const Spelling<E> (&spellings)[N])
{
    for (const auto& spelling : spellings)
        if (text.compare(spelling.text, Qt::CaseInsensitive) == 0)
            return spelling.value;
    return std::nullopt;
}

template <typename E, std::size_t N> QString spelling(E value, const Spelling<E> (&spellings)[N])
{
    for (const auto& spelling : spellings)
        if (spelling.value == value)
            return spelling.text;
    Q_UNREACHABLE();
}

bool hasControlCharacters(const QString& text)
{
    return std::any_of(
        text.cbegin(), text.cend(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

std::optional<QDateTime> readTarget(const QString& text)
{
    const qsizetype t = text.indexOf(u'T');
    const QDate date = QDate::fromString(t < 0 ? text : text.left(t), u"yyyy-MM-dd"_s);
    QTime time(0, 0);
    if (t >= 0) {
        const QString clock = text.sliced(t + 1);
        time = QTime::fromString(clock, clock.size() > 5 ? u"HH:mm:ss"_s : u"HH:mm"_s);
    }
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return TimeLeft::localMoment(date, time);
}

std::optional<QPoint> readPosition(const QString& text)
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

// The reason for a skipped entry, or none with its title and target.
QString readRequired(const QSettings& file, int number, Entry& entry)
{
    const QString title = file.value(u"title"_s).toString().trimmed();
    if (title.isEmpty())
        return u"第 %1 个倒计时没有名称，已跳过。"_s.arg(number);
    if (hasControlCharacters(title))
        return u"第 %1 个倒计时的名称“%2”含有控制字符，已跳过。"_s.arg(number).arg(shown(title));
    if (title.toUcs4().size() > kMaxTitleLength)
        return u"第 %1 个倒计时的名称“%2”超过 %3 个字，已跳过。"_s.arg(number)
            .arg(shown(title))
            .arg(kMaxTitleLength);
    entry.title = title;

    const QString text = file.value(u"target"_s).toString();
    const auto said = [&](const QString& what) {
        return u"第 %1 个倒计时“%2”%3，已跳过。"_s.arg(number).arg(shown(title), what);
    };
    if (text.isEmpty())
        return said(u"没有日期"_s);
    const std::optional<QDateTime> target = readTarget(text);
    if (!target || !target->isValid())
        return said(u"的日期“%1”无法识别"_s.arg(shown(text)));
    if (target->date().year() < kFirstYear || target->date().year() > kLastYear)
        return said(
            u"的日期“%1”不在 %2 至 %3 年之间"_s.arg(shown(text)).arg(kFirstYear).arg(kLastYear));
    entry.target = *target;
    return {};
}

// An optional key: its value, or the default (left in `value`) when it is
// absent or cannot be read, which a note tells. Whether it had a value.
template <typename T, typename Read>
bool readOptional(const QSettings& file, const Entry& entry, int number, QStringList& notes,
    const QString& key, T& value, Read read)
{
    const QString text = file.value(key).toString();
    if (text.isEmpty())
        return false;
    if (const std::optional<T> given = read(text)) {
        value = *given;
        return true;
    }
    notes << u"第 %1 个倒计时“%2”的 %3“%4”无法识别，按默认值显示。"_s.arg(number).arg(
        entry.title, key, shown(text));
    return false;
}
}

CountdownKeys::Reading CountdownKeys::read(const QSettings& file, int number)
{
    Entry entry;
    if (QString skipped = readRequired(file, number, entry); !skipped.isEmpty())
        return { std::nullopt, skipped, {} };
    QStringList notes;
    readOptional(file, entry, number, notes, u"repeat"_s, entry.repeat, Preferences::toBool);
    readOptional(file, entry, number, notes, u"format"_s, entry.format,
        [](const QString& text) { return readSpelling(text, kFormats); });
    if (QPoint position;
        readOptional(file, entry, number, notes, u"position"_s, position, readPosition))
        entry.position = position;
    readOptional(file, entry, number, notes, u"opacity"_s, entry.opacity,
        [](const QString& text) { return readSpelling(text, kOpacities); });
    readOptional(file, entry, number, notes, u"layer"_s, entry.layer,
        [](const QString& text) { return readSpelling(text, kLayers); });
    readOptional(file, entry, number, notes, u"locked"_s, entry.locked, Preferences::toBool);
    readOptional(
        file, entry, number, notes, u"clickThrough"_s, entry.clickThrough, Preferences::toBool);
    return { entry, {}, notes };
}

void CountdownKeys::write(QSettings& file, const CountdownEntry& entry)
{
    const bool seconds = entry.target.time().second() != 0;
    file.setValue(u"title"_s, entry.title);
    file.setValue(u"target"_s,
        entry.target.toString(seconds ? u"yyyy-MM-ddTHH:mm:ss"_s : u"yyyy-MM-ddTHH:mm"_s));
    file.setValue(u"repeat"_s, entry.repeat);
    file.setValue(u"format"_s, spelling(entry.format, kFormats));
    if (entry.position)
        file.setValue(u"position"_s, u"%1,%2"_s.arg(entry.position->x()).arg(entry.position->y()));
    file.setValue(u"opacity"_s, spelling(entry.opacity, kOpacities));
    file.setValue(u"layer"_s, spelling(entry.layer, kLayers));
    file.setValue(u"locked"_s, entry.locked);
    file.setValue(u"clickThrough"_s, entry.clickThrough);
}

QString CountdownKeys::shown(const QString& value)
{
    QString text = value.left(kMaxShownLength);
    if (!text.isEmpty() && text.back().isHighSurrogate())
        text.chop(1);
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control)
            c = QChar::ReplacementCharacter;
    return text;
}
