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
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto* translator = new QTranslator(&app);
    if (!translator->load(u"qtbase_zh_CN"_s, folder)) {
        delete translator;
        qWarning("Qt's Chinese translations (qtbase_zh_CN.qm) are not in %s: Qt's own texts "
                 "stay in English",
            qPrintable(folder));
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
