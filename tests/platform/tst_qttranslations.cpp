// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qttranslations.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

// Run with LANG=C: Qt's own texts in the program's dialogs must be Chinese
// all the same, through the function the program calls at start-up.
class TestQtTranslations : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void questionButtons_data();
    void questionButtons();
    void fileChooser_data();
    void fileChooser();
};

void TestQtTranslations::initTestCase()
{
    QVERIFY2(installQtTranslations(*qApp), "qt6-translations-l10n is not installed");
}

void TestQtTranslations::questionButtons_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("button");
    QTest::addColumn<QString>("expected");
    QTest::newRow("yes") << QMessageBox::Yes << u"是"_s;
    QTest::newRow("no") << QMessageBox::No << u"否"_s;
}

// The buttons the exit question is made with.
void TestQtTranslations::questionButtons()
{
    QFETCH(QMessageBox::StandardButton, button);
    QFETCH(QString, expected);
    QMessageBox box(QMessageBox::Question, u"提示"_s, u"是否真的退出程序"_s,
        QMessageBox::Yes | QMessageBox::No);
    const QString text = box.button(button)->text();
    QVERIFY2(text.startsWith(expected), qPrintable(text));
}

void TestQtTranslations::fileChooser_data()
{
    QTest::addColumn<QDialogButtonBox::StandardButton>("button");
    QTest::addColumn<QString>("expected");
    QTest::newRow("cancel") << QDialogButtonBox::Cancel << u"取消"_s;
    QTest::newRow("open") << QDialogButtonBox::Open << u"打开"_s;
}

// Qt's own file chooser, as the settings dialog opens it on a desktop without
// a native one (and always offscreen).
void TestQtTranslations::fileChooser()
{
    QFETCH(QDialogButtonBox::StandardButton, button);
    QFETCH(QString, expected);
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    QVERIFY(buttons);
    QPushButton* found = buttons->button(button);
    QVERIFY(found);
    QVERIFY2(found->text().contains(expected), qPrintable(found->text()));
}

QTEST_MAIN(TestQtTranslations)
#include "tst_qttranslations.moc"
