#pragma once

#include "prompts.h"

#include <QStringList>

// Nobody sits at the benchmark: messages are kept so a run that showed one is reported as
// failed, and file and folder dialogs are cancelled.
class BenchPrompts final : public Prompts {
public:
    void message(QWidget*, const QString& text, const QString& detail) override
    {
        messages << (detail.isEmpty() ? text : text + QStringLiteral(" (") + detail + ')');
    }
    bool openFile(QWidget*, FileDialogState&) override { return false; }
    bool saveFile(QWidget*, FileDialogState&) override { return false; }
    QString chooseFolder(QWidget*, const QString&, const QString&) override { return {}; }

    QStringList messages;
};
