#pragma once

#include "capture.h"
#include "outcome.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The captures folder: every picture a download brings, kept as a PNG named as the other saves
// (DSO_<date>_<time>.png, never over an existing file) with its CaptureInfo in its text fields.
// Above the limit the oldest go. Files that are not named as a capture are never touched.
class CaptureStore {
public:
    static constexpr int DefaultKeep = 1000;

    // `keep`: how many pictures at most; 0 keeps none (off).
    explicit CaptureStore(QString folder, int keep = DefaultKeep);

    [[nodiscard]] const QString& folder() const { return folder_; }
    [[nodiscard]] int keep() const { return keep_; }
    [[nodiscard]] bool isOn() const { return keep_ > 0 && !folder_.isEmpty(); }

    // The folder for the captures: "captures" beside the settings file when the program keeps
    // its settings beside itself (`settingsPath` in `exeDir`), otherwise in `appDataDir`.
    [[nodiscard]] static QString folderFor(const QString& settingsPath, const QString& exeDir,
                                           const QString& appDataDir);

    struct Added {
        Outcome outcome;
        QString path; // of the new file, when written
    };
    // Writes `picture` as a new PNG (the folder made when missing), then removes the oldest
    // above the limit. A failure names the file and leaves the folder as it was. Off, it writes
    // and removes nothing and succeeds with no path.
    [[nodiscard]] Added add(const QImage& picture, const CaptureInfo& info) const;

    struct Listing {
        QList<Capture> captures; // newest first
        QStringList skipped;     // one sentence per damaged file, naming it
    };
    // The kept pictures; reads the text fields only, not the pixels.
    [[nodiscard]] Listing list() const;
    // The capture file names in the folder, newest first, without reading them.
    [[nodiscard]] QStringList paths() const;

    // The text fields of one file; nothing when it is no PNG, or one cut short. Without a time
    // field the time is the file name's; without a size field, the picture's.
    [[nodiscard]] static std::optional<CaptureInfo> readInfo(const QString& path);
    // Replaces the note in the file, pixels and other fields as they were; whole or not at all.
    [[nodiscard]] static Outcome setNote(const QString& path, const QString& note);
    // To the system's trash where there is one, otherwise deleted.
    [[nodiscard]] static Outcome remove(const QString& path);
    // `picture` with `info` in its text fields, as a capture or "Save as PNG" writes it.
    [[nodiscard]] static QImage withInfo(const QImage& picture, const CaptureInfo& info);

private:
    void removeOldest(const QString& added) const;

    QString folder_;
    int keep_;
};
