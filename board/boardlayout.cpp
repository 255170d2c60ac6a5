// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardlayout.h"

#include <QCache>
#include <QFontMetricsF>

#include <cmath>

using namespace Qt::StringLiterals;
using BoardLayout::Part;

namespace {
// Each part's ink, as shares of the board's height: preferred and smallest.
struct PartDesign {
    qreal preferred;
    qreal minimum;
    bool bold;
};
constexpr std::array<PartDesign, BoardLayout::kParts> kDesign = { {
    { 0.075, 0.06, true }, // title
    { 0.07, 0.06, false }, // heading
    { 0.34, BoardLayout::kDigitsShare, true }, // days: the number or word in the middle
    { 0.07, 0.045, false }, // detail
    { 0.05, 0.045, false }, // target
    { 0.05, 0.045, false }, // now
    { 0.055, 0.045, false }, // motto
} };
// While a subject is written or next: the subject and its times, and the
// clock with its seconds, larger than the rest.
constexpr PartDesign kExamHeading = { 0.09, BoardLayout::kExamHeadingShare, false };
constexpr PartDesign kExamNow = { 0.065, BoardLayout::kExamNowShare, false };
// The words beside the days' number (已过, 天).
constexpr qreal kBesideDays = 0.10;
constexpr qreal kBesideDaysMinimum = 0.045;
// The board's sides kept free, and the least space between two parts.
constexpr qreal kSideMargin = 0.04;
constexpr qreal kLeastGap = 0.012;
// A board taller than 4:3 (a screen turned upright) is laid out as one of
// 4:3 as wide, the height left over shared between the parts: the sizes
// of a screen's height would not fit across it.
constexpr qreal kTallest = 0.75;
// Nothing longer shows on two lines of a board, however wide.
constexpr qsizetype kLongestText = 300;

const PartDesign& design(Part part, bool exam = false)
{
    if (exam && part == Part::Heading)
        return kExamHeading;
    if (exam && part == Part::Now)
        return kExamNow;
    return kDesign[std::size_t(part)];
}

bool isExam(const BoardContent& content)
{
    return content.phase == BoardContent::Phase::During
        || content.phase == BoardContent::Phase::Between;
}

// A part's share of the board's height at a level of size: 1 at its
// preferred size, 0 at its smallest, below 0 smaller still, on a board too low
// for every part.
qreal shareAt(qreal preferred, qreal minimum, qreal level)
{
    return level >= 0 ? minimum + (preferred - minimum) * level : minimum * (1 + level);
}

// The height of the font's digits for each pixel of its size.
qreal digitShare()
{
    static const qreal share = [] {
        constexpr int kReference = 200;
        const QRectF ink
            = QFontMetricsF(BoardLayout::font(kReference)).tightBoundingRect(u"0123456789"_s);
        return ink.height() > 0 ? ink.height() / kReference : 0.7;
    }();
    return share;
}

// The pixel size whose digits are `share` of the height `h`, never below
// what the share asks.
int sizeFor(qreal share, qreal h) { return std::max(1, int(std::ceil(share * h / digitShare()))); }

// `text` with every digit a 0: the clock and the time left keep their shape
// from one second to the next, and what was found for one second, checked,
// serves the next.
QString shapeOf(QString text)
{
    for (QChar& c : text)
        if (c.isDigit())
            c = u'0';
    return text;
}

// A cache's key: the numbers, to a 1024th, then the text. Built at every
// tick for every part, it is kept plain.
QString keyOf(std::initializer_list<qreal> numbers, const QString& text)
{
    QString key;
    key.reserve(text.size() + 12 * qsizetype(numbers.size()));
    for (const qreal number : numbers) {
        key += QString::number(std::llround(number * 1024));
        key += u' ';
    }
    key += text;
    return key;
}

// The ink of `text` in `font`, from its glyphs' outlines. All digits stand
// as tall as 0 (which dips a little below the line, as round letters do), so
// the clock's and the time left's ink is found once, not at every tick.
QRectF inkRect(const QString& text, const QFont& font)
{
    const QString shape = shapeOf(text);
    static QCache<QString, QRectF> known(256);
    const QString key = keyOf({ qreal(font.pixelSize()), qreal(font.bold()) }, shape);
    if (const QRectF* ink = known.object(key))
        return *ink;
    const QRectF ink = QFontMetricsF(font).tightBoundingRect(shape);
    known.insert(key, new QRectF(ink));
    return ink;
}

qreal advance(const QString& text, const QFont& font)
{
    return QFontMetricsF(font).horizontalAdvance(text);
}

// The largest size from `preferred` down to `minimum` at which `text` is no
// wider than `width`; `minimum` when none is.
int fittingSize(const QString& text, bool bold, int preferred, int minimum, qreal width)
{
    const qreal wide = advance(text, BoardLayout::font(preferred, bold));
    if (wide <= width)
        return preferred;
    int size = std::max(minimum, int(preferred * width / wide));
    while (size > minimum && advance(text, BoardLayout::font(size, bold)) > width)
        --size;
    return size;
}

// `text` on two lines of about the same width, broken at a blank near the
// middle where there is one; the second ends in … when it is still too wide.
qsizetype breakOf(const QString& text, const QFontMetricsF& metrics)
{
    // The first break where the first line is at least as wide as the rest.
    qsizetype low = 1;
    qsizetype high = text.size() - 1;
    while (low < high) {
        const qsizetype middle = (low + high) / 2;
        if (metrics.horizontalAdvance(text.left(middle))
            >= metrics.horizontalAdvance(text.mid(middle)))
            high = middle;
        else
            low = middle + 1;
    }
    qsizetype at = low;
    if (const qsizetype blank = text.lastIndexOf(u' ', at); blank > 0 && at - blank < 12)
        at = blank;
    // Neither line starts with the second half of a character.
    if (at < text.size() && text[at].isLowSurrogate())
        ++at;
    return at;
}

QStringList twoLines(const QString& text, const QFont& font, qreal width, bool elide = true)
{
    const QFontMetricsF metrics(font);
    const qsizetype at = breakOf(text, metrics);
    QString first = text.left(at).trimmed();
    QString second = text.mid(at).trimmed();
    if (!elide)
        return { first, second };
    if (metrics.horizontalAdvance(first) > width) {
        first = metrics.elidedText(text, Qt::ElideRight, width);
        second = metrics.elidedText(text.mid(first.size() - 1).trimmed(), Qt::ElideRight, width);
        first.chop(1);
    } else {
        second = metrics.elidedText(second, Qt::ElideRight, width);
    }
    return { first, second };
}

// How a text too wide for the board is made to fit.
enum class Fit {
    Elide, // ends in …
    WrapOrElide, // goes on two lines, the second ending in … if need be
    WrapAndShrink, // goes on two lines that shrink until they fit
    Shrink, // shrinks on one line
};

// A part of one font, at the size that fits, on as many lines as it needs.
QList<BoardLine> textLines(QString text, Part part, bool exam, Fit fit, const QColor& colour,
    qreal h, qreal level, qreal width)
{
    const PartDesign& d = design(part, exam);
    if (text.size() > kLongestText)
        text.truncate(kLongestText);
    // What fitted the same shape, if it still fits.
    struct Fitted {
        int pixelSize;
        qsizetype at; // where the second line starts; 0 on one line
    };
    static QCache<QString, Fitted> fitted(64);
    const bool shrinks = fit == Fit::Shrink || fit == Fit::WrapAndShrink;
    const QString key
        = keyOf({ qreal(part), qreal(exam), qreal(fit), h, level, width }, shapeOf(text));
    const auto linesOf = [&](const QStringList& lines, const QFont& font) {
        QList<BoardLine> result;
        for (const QString& line : lines)
            result.append({ { { line, font, colour } }, 0, 0 });
        return result;
    };
    if (const Fitted* known = shrinks ? fitted.object(key) : nullptr) {
        const QFont font = BoardLayout::font(known->pixelSize, d.bold);
        const QStringList lines = known->at
            ? QStringList { text.left(known->at).trimmed(), text.mid(known->at).trimmed() }
            : QStringList { text };
        if (std::all_of(lines.begin(), lines.end(),
                [&](const QString& line) { return advance(line, font) <= width; }))
            return linesOf(lines, font);
    }
    const int minimum = sizeFor(shareAt(d.minimum, d.minimum, level), h);
    const int size = fittingSize(
        text, d.bold, sizeFor(shareAt(d.preferred, d.minimum, level), h), minimum, width);
    QFont font = BoardLayout::font(size, d.bold);
    QStringList lines { text };
    qsizetype at = 0;
    if (advance(text, font) > width) {
        if (fit == Fit::WrapAndShrink) {
            at = breakOf(text, QFontMetricsF(font));
            lines = twoLines(text, font, width, false);
        } else if (fit == Fit::WrapOrElide)
            lines = twoLines(text, font, width);
        else if (fit == Fit::Elide)
            lines = QStringList { QFontMetricsF(font).elidedText(text, Qt::ElideRight, width) };
        qreal widest = 0;
        for (const QString& line : std::as_const(lines))
            widest = std::max(widest, advance(line, font));
        if (widest > width)
            font.setPixelSize(std::max(1, int(size * width / widest)));
    }
    if (shrinks)
        fitted.insert(key, new Fitted { font.pixelSize(), at });
    return linesOf(lines, font);
}

// The days' line: the number or word large, the words beside it small,
// together as wide as the board allows.
QList<BoardLine> daysLines(
    const BoardContent& content, const BoardTheme& theme, qreal h, qreal level, qreal width)
{
    const PartDesign& d = design(Part::Days);
    // A word (今天, a subject) as tall as the digits would be: its ink, not
    // its digits' height, sets its size.
    constexpr int kReference = 200;
    const qreal ink
        = inkRect(content.big.left(kLongestText), BoardLayout::font(kReference, d.bold)).height()
        / kReference;
    const int size = std::max(1,
        int(std::ceil(shareAt(d.preferred, d.minimum, level) * h / std::max(ink, digitShare()))));
    const int beside = sizeFor(shareAt(kBesideDays, kBesideDaysMinimum, level), h);
    const QColor colour = content.urgent ? theme.urgent : theme.big;
    const auto line = [&](qreal shrink) {
        const QFont small = BoardLayout::font(
            std::max(sizeFor(shareAt(kBesideDaysMinimum, kBesideDaysMinimum, level), h),
                int(beside * shrink)));
        BoardLine result { {}, 0.3 * small.pixelSize(), 0 };
        if (!content.bigBefore.isEmpty())
            result.runs.append({ content.bigBefore, small, theme.text });
        result.runs.append({ content.big.left(kLongestText),
            BoardLayout::font(int(size * shrink), d.bold), colour });
        if (!content.bigAfter.isEmpty())
            result.runs.append({ content.bigAfter, small, theme.text });
        return result;
    };
    const auto wide = [](const BoardLine& l) {
        qreal w = l.gap * qreal(l.runs.size() - 1);
        for (const BoardRun& run : l.runs)
            w += advance(run.text, run.font);
        return w;
    };
    // What fitted the same shape, if it still fits.
    static QCache<QString, qreal> shrunk(64);
    const QString key = keyOf({ h, level, width },
        shapeOf(
            content.bigBefore + u'\n' + content.big.left(kLongestText) + u'\n' + content.bigAfter));
    if (const qreal* known = shrunk.object(key)) {
        if (BoardLine result = line(*known); wide(result) <= width)
            return { result };
    }
    qreal shrink = 1;
    BoardLine result = line(shrink);
    // A subject's name may be wider than the digits ever are: the whole line
    // shrinks, below the digits' minimum if need be, rather than be cut off.
    while (wide(result) > width && int(size * shrink) > 1) {
        shrink *= std::max(0.5, std::min(0.98, width / wide(result)));
        result = line(shrink);
    }
    shrunk.insert(key, new qreal(shrink));
    return { result };
}

// The ink of a line, up and down from its baseline.
std::pair<qreal, qreal> inkOf(const BoardLine& line)
{
    qreal up = 0;
    qreal down = 0;
    for (const BoardRun& run : line.runs) {
        const QRectF ink = inkRect(run.text, run.font);
        up = std::max(up, -ink.top());
        down = std::max(down, ink.bottom());
    }
    return { up, down };
}

struct Stacked {
    QList<BoardLine> lines;
    qreal height = 0;
};

QCache<QString, Stacked>& stackedParts()
{
    static QCache<QString, Stacked> parts(64);
    return parts;
}

// The lines one under the other, each baseline set, and the height they take.
Stacked stack(QList<BoardLine> lines, qreal padding)
{
    Stacked stacked;
    qreal y = padding;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto [up, down] = inkOf(lines[i]);
        if (i > 0)
            y += 0.2 * lines[i].runs.first().font.pixelSize();
        lines[i].baseline = y + up;
        y += up + down;
    }
    stacked.lines = lines;
    stacked.height = lines.isEmpty() ? 0 : y + padding;
    return stacked;
}

