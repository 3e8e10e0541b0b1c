#include "capturelistmodel.h"

#include <QIcon>
#include <QImageReader>
#include <QLocale>

namespace {
constexpr int ThumbnailCacheKb = 48 * 1024; // some 600 thumbnails at 160 x 120
}

CaptureListModel::CaptureListModel(QObject* parent) : QAbstractListModel(parent)
{
    thumbnails_.setMaxCost(ThumbnailCacheKb);
}

void CaptureListModel::setCaptures(const QList<Capture>& captures)
{
    beginResetModel();
    captures_ = captures;
    endResetModel();
}

void CaptureListModel::prepend(const Capture& capture)
{
    beginInsertRows({}, 0, 0);
    captures_.prepend(capture);
    endInsertRows();
}

void CaptureListModel::remove(int row)
{
    if (row < 0 || row >= captures_.size())
        return;
    beginRemoveRows({}, row, row);
    thumbnails_.remove(captures_.at(row).path);
    captures_.removeAt(row);
    endRemoveRows();
}

void CaptureListModel::setNote(int row, const QString& note)
{
    if (row < 0 || row >= captures_.size())
        return;
    captures_[row].info.note = note;
    emit dataChanged(index(row), index(row), {Qt::DisplayRole, NoteRole, Qt::ToolTipRole});
}

void CaptureListModel::setThumbnailSize(QSize size, qreal devicePixelRatio)
{
    if (size == thumbnailSize_ && devicePixelRatio == ratio_)
        return;
    thumbnailSize_ = size;
    ratio_ = devicePixelRatio;
    thumbnails_.clear();
    if (!captures_.isEmpty())
        emit dataChanged(index(0), index(rowCount() - 1), {Qt::DecorationRole});
}

int CaptureListModel::rowOf(const QString& path) const
{
    for (int row = 0; row < captures_.size(); ++row)
        if (captures_.at(row).path == path)
            return row;
    return -1;
}

int CaptureListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(captures_.size());
}

QVariant CaptureListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= captures_.size())
        return {};
    const Capture& capture = captures_.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return capture.info.note.isEmpty()
                   ? timeText(capture.info.time)
                   : timeText(capture.info.time) + QLatin1Char('\n') + capture.info.note;
    case Qt::ToolTipRole:
        return capture.path;
    case Qt::DecorationRole: {
        // The same when selected: the picture is what the user looks at, not the highlight.
        QIcon icon;
        const QPixmap pixmap = thumbnail(capture.path);
        icon.addPixmap(pixmap, QIcon::Normal);
        icon.addPixmap(pixmap, QIcon::Selected);
        return icon;
    }
    case PathRole:
        return capture.path;
    case NoteRole:
        return capture.info.note;
    default:
        return {};
    }
}

QString CaptureListModel::timeText(const QDateTime& time)
{
    const QLocale locale;
    return locale.toString(time.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(time.time(), QStringLiteral("HH:mm:ss"));
}

QPixmap CaptureListModel::thumbnail(const QString& path) const
{
    if (const QPixmap* cached = thumbnails_.object(path))
        return *cached;
    QImageReader reader(path);
    const QSize physical = (QSizeF(thumbnailSize_) * ratio_).toSize();
    QImage image;
    if (const QSize size = reader.size(); size.isValid()) {
        reader.setScaledSize(size.scaled(physical, Qt::KeepAspectRatio));
        image = reader.read();
    }
    // A file gone or damaged since the listing gets a grey place, not a crash or a retry on
    // every paint.
    if (image.isNull()) {
        image = QImage(physical, QImage::Format_RGB32);
        image.fill(Qt::lightGray);
    }
    image.setDevicePixelRatio(ratio_);
    auto* pixmap = new QPixmap(QPixmap::fromImage(image));
    const QPixmap result = *pixmap;
    thumbnails_.insert(path, pixmap, std::max<qsizetype>(1, image.sizeInBytes() / 1024));
    return result;
}
