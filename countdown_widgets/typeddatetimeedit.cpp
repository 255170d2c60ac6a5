// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "typeddatetimeedit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {
bool isSeparator(QChar c) { return c == u'-' || c == u'/' || c == u'.' || c == u':'; }

// The numbers of a text written whole in one of `form`'s two ways (with
// separators, or digits only), or none.
QList<int> numbers(const QString& text, const QRegularExpression& form)
{
    const QRegularExpressionMatch match = form.match(text);
    QList<int> numbers;
    for (int i = 1; i <= match.lastCapturedIndex(); ++i) {
        if (match.hasCaptured(i) && match.captured(i).front().isDigit())
            numbers.append(match.captured(i).toInt());
    }
    return numbers;
}
}

TypedDateTimeEdit::TypedDateTimeEdit(QDate date, QWidget* parent)
    : QDateTimeEdit(date, parent)
{
    setDisplayFormat(u"yyyy-MM-dd"_s);
    // A value chosen another way (the calendar, the arrow keys) is a new choice.
    connect(this, &QDateTimeEdit::dateTimeChanged, this, [this] {
        if (m_typed.isEmpty())
            m_problem.clear();
    });
}

TypedDateTimeEdit::TypedDateTimeEdit(QTime time, QWidget* parent)
    : QDateTimeEdit(time, parent)
{
    setDisplayFormat(u"HH:mm"_s);
    connect(this, &QDateTimeEdit::dateTimeChanged, this, [this] {
        if (m_typed.isEmpty())
            m_problem.clear();
    });
}

void TypedDateTimeEdit::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    if (text.size() == 1 && (text[0].isDigit() || isSeparator(text[0])))
        return type(event);
    if (event->key() == Qt::Key_Backspace && !m_typed.isEmpty()) {
        m_typed.chop(1);
        QDateTimeEdit::keyPressEvent(event);
        m_typedTo = lineEdit()->cursorPosition();
        return;
    }
    m_movedOn = false;
    // Enter goes on to the dialog's 确定 once the box has taken the typing.
    QDateTimeEdit::keyPressEvent(event);
    finishTyping();
}

void TypedDateTimeEdit::type(QKeyEvent* event)
{
    QLineEdit* line = lineEdit();
    if (!m_typed.isEmpty() && line->cursorPosition() != m_typedTo)
        finishTyping();
    const bool atStart
        = line->hasSelectedText() ? line->selectionStart() == 0 : line->cursorPosition() == 0;
    if (m_typed.isEmpty() && atStart) {
        // Typed over the first part, and not into it.
        setSelectedSection(sectionAt(0));
        m_problem.clear();
        m_movedOn = false;
    }
    const QChar c = event->text().at(0);
    if (!m_typed.isEmpty() || atStart)
        m_typed += c;
    if (isSeparator(c) && std::exchange(m_movedOn, false)) {
        event->accept();
    } else {
        const int part = currentSectionIndex();
        // Qt's box knows only its own separator.
        const QString own = displayFormat().contains(u':') ? u":"_s : u"-"_s;
        QKeyEvent separator(QEvent::KeyPress, 0, event->modifiers(), own);
        QDateTimeEdit::keyPressEvent(isSeparator(c) ? &separator : event);
        m_movedOn = c.isDigit() && currentSectionIndex() != part;
    }
    m_typedTo = line->cursorPosition();
}

void TypedDateTimeEdit::focusOutEvent(QFocusEvent* event)
{
    QDateTimeEdit::focusOutEvent(event);
    finishTyping();
}

void TypedDateTimeEdit::finishTyping()
{
    if (m_typed.isEmpty())
        return;
    // A part typed but not yet complete (a day of 1 that could become 12).
    interpretText();
    take(std::exchange(m_typed, {}));
    if (!m_problem.isEmpty())
        emit problemFound(m_problem);
}

void TypedDateTimeEdit::take(const QString& typed)
{
    if (displayedSections() & DateSections_Mask) {
        static const QRegularExpression form(
            u"^(\\d{4})(?:([-/.])(\\d{1,2})\\2(\\d{1,2})|(\\d{2})(\\d{2}))$"_s);
        const QList<int> parts = numbers(typed, form);
        if (parts.size() != 3)
            return;
        const QDate date(parts[0], parts[1], parts[2]);
        if (!date.isValid())
            m_problem = u"没有 %1 这一天。"_s.arg(typed);
        else if (date < minimumDate() || date > maximumDate())
            m_problem = m_rangeProblem;
        else
            setDate(date);
    } else {
        static const QRegularExpression form(u"^(?:(\\d{1,2})[:.](\\d{2})|(\\d{2})(\\d{2}))$"_s);
        const QList<int> parts = numbers(typed, form);
        if (parts.size() != 2)
            return;
        const QTime time(parts[0], parts[1]);
        if (time.isValid())
            setTime(time);
        else
            m_problem = u"没有 %1 这个时间。"_s.arg(typed);
    }
}
