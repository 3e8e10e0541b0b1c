// The start-up benchmark's yardstick: the least a Qt main window with a menu bar and a status bar
// costs to start, show and idle. Nothing else is built, read or shown.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.menuBar()->addMenu(QStringLiteral("File"));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.resize(462, 387);
    window.show();
    return QApplication::exec();
}
