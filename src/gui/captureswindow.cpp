#include "captureswindow.h"

#include "capturedprint.h"
#include "capturelistmodel.h"
#include "comparewindow.h"
#include "filechooser.h"
#include "pictureio.h"
#include "prompts.h"
#include "scaledimage.h"

#include <QAction>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr QSize ThumbnailSize{160, 120};
}

CapturesWindow::CapturesWindow(Prompts& prompts, FileChooser& files, QWidget* parent)
    : QMainWindow(parent, Qt::Window), prompts_(prompts), files_(files)
{
    setObjectName(QStringLiteral("capturesWindow"));
    setWindowTitle(tr("Captures"));
    createViews();
    createActions();
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("captureCount"));
    statusBar()->addWidget(count_, 1);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    resize(880, 560);
    onCurrentChanged();
}

void CapturesWindow::createViews()
{
    model_ = new CaptureListModel(this);
    list_ = new QListView(this);
    list_->setObjectName(QStringLiteral("captureList"));
    list_->setAccessibleName(tr("Kept pictures"));
    list_->setModel(model_);
    list_->setIconSize(ThumbnailSize);
    // Every row alike: the view asks only the rows it shows, so only their files are read.
    list_->setUniformItemSizes(true);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setWordWrap(true);
    list_->setMinimumWidth(ThumbnailSize.width() + 150);
    model_->setThumbnailSize(ThumbnailSize, devicePixelRatioF());

    auto* side = new QWidget(this);
    auto* column = new QVBoxLayout(side);
    view_ = new ScaledImage(side);
    view_->setObjectName(QStringLiteral("capturePicture"));
    view_->setMinimumSize(320, 240);
    view_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    details_ = new QLabel(side);
    details_->setObjectName(QStringLiteral("captureDetails"));
    details_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    note_ = new QLineEdit(side);
    note_->setObjectName(QStringLiteral("noteEdit"));
    note_->setPlaceholderText(tr("A note on this picture"));
    note_->setAccessibleName(tr("Note"));
    column->addWidget(view_, 1);
    column->addWidget(details_);
    column->addWidget(note_);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(list_);
    splitter->addWidget(side);
    splitter->setStretchFactor(1, 1);
    setCentralWidget(splitter);

    connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CapturesWindow::onCurrentChanged);
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CapturesWindow::onSelectionChanged);
    connect(list_, &QListView::activated, this, &CapturesWindow::onShowTriggered);
    connect(note_, &QLineEdit::editingFinished, this, &CapturesWindow::onNoteEdited);
}

QAction* CapturesWindow::addAction(const char* name, const QString& caption,
                                   const QKeySequence& key)
{
    QAction* action = new QAction(caption, this);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(key);
    QMainWindow::addAction(action);
    return action;
}

