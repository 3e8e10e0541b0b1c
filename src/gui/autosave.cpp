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
#include <QLabel>

namespace {
const QString Bmp = QStringLiteral("bmp");
const QString Png = QStringLiteral("png");
} // namespace

AutoSave::AutoSave(Prompts& prompts, QWidget* window, QLabel* panel, Log log)
    : QObject(window), prompts_(prompts), window_(window), panel_(panel), log_(std::move(log))
{
    setObjectName(QStringLiteral("AutoSave"));
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

void AutoSave::downloadStarted()
{
    // Only this panel text ends here; what the download itself shows there stays its own.
    if (!shown_.isEmpty() && panel_->text() == shown_) {
        panel_->clear();
        panel_->setToolTip({});
    }
    shown_.clear();
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
        show(tr("Saved %1").arg(QFileInfo(path).fileName()));
        return;
    }
    const QString failure = tr("Not saved: %1").arg(saved.reason());
    show(failure);
    log_(failure);
}

void AutoSave::show(const QString& text)
{
    // After the download's own ending ("Received 38 KB"), which stays in front; how two
    // sentences follow each other is the language's own.
    const QString ending = panel_->text() == shown_ ? QString() : panel_->text();
    //: The status bar: %1 how the download ended (e.g. "Received 38 KB"), %2 what became of the
    //: picture saved into the folder (e.g. "Saved DSO_2026-01-31_14-05-09.png")
    shown_ = ending.isEmpty() ? text : tr("%1. %2").arg(ending, text);
    panel_->setText(shown_);
    panel_->setToolTip(shown_);
}
