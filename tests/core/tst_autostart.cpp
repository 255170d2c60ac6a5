// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "autostart.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
const QString kAppId = u"org.example.GaokaoCountdown"_s;
}

// The entry goes where the user's configuration directory says, which the test
// points at a temporary folder before anything reads it.
class TestAutostart : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
        m_validator = QStandardPaths::findExecutable(u"desktop-file-validate"_s);
        QVERIFY2(!m_validator.isEmpty(), "desktop-file-validate: scripts/install-deps.sh test");
    }

    void theEntryIsValidAndGoesAway_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::newRow("plain") << QStringList { u"/usr/bin/gaokao-countdown"_s };
        QTest::newRow("blanks") << QStringList { u"/home/老师/my programs/gaokao-countdown"_s };
        QTest::newRow("quote, dollar, backslash, percent, backtick")
            << QStringList { u"/opt/a\"b$c\\d%e`f/gaokao-countdown"_s };
        QTest::newRow("a shared folder") << QStringList { u"/usr/bin/gaokao-countdown"_s,
            u"--settings-dir"_s, u"/mnt/学校 共享/高三"_s };
    }

    void theEntryIsValidAndGoesAway()
    {
        QFETCH(QStringList, command);
        const Autostart autostart(kAppId, command);
        QCOMPARE(
            autostart.entryPath(), m_config.filePath(u"autostart/"_s + kAppId + u".desktop"_s));
        QVERIFY(!autostart.isEnabled());

        QCOMPARE(autostart.setEnabled(true), QString());
        QVERIFY(autostart.isEnabled());
        QProcess validate;
        validate.start(m_validator, { autostart.entryPath() });
        QVERIFY(validate.waitForFinished());
        const QByteArray said = validate.readAll();
        QVERIFY2(validate.exitCode() == 0 && said.isEmpty(), said.constData());

        QCOMPARE(autostart.setEnabled(false), QString());
        QVERIFY(!QFile::exists(autostart.entryPath()));
        QCOMPARE(autostart.setEnabled(false), QString());
    }

    void execQuotingReadsBackAsTheProgram_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << u"/usr/bin/a"_s << u"/usr/bin/a"_s;
        QTest::newRow("blank") << u"/a b/c"_s << u"\"/a b/c\""_s;
        QTest::newRow("quote and dollar") << u"/a\"$b"_s << u"\"/a\\\\\"\\\\$b\""_s;
        QTest::newRow("backslash") << u"/a\\b"_s << u"\"/a\\\\\\\\b\""_s;
        QTest::newRow("percent alone") << u"/a%b"_s << u"/a%%b"_s;
    }

    void execQuotingReadsBackAsTheProgram()
    {
        QFETCH(QString, program);
        QFETCH(QString, exec);
        QCOMPARE(Autostart::execArgument(program), exec);
    }

private:
    QTemporaryDir m_config;
    QString m_validator;
};

QTEST_GUILESS_MAIN(TestAutostart)
#include "tst_autostart.moc"