void CapturesWindow::createActions()
{
    auto* bar = addToolBar(tr("Picture"));
    bar->setObjectName(QStringLiteral("captureToolBar"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const auto pictureMenu = [](const char* text) {
        return QCoreApplication::translate("PictureMenu", text);
    };
    QAction* show = addAction("showCaptureAction", tr("Show in main window"), {});
    QAction* copy = addAction("copyCaptureAction", pictureMenu("Copy picture"),
                              QKeySequence(QStringLiteral("Ctrl+C")));
    QAction* printable =
        addAction("copyPrintableCaptureAction", pictureMenu("Copy printable picture"),
                  QKeySequence(QStringLiteral("Ctrl+Shift+C")));
    QAction* png = addAction("saveCaptureAsPngAction", pictureMenu("Save as PNG..."),
                             QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    QAction* bmp = addAction("saveCaptureAsBmpAction", tr("Save as BMP..."),
                             QKeySequence(QStringLiteral("Ctrl+S")));
    QAction* note = addAction("editNoteAction", tr("Edit note"), QKeySequence(Qt::Key_F2));
    QAction* remove = addAction("deleteCaptureAction", tr("Delete"), {});
    QAction* folder = addAction("openCapturesFolderAction", tr("Open folder"), {});
    compareAction_ =
        addAction("compareAction", tr("Compare"), QKeySequence(QStringLiteral("Ctrl+M")));
    // Delete belongs to the list: in the note it deletes a letter. The key alone: the
    // platform's Delete binding may hold Ctrl+D as well.
    auto* deleteKey =
        new QShortcut(QKeySequence(Qt::Key_Delete), list_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, remove, &QAction::trigger);

    for (QAction* action : {show, copy, printable, png, bmp, note, remove, folder, compareAction_})
        bar->addAction(action);
    pictureActions_ = {show, copy, printable, png, bmp, note, remove};

    connect(show, &QAction::triggered, this, &CapturesWindow::onShowTriggered);
    connect(copy, &QAction::triggered, this, [this] { onCopyTriggered(false); });
    connect(printable, &QAction::triggered, this, [this] { onCopyTriggered(true); });
    connect(png, &QAction::triggered, this, [this] { onSaveTriggered(true); });
    connect(bmp, &QAction::triggered, this, [this] { onSaveTriggered(false); });
    connect(note, &QAction::triggered, this, [this] {
        note_->setFocus(Qt::ShortcutFocusReason);
        note_->selectAll();
    });
    connect(remove, &QAction::triggered, this, &CapturesWindow::onDeleteTriggered);
    connect(folder, &QAction::triggered, this, &CapturesWindow::onOpenFolderTriggered);
    connect(compareAction_, &QAction::triggered, this, &CapturesWindow::onCompareTriggered);
}

void CapturesWindow::showStore(const CaptureStore& store)
{
    store_ = store;
    const CaptureStore::Listing listing = store_.list();
    model_->setCaptures(listing.captures);
    if (!listing.captures.isEmpty())
        list_->setCurrentIndex(model_->index(0));
    showCount(listing.skipped);
    onCurrentChanged();
    onSelectionChanged();
}

void CapturesWindow::add(const Capture& capture)
{
    model_->prepend(capture);
    showCount({});
}

int CapturesWindow::count() const
{
    return model_->rowCount();
}

void CapturesWindow::showCount(const QStringList& skipped)
{
    //: The captures window's status bar: %n how many pictures are kept, %1 their folder
    QString text = tr("Kept pictures: %n, in %1", nullptr, count())
                       .arg(QDir::toNativeSeparators(store_.folder()));
    if (!skipped.isEmpty())
        text += QStringLiteral("  ") + skipped.join(QLatin1Char(' '));
    count_->setText(text);
    count_->setToolTip(text);
}

int CapturesWindow::currentRow() const
{
    return list_->currentIndex().isValid() ? list_->currentIndex().row() : -1;
}

QList<int> CapturesWindow::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : list_->selectionModel()->selectedIndexes())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CapturesWindow::onCurrentChanged()
{
    onNoteEdited(); // a note typed and not yet confirmed belongs to the picture it was typed on
    const int row = currentRow();
    notePath_ = row >= 0 ? model_->at(row).path : QString();
    const bool any = row >= 0;
    for (QAction* action : pictureActions_)
        action->setEnabled(any);
    note_->setEnabled(any);
    if (!any) {
        shown_ = {};
        view_->setImage({});
        details_->clear();
        note_->clear();
        return;
    }
    const Capture& capture = model_->at(row);
    shown_ = QImage(capture.path);
    view_->setImage(shown_);
    QStringList details{CaptureListModel::timeText(capture.info.time)};
    if (!capture.info.port.isEmpty())
        details << capture.info.port;
    if (!shown_.isNull())
        details << QStringLiteral("%1 x %2").arg(shown_.width()).arg(shown_.height());
    details << QFileInfo(capture.path).fileName();
    details_->setText(details.join(QStringLiteral("   ")));
    note_->setText(capture.info.note);
}

void CapturesWindow::onSelectionChanged()
{
    compareAction_->setEnabled(selectedRows().size() == 2);
}

void CapturesWindow::onShowTriggered()
{
    if (currentRow() < 0 || shown_.isNull())
        return;
    const Capture& capture = model_->at(currentRow());
    //: A kept picture shown again, for a screen reader: %1 its time
    emit showRequested(shown_,
                       tr("Picture kept at %1").arg(CaptureListModel::timeText(capture.info.time)));
}

void CapturesWindow::onCopyTriggered(bool printable)
{
    if (currentRow() < 0 || shown_.isNull())
        return;
    QGuiApplication::clipboard()->setImage(
        printable ? CapturedPrint(shown_, model_->at(currentRow()).info) : shown_);
}

void CapturesWindow::onSaveTriggered(bool png)
{
    if (currentRow() < 0 || shown_.isNull())
        return;
    const QString filter =
        png ? QCoreApplication::translate("PictureMenu", "PNG files (*.png)|*.png")
            : QCoreApplication::translate("MainWindow", "Bitmap files (*.bmp)|*.bmp");
    const QString path =
        files_.fileToSave(this, filter, png ? QStringLiteral("png") : QStringLiteral("bmp"));
    if (path.isEmpty())
        return;
    // The PNG carries the note and the time, as the kept file does.
    const QImage picture =
        png ? CaptureStore::withInfo(shown_, model_->at(currentRow()).info) : shown_;
    if (const Outcome saved = PictureIo::save(picture, path, png ? "PNG" : "BMP"); !saved)
        prompts_.message(
            this, QCoreApplication::translate("PictureView", "The picture could not be saved."),
            saved.reason());
}

void CapturesWindow::onOpenFolderTriggered()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(store_.folder()));
}

void CapturesWindow::onDeleteTriggered()
{
    const int row = currentRow();
    if (row < 0)
        return;
    if (const Outcome removed = CaptureStore::remove(model_->at(row).path); !removed) {
        prompts_.message(this, tr("The picture could not be deleted."), removed.reason());
        return;
    }
    model_->remove(row);
    if (count() > 0)
        list_->setCurrentIndex(model_->index(std::min(row, count() - 1)));
    showCount({});
    onCurrentChanged();
}

void CapturesWindow::onNoteEdited()
{
    const int row = model_->rowOf(notePath_);
    if (row < 0 || note_->text() == model_->at(row).info.note)
        return;
    const QString path = notePath_;
    if (const Outcome written = CaptureStore::setNote(path, note_->text()); !written) {
        prompts_.message(this, tr("The note could not be saved."), written.reason());
        note_->setText(model_->at(row).info.note);
        return;
    }
    model_->setNote(row, CaptureStore::readInfo(path).value_or(model_->at(row).info).note);
}

void CapturesWindow::onCompareTriggered()
{
    const QList<int> rows = selectedRows();
    if (rows.size() != 2)
        return;
    if (!compare_)
        compare_ = new CompareWindow(this);
    // Newest first in the list: the later row is the earlier picture, the one compared against.
    compare_->compare(model_->at(rows[1]), model_->at(rows[0]));
    compare_->show();
    compare_->raise();
    compare_->activateWindow();
}
