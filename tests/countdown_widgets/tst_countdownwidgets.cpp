// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "countdowncommands.h"
#include "countdowndialog.h"
#include "countdownschema.h"
#include "countdownviews.h"
#include "countdownwidget.h"
#include "localzone.h"
#include "messageboxanswer.h"
#include "modaldialoganswer.h"
#include "offscreenscreen.h"
#include "screenplacement.h"
#include "settingsfile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Format = CountdownEntry::Format;
using Layer = CountdownEntry::Layer;
using Opacity = CountdownEntry::Opacity;

namespace {
struct Typed {
    QString title;
    QDate date;
    QTime time = QTime(9, 0);
    bool repeat = false;
    Format format = Format::Days;
};

}
Q_DECLARE_METATYPE(Typed)
Q_DECLARE_METATYPE(CountdownEntry)
Q_DECLARE_METATYPE(CountdownEntry::Format)

namespace {
// Fills the dialog in as a user would and presses 确定.
void fillIn(CountdownDialog* dialog, const Typed& typed)
{
    dialog->findChild<QLineEdit*>(u"titleEdit"_s)->setText(typed.title);
    if (typed.date.isValid())
        dialog->findChild<QDateTimeEdit*>(u"dateEdit"_s)->setDate(typed.date);
    dialog->findChild<QDateTimeEdit*>(u"timeEdit"_s)->setTime(typed.time);
    dialog->findChild<QCheckBox*>(u"repeatCheckBox"_s)->setChecked(typed.repeat);
    dialog->findChild<QComboBox*>(u"formatComboBox"_s)
        ->setCurrentIndex(typed.format == Format::Full);
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
}

void sendMouse(QWidget* widget, QEvent::Type type, QPoint global)
{
    QMouseEvent event(type, widget->mapFromGlobal(global), global, Qt::LeftButton,
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void drag(QWidget* widget, QPoint by)
{
    const QPoint from = widget->mapToGlobal(QPoint(5, 5));
    sendMouse(widget, QEvent::MouseButtonPress, from);
    sendMouse(widget, QEvent::MouseMove, from + by / 2);
    sendMouse(widget, QEvent::MouseMove, from + by);
    sendMouse(widget, QEvent::MouseButtonRelease, from + by);
}
}

// The desktop countdowns as the program wires them, on a preferences file.
struct Countdowns {
    Countdowns(const QString& preferences, CountdownViews::DateTimeClock clock)
        : model(Preferences(preferences))
        , views(&model, std::move(clock))
        , commands(&views)
    {
        model.load();
    }
    QList<CountdownWidget*> widgets() const { return views.widgets(); }
    CountdownModel::Id first() const { return model.ids().first(); }

    CountdownModel model;
    CountdownViews views;
    CountdownCommands commands;
};

class TestCountdownWidgets : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_preferences = m_dir.filePath(u"gaokao-countdown.ini"_s);
    QString m_dataTxt = m_dir.filePath(u"data.txt"_s);
    const QByteArray m_data
        = gb18030(u"2026-12-8 9:00:00\r\n2027-6-7 9:00:00\r\n高考\r\n距高考\r\n"_s);
    QDateTime m_now = QDateTime(QDate(2027, 3, 1), QTime(12, 0));

    std::unique_ptr<Countdowns> makeSet()
    {
        return std::make_unique<Countdowns>(m_preferences, [this] { return m_now; });
    }

    // A set with one countdown added through the dialog.
    std::unique_ptr<Countdowns> setWithOne(const Typed& typed)
    {
        auto set = makeSet();
        const ModalDialogAnswer<CountdownDialog> answer(
            [&](CountdownDialog* dialog) { fillIn(dialog, typed); });
        set->commands.add();
        return set;
    }

    static void trigger(Countdowns* set, const QString& name)
    {
        QMenu menu;
        set->commands.fill(&menu, set->first());
        menu.findChild<QAction*>(name)->trigger();
    }

private slots:
    void init()
    {
        QFile::remove(m_preferences);
        writeFile(m_dataTxt, m_data);
        m_now = QDateTime(QDate(2027, 3, 1), QTime(12, 0));
    }
    // None of it touches the main window's settings file.
    void cleanup() { QCOMPARE(readFile(m_dataTxt), m_data); }

    // Added through the dialog, a countdown shows its texts, and a new set on
    // the same file (the next start) shows it again.
    void addedCountdownsShowAndSurviveARestart_data()
    {
        QTest::addColumn<Typed>("typed");
        QTest::addColumn<QString>("text");
        QTest::newRow("tomorrow") << Typed { u"一模"_s, QDate(2027, 3, 2) } << u"还有 1 天"_s;
        QTest::newRow("tomorrow, full") << Typed { u"一模"_s, QDate(2027, 3, 2), QTime(9, 0), false,
            Format::Full } << u"0 天 21:00:00"_s;
        QTest::newRow("today") << Typed { u"一模"_s, QDate(2027, 3, 1), QTime(18, 0) } << u"今天"_s;
        QTest::newRow("passed") << Typed { u"一模"_s, QDate(2027, 2, 20) } << u"已过 9 天"_s;
        QTest::newRow("passed, repeats")
            << Typed { u"一模"_s, QDate(2027, 2, 20), QTime(9, 0), true } << u"还有 356 天"_s;
    }
    void addedCountdownsShowAndSurviveARestart()
    {
        QFETCH(Typed, typed);
        QFETCH(QString, text);
        auto set = setWithOne(typed);
        QCOMPARE(set->widgets().size(), 1);
        const CountdownWidget* widget = set->widgets().first();
        QCOMPARE(widget->caption(), u"距一模"_s);
        QCOMPARE(widget->text(), text);
        QCOMPARE(widget->accessibleName(), u"距一模 "_s + text);
        QVERIFY(widget->isVisible());
        QVERIFY(readFile(m_preferences).contains("title=\xe4\xb8\x80\xe6\xa8\xa1"));
        const CountdownEntry added = widget->entry();
        QCOMPARE(QDateTime(added.date, added.time), QDateTime(typed.date, typed.time));
        set.reset();
        set = makeSet();
        QCOMPARE(set->widgets().size(), 1);
        QCOMPARE(set->widgets().first()->entry().title, added.title);
        QCOMPARE(set->widgets().first()->text(), text);
    }

    // A time that a change of daylight saving time skips is kept as typed.
    void aTimeTheClockSkipsIsKeptAsTyped()
    {
        const LocalZone berlin("Europe/Berlin");
        if (!berlin.isSet())
            QSKIP("TZ does not choose the local zone here");
        auto set = setWithOne({ u"一模"_s, QDate(2027, 3, 28), QTime(2, 30) });
        QVERIFY(readFile(m_preferences).contains("target=2027-03-28T02:30\n"));
        set.reset();
        QCOMPARE(makeSet()->widgets().size(), 1);
    }

    // Another copy of the program on the same file: what it added shows here
    // once this copy saves, and what it removed goes.
    void anotherCopysChangesShowAtTheNextSave()
    {
        auto here = setWithOne({ u"一模"_s, QDate(2027, 3, 15) });
        auto there = setWithOne({ u"二模"_s, QDate(2027, 4, 15) });
        QCOMPARE(there->widgets().size(), 2);
        QCOMPARE(here->widgets().size(), 1);
        trigger(here.get(), u"opaque"_s);
        QCOMPARE(here->widgets().size(), 2);
        QCOMPARE(here->widgets().last()->caption(), u"距二模"_s);
        QVERIFY(here->widgets().last()->isVisible());
        const MessageBoxAnswer yes(QMessageBox::Yes);
        there->commands.remove(there->model.ids().last());
        trigger(here.get(), u"translucent"_s);
        QCOMPARE(here->widgets().size(), 1);
        QCOMPARE(here->widgets().first()->caption(), u"距一模"_s);
    }

    // Each command of the menu changes the widget at once and lasts.
    void menuCommandsChangeTheWidgetAndLast_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("flag");
        // The background's alpha, drawn beside the texts.
        QTest::addColumn<int>("alpha");
        QTest::addColumn<CountdownEntry>("expected");
        CountdownEntry entry;
        const auto with = [&](auto change) {
            CountdownEntry e = entry;
            change(e);
            return e;
        };
        QTest::newRow("置顶") << u"onTop"_s << int(Qt::WindowStaysOnTopHint) << 140
                              << with([](auto& e) { e.layer = Layer::Top; });
        QTest::newRow("置于桌面") << u"onDesktop"_s << int(Qt::WindowStaysOnBottomHint) << 140
                                  << with([](auto& e) { e.layer = Layer::Desktop; });
        QTest::newRow("锁定位置") << u"lockPosition"_s << 0 << 140
                                  << with([](auto& e) { e.locked = true; });
        QTest::newRow("鼠标穿透") << u"clickThrough"_s << int(Qt::WindowTransparentForInput) << 140
                                  << with([](auto& e) { e.clickThrough = true; });
        QTest::newRow("不透明") << u"opaque"_s << 0 << 255
                                << with([](auto& e) { e.opacity = Opacity::Opaque; });
        QTest::newRow("全透明") << u"transparent"_s << 0 << 0
                                << with([](auto& e) { e.opacity = Opacity::Transparent; });
    }
    void menuCommandsChangeTheWidgetAndLast()
    {
        QFETCH(QString, action);
        QFETCH(int, flag);
        QFETCH(int, alpha);
        QFETCH(CountdownEntry, expected);
        auto set = setWithOne({ u"一模"_s, QDate(2027, 3, 15) });
        CountdownWidget* widget = set->widgets().first();
        expected.title = widget->entry().title;
        expected.date = widget->entry().date;
        expected.time = widget->entry().time;
        trigger(set.get(), action);
        QCOMPARE(widget->entry(), expected);
        if (flag)
            QVERIFY(widget->windowFlags().testFlag(Qt::WindowType(flag)));
        // Drawn as the model now holds it.
        const QImage drawn = widget->grab().toImage();
        QCOMPARE(drawn.pixelColor(4, drawn.height() / 2).alpha(), alpha);
        QVERIFY(widget->isVisible());
        const Qt::WindowFlags flags = widget->windowFlags();
        set.reset();
        set = makeSet();
        QCOMPARE(set->widgets().first()->entry(), expected);
        QCOMPARE(set->widgets().first()->windowFlags(), flags);
    }

