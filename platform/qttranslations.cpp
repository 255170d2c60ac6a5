// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::StringLiterals;

bool installQtTranslations(QCoreApplication& app)
{
    // A fixed catalogue rather than one picked by QLocale::system(): with
    // LANG=C or an English desktop the program still speaks Chinese only.
    // On Windows the packages carry Qt's catalogue in a translations folder
    // beside the program.
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QString folders[]
        = { qtFolder, QCoreApplication::applicationDirPath() + u"/translations"_s };
    auto* translator = new QTranslator(&app);
    for (const QString& folder : folders) {
        for (const QString& name : { u"qtbase_zh_CN"_s, u"qt_zh_CN"_s }) {
            if (translator->load(name, folder))
                return QCoreApplication::installTranslator(translator);
        }
    }
    delete translator;
    qWarning("Qt's Chinese translations (qtbase_zh_CN.qm) are not in %s: Qt's own texts stay "
             "in English",
        qPrintable(qtFolder));
    return false;
}
