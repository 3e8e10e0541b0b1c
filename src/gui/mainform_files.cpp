// Loading and saving pictures, saving and clearing the log.
#include "mainform.h"

#include "filehelpers.h"
#include "filenames.h"
#include "pictureio.h"
#include "prompts.h"
#include "scaledimage.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTextBlock>

namespace {
// What a file dialog does with a name typed without an extension. A trailing dot ("foo.")
// names no extension either; it becomes the separator rather than a doubled dot.
QString withDefaultExtension(const QString& path, const QString& extension)
{
    if (extension.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path.endsWith(QLatin1Char('.')) ? path + extension : path + QLatin1Char('.') + extension;
}
} // namespace

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
    loadPicture(path);
}

void TMainForm::loadPicture(const QString& path)
{
    QImage image;
    if (const Outcome loaded = PictureIo::load(path, image); !loaded) {
        prompts_.message(this, tr("The picture could not be loaded."), loaded.reason());
        return;
    }
    showPicture(image, tr("Picture from a file"));
}

QString TMainForm::runSaveDialog(const QString& filter, const QString& extension)
{
    // The proposed name takes the time once, before the dialog opens.
    SaveDialog.filter = filter;
    SaveDialog.defaultExt = extension;
    SaveDialog.fileName = FileNames::stamped(QDateTime::currentDateTime(), extension);
    if (!prompts_.saveFile(this, SaveDialog))
        return {};
    const QString path = withDefaultExtension(SaveDialog.fileName, SaveDialog.defaultExt);
    enterFolderOf(path);
    return path;
}

void TMainForm::savePictureAs(const QString& filter, const QString& extension, const char* format)
{
    const QString path = runSaveDialog(filter, extension);
    if (path.isEmpty())
        return;
    if (const Outcome saved = PictureIo::save(ImageDSO->image(), path, format); !saved)
        prompts_.message(this, tr("The picture could not be saved."), saved.reason());
}

void TMainForm::SaveBitmapClick()
{
    savePictureAs(tr("Bitmap files (*.bmp)|*.bmp"), QStringLiteral("bmp"), "BMP");
}

void TMainForm::SaveasPNG1Click()
{
    savePictureAs(tr("PNG files (*.png)|*.png"), QStringLiteral("png"), "PNG");
}

void TMainForm::bntSaveMemoClick()
{
    // A log typed without an extension is a text file, not a ".bmp".
    const QString path =
        runSaveDialog(tr("Text files (*.txt)|*.txt|All files (*.*)|*.*"), QStringLiteral("txt"));
    if (path.isEmpty())
        return;
    QByteArray text;
    if (!Memo->document()->isEmpty()) {
        for (QTextBlock block = Memo->document()->begin(); block.isValid(); block = block.next())
            text += block.text().toLocal8Bit() + "\r\n";
    }
    if (const Outcome saved = StringToFile(text, path); !saved)
        prompts_.message(this, tr("The log could not be saved."), saved.reason());
}

void TMainForm::btnClearMemoClick()
{
    Memo->clear();
}
