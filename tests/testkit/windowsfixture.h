#pragma once

#include "appwindows.h"
#include "guitestsupport.h"
#include "scriptedprompts.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

// The program's windows over their own settings folder, answered by ScriptedPrompts. A test
// keeps one and calls reset() after each case, so every case starts from an empty folder.
class WindowsFixture {
public:
    WindowsFixture() = default;
    WindowsFixture(const WindowsFixture&) = delete;
    WindowsFixture& operator=(const WindowsFixture&) = delete;
    ~WindowsFixture() { close(); }

    // The windows exactly as the program starts them: first-run timer running, nothing shown.
    AppWindows& create(const QList<int>& ports = {1}, const QString& devicePath = {})
    {
        useTestPorts(ports, devicePath);
        return build();
    }

    // Ready for the user: no first-run COM dialog will interrupt, the main window shows.
    AppWindows& start(const QList<int>& ports = {1}, const QString& devicePath = {})
    {
        create(ports, devicePath);
        return settle();
    }

    // A second run of the program over the same folder and with the same ports.
    AppWindows& restart()
    {
        build();
        return settle();
    }

    // No windows, a new empty folder and nothing recorded.
    void reset()
    {
        close();
        prompts_ = std::make_unique<ScriptedPrompts>();
        dir_ = std::make_unique<QTemporaryDir>();
    }

    [[nodiscard]] AppWindows& windows() { return *windows_; }
    [[nodiscard]] TMainForm& mainForm() { return windows_->MainForm; }
    [[nodiscard]] ScriptedPrompts& prompts() { return *prompts_; }
    [[nodiscard]] const QTemporaryDir& dir() const { return *dir_; }
    [[nodiscard]] QString path(const QString& name) const { return dir_->filePath(name); }

private:
    // One run at a time: the windows share the serial unit's global state.
    AppWindows& build()
    {
        windows_.reset();
        windows_ = std::make_unique<AppWindows>(*prompts_, dir_->path());
        return *windows_;
    }

    AppWindows& settle()
    {
        windows_->MainForm.StartTimer->stop();
        windows_->MainForm.show();
        return *windows_;
    }

    void close()
    {
        windows_.reset();
        ComStopUnit();
        QDir::setCurrent(previousDir_); // a confirmed file dialog enters its folder
    }

    QString previousDir_ = QDir::currentPath();
    std::unique_ptr<QTemporaryDir> dir_ = std::make_unique<QTemporaryDir>();
    std::unique_ptr<ScriptedPrompts> prompts_ = std::make_unique<ScriptedPrompts>();
    std::unique_ptr<AppWindows> windows_;
};
