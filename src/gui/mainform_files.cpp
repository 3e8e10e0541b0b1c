// Loading and saving pictures, saving and clearing the log.
#include "mainform.h"

#include "filehelpers.h"
#include "pictureio.h"
#include "prompts.h"
#include "scaledimage.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTextBlock>

namespace {
// What a file dialog does with a name typed without an extension.
QString withDefaultExtension(const QString& path, const QString& extension)
{
    if (extension.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + extension;
}
} // namespace

QString TMainForm::stampedName(const QString& extension)
{
    return QStringLiteral("DSO_") +
           QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")) +
           QLatin1Char('.') + extension;
}

void TMainForm::enterFolderOf(const QString& path)
{
    // The platform's dialogs left the process in the chosen folder; the next download writes
    // its working file there.
    QDir::setCurrent(QFileInfo(path).absolutePath());
}

void TMainForm::LoadBitmapClick()
{
    if (!prompts_.openFile(this, OpenDialog))
        return;
    const QString path = withDefaultExtension(OpenDialog.fileName, OpenDialog.defaultExt);
    enterFolderOf(path);
    QString error;
    const QImage image = PictureIo::load(path, &error);
    if (image.isNull()) {
        prompts_.message(this, QStringLiteral("The picture could not be loaded."), error);
        return;
    }
    showPicture(image);
}

QString TMainForm::runSaveDialog(const QString& filter, const QString& extension)
{
    // The proposed name takes the time once, before the dialog opens.
    SaveDialog.filter = filter;
    SaveDialog.defaultExt = extension;
    SaveDialog.fileName = stampedName(extension);
    if (!prompts_.saveFile(this, SaveDialog))
        return {};
    const QString path = withDefaultExtension(SaveDialog.fileName, SaveDialog.defaultExt);
    enterFolderOf(path);
    return path;
}

void TMainForm::SaveBitmapClick()
{
    const QString path =
        runSaveDialog(QStringLiteral("Bitmap files (*.bmp)|*.bmp"), QStringLiteral("bmp"));
    QString error;
    if (!path.isEmpty() && !PictureIo::saveBmp(ImageDSO->image(), path, &error))
        prompts_.message(this, QStringLiteral("The picture could not be saved."), error);
}

void TMainForm::bntSaveMemoClick()
{
    // A log typed without an extension is a text file, not a ".bmp".
    const QString path = runSaveDialog(
        QStringLiteral("Text files (*.txt)|*.txt|All files (*.*)|*.*"), QStringLiteral("txt"));
    if (path.isEmpty())
        return;
    QByteArray text;
    if (!Memo->document()->isEmpty()) {
        for (QTextBlock block = Memo->document()->begin(); block.isValid(); block = block.next())
            text += block.text().toLocal8Bit() + "\r\n";
    }
    QString error;
    if (!StringToFile(text, path, &error))
        prompts_.message(this, QStringLiteral("The log could not be saved."), error);
}

void TMainForm::btnClearMemoClick()
{
    Memo->clear();
}
