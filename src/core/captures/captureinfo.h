#pragma once

#include <QDateTime>
#include <QLatin1StringView>
#include <QString>

// What a kept picture says of itself, in its PNG's text fields, so that it travels with the file:
// when it was taken, from which port, its size, and the user's one-line note.
struct CaptureInfo {
    static constexpr QLatin1StringView TimeKey{"Creation Time"}; // ISO 8601, local with offset
    static constexpr QLatin1StringView PortKey{"Port"};          // "COM9"; absent when loaded
    static constexpr QLatin1StringView SizeKey{"Picture Size"};  // "320x234"
    static constexpr QLatin1StringView NoteKey{"Comment"};       // a viewer's usual field

    QDateTime time;
    QString port; // empty for a picture that came from a file
    QString pictureSize;
    QString note; // one line; line breaks become spaces

    friend bool operator==(const CaptureInfo&, const CaptureInfo&) = default;
};
