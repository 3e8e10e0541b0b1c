#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLabel;
class QStatusBar;

// The status bar's three panels: the port and line settings a download opens it with, whether
// the port is open, and what the last download tells (its progress, then how it ended, and what
// became of its picture) until the next one starts.
class StatusPanels : public QObject {
    Q_OBJECT
public:
    static constexpr int Height = 19;

    explicit StatusPanels(QStatusBar* bar);

    void setLineSettings(const QString& text); // "COM9:38400,8,N,1"
    void setPortOpen(bool open);
    // The download's progress or ending; a new download clears what was shown.
    void setDownloadText(const QString& text);
    // What became of the picture ("Saved DSO_....png"), after the download's own words and
    // what was told of it before.
    void addPictureText(const QString& text);

private:
    void showMessage();

    QLabel* lineSettings_ = nullptr;
    QLabel* portState_ = nullptr;
    QLabel* message_ = nullptr;
    QString downloadText_;
    QStringList pictureTexts_;
};
