// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "examdialog.h"

#include "timeleft.h"
#include "usermessage.h"

#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using Subject = ExamSchedule::Subject;

namespace {
enum Column { Name, Start, End, Problem };

QDateTimeEdit* timeEdit(const QDateTime& time)
{
    auto* edit = new QDateTimeEdit(time);
    edit->setDisplayFormat(u"yyyy-MM-dd HH:mm"_s);
    edit->setCalendarPopup(true);
    return edit;
}

QLabel* note(const QString& text, const QString& name)
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}
}

ExamDialog::ExamDialog(
    const ExamSchedule& schedule, int targetYear, const QString& lockReason, QWidget* parent)
    : QDialog(parent)
    , m_schedule(schedule)
    , m_year(targetYear)
    , m_table(new QTableWidget(0, 4, this))
{
    setObjectName(u"ExamDialog"_s);
    setWindowTitle(u"考试安排"_s);
    m_table->setObjectName(u"examTable"_s);
    m_table->setHorizontalHeaderLabels({ u"科目"_s, u"开始"_s, u"结束"_s, u"问题"_s });
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->setWordWrap(true);
    connect(m_table, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() == Name)
            showProblems();
    });
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setMinimumSize(520, 300);

    auto* add = new QPushButton(u"添加科目"_s);
    add->setObjectName(u"addSubject"_s);
    auto* remove = new QPushButton(u"删除科目"_s);
    remove->setObjectName(u"removeSubject"_s);
    auto* common = new QPushButton(u"填入常见安排（3+1+2）"_s);
    common->setObjectName(u"fillCommon"_s);
    connect(add, &QPushButton::clicked, this, [this] {
        // After the last subject, or on the first morning of the exam.
        const std::vector<Subject> before = subjects();
        const QDateTime start = before.empty()
            ? TimeLeft::localMoment(QDate(m_year, 6, 7), QTime(9, 0))
            : before.back().end.addSecs(30 * 60);
        addRow({ {}, start, start.addSecs(2 * 3600) });
        m_table->editItem(m_table->item(m_table->rowCount() - 1, Name));
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        if (const int row = m_table->currentRow(); row >= 0) {
            m_table->removeRow(row);
            showProblems();
        }
    });
    connect(common, &QPushButton::clicked, this, &ExamDialog::fillCommon);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    buttons->addWidget(common);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addLayout(buttons);
    layout->addWidget(
        note(u"常见安排为 %1 年 6 月 7 日至 9 日，以本省教育考试院公布的时间为准。"_s.arg(m_year),
            u"examNote"_s));
    const ExamSchedule::Loaded loaded = schedule.load();
    if (!loaded.skipped.isEmpty()) {
        // However many there are, the dialog stays within a 768-pixel screen.
        auto* skipped = new QScrollArea;
        skipped->setObjectName(u"skippedList"_s);
        skipped->setWidgetResizable(true);
        skipped->setFrameShape(QFrame::NoFrame);
        skipped->setWidget(note(u"文件中这些科目无法读取，大屏上不显示，仍保留在文件中：\n"_s
                + loaded.skipped.join(u'\n'),
            u"skippedNote"_s));
        skipped->setMaximumHeight(fontMetrics().lineSpacing() * 6);
        layout->addWidget(skipped);
    }
    if (!lockReason.isEmpty())
        layout->addWidget(note(lockReason, u"lockedNote"_s));
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    box->button(QDialogButtonBox::Ok)->setText(u"确定"_s);
    box->button(QDialogButtonBox::Cancel)->setText(u"取消"_s);
    connect(box, &QDialogButtonBox::accepted, this, &ExamDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &ExamDialog::reject);
    layout->addWidget(box);

    setSubjects(loaded.subjects);
    if (!lockReason.isEmpty()) {
        for (QWidget* widget : std::initializer_list<QWidget*> {
                 m_table, add, remove, common, box->button(QDialogButtonBox::Ok) })
            widget->setEnabled(false);
    }
}

void ExamDialog::setSubjects(const std::vector<Subject>& subjects)
{
    m_table->setRowCount(0);
    for (const Subject& subject : subjects)
        addRow(subject);
}

void ExamDialog::addRow(const Subject& subject)
{
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    m_table->setItem(row, Name, new QTableWidgetItem(subject.name));
    for (const Column column : { Start, End }) {
        QDateTimeEdit* edit = timeEdit(column == Start ? subject.start : subject.end);
        connect(edit, &QDateTimeEdit::dateTimeChanged, this, &ExamDialog::showProblems);
        m_table->setCellWidget(row, column, edit);
    }
    auto* problem = new QTableWidgetItem;
    problem->setFlags(Qt::ItemIsEnabled);
    problem->setForeground(QColor(0xb7, 0x1c, 0x1c));
    m_table->setItem(row, Problem, problem);
    m_table->setCurrentCell(row, Name);
    showProblems();
}

void ExamDialog::showProblems()
{
    const QStringList problems = ExamSchedule::problems(subjects());
    for (int row = 0; row < m_table->rowCount() && row < problems.size(); ++row)
        if (QTableWidgetItem* item = m_table->item(row, Problem)) {
            item->setText(problems[row]);
            item->setToolTip(problems[row]);
        }
    m_table->resizeRowsToContents();
}

QString ExamDialog::problemShown(int row) const
{
    const QTableWidgetItem* item = m_table->item(row, Problem);
    return item ? item->text() : QString();
}

void ExamDialog::fillCommon() { setSubjects(ExamSchedule::common(m_year)); }

std::vector<Subject> ExamDialog::subjects() const
{
    std::vector<Subject> subjects;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const QTableWidgetItem* name = m_table->item(row, Name);
        const auto time = [&](int column) {
            // A row being added has its name before its times.
            const auto* edit = qobject_cast<QDateTimeEdit*>(m_table->cellWidget(row, column));
            return edit ? edit->dateTime() : QDateTime();
        };
        subjects.push_back({ name ? name->text().trimmed() : QString(), time(Start), time(End) });
    }
    return subjects;
}

void ExamDialog::accept()
{
    const std::vector<Subject> subjects = this->subjects();
    showProblems();
    if (const QString problem = ExamSchedule::problem(subjects); !problem.isEmpty())
        return tell(problem);
    if (const FileTrouble trouble = m_schedule.save(subjects); !trouble.isNone())
        return tell(trouble.message());
    QDialog::accept();
}

void ExamDialog::tell(const QString& text)
{
    UserMessage::tell(this, UserMessage::Kind::Warning, text);
}
