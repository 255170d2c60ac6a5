// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences.h"
#include "settingsfile.h"

#include <QDir>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
const QString kPolicies = u"Software\\Policies"_s;
const QStringList kHives { u"HKEY_LOCAL_MACHINE\\"_s, u"HKEY_CURRENT_USER\\"_s };

QString policyKey(const QString& hive) { return hive + kPolicies + u"\\gaokao-countdown"_s; }

// Writes `values` as the Group Policy editor does; false when the registry
// refuses.
bool writePolicies(const QString& hive, const QVariantMap& values)
{
    QSettings key(policyKey(hive), QSettings::NativeFormat);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        key.setValue(it.key(), it.value());
    key.sync();
    return key.status() == QSettings::NoError
        && (values.isEmpty()
            || QSettings(policyKey(hive), QSettings::NativeFormat).contains(values.firstKey()));
}
}

// The policies as the program finds them in the registry (under Wine too),
// beside the system's file.
class TestPolicies : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
#ifndef Q_OS_WIN
        QSKIP("Group Policy is Windows' own");
#endif
        for (const QString& hive : kHives)
            if (!QSettings(policyKey(hive), QSettings::NativeFormat).childKeys().isEmpty())
                QSKIP("this computer has policies of its own for the program");
        m_written = true;
    }

    void cleanup()
    {
        if (m_written)
            for (const QString& hive : kHives)
                QSettings(hive + kPolicies, QSettings::NativeFormat).remove(u"gaokao-countdown"_s);
        m_written = false;
    }

    void theRegistrysPoliciesCount_data()
    {
        QTest::addColumn<QVariantMap>("machine");
        QTest::addColumn<QVariantMap>("user");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<bool>("onTop");
        QTest::addColumn<QString>("settingsDir");
        QTest::addColumn<int>("problems");
        // The system's file locks, keeps on top and names C:\gaokao.
        const QString share = u"\\\\server\\共享\\高三"_s, file = u"C:\\gaokao"_s;
        QTest::newRow("none") << QVariantMap() << QVariantMap() << true << true << file << 0;
        QTest::newRow("the user's, a number and a text")
            << QVariantMap() << QVariantMap { { u"Locked"_s, 0 }, { u"SettingsDir"_s, share } }
            << false << true << share << 0;
        QTest::newRow("the computer's first")
            << QVariantMap { { u"StayOnTop"_s, 0 } }
            << QVariantMap { { u"StayOnTop"_s, 1 }, { u"Locked"_s, u"yes"_s } } << true << false
            << file << 0;
        QTest::newRow("a list is told")
            << QVariantMap() << QVariantMap { { u"Locked"_s, QStringList { u"0"_s } } } << true
            << true << file << 1;
    }

    void theRegistrysPoliciesCount()
    {
        QFETCH(QVariantMap, machine);
        QFETCH(QVariantMap, user);
        QFETCH(int, problems);
        if (!writePolicies(kHives[0], machine))
            QSKIP("the computer's policies may not be written here");
        QVERIFY(writePolicies(kHives[1], user));
        const QTemporaryDir dir;
        const QString system = dir.filePath(u"system.ini"_s);
        writeFile(
            system, "[school]\nlocked=true\nsettingsDir=C:/gaokao\n[display]\nstayOnTop=true\n");
        if (problems)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^组策略“HKEY_CURRENT_USER"_s));
        const Preferences preferences(
            dir.filePath(u"user.ini"_s), { system }, Preferences::Rights::User);
        QTEST(preferences.isLocked(), "locked");
        QTEST(preferences.value(Preferences::Choice::StayOnTop), "onTop");
        QTEST(QDir::toNativeSeparators(preferences.schoolSettingsFolder()), "settingsDir");
        QCOMPARE(preferences.problems().size(), problems);
    }

private:
    bool m_written = false;
};

QTEST_GUILESS_MAIN(TestPolicies)
#include "tst_policies.moc"
