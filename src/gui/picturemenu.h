#pragma once

#include <QList>
#include <QObject>

class AutoSave;
class PictureView;
class QAction;
class QImage;
class QMenu;
class QPoint;
class ScaledImage;

// The picture's context menu: copy, printable copy, save as PNG, save each picture. Its
// shortcuts work anywhere in the main window; the menu bar stays as it is.
class PictureMenu : public QObject {
    Q_OBJECT
public:
    PictureMenu(PictureView& view, ScaledImage& picture, AutoSave& autoSave);

    [[nodiscard]] QList<QAction*> shortcutActions() const;

signals:
    void capturesRequested();
    void addToCapturesRequested();

private:
    QAction* addItem(const QString& name, const QString& caption);
    void popup(const QPoint& pos);
    void onCopyTriggered();
    void onCopyPrintableTriggered();
    void onSaveAsPngTriggered();
    static void copy(const QImage& image);

    PictureView& view_;
    ScaledImage& picture_;
    QMenu* menu_ = nullptr;
    QAction* copyAction_ = nullptr;
    QAction* copyPrintableAction_ = nullptr;
    QAction* saveAsPngAction_ = nullptr;
    QAction* capturesAction_ = nullptr;
    QAction* addToCapturesAction_ = nullptr;
};
