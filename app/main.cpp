#include "fontsubstitutes.h"
#include "form1.h"
#include "qttranslations.h"
#include "settingsstore.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("gaokao-countdown"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
    // Lets a Wayland desktop find the menu entry, and so the icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(GAOKAO_APP_ID));
    installFontSubstitutes();
    installQtTranslations(app);

    const SettingsStore store;
    Form1 form(store);
    QApplication::setWindowIcon(form.windowIcon());
    form.show();
    return app.exec();
}
