#pragma once

#include "prompts.h"

#include <QFileInfo>
#include <QQueue>
#include <QStringList>

// Answers the program's message boxes and file dialogs from a script and records what was
// asked, so tests can drive the real windows without modal loops.
class ScriptedPrompts final : public Prompts {
public:
    struct Message {
        QString text;
        QString detail;
    };

    void message(QWidget*, const QString& text, const QString& detail) override
    {
        messages.append({text, detail});
    }
    bool openFile(QWidget*, FileDialogState& state) override { return answer(state, opened); }
    bool saveFile(QWidget*, FileDialogState& state) override { return answer(state, saved); }
    QString chooseFolder(QWidget*, const QString&, const QString&) override
    {
        return answers.isEmpty() ? QString() : answers.dequeue();
    }

    // The next dialog gets this name or folder (empty: the user cancels).
    void answerNext(const QString& fileName) { answers.enqueue(fileName); }

    QList<Message> messages;
    QList<FileDialogState> opened; // each dialog as it was shown
    QList<FileDialogState> saved;

private:
    bool answer(FileDialogState& state, QList<FileDialogState>& log)
    {
        log.append(state);
        const QString name = answers.isEmpty() ? QString() : answers.dequeue();
        if (name.isEmpty())
            return false;
        state.fileName = QFileInfo(name).absoluteFilePath();
        return true;
    }

    QQueue<QString> answers;
};
