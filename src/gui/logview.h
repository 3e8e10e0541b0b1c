#pragma once

#include <QStringList>
#include <QWidget>

class FileChooser;
class Prompts;
class QPlainTextEdit;
class QPushButton;

// The log of the exchange with its two buttons: Clear and Save (a text file, CR LF line ends).
// The log fills the view but for the buttons' row at the bottom, so it grows with the window.
class LogView : public QWidget {
    Q_OBJECT
public:
    // The buttons' row: their height and the gap above it.
    static constexpr int ButtonsHeight = 25;
    static constexpr int ButtonsGap = 7;

    LogView(Prompts& prompts, FileChooser& files, QWidget* parent = nullptr);

    // Adds lines at the end; a line may hold CR LF (a hex dump) and then shows as several.
    void appendLines(const QStringList& lines);
    void clear();
    // The lines as the saved file holds them.
    [[nodiscard]] QByteArray savedText() const;
    // The first and last widget of its tab order.
    [[nodiscard]] QWidget* firstInTabOrder() const;
    [[nodiscard]] QWidget* lastInTabOrder() const;

public slots:
    void onSaveClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Prompts& prompts_;
    FileChooser& files_;
    QPlainTextEdit* log_ = nullptr;
    QPushButton* clearButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
};
