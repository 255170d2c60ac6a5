// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader gets from both windows: a Chinese name for every text
// box and button, the countdown boxes' texts, and word of each change.
#include "form2.h"
#include "mainwindowfixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QSet>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
struct ValueChange {
    QObject* object;
    QString value;
};
std::vector<ValueChange> valueChanges;

void recordValueChange(QAccessibleEvent* event)
{
    if (event->type() == QAccessible::ValueChanged)
        valueChanges.push_back({ event->object(),
            static_cast<QAccessibleValueChangeEvent*>(event)->value().toString() });
}

QAccessibleInterface* accessible(QWidget* widget)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    if (!iface)
        qFatal("no accessible interface for %s", qPrintable(widget->objectName()));
    return iface;
}
}

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void names_data();
    void names();
    void everyBoxAndButtonHasItsOwnName();
    void countdownBoxesExposeTheirText();
    void changedBoxesAreAnnounced_data();
    void changedBoxesAreAnnounced();

private:
    QWidget* window(const QString& name);
    QList<QLineEdit*> countdownBoxes() const;

    std::unique_ptr<MainWindowFixture> m_fixture;
    Form1* m_form1 = nullptr;
    std::unique_ptr<Form2> m_form2;
    QAccessible::UpdateHandler m_previousHandler = nullptr;
};

void TestAccessibility::init()
{
    m_fixture = std::make_unique<MainWindowFixture>();
    m_form1 = &m_fixture->form;
    valueChanges.clear();
    m_previousHandler = QAccessible::installUpdateHandler(recordValueChange);
}

void TestAccessibility::cleanup()
{
    QAccessible::installUpdateHandler(m_previousHandler);
    m_form2.reset();
    m_fixture.reset();
}

QWidget* TestAccessibility::window(const QString& name)
{
    if (name == u"Form1"_s)
        return m_form1;
    if (!m_form2)
        m_form2 = std::make_unique<Form2>(m_fixture->store, m_form1->shown());
    return m_form2.get();
}

QList<QLineEdit*> TestAccessibility::countdownBoxes() const
{
    return { m_form1->TextTIAN, m_form1->TextM, m_form1->TextD, m_form1->TextH, m_form1->TextF,
        m_form1->TextS };
}

void TestAccessibility::names_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QAccessible::Role>("role");
    const auto row
        = [](const char* window, const char* control, const QString& name, QAccessible::Role role) {
              QTest::addRow("%s.%s", window, control)
                  << QString::fromLatin1(window) << QString::fromLatin1(control) << name << role;
          };
    const auto box = QAccessible::EditableText;
    const auto button = QAccessible::Button;
    row("Form1", "TextTIAN", u"剩余总天数"_s, box);
    row("Form1", "TextM", u"剩余月数"_s, box);
    row("Form1", "TextD", u"剩余天数"_s, box);
    row("Form1", "TextH", u"剩余小时数"_s, box);
    row("Form1", "TextF", u"剩余分钟数"_s, box);
    row("Form1", "TextS", u"剩余秒数"_s, box);
    row("Form1", "Comgjsz", u"自定义设置"_s, button);
    row("Form1", "Comexit", u"退出"_s, button);
    row("Form2", "Textbt", u"软件上方标题"_s, box);
    row("Form2", "Textnr1", u"曜刻1内容"_s, box);
    row("Form2", "Textn1", u"曜刻1截止时间：年"_s, box);
    row("Form2", "Texty1", u"曜刻1截止时间：月"_s, box);
    row("Form2", "Textr1", u"曜刻1截止时间：日"_s, box);
    row("Form2", "Textnr2", u"曜刻2内容"_s, box);
    row("Form2", "Textn2", u"曜刻2截止时间：年"_s, box);
    row("Form2", "Texty2", u"曜刻2截止时间：月"_s, box);
    row("Form2", "Textr2", u"曜刻2截止时间：日"_s, box);
    row("Form2", "Comok", u"确定"_s, button);
    row("Form2", "Comimg", u"自定义图片"_s, button);
}

void TestAccessibility::names()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QAccessible::Role, role);

    auto* widget = this->window(window)->findChild<QWidget*>(control);
    QVERIFY(widget);
    QAccessibleInterface* iface = accessible(widget);
    QCOMPARE(iface->text(QAccessible::Name), name);
    QCOMPARE(iface->role(), role);
}

// A box or button added later without a name would be read out as its bare
// text, or as nothing.
void TestAccessibility::everyBoxAndButtonHasItsOwnName()
{
    for (const QString& name : { u"Form1"_s, u"Form2"_s }) {
        QWidget* form = window(name);
        QList<QWidget*> controls;
        for (QLineEdit* box : form->findChildren<QLineEdit*>())
            controls.append(box);
        for (QAbstractButton* button : form->findChildren<QAbstractButton*>())
            controls.append(button);
        QVERIFY(controls.size() >= 8);
        QSet<QString> seen;
        for (QWidget* control : std::as_const(controls)) {
            const QString spoken = accessible(control)->text(QAccessible::Name);
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
            QVERIFY2(!seen.contains(spoken), qPrintable(spoken));
            seen.insert(spoken);
        }
    }
}

void TestAccessibility::countdownBoxesExposeTheirText()
{
    m_form1->Timer1_Timer();
    for (QLineEdit* box : countdownBoxes()) {
        QVERIFY2(!box->text().isEmpty(), qPrintable(box->objectName()));
        QAccessibleInterface* iface = accessible(box);
        QCOMPARE(iface->text(QAccessible::Value), box->text());
        QAccessibleTextInterface* text = iface->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), box->text());
    }
}

void TestAccessibility::changedBoxesAreAnnounced_data()
{
    QTest::addColumn<double>("step"); // seconds
    QTest::addColumn<int>("changedAtLeast");
    QTest::newRow("one second") << 1.0 << 1;
    QTest::newRow("one minute") << 60.0 << 1;
    QTest::newRow("one day") << double(DateValue::kSecondsPerDay) << 2;
}

// Exactly the boxes whose text changed say so, each with its new text; an
// unchanged box stays quiet, or the screen reader would repeat six values
// every second.
void TestAccessibility::changedBoxesAreAnnounced()
{
    QFETCH(double, step);
    QFETCH(int, changedAtLeast);
    if (qEnvironmentVariableIsEmpty("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
        QSKIP("Events reach only an active accessibility bridge: run through with_atspi.sh");
    QTRY_VERIFY(QAccessible::isActive());

    m_form1->Timer1_Timer();
    QStringList before;
    for (QLineEdit* box : countdownBoxes())
        before.append(box->text());
    valueChanges.clear();

    m_fixture->time.advance(step);
    m_form1->Timer1_Timer();

    std::vector<ValueChange> expected;
    const QList<QLineEdit*> boxes = countdownBoxes();
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        if (boxes[i]->text() != before[i])
            expected.push_back({ boxes[i], boxes[i]->text() });
    }
    QVERIFY(int(expected.size()) >= changedAtLeast);
    QCOMPARE(valueChanges.size(), expected.size());
    for (const ValueChange& change : expected) {
        const auto heard = std::find_if(valueChanges.begin(), valueChanges.end(),
            [&](const ValueChange& c) { return c.object == change.object; });
        QVERIFY2(heard != valueChanges.end(), qPrintable(change.object->objectName()));
        QCOMPARE(heard->value, change.value);
    }
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
