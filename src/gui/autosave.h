#pragma once

#include "outcome.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class Prompts;
class QImage;
class QWidget;
struct StoredSettings;

// Saves every downloaded picture into a folder the user picked once, under a new time-stamped
// name, without a question. What happened is told for the status bar; a failure for the log
// too, never in a message box in the middle of a series.
class AutoSave : public QObject {
    Q_OBJECT
public:
    AutoSave(Prompts& prompts, QWidget* window);

    [[nodiscard]] bool isOn() const { return !folder_.isEmpty(); }
    [[nodiscard]] const QString& folder() const { return folder_; }
    // "png", or "bmp" for the received file itself.
    [[nodiscard]] const QString& format() const { return format_; }
    void setFolder(const QString& folder); // empty: off
    void setFormat(const QString& format); // anything but "bmp" (in any case) is "png"

    // Asks for the folder; a cancel leaves everything as it was.
    void chooseFolder();
    void stop();

    // The [AutoSave] section of the settings file (StoredSettings writes it only once it has
    // been used, so a file that never had it stays as it was).
    void useSettings(const StoredSettings& stored);
    void storeSettings(StoredSettings& settings) const;

    // `receivedFile`: the bytes as written to the working file; `picture`: as shown.
    void pictureArrived(const QByteArray& receivedFile, const QImage& picture);

signals:
    void switched(bool on);
    // What became of the picture, for the status bar until the next download starts.
    void told(const QString& text);
    void failed(const QString& logLine);

private:
    Prompts& prompts_;
    QWidget* window_;
    QString folder_;
    QString format_ = QStringLiteral("png");
};
