#pragma once

#include "prompts.h"

// Qt's message boxes and file dialogs.
class QtPrompts final : public Prompts {
public:
    void message(QWidget* parent, const QString& text, const QString& detail) override;
    [[nodiscard]] bool openFile(QWidget* parent, FileDialogState& state) override;
    [[nodiscard]] bool saveFile(QWidget* parent, FileDialogState& state) override;
    [[nodiscard]] QString chooseFolder(QWidget* parent, const QString& title,
                                       const QString& start) override;
};
