#include "autosave.h"

#include "filehelpers.h"
#include "filenames.h"
#include "pictureio.h"
#include "prompts.h"
#include "storedsettings.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QWidget>

namespace {
const QString Bmp = QStringLiteral("bmp");
const QString Png = QStringLiteral("png");
} // namespace

AutoSave::AutoSave(Prompts& prompts, QWidget* window)
    : QObject(window), prompts_(prompts), window_(window)
{
    setObjectName(QStringLiteral("autoSave"));
}

void AutoSave::setFolder(const QString& folder)
{
    const bool wasOn = isOn();
    folder_ = folder;
    if (isOn() != wasOn)
        emit switched(isOn());
}

void AutoSave::setFormat(const QString& format)
{
    format_ = format.compare(Bmp, Qt::CaseInsensitive) == 0 ? Bmp : Png;
}

void AutoSave::chooseFolder()
{
    const QString start = isOn() ? folder_ : QDir::currentPath();
    const QString chosen =
        prompts_.chooseFolder(window_, tr("Save each picture to a folder"), start);
    if (!chosen.isEmpty())
        setFolder(QDir::cleanPath(QFileInfo(chosen).absoluteFilePath()));
}

void AutoSave::stop()
{
    setFolder({});
}

void AutoSave::useSettings(const StoredSettings& stored)
{
    setFolder(stored.autoSaveFolder);
    setFormat(stored.autoSaveFormat);
}

void AutoSave::storeSettings(StoredSettings& settings) const
{
    settings.autoSaveFolder = folder_;
    settings.autoSaveFormat = format_;
}

void AutoSave::pictureArrived(const QByteArray& receivedFile, const QImage& picture)
{
    if (!isOn())
        return;
    const bool bmp = format_ == Bmp;
    const QString path = FileNames::freeIn(
        folder_, FileNames::stamped(QDateTime::currentDateTime(), bmp ? Bmp : Png));
    const Outcome saved =
        bmp ? StringToFile(receivedFile, path) : PictureIo::save(picture, path, "PNG");
    if (saved) {
        emit told(tr("Saved %1").arg(QFileInfo(path).fileName()));
        return;
    }
    const QString failure = tr("Not saved: %1").arg(saved.reason());
    emit told(failure);
    emit failed(failure);
}
