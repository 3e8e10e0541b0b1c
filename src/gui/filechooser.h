#pragma once

#include "filedialogstate.h"

#include <QCoreApplication>
#include <QString>

class Prompts;
class QWidget;

// The window's two file dialogs and what each keeps from one showing to the next: the filter,
// the extension a name typed without one gets, the name proposed. A path chosen makes its folder
// the current one, as the platform's dialogs do: the next download writes its working file there.
class FileChooser {
    Q_DECLARE_TR_FUNCTIONS(FileChooser)
public:
    explicit FileChooser(Prompts& prompts);

    // A picture to show; empty when the user cancelled.
    [[nodiscard]] QString pictureToOpen(QWidget* parent);
    // Where to save, proposing "DSO_<date>_<time>.<extension>"; empty when the user cancelled.
    [[nodiscard]] QString fileToSave(QWidget* parent, const QString& filter,
                                     const QString& extension);

    // What a file dialog does with a name typed without an extension. A trailing dot ("foo.")
    // names no extension either; it becomes the separator rather than a doubled dot.
    [[nodiscard]] static QString withDefaultExtension(const QString& path,
                                                      const QString& extension);

private:
    [[nodiscard]] static QString entered(const QString& path);

    Prompts& prompts_;
    FileDialogState open_;
    FileDialogState save_;
};
