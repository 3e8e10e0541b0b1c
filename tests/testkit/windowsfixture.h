#pragma once

#include "mainwindow.h"
#include "scriptedprompts.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

// The program's main window over a settings folder of its own and exactly the ports a test
// names, answered by ScriptedPrompts; and its parts found as a user finds them, by what they
// are called. A test keeps one and calls reset() after each case, so every case starts from an
// empty folder.
class WindowsFixture {
public:
    WindowsFixture() = default;
    WindowsFixture(const WindowsFixture&) = delete;
    WindowsFixture& operator=(const WindowsFixture&) = delete;
    ~WindowsFixture() { close(); }

    // The ports numbered `numbers`, each on `devicePath` (a "%1" in it becomes the number), or
    // on a dummy device.
    [[nodiscard]] static MainWindow::PortDetection ports(const QList<int>& numbers,
                                                         const QString& devicePath = {})
    {
        const QString path = devicePath.isEmpty() ? QStringLiteral("/dev/null") : devicePath;
        return [numbers, path] {
            QMap<int, QString> devices;
            for (const int n : numbers)
                devices.insert(n, path.contains(QLatin1String("%1")) ? path.arg(n) : path);
            return ComPortList(devices);
        };
    }

    // The window exactly as the program starts it: first-run timer running, nothing shown.
    MainWindow& create(const QList<int>& numbers = {1}, const QString& devicePath = {})
    {
        detectPorts_ = ports(numbers, devicePath);
        return build();
    }

    // Ready for the user: no first-run COM dialog will interrupt, the main window shows.
    MainWindow& start(const QList<int>& numbers = {1}, const QString& devicePath = {})
    {
        create(numbers, devicePath);
        return settle();
    }

    // The same over ports that `detect` tells anew at each asking.
    MainWindow& start(MainWindow::PortDetection detect)
    {
        detectPorts_ = std::move(detect);
        build();
        return settle();
    }

    // A second run of the program over the same folder and with the same ports.
    MainWindow& restart()
    {
        build();
        return settle();
    }

    // No window, a new empty folder and nothing recorded.
    void reset()
    {
        close();
        prompts_ = std::make_unique<ScriptedPrompts>();
        dir_ = std::make_unique<QTemporaryDir>();
    }

    [[nodiscard]] MainWindow& window() { return *window_; }
    [[nodiscard]] ScriptedPrompts& prompts() { return *prompts_; }
    [[nodiscard]] const QTemporaryDir& dir() const { return *dir_; }
    [[nodiscard]] QString path(const QString& name) const { return dir_->filePath(name); }

    // A part of the window by its object name; fails the test when there is none.
    template <typename T> [[nodiscard]] T& find(const QString& name)
    {
        T* found = window_->findChild<T*>(name);
        if (!found)
            qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
        return *found;
    }
    [[nodiscard]] QAction& action(const QString& name) { return find<QAction>(name); }
    [[nodiscard]] QPushButton& button(const QString& name) { return find<QPushButton>(name); }
    [[nodiscard]] QString statusText(const QString& panel) { return find<QLabel>(panel).text(); }

private:
    MainWindow& build()
    {
        window_.reset();
        window_ = std::make_unique<MainWindow>(
            *prompts_, MainWindow::Options{dir_->path(), std::nullopt, detectPorts_});
        return *window_;
    }

    MainWindow& settle()
    {
        find<QTimer>(QStringLiteral("firstRunTimer")).stop();
        window_->show();
        return *window_;
    }

    void close()
    {
        window_.reset();
        QDir::setCurrent(previousDir_); // a confirmed file dialog enters its folder
    }

    QString previousDir_ = QDir::currentPath();
    std::unique_ptr<QTemporaryDir> dir_ = std::make_unique<QTemporaryDir>();
    std::unique_ptr<ScriptedPrompts> prompts_ = std::make_unique<ScriptedPrompts>();
    MainWindow::PortDetection detectPorts_;
    std::unique_ptr<MainWindow> window_;
};
