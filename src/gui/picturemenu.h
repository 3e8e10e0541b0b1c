#pragma once

#include <QObject>

class AutoSave;
class QAction;
class QImage;
class QMenu;
class QPlainTextEdit;
class QPoint;
class TMainForm;

// The picture's context menu. Its shortcuts work anywhere in the main window; the menu bar
// stays as it is.
class PictureMenu : public QObject {
    Q_OBJECT
public:
    PictureMenu(TMainForm& form, AutoSave& autoSave);

    [[nodiscard]] QMenu* menu() const { return menu_; }
    // The picture shown, at its own size, to the clipboard as an image.
    void Copypicture1Click();
    void Copyprintablepicture1Click();

    QAction* Copypicture1 = nullptr;
    QAction* Copyprintablepicture1 = nullptr;
    QAction* SaveasPNG1 = nullptr;
    QAction* Saveeachpicture1 = nullptr;
    QAction* Stopsavingeachpicture1 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* addItem(const QString& name, const QString& caption);
    void popup(const QPoint& pos);
    static void copy(const QImage& image);

    TMainForm& form_;
    QPlainTextEdit* memo_; // kept: the filter also sees the window being torn down
    QMenu* menu_ = nullptr;
};
