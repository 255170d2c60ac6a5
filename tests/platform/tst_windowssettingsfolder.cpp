// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowssettingsfolder.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {
const QString kProgramFiles = u"C:/Program Files/VEKTemp"_s;
const QString kVirtualStore = u"C:/Users/a/AppData/Local/VirtualStore/Program Files/VEKTemp"_s;
}

// The rights and files of a Windows computer, told to the choice as they
// would be there: Wine does not enforce Windows' rights.
class TestWindowsSettingsFolder : public QObject {
    Q_OBJECT
private slots:
    void choice_data()
    {
        QTest::addColumn<bool>("writable"); // the program may write in Program Files
        QTest::addColumn<bool>("sharedFile"); // a data.txt in Program Files
        QTest::addColumn<bool>("ownCopy"); // a data.txt in the user's VirtualStore
        QTest::addColumn<QString>("chosen");
        QTest::newRow("an administrator, or open rights") << true << true << true << kProgramFiles;
        QTest::newRow("an ordinary user's first start") << false << false << false << kVirtualStore;
        QTest::newRow("an old user's redirected copy") << false << false << true << kVirtualStore;
        QTest::newRow("the school's file for everyone") << false << true << false << kProgramFiles;
        QTest::newRow("the user's own copy beside the school's")
            << false << true << true << kVirtualStore;
    }

    void choice()
    {
        QFETCH(bool, writable);
        QFETCH(bool, sharedFile);
        QFETCH(bool, ownCopy);
        QFETCH(QString, chosen);
        const WindowsSettingsFolder::Probe probe {
            [&](const QString& folder) { return folder == kProgramFiles && writable; },
            [&](const QString& folder) {
                return folder == kProgramFiles ? sharedFile : folder == kVirtualStore && ownCopy;
            },
        };
        QCOMPARE(WindowsSettingsFolder::choose(kProgramFiles, kVirtualStore, probe), chosen);
    }
};

QTEST_GUILESS_MAIN(TestWindowsSettingsFolder)
#include "tst_windowssettingsfolder.moc"
