// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "countdownwidget.h"

#include "fontsubstitutes.h"

#include "screenplacement.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {
constexpr int kMargin = 12;
constexpr int kLineGap = 2;
constexpr qreal kCornerRadius = 10;
constexpr qreal kOutline = 1.5;
constexpr qreal kDiagonal = kOutline * 0.7071;
constexpr QPointF kOutlineShifts[] = { { -kOutline, 0 }, { kOutline, 0 }, { 0, -kOutline },
    { 0, kOutline }, { -kDiagonal, -kDiagonal }, { kDiagonal, -kDiagonal },
    { -kDiagonal, kDiagonal }, { kDiagonal, kDiagonal } };
const QColor kTextColour(255, 255, 255);
const QColor kOutlineColour(0, 0, 0);
const QColor kBackground(24, 36, 60);

int backgroundAlpha(CountdownEntry::Opacity opacity)
{
    switch (opacity) {
    case CountdownEntry::Opacity::Opaque:
        return 255;
    case CountdownEntry::Opacity::Translucent:
        return 140;
    case CountdownEntry::Opacity::Transparent:
        break;
    }
    return 0;
}

// 黑体 through the program's font substitutes: a CJK sans-serif wherever the
// program runs. Bold, as the main window's countdown: the same font file,
// not one more in memory.
QFont widgetFont(int pointSize)
{
    QFont font(LayoutFonts::kHeiti, pointSize);
    font.setBold(true);
    return font;
}

// The seconds change every second: measured with every digit as a 0, the
// widget keeps its width as they do.
QString withDigitsAsZero(QString text)
{
    for (QChar& c : text) {
        if (c.isDigit())
            c = u'0';
    }
    return text;
}

// The text over copies of itself in the outline's colour, shifted all
// round: glyphs come from Qt's cache, where a stroked outline would be
// worked out again at every repaint, once a second in the full form.
void drawOutlined(
    QPainter& painter, const QPointF& baseline, const QFont& font, const QString& text)
{
    painter.setFont(font);
    painter.setPen(kOutlineColour);
    for (const QPointF& shift : kOutlineShifts)
        painter.drawText(baseline + shift, text);
    painter.setPen(kTextColour);
    painter.drawText(baseline, text);
}
}

CountdownWidget::CountdownWidget(const CountdownModel& model, CountdownModel::Id id)
    : m_model(model)
    , m_id(id)
    , m_captionFont(widgetFont(13))
    , m_textFont(widgetFont(22))
{
    setObjectName(u"countdownWidget"_s);
    setAttribute(Qt::WA_TranslucentBackground);
    // The main window's close still ends the program while widgets show.
    setAttribute(Qt::WA_QuitOnClose, false);
    entryChanged();
}

CountdownEntry CountdownWidget::entry() const
{
    return m_model.entry(m_id).value_or(CountdownEntry());
}

Qt::WindowFlags CountdownWidget::flagsFor(const CountdownEntry& entry) const
{
    Qt::WindowFlags flags = Qt::Tool | Qt::FramelessWindowHint;
    if (entry.layer == CountdownEntry::Layer::Top)
        flags |= Qt::WindowStaysOnTopHint;
    else if (entry.layer == CountdownEntry::Layer::Desktop)
        flags |= Qt::WindowStaysOnBottomHint;
    if (entry.clickThrough)
        flags |= Qt::WindowTransparentForInput;
    return flags;
}

void CountdownWidget::entryChanged()
{
    const CountdownEntry entry = this->entry();
    setWindowTitle(entry.title);
    const Qt::WindowFlags flags = flagsFor(entry);
    if (flags != windowFlags() && isVisible())
        renewNativeWindow([this, flags] { setWindowFlags(flags); });
    else if (flags != windowFlags())
        setWindowFlags(flags);
    update();
}

void CountdownWidget::stayAbove(QWindow* window)
{
    // Its native window, which the window system knows; a new one (窗口置顶
    // makes one) is another owner.
    const WId owner = window && window->handle() ? window->winId() : 0;
    if (!windowHandle() || owner == m_owner)
        return;
    m_owner = owner;
    renewNativeWindow(
        [this, window, owner] { windowHandle()->setTransientParent(owner ? window : nullptr); });
}

void CountdownWidget::place(QPoint topLeft)
{
    m_place = topLeft;
    move(topLeft);
}