// The parts one under the other, the height left shared between them.
BoardLayout::Placement arrange(
    const std::array<Stacked, BoardLayout::kParts>& parts, QSize size, qreal width)
{
    qreal left = size.height();
    int shown = 0;
    for (const Stacked& part : parts) {
        left -= part.height;
        shown += part.height > 0;
    }
    BoardLayout::Placement placement;
    const qreal gap = std::max(0.0, left / (shown + 1));
    qreal y = gap;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (parts[i].height <= 0)
            continue;
        placement[i].lines = parts[i].lines;
        placement[i].rect = QRect(int(size.width() * kSideMargin), int(std::round(y)),
            int(std::round(width)), int(std::ceil(parts[i].height)));
        y += parts[i].height + gap;
    }
    return placement;
}
}

qreal BoardLayout::minimumShare(Part part) { return design(part).minimum; }

qreal BoardLayout::laidOutHeight(QSize size)
{
    return std::min(qreal(size.height()), size.width() * kTallest);
}

QFont BoardLayout::font(int pixelSize, bool bold)
{
    QFont font(u"黑体"_s);
    font.setPixelSize(std::max(1, pixelSize));
    font.setBold(bold);
    return font;
}

BoardLayout::Placement BoardLayout::place(
    const BoardContent& content, const QString& motto, const BoardTheme& theme, QSize size)
{
    const qreal h = laidOutHeight(size);
    const qreal width = size.width() * (1 - 2 * kSideMargin);
    const qreal padding = std::max(2.0, 0.006 * h);
    const bool exam = isExam(content);
    // Trouble with the settings file takes the motto's place, on one line.
    const bool trouble = !content.trouble.isEmpty();
    const std::array<QString, kParts> texts = { content.title, content.heading, {}, content.detail,
        content.target, content.now, trouble ? content.trouble : motto };

    // The parts that go on two lines rather than under their smallest size;
    // on a board too low for every part, the motto, then the heading, then
    // the title keep to one line.
    constexpr std::array kWrapping = { Part::Title, Part::Heading, Part::Motto };
    const auto stackAll = [&](qreal level, std::size_t wrapping) {
        std::array<Stacked, kParts> parts;
        for (int i = 0; i < kParts; ++i) {
            const Part part = Part(i);
            const QString words = part == Part::Days
                ? QStringList { content.bigBefore, content.big, content.bigAfter }.join(u'\n')
                : texts[i];
            // Most parts stay as they were from one second to the next: only
            // the time now and the time left change.
            const bool mayWrap = std::find(kWrapping.begin(), kWrapping.begin() + wrapping, part)
                != kWrapping.begin() + wrapping;
            // The target's date and the clock never lose a character, nor
            // does the line that tells of trouble.
            const Fit fit = part == Part::Target || part == Part::Now ? Fit::WrapAndShrink
                : part == Part::Motto && trouble                      ? Fit::Shrink
                : mayWrap                                             ? Fit::WrapOrElide
                                                                      : Fit::Elide;
            const QString key = keyOf({ qreal(i * 8 + int(fit) * 2 + exam), level, h, width,
                                          qreal(theme.urgentBand.isValid()),
                                          qreal((content.urgent ? theme.urgent : theme.big).rgba()),
                                          qreal(theme.text.rgba()) },
                words);
            if (const Stacked* known = stackedParts().object(key)) {
                parts[i] = *known;
                continue;
            }
            QList<BoardLine> lines;
            if (part == Part::Days && !content.big.isEmpty())
                lines = daysLines(content, theme, h, level, width);
            else if (part != Part::Days && !texts[i].isEmpty())
                lines = textLines(texts[i], part, exam, fit, theme.text, h, level, width);
            // The band behind the last minutes leaves room round their ink.
            const bool band = part == Part::Days && content.urgent && theme.urgentBand.isValid();
            parts[i] = stack(lines, band ? 4 * padding : padding);
            stackedParts().insert(key, new Stacked(parts[i]));
        }
        return parts;
    };
    const auto spaceLeft = [&](const std::array<Stacked, kParts>& parts) {
        qreal left = size.height();
        int shown = 0;
        for (const Stacked& part : parts) {
            left -= part.height;
            shown += part.height > 0;
        }
        return std::pair { left, shown };
    };

    const auto fits = [&](const std::pair<qreal, int>& space) {
        return space.first >= (space.second + 1) * kLeastGap * h;
    };
    // The sizes found for the same words with other digits: the clock and
    // the time left change at every tick, what fits seldom does, and finding
    // it again would cost a tick many tries on a small board.
    QString shape = keyOf({ qreal(size.width()), qreal(size.height()), qreal(exam) }, {});
    for (const QString& text : texts)
        shape += text + u'\n';
    shape += content.bigText();
    for (QChar& c : shape)
        if (c.isDigit())
            c = u'0';
    const auto placed = [&](const std::array<Stacked, kParts>& parts) {
        Placement placement = arrange(parts, size, width);
        if (content.urgent)
            placement[std::size_t(Part::Days)].background = theme.urgentBand;
        return placement;
    };
    static QCache<QString, std::pair<qreal, std::size_t>> found(64);
    if (const auto* known = found.object(shape)) {
        const std::array<Stacked, kParts> parts = stackAll(known->first, known->second);
        if (fits(spaceLeft(parts)))
            return placed(parts);
    }
    // A board too low for every part at its preferred size: all go towards
    // their smallest, then the parts on two lines keep to one, then all
    // shrink further, alike.
    qreal level = 1;
    std::size_t wrapping = kWrapping.size();
    std::array<Stacked, kParts> parts = stackAll(level, wrapping);
    while (!fits(spaceLeft(parts)) && level > 0)
        parts = stackAll(level = std::max(0.0, level - 0.125), wrapping);
    while (!fits(spaceLeft(parts)) && wrapping > 0)
        parts = stackAll(level, --wrapping);
    while (!fits(spaceLeft(parts)) && level > -0.8)
        parts = stackAll(level -= 0.05, wrapping);
    found.insert(shape, new std::pair(level, wrapping));
    return placed(parts);
}
