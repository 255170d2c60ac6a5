// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mottodialog.h"

#include "boardoptions.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

MottoDialog::MottoDialog(Preferences preferences, const QString& motto, QWidget* parent)
    : QDialog(parent)
    , m_preferences(std::move(preferences))
    , m_edit(new QLineEdit(motto))
    , m_problem(new QLabel)
{
    setObjectName(u"MottoDialog"_s);
    setWindowTitle(u"标语"_s);
    auto* label = new QLabel(u"大屏显示在倒计时下方的一行字（最多 %1 个字，留空则不显示）："_s.arg(
        BoardOptions::kMaxMottoLength));
    label->setWordWrap(true);
    label->setBuddy(m_edit);
    m_edit->setObjectName(u"motto"_s);
    m_edit->setMinimumWidth(360);
    m_problem->setObjectName(u"mottoProblem"_s);
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(u"color: #b71c1c"_s);
    m_problem->hide();
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    box->button(QDialogButtonBox::Ok)->setText(u"确定"_s);
    box->button(QDialogButtonBox::Cancel)->setText(u"取消"_s);
    connect(box, &QDialogButtonBox::accepted, this, &MottoDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &MottoDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_edit);
    layout->addWidget(m_problem);
    layout->addWidget(box);
}

QString MottoDialog::problem() const
{
    return m_problem->isHidden() ? QString() : m_problem->text();
}

void MottoDialog::accept()
{
    const QString motto = m_edit->text().simplified();
    QString why = BoardOptions::mottoProblem(motto);
    if (why.isEmpty()) {
        const QString key = BoardOptions::group().key(BoardOptions::MottoKey).name;
        why = m_preferences
                  .edit(BoardOptions::group(),
                      [&](PreferenceValues& values) { values.insert(key, motto); })
                  .message();
    }
    m_problem->setText(why);
    m_problem->setVisible(!why.isEmpty());
    if (why.isEmpty())
        QDialog::accept();
}