// Qt may put a new native window where an old one was, and what the window
// system tells of a window's place can come late or be wrong (0,0 for a
// moment, under a window manager that puts the window in a frame): a widget
// brought back from a removed screen would go off every screen again.
void CountdownWidget::renewNativeWindow(const std::function<void()>& change)
{
    const QRect before = placed();
    const bool wasVisible = isVisible();
    hide();
    change();
    // Shown again, a native window on X would keep its id, and a window
    // manager that clears a hidden window's state late would take 置顶 and
    // the new owner away from it: a change of the stay-on-top flag makes Qt
    // give it a new one, which the manager reads afresh.
    if (QWindow* native = windowHandle()) {
        const Qt::WindowFlags flags = native->flags();
        native->setFlags(flags ^ Qt::WindowStaysOnTopHint);
        native->setFlags(flags);
    }
    if (wasVisible)
        show();
    const QPoint kept = ScreenPlacement::keptOnScreen(before);
    place(kept);
    // A window manager places a new window as it likes, and may do so after
    // the request for the place: asked again, of the window system itself,
    // where Qt may take the widget to be already.
    if (wasVisible) {
        QTimer::singleShot(kWindowManagerMs, this, [this, kept] {
            if (isVisible() && m_place == kept)
                windowHandle()->setFramePosition(kept);
        });
    }
}

void CountdownWidget::setTexts(const QString& caption, const QString& text)
{
    if (caption == m_caption && text == m_text)
        return;
    const bool captionChanged = caption != m_caption;
    const bool widthMayChange
        = captionChanged || withDigitsAsZero(text) != withDigitsAsZero(m_text);
    m_caption = caption;
    m_text = text;
    setAccessibleName(caption + u' ' + text);
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    if (widthMayChange)
        fitToTexts();
    // The full form's seconds: only the second line is painted again.
    if (captionChanged) {
        update();
    } else {
        const int textTop = kMargin + qFloor(QFontMetricsF(m_captionFont).height());
        update(0, textTop, width(), height() - textTop);
    }
}

QSize CountdownWidget::sizeHint() const
{
    const QFontMetricsF caption(m_captionFont);
    const QFontMetricsF text(m_textFont);
    const qreal width = std::max(
        caption.horizontalAdvance(m_caption), text.horizontalAdvance(withDigitsAsZero(m_text)));
    const qreal height = caption.height() + kLineGap + text.height();
    return QSize(qCeil(width) + 2 * kMargin, qCeil(height) + 2 * kMargin);
}

void CountdownWidget::fitToTexts()
{
    if (size() != sizeHint())
        resize(sizeHint());
}

void CountdownWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (const int alpha = backgroundAlpha(entry().opacity)) {
        QColor background = kBackground;
        background.setAlpha(alpha);
        painter.setPen(Qt::NoPen);
        painter.setBrush(background);
        painter.drawRoundedRect(QRectF(rect()), kCornerRadius, kCornerRadius);
    }
    const QFontMetricsF caption(m_captionFont);
    const QFontMetricsF text(m_textFont);
    const qreal captionBaseline = kMargin + caption.ascent();
    drawOutlined(painter, QPointF(kMargin, captionBaseline), m_captionFont, m_caption);
    const qreal textBaseline = captionBaseline + caption.descent() + kLineGap + text.ascent();
    drawOutlined(painter, QPointF(kMargin, textBaseline), m_textFont, m_text);
}

void CountdownWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_dragOffset = event->position().toPoint();
    m_dragged = false;
}

void CountdownWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragOffset || !m_movable || entry().locked)
        return;
    const QPoint topLeft = event->globalPosition().toPoint() - *m_dragOffset;
    if (!m_dragged && (topLeft - pos()).manhattanLength() < QApplication::startDragDistance())
        return;
    m_dragged = true;
    place(topLeft);
}

void CountdownWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    const bool dragged = m_dragged;
    m_dragOffset.reset();
    m_dragged = false;
    if (dragged)
        emit moved(m_place);
}

void CountdownWidget::contextMenuEvent(QContextMenuEvent* event)
{
    emit menuRequested(event->globalPos());
}

// A countdown goes only through 删除, which asks first; Alt+F4 or a window
// manager's close would remove it without a word.
void CountdownWidget::closeEvent(QCloseEvent* event)
{
    if (!m_closeAllowed)
        event->ignore();
}

void CountdownWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Shown before its native window is mapped, which may be a new one: it
    // is watched until it is on the screen.
    if (windowHandle())
        windowHandle()->installEventFilter(this);
}

bool CountdownWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose
        && windowHandle()->isExposed()) {
        windowHandle()->removeEventFilter(this);
        renewInputShape();
    }
    return QWidget::eventFilter(watched, event);
}

// On X, a window lets clicks through by an empty input shape, which Qt gives
// it before it is mapped, and which a changed flag on a hidden window did not
// bring to the next one. A window manager puts a mapped window in a frame of
// its own, and some (openbox) copy the input shape to the frame only when it
// changes after that: the frame would take the click. Given again once the
// window is on the screen, the shape holds for the window and its frame.
void CountdownWidget::renewInputShape()
{
    QWindow* native = windowHandle();
    const Qt::WindowFlags flags = native->flags();
    if (QGuiApplication::platformName() != "xcb"_L1
        || !flags.testFlag(Qt::WindowTransparentForInput))
        return;
    native->setFlags(flags & ~Qt::WindowTransparentForInput);
    native->setFlags(flags);
}
