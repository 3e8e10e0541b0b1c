#pragma once

#include "capturestore.h"

#include <QImage>
#include <QObject>
#include <QString>

class CapturesWindow;
class FileChooser;
class Prompts;
class QWidget;

// Keeps every picture a download brings in the captures folder, after the picture shows and
// without holding up anything, and opens the captures window, made when first needed. What
// went wrong is told for the status bar, never in a message box in the middle of a series.
class CaptureKeeper : public QObject {
    Q_OBJECT
public:
    CaptureKeeper(Prompts& prompts, FileChooser& files, QWidget* window);

    void setStore(const CaptureStore& store);
    [[nodiscard]] const CaptureStore& store() const { return store_; }

    // A downloaded picture from `port` ("COM9"); written once the event loop is free.
    void keepReceived(const QImage& picture, const QString& port);
    // A picture loaded from a file, kept at the user's asking.
    void addLoaded(const QImage& picture);
    void openWindow();

signals:
    // What became of the picture, for the status bar.
    void told(const QString& text);
    void failed(const QString& logLine);
    void showRequested(const QImage& picture, const QString& what);

private:
    void write(const QImage& picture, const CaptureInfo& info, bool tellSuccess);

    Prompts& prompts_;
    FileChooser& files_;
    QWidget* window_;
    CaptureStore store_{QString(), 0};
    CapturesWindow* capturesWindow_ = nullptr; // made when first opened
};