    // A drag moves the widget, and its place is kept a moment later, unless
    // its place or the whole set is locked.
    void dragging_data()
    {
        QTest::addColumn<bool>("placeLocked");
        QTest::addColumn<bool>("setLocked");
        QTest::newRow("free") << false << false;
        QTest::newRow("锁定位置") << true << false;
        QTest::newRow("set locked") << false << true;
    }
    void dragging()
    {
        QFETCH(bool, placeLocked);
        QFETCH(bool, setLocked);
        auto set = setWithOne({ u"一模"_s, QDate(2027, 3, 15) });
        CountdownWidget* widget = set->widgets().first();
        if (placeLocked)
            trigger(set.get(), u"lockPosition"_s);
        set->model.setLocked(setLocked);
        const QPoint before = widget->pos();
        drag(widget, { -60, 40 });
        const bool moves = !placeLocked && !setLocked;
        QCOMPARE(widget->pos(), moves ? before + QPoint(-60, 40) : before);
        if (moves)
            QTRY_VERIFY(readFile(m_preferences).contains("position="));
        const QPoint after = widget->pos();
        set.reset();
        set = makeSet();
        QCOMPARE(set->widgets().first()->pos(), after);
        QCOMPARE(set->widgets().first()->entry().position.has_value(), moves);
    }

