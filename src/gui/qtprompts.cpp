#include "qtprompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace {
// "Bitmap files (*.bmp)|*.bmp" to Qt's "Bitmap files (*.bmp)" list.
QStringList qtFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << (parts[i].contains(QLatin1Char('(')) ? parts[i]
                                                        : parts[i] + " (" + patterns + ")");
    }
    return filters;
}

bool runDialog(QWidget* parent, FileDialogState& state, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    // Neither asks before overwriting, nor insists that an opened file exists.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setNameFilters(qtFilters(state.filter));
    dialog.setDirectory(QDir::currentPath());
    if (!state.fileName.isEmpty())
        dialog.selectFile(state.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    state.fileName = dialog.selectedFiles().constFirst();
    return true;
}
} // namespace

void QtPrompts::message(QWidget* parent, const QString& text, const QString& detail)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok,
                    parent);
    if (!detail.isEmpty())
        box.setInformativeText(detail);
    box.exec();
}

bool QtPrompts::openFile(QWidget* parent, FileDialogState& state)
{
    return runDialog(parent, state, QFileDialog::AcceptOpen);
}

bool QtPrompts::saveFile(QWidget* parent, FileDialogState& state)
{
    return runDialog(parent, state, QFileDialog::AcceptSave);
}

QString QtPrompts::chooseFolder(QWidget* parent, const QString& title, const QString& start)
{
    return QFileDialog::getExistingDirectory(parent, title, start);
}
