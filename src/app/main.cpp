#include "appicon.h"
#include "closeontermination.h"
#include "mainwindow.h"
#include "orvisnap_installlayout.h"
#include "qtprompts.h"
#include "settingsfile.h"
#include "storedsettings.h"
#include "translations.h"
#include "workingfolder.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The name decides the configuration folder, so it comes before the settings file's place.
    QApplication::setApplicationName(QStringLiteral("Orvisnap"));
    // Wayland compositors find the window's icon through its desktop entry.
    QGuiApplication::setDesktopFileName(QLatin1String(OrvisnapInstall::AppId));
    QApplication::setWindowIcon(AppIcon::icon());
    // A termination signal is a close request, as the close box is: settings are kept, and an
    // open dialog does not hold the program up. From the start, so that none is lost.
    const CloseOnTermination closeOnTermination;
    // Before any window: the working file and the file dialogs use the folder from the start.
    WorkingFolder::enter();
    // The settings are read once: for the language, which the windows are made in, and for them.
    StoredSettings stored = StoredSettings::read(SettingsFile::locate());
    Translations::install(app, stored.language);
    QtPrompts prompts;
    MainWindow window(prompts, {{}, std::move(stored), {}});
    window.show();
    return QApplication::exec();
}