    // The dialog takes a name exactly when the next start reads it back;
    // one it refuses is said in the dialog, which stays open, and nothing is
    // saved.
    void namesAreTakenAsTheFileReadsThem_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("refused");
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("spaces") << u"   "_s << true;
        QTest::newRow("line feed") << u"一\n模"_s << true;
        QTest::newRow("tab") << u"一\t模"_s << true;
        QTest::newRow("bell") << u"一模\a"_s << true;
        QTest::newRow("line separator") << u"一\u2028模"_s << true;
        QTest::newRow("only a zero-width space") << u"\u200b"_s << true;
        QTest::newRow("zero-width space inside") << u"一\u200b模"_s << false;
        QTest::newRow("spaces around") << u" 一模 "_s << false;
    }
    void namesAreTakenAsTheFileReadsThem()
    {
        QFETCH(QString, title);
        QFETCH(bool, refused);
        auto set = makeSet();
        bool stayedOpen = false;
        QString said;
        const ModalDialogAnswer<CountdownDialog> answer([&](CountdownDialog* dialog) {
            fillIn(dialog, { title, {} });
            stayedOpen = dialog->isVisible();
            said = dialog->findChild<QLabel*>(u"errorLabel"_s)->text();
            if (stayedOpen)
                dialog->reject();
        });
        set->commands.add();
        QVERIFY(answer.seen);
        QCOMPARE(stayedOpen, refused);
        QCOMPARE(said, CountdownSchema::titleProblem(title));
        QCOMPARE(set->widgets().size(), refused ? 0 : 1);
        set.reset();
        set = makeSet();
        QVERIFY(set->model.skipped().isEmpty());
        QCOMPARE(set->widgets().size(), refused ? 0 : 1);
    }

    // With as many countdowns as the file's reader reads, 添加倒计时 says so
    // and asks for nothing.
    void theLastCountdownThatIsReadBack()
    {
        QByteArray file = "[countdowns]\nsize=50\n";
        for (int i = 1; i <= 50; ++i)
            file += QByteArray::number(i) + "\\title=x\n" + QByteArray::number(i)
                + "\\target=2027-06-07\n";
        writeFile(m_preferences, file);
        auto set = makeSet();
        QCOMPARE(set->widgets().size(), 50);
        const ModalDialogAnswer<CountdownDialog> dialog([](CountdownDialog* d) { d->reject(); });
        const MessageBoxAnswer box;
        set->commands.add();
        QVERIFY(!dialog.seen);
        QCOMPARE(box.text, set->model.addProblem());
        QVERIFY(box.text.contains(u"50"_s));
        QCOMPARE(readFile(m_preferences), file);
    }

    // A date or time typed over its box, however it was selected, is taken
    // whole, or the dialog says why not and stays open.
    void typedDatesAreTakenWhole_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("taken");
        QTest::addColumn<QString>("message");
        const QString date = u"dateEdit"_s;
        const QString time = u"timeEdit"_s;
        QTest::newRow("date") << date << u"2028-06-07"_s << u"2028-06-07 09:00"_s << QString();
        QTest::newRow("short parts") << date << u"2028-6-7"_s << u"2028-06-07 09:00"_s << QString();
        QTest::newRow("slashes") << date << u"2028/12/31"_s << u"2028-12-31 09:00"_s << QString();
        QTest::newRow("digits only") << date << u"20280607"_s << u"2028-06-07 09:00"_s << QString();
        QTest::newRow("no such day")
            << date << u"2028-02-30"_s << QString() << u"没有 2028-02-30 这一天。"_s;
        QTest::newRow("before the years the file takes")
            << date << u"1800-01-01"_s << QString() << CountdownSchema::dateProblem({ 1800, 1, 1 });
        QTest::newRow("time") << time << u"14:30"_s << u"2027-03-02 14:30"_s << QString();
        QTest::newRow("time, digits") << time << u"1430"_s << u"2027-03-02 14:30"_s << QString();
        QTest::newRow("no such time")
            << time << u"25:00"_s << QString() << u"没有 25:00 这个时间。"_s;
    }
    void typedDatesAreTakenWhole()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, taken);
        QFETCH(QString, message);
        for (const auto& [key, modifier] : { std::pair(Qt::Key_A, Qt::ControlModifier),
                 std::pair(Qt::Key_Home, Qt::NoModifier) }) {
            CountdownDialog dialog(std::nullopt, m_now.date(), nullptr);
            dialog.show();
            dialog.findChild<QLineEdit*>(u"titleEdit"_s)->setText(u"一模"_s);
            auto* edit = dialog.findChild<QDateTimeEdit*>(box);
            edit->setFocus();
            QTest::keyClick(edit, key, modifier);
            QTest::keyClicks(edit, typed);
            QTest::keyClick(edit, Qt::Key_Tab);
            dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            QCOMPARE(dialog.result() == QDialog::Accepted, message.isEmpty());
            if (message.isEmpty())
                QCOMPARE(QDateTime(dialog.entry().date, dialog.entry().time)
                             .toString(u"yyyy-MM-dd HH:mm"_s),
                    taken);
            else
                QCOMPARE(dialog.findChild<QLabel*>(u"errorLabel"_s)->text(), message);
        }
    }

    // An edit left as it was gives the entry back as it was; the name's
    // limit counts characters and never cuts one in half.
    void anUnchangedEditKeepsTheEntry_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QTime>("time");
        const QString bold = QString::fromUcs4(U"\U0001D400");
        QTest::newRow("21 characters in 41 units") << u"A"_s + bold.repeated(20) << QTime(9, 0);
        QTest::newRow("40 characters in 80 units") << bold.repeated(40) << QTime(9, 0);
        QTest::newRow("seconds") << u"一模"_s << QTime(9, 0, 30);
    }
    void anUnchangedEditKeepsTheEntry()
    {
        QFETCH(QString, title);
        QFETCH(QTime, time);
        CountdownEntry entry;
        entry.title = title;
        entry.date = QDate(2027, 3, 15);
        entry.time = time;
        CountdownDialog dialog(entry, m_now.date(), nullptr);
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(dialog.entry(), entry);
        // Pasted in whole, a longer name keeps its first 40 characters.
        const QString pasted = title + QString::fromUcs4(U"\U0001D400").repeated(40);
        auto* box = dialog.findChild<QLineEdit*>(u"titleEdit"_s);
        box->selectAll();
        box->insert(pasted);
        const QList<uint> characters = pasted.toUcs4();
        QCOMPARE(box->text(),
            QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()), 40));
    }

    void editAndDelete()
    {
        auto set = setWithOne({ u"一模"_s, QDate(2027, 3, 15) });
        CountdownWidget* widget = set->widgets().first();
        {
            const ModalDialogAnswer<CountdownDialog> answer([](CountdownDialog* dialog) {
                QCOMPARE(dialog->windowTitle(), u"编辑倒计时"_s);
                fillIn(dialog, { u"二模"_s, {} });
            });
            set->commands.edit(set->first());
        }
        QCOMPARE(widget->caption(), u"距二模"_s);
        QCOMPARE(widget->entry().date, QDate(2027, 3, 15));
        // Alt+F4 or the window manager's close: only 删除 removes it.
        QVERIFY(!widget->close());
        QVERIFY(widget->isVisible());
        {
            const MessageBoxAnswer no(QMessageBox::No);
            set->commands.remove(set->first());
            QCOMPARE(no.text, u"确定要删除倒计时“二模”吗？"_s);
            QCOMPARE(no.defaultButton, QMessageBox::No);
            QCOMPARE(no.textFormat, Qt::PlainText);
        }
        QCOMPARE(set->widgets().size(), 1);
        {
            // As a user does it: 删除 clicked in the widget's own menu, which
            // must outlive the widget it goes with.
            const MessageBoxAnswer yes(QMessageBox::Yes);
            QContextMenuEvent rightClick(
                QContextMenuEvent::Mouse, { 5, 5 }, widget->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(widget, &rightClick);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            const QRect item = menu->actionGeometry(menu->findChild<QAction*>(u"remove"_s));
            const QPointer<QMenu> stays = menu;
            QTest::mouseClick(menu, Qt::LeftButton, {}, item.center());
            QVERIFY(stays);
            QTRY_VERIFY(!stays);
        }
        QVERIFY(set->widgets().isEmpty());
        set.reset();
        QVERIFY(makeSet()->widgets().isEmpty());
    }

    // Locked, no command changes anything: not even the file is written.
    void aLockedSetChangesNothing()
    {
        auto set = setWithOne({ u"一模"_s, QDate(2027, 3, 15) });
        CountdownWidget* widget = set->widgets().first();
        const QByteArray saved = readFile(m_preferences);
        const CountdownEntry entry = widget->entry();
        set->model.setLocked(true);
        QMenu menu;
        set->commands.fill(&menu, set->first());
        for (QAction* action : menu.findChildren<QAction*>()) {
            // 退出 is the program's, never locked.
            if (action->menu() || action->isSeparator() || action->objectName() == u"exit"_s)
                continue;
            QVERIFY2(!action->isEnabled(), qPrintable(action->objectName()));
            action->trigger();
        }
        const ModalDialogAnswer<CountdownDialog> dialog([](CountdownDialog* d) { d->reject(); });
        const MessageBoxAnswer box(QMessageBox::Yes);
        set->commands.add();
        set->commands.edit(set->first());
        set->commands.remove(set->first());
        QVERIFY(!dialog.seen);
        QVERIFY(box.text.isEmpty());
        QCOMPARE(set->widgets().size(), 1);
        QCOMPARE(widget->entry(), entry);
        QCOMPARE(readFile(m_preferences), saved);
    }

    // Told once, in the file trouble's own words; the widgets stay.
    void aFailedSaveIsToldOnce()
    {
        QVERIFY(QDir().mkdir(m_preferences + u".edit.lock"_s));
        auto set = makeSet();
        const MessageBoxAnswer ok;
        for (const QString& title : { u"一模"_s, u"二模"_s }) {
            const ModalDialogAnswer<CountdownDialog> answer([&](CountdownDialog* dialog) {
                fillIn(dialog, { title, QDate(2027, 3, 15) });
            });
            set->commands.add();
        }
        QVERIFY(QDir(m_preferences + u".edit.lock"_s).removeRecursively());
        QVERIFY(ok.text.startsWith(FileTrouble(FileTrouble::Kind::Locked)
                                       .during(FileTrouble::Operation::Write, m_preferences)
                                       .message()));
        QCOMPARE(ok.textFormat, Qt::PlainText);
        QCOMPARE(set->widgets().size(), 2);
    }

    // The texts follow the clock, also when it is set back, and a widget is
    // repainted only when its text changes.
    void ticks_data()
    {
        QTest::addColumn<Format>("format");
        QTest::addColumn<QDateTime>("later");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("repainted");
        const QDate day(2027, 3, 1);
        QTest::newRow("a second") << Format::Days << QDateTime(day, QTime(12, 0, 1))
                                  << u"还有 14 天"_s << false;
        QTest::newRow("midnight") << Format::Days << QDateTime(day.addDays(1), QTime(0, 0))
                                  << u"还有 13 天"_s << true;
        QTest::newRow("set back a day")
            << Format::Days << QDateTime(day.addDays(-1), QTime(23, 0)) << u"还有 15 天"_s << true;
        QTest::newRow("set ahead a week")
            << Format::Days << QDateTime(day.addDays(7), QTime(12, 0)) << u"还有 7 天"_s << true;
        QTest::newRow("full, a second")
            << Format::Full << QDateTime(day, QTime(12, 0, 1)) << u"13 天 20:59:59"_s << true;
        QTest::newRow("full, set back a second")
            << Format::Full << QDateTime(day, QTime(11, 59, 59)) << u"13 天 21:00:01"_s << true;
    }
    void ticks()
    {
        QFETCH(Format, format);
        QFETCH(QDateTime, later);
        QFETCH(QString, text);
        QFETCH(bool, repainted);
        auto set = setWithOne({ u"一模"_s, QDate(2027, 3, 15), QTime(9, 0), false, format });
        CountdownWidget* widget = set->widgets().first();
        QCoreApplication::processEvents();
        int paints = 0;
        struct PaintCounter : QObject {
            int& count;
            explicit PaintCounter(int& c)
                : count(c)
            {
            }
            bool eventFilter(QObject*, QEvent* event) override
            {
                count += event->type() == QEvent::UpdateRequest || event->type() == QEvent::Paint;
                return false;
            }
        } counter(paints);
        widget->installEventFilter(&counter);
        m_now = later;
        set->views.tick();
        QCoreApplication::processEvents();
        QCOMPARE(widget->text(), text);
        QCOMPARE(paints > 0, repainted);
    }

    // A widget brought back from a screen that went stays where it is now
    // when a command makes a new native window, or only repaints it.
    void commandsKeepTheWidgetWhereItIs_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("不透明") << u"opaque"_s;
        QTest::newRow("置顶") << u"onTop"_s;
        QTest::newRow("置于桌面") << u"onDesktop"_s;
        QTest::newRow("鼠标穿透") << u"clickThrough"_s;
    }
    void commandsKeepTheWidgetWhereItIs()
    {
        QFETCH(QString, action);
        writeFile(m_preferences,
            "[countdowns]\nsize=1\n1\\title=x\n1\\target=2027-06-07\n1\\position=1700,500\n");
        auto set = makeSet();
        CountdownWidget* widget = set->widgets().first();
        // Brought back onto the screen from the right one that is gone (and
        // up where its fonts make it taller than the room below 500 leaves).
        const QPoint kept = widget->pos();
        QCOMPARE(kept.x(), 800 - widget->width());
        trigger(set.get(), action);
        QCOMPARE(widget->pos(), kept);
        QVERIFY(widget->isVisible());
        QVERIFY(readFile(m_preferences).contains("position=1700,500"));
    }

    // A 置顶 countdown belongs to the main window while that is full screen,
    // where a desktop puts the window above every other that stays on top.
    void onTopStaysAboveTheFullScreenWindow_data()
    {
        QTest::addColumn<bool>("onTop");
        QTest::addColumn<bool>("fullScreen");
        QTest::addColumn<bool>("minimized");
        QTest::newRow("置顶, full screen") << true << true << false;
        QTest::newRow("置顶, a window") << true << false << false;
        QTest::newRow("置顶, full screen, minimized") << true << true << true;
        QTest::newRow("full screen") << false << true << false;
    }
    void onTopStaysAboveTheFullScreenWindow()
    {
        QFETCH(bool, onTop);
        QFETCH(bool, fullScreen);
        QFETCH(bool, minimized);
        auto set = setWithOne({ u"一模"_s, QDate(2027, 3, 15) });
        CountdownWidget* widget = set->widgets().first();
        QWidget window;
        window.show();
        set->views.stayAbove(&window);
        if (onTop)
            trigger(set.get(), u"onTop"_s);
        window.setWindowState(Qt::WindowFullScreen);
        QTRY_COMPARE(
            widget->windowHandle()->transientParent(), onTop ? window.windowHandle() : nullptr);
        const QPoint place = widget->pos();
        window.setWindowState(Qt::WindowState(
            (fullScreen ? Qt::WindowFullScreen : 0) | (minimized ? Qt::WindowMinimized : 0)));
        const bool above = onTop && fullScreen && !minimized;
        // The widget follows once a window manager has had its time.
        QTest::qWait(2 * CountdownWidget::kWindowManagerMs);
        QCOMPARE(
            widget->windowHandle()->transientParent(), above ? window.windowHandle() : nullptr);
        QCOMPARE(widget->pos(), place);
        QVERIFY(widget->isVisible());
    }

    // 鼠标穿透 ticked at run time lets the next click through to the window
    // beneath at once, and unticked the widget takes clicks again: on X with a
    // window manager (tst_countdownwidgets_openbox), clicked with xdotool.
    void clickThroughAtRunTime_data()
    {
        QTest::addColumn<bool>("fromTheStart");
        QTest::newRow("ticked at run time") << false;
        QTest::newRow("ticked in the file, unticked at run time") << true;
    }
    void clickThroughAtRunTime()
    {
        QFETCH(bool, fromTheStart);
        if (QGuiApplication::platformName() != "xcb"_L1)
            QSKIP("needs a window system that routes clicks (-platform xcb)");
        writeFile(m_preferences,
            "[countdowns]\nsize=1\n1\\title=一模\n1\\target=2027-03-15T08:00\n1\\position=300,300\n"
                + QByteArray(fromTheStart ? "1\\clickThrough=true\n" : ""));
        QWidget beneath;
        beneath.setGeometry(QGuiApplication::primaryScreen()->geometry());
        beneath.show();
        QVERIFY(QTest::qWaitForWindowExposed(&beneath));
        auto set = makeSet();
        CountdownWidget* widget = set->widgets().first();
        QVERIFY(QTest::qWaitForWindowExposed(widget));
        widget->raise();
        // The window manager raises it and gives its frame the widget's input
        // shape in its own time, later on a busy machine.
        QTest::qWait(2 * CountdownWidget::kWindowManagerMs);
        const auto clickedOn = [widget, &beneath] {
            struct Presses : QObject {
                bool eventFilter(QObject* watched, QEvent* event) override
                {
                    // Two clicks on one spot are a double click, also
                    // where the first came in an earlier case.
                    if (event->type() == QEvent::MouseButtonPress
                        || event->type() == QEvent::MouseButtonDblClick)
                        pressed = watched;
                    return false;
                }
                QObject* pressed = nullptr;
            } presses;
            widget->installEventFilter(&presses);
            beneath.installEventFilter(&presses);
            const QPoint at = widget->mapToGlobal(widget->rect().center());
            QProcess::execute(u"xdotool"_s,
                { u"mousemove"_s, QString::number(at.x()), QString::number(at.y()), u"click"_s,
                    u"1"_s });
            return QTest::qWaitFor([&] { return presses.pressed != nullptr; }) ? presses.pressed
                                                                               : nullptr;
        };
        QCOMPARE(clickedOn(), fromTheStart ? static_cast<QObject*>(&beneath) : widget);
        trigger(set.get(), u"clickThrough"_s);
        QTest::qWait(2 * CountdownWidget::kWindowManagerMs);
        QCOMPARE(clickedOn(), fromTheStart ? static_cast<QObject*>(widget) : &beneath);
    }

    // A widget a screen took away with it comes back onto the primary one
    // (the offscreen platform's, 800 × 600).
    void keptOnScreen_data()
    {
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QPoint>("kept");
        QTest::newRow("inside") << QRect(100, 100, 200, 90) << QPoint(100, 100);
        QTest::newRow("half off the edge") << QRect(700, 550, 200, 90) << QPoint(700, 550);
        QTest::newRow("right of it") << QRect(1900, 100, 200, 90) << QPoint(600, 100);
        QTest::newRow("above and left") << QRect(-500, -300, 200, 90) << QPoint(0, 0);
        QTest::newRow("larger than it") << QRect(900, 700, 1000, 700) << QPoint(0, 0);
    }
    void keptOnScreen()
    {
        QFETCH(QRect, geometry);
        QFETCH(QPoint, kept);
        QCOMPARE(ScreenPlacement::keptOnScreen(geometry), kept);
    }
};

int main(int argc, char* argv[])
{
    useOffscreenScreen(QSize(800, 600));
    QApplication app(argc, argv);
    TestCountdownWidgets test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_countdownwidgets.moc"
