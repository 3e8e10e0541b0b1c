#pragma once

#include "filedialogstate.h"

#include <QString>

class QWidget;

// The modal questions the program asks: message boxes and file dialogs. The program uses
// QtPrompts; tests answer with their own.
class Prompts {
public:
    virtual ~Prompts() = default;
    // A modal box with one OK button. `detail` (may be empty) carries the system's reason.
    virtual void message(QWidget* parent, const QString& text, const QString& detail) = 0;
    // True when the user confirmed; then state.fileName is the chosen absolute path.
    [[nodiscard]] virtual bool openFile(QWidget* parent, FileDialogState& state) = 0;
    [[nodiscard]] virtual bool saveFile(QWidget* parent, FileDialogState& state) = 0;
    // A folder picked by the user, starting in `start`; empty when cancelled.
    [[nodiscard]] virtual QString chooseFolder(QWidget* parent, const QString& title,
                                               const QString& start) = 0;
};
