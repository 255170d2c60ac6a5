// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "countdowndialog.h"

#include "characterlimitvalidator.h"
#include "countdownschema.h"
#include "typeddatetimeedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
constexpr int kDefaultHour = 9;

CountdownEntry newEntry(QDate today)
{
    CountdownEntry entry;
    entry.date = today.addDays(1);
    entry.time = QTime(kDefaultHour, 0);
    return entry;
}
}

CountdownDialog::CountdownDialog(
    const std::optional<CountdownEntry>& editing, QDate today, QWidget* parent)
    : QDialog(parent)
    , m_entry(editing.value_or(newEntry(today)))
    , m_title(new QLineEdit(m_entry.title, this))
    , m_date(new TypedDateTimeEdit(m_entry.date, this))
    , m_time(new TypedDateTimeEdit(m_entry.time, this))
    , m_repeat(new QCheckBox(u"每年重复"_s, this))
    , m_format(new QComboBox(this))
    , m_error(new QLabel(this))
{
    setObjectName(u"countdownDialog"_s);
    setWindowTitle(editing ? u"编辑倒计时"_s : u"添加倒计时"_s);
    // Closing it must not end a program whose main window is hidden.
    setAttribute(Qt::WA_QuitOnClose, false);

    m_title->setObjectName(u"titleEdit"_s);
    m_title->setValidator(new CharacterLimitValidator(CountdownSchema::kMaxTitleLength, m_title));
    m_title->setPlaceholderText(u"例如：一模"_s);
    m_date->setObjectName(u"dateEdit"_s);
    m_date->setCalendarPopup(true);
    // What the file takes, and so what the next start reads back.
    m_date->setDateRange(
        QDate(CountdownSchema::kFirstYear, 1, 1), QDate(CountdownSchema::kLastYear, 12, 31));
    m_date->setRangeProblem(CountdownSchema::dateProblem(m_date->minimumDate().addDays(-1)));
    m_time->setObjectName(u"timeEdit"_s);
    m_repeat->setObjectName(u"repeatCheckBox"_s);
    m_repeat->setChecked(m_entry.repeat);
    m_repeat->setToolTip(u"日期过后，倒数到下一年的同一天"_s);
    m_format->setObjectName(u"formatComboBox"_s);
    m_format->addItem(u"只显示天数"_s, QVariant::fromValue(int(CountdownEntry::Format::Days)));
    m_format->addItem(u"天 时 分 秒"_s, QVariant::fromValue(int(CountdownEntry::Format::Full)));
    m_format->setCurrentIndex(m_entry.format == CountdownEntry::Format::Full ? 1 : 0);
    m_error->setObjectName(u"errorLabel"_s);
    m_error->setTextFormat(Qt::PlainText);
    m_error->setStyleSheet(u"color: #c00000"_s);
    m_error->hide();

    auto* form = new QFormLayout;
    form->addRow(u"名称："_s, m_title);
    form->addRow(u"日期："_s, m_date);
    form->addRow(u"时间："_s, m_time);
    form->addRow(QString(), m_repeat);
    form->addRow(u"显示："_s, m_format);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(u"buttons"_s);
    buttons->button(QDialogButtonBox::Ok)->setText(u"确定"_s);
    buttons->button(QDialogButtonBox::Cancel)->setText(u"取消"_s);
    connect(buttons, &QDialogButtonBox::accepted, this, &CountdownDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CountdownDialog::reject);
    connect(m_title, &QLineEdit::textEdited, m_error, &QLabel::hide);
    for (TypedDateTimeEdit* edit : { m_date, m_time }) {
        connect(edit, &TypedDateTimeEdit::problemFound, this, &CountdownDialog::showProblem);
        connect(edit, &QDateTimeEdit::dateTimeChanged, m_error, &QLabel::hide);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_error);
    layout->addWidget(buttons);
}

QString CountdownDialog::problem() const
{
    // The name first, as the dialog shows it.
    if (const QString why = CountdownSchema::titleProblem(m_title->text()); !why.isEmpty())
        return why;
    if (!m_date->problem().isEmpty())
        return m_date->problem();
    if (!m_time->problem().isEmpty())
        return m_time->problem();
    return CountdownSchema::problem(entry());
}

CountdownEntry CountdownDialog::entry() const
{
    CountdownEntry entry = m_entry;
    // What the user left as it was stays exactly as it was: the title, and
    // the seconds, which the box does not show.
    if (m_title->text() != m_entry.title)
        entry.title = m_title->text().trimmed();
    entry.date = m_date->date();
    const QTime shown = m_time->time();
    if (shown.hour() != m_entry.time.hour() || shown.minute() != m_entry.time.minute())
        entry.time = QTime(shown.hour(), shown.minute());
    entry.repeat = m_repeat->isChecked();
    entry.format = CountdownEntry::Format(m_format->currentData().toInt());
    return entry;
}

void CountdownDialog::accept()
{
    m_date->finishTyping();
    m_time->finishTyping();
    if (const QString why = problem(); !why.isEmpty())
        return showProblem(why);
    QDialog::accept();
}

void CountdownDialog::showProblem(const QString& why)
{
    m_error->setText(why);
    m_error->show();
    if (why == m_date->problem())
        m_date->setFocus();
    else if (why == m_time->problem())
        m_time->setFocus();
    else
        m_title->setFocus();
}
