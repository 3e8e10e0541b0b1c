#include "filechooser.h"

#include "filenames.h"
#include "prompts.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

FileChooser::FileChooser(Prompts& prompts)
    : prompts_(prompts), open_{tr("Bitmap files (*.bmp)|*.bmp"), QStringLiteral("bmp"), {}},
      save_{tr("Text files (*.txt)|*.txt|All files (*.*)|*.*"), QStringLiteral("bmp"), {}}
{
}

QString FileChooser::pictureToOpen(QWidget* parent)
{
    if (!prompts_.openFile(parent, open_))
        return {};
    return entered(withDefaultExtension(open_.fileName, open_.defaultExt));
}

QString FileChooser::fileToSave(QWidget* parent, const QString& filter, const QString& extension)
{
    // The proposed name takes the time once, before the dialog opens.
    save_.filter = filter;
    save_.defaultExt = extension;
    save_.fileName = FileNames::stamped(QDateTime::currentDateTime(), extension);
    if (!prompts_.saveFile(parent, save_))
        return {};
    return entered(withDefaultExtension(save_.fileName, save_.defaultExt));
}

QString FileChooser::withDefaultExtension(const QString& path, const QString& extension)
{
    if (extension.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path.endsWith(QLatin1Char('.')) ? path + extension : path + QLatin1Char('.') + extension;
}

QString FileChooser::entered(const QString& path)
{
    QDir::setCurrent(QFileInfo(path).absolutePath());
    return path;
}
