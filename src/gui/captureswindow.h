#pragma once

#include "capture.h"
#include "capturestore.h"

#include <QImage>
#include <QMainWindow>

class CaptureListModel;
class CompareWindow;
class FileChooser;
class Prompts;
class QAction;
class QLabel;
class QLineEdit;
class QListView;
class ScaledImage;

// The kept pictures, newest first, as thumbnails with their time and note, and the selected one
// large with its details and its note to edit. A picture can be shown in the main window again,
// copied, saved, opened in its folder, deleted (to the trash); two selected are compared.
class CapturesWindow : public QMainWindow {
    Q_OBJECT
public:
    CapturesWindow(Prompts& prompts, FileChooser& files, QWidget* parent);

    // Reads the folder anew.
    void showStore(const CaptureStore& store);
    // A picture kept while the window is open comes in front.
    void add(const Capture& capture);
    [[nodiscard]] int count() const;

signals:
    void showRequested(const QImage& picture, const QString& what);

private:
    void createActions();
    void createViews();
    QAction* addAction(const char* name, const QString& caption, const QKeySequence& key);
    void onCurrentChanged();
    void onSelectionChanged();
    void onShowTriggered();
    void onCopyTriggered(bool printable);
    void onSaveTriggered(bool png);
    void onOpenFolderTriggered();
    void onDeleteTriggered();
    void onNoteEdited();
    void onCompareTriggered();
    void showCount(const QStringList& skipped);
    [[nodiscard]] int currentRow() const;
    [[nodiscard]] QList<int> selectedRows() const;

    Prompts& prompts_;
    FileChooser& files_;
    CaptureStore store_{QString(), 0};
    CaptureListModel* model_ = nullptr;
    QListView* list_ = nullptr;
    ScaledImage* view_ = nullptr;
    QLabel* details_ = nullptr;
    QLineEdit* note_ = nullptr;
    QLabel* count_ = nullptr;
    CompareWindow* compare_ = nullptr; // made when first needed
    QList<QAction*> pictureActions_;   // need a current picture
    QAction* compareAction_ = nullptr; // needs two selected
    QImage shown_;                     // the current picture's pixels
    QString notePath_;                 // the picture the note field edits
};
