// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "programinfo.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

// The About box must say what the package says: the project's version, and
// the licence that the AppStream metainfo declares.
class TestProgramInfo : public QObject {
    Q_OBJECT
private slots:
    void aboutTextNamesVersionAndLicence();
};

void TestProgramInfo::aboutTextNamesVersionAndLicence()
{
    QFile metainfo(QStringLiteral(GAOKAO_METAINFO));
    QVERIFY2(metainfo.open(QIODevice::ReadOnly), qPrintable(metainfo.fileName()));
    const QString declared = QString::fromUtf8(metainfo.readAll());
    QVERIFY(
        declared.contains(u"<project_license>%1</project_license>"_s.arg(ProgramInfo::licence)));

    const QString about = ProgramInfo::aboutText();
    QVERIFY2(about.startsWith(u"高考倒计时 " PROJECT_VERSION_U "\n"), qPrintable(about));
    QVERIFY2(about.contains(u"许可证：GPL-3.0-or-later"_s), qPrintable(about));
}

QTEST_GUILESS_MAIN(TestProgramInfo)
#include "tst_programinfo.moc"
