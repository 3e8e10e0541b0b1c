#include "appwindows.h"
#include "myserial.h"
#include "qtprompts.h"
#include "systemportprobe.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString appDir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const MySerialUnit serial(SystemPortProbe::make(appDir + QStringLiteral("Orvisnap.ini")));
    QApplication::setApplicationName(QStringLiteral("Orvisnap"));
    QtPrompts prompts;
    AppWindows windows(prompts, appDir);
    windows.MainForm.show();
    return QApplication::exec();
}
