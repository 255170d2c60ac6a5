// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

// Qt's own texts (the buttons of a question, the file chooser, Qt's error
// reasons) in Simplified Chinese, whatever the system language: the program's
// own texts are Chinese always, and the two must not be mixed. Loads Qt's
// translation catalogue from where Qt keeps its translations (Debian:
// qt6-translations-l10n). Returns false, with a warning, when it is missing;
// the program then runs on with Qt's English texts.
bool installQtTranslations(QCoreApplication& app);
