#include "app/lunetraapp.h"
#include "app/thauptformular.h"

#include "framework/dialoginteraction.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);

    // Qt's own buttons and dialogs speak German like the rest of the program.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    DialogInteraction interaction;
    LunetraApp lunetra(interaction);
    lunetra.mainWindow().show();

    // For the start-up benchmark: end as soon as the main window is up.
    if (qEnvironmentVariableIsSet("LUNETRA_QUIT_AFTER_START"))
        QTimer::singleShot(0, &lunetra.mainWindow(), &QWidget::close);

    return application.exec();
}
