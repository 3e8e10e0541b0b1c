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

void TMainForm::SaveBitmapClick()
{
    const QString proposed = stampedName(QStringLiteral("bmp"));
    SaveDialog.filter = QStringLiteral("Bitmap files (*.bmp)|*.bmp");
    SaveDialog.defaultExt = QStringLiteral("bmp");
    SaveDialog.fileName = proposed;
    if (!prompts_.saveFile(this, SaveDialog))
        return;
    const QString path = withDefaultExtension(SaveDialog.fileName, SaveDialog.defaultExt);
    enterFolderOf(path);
    QString error;
    if (!PictureIo::saveBmp(ImageDSO->image(), path, &error))
        prompts_.message(this, QStringLiteral("The picture could not be saved."), error);
}

void TMainForm::bntSaveMemoClick()
{
    const QString proposed = stampedName(QStringLiteral("txt"));
    SaveDialog.filter = QStringLiteral("Text files (*.txt)|*.txt|All files (*.*)|*.*");
    // A log typed without an extension is a text file, not a ".bmp".
    SaveDialog.defaultExt = QStringLiteral("txt");
    SaveDialog.fileName = proposed;
    if (!prompts_.saveFile(this, SaveDialog))
        return;
    const QString path = withDefaultExtension(SaveDialog.fileName, SaveDialog.defaultExt);
    enterFolderOf(path);
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
