#pragma once

#include "capture.h"

#include <QAbstractListModel>
#include <QCache>
#include <QList>
#include <QPixmap>
#include <QSize>

// The kept pictures for a list view, newest first: each row's time and note, and a thumbnail
// read from its file the first time the view asks for it, then cached. A view that shows twenty
// rows of a thousand reads twenty files.
class CaptureListModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role { PathRole = Qt::UserRole, NoteRole };

    explicit CaptureListModel(QObject* parent = nullptr);

    void setCaptures(const QList<Capture>& captures);
    // A new picture in front.
    void prepend(const Capture& capture);
    void remove(int row);
    void setNote(int row, const QString& note);
    // The size thumbnails are made at, in device-independent pixels.
    void setThumbnailSize(QSize size, qreal devicePixelRatio);

    [[nodiscard]] const Capture& at(int row) const { return captures_.at(row); }
    [[nodiscard]] int rowOf(const QString& path) const;

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

    // "31/12/2026 14:05:09" in the user's language: the seconds tell a series' pictures apart.
    [[nodiscard]] static QString timeText(const QDateTime& time);

private:
    [[nodiscard]] QPixmap thumbnail(const QString& path) const;

    QList<Capture> captures_;
    QSize thumbnailSize_{160, 120};
    qreal ratio_ = 1.0;
    mutable QCache<QString, QPixmap> thumbnails_; // by path; cost in kilobytes
};
