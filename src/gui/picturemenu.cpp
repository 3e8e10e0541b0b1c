#include "picturemenu.h"

#include "autosave.h"
#include "pictureview.h"
#include "printablepicture.h"
#include "scaledimage.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

PictureMenu::PictureMenu(PictureView& view, ScaledImage& picture, AutoSave& autoSave)
    : QObject(&view), view_(view), picture_(picture)
{
    setObjectName(QStringLiteral("pictureMenu"));
    menu_ = new QMenu(&view);
    menu_->setObjectName(QStringLiteral("pictureContextMenu"));
    copyAction_ = addItem(QStringLiteral("copyPictureAction"), tr("Copy picture"));
    copyPrintableAction_ =
        addItem(QStringLiteral("copyPrintablePictureAction"), tr("Copy printable picture"));
    saveAsPngAction_ = addItem(QStringLiteral("saveAsPngAction"), tr("Save as PNG..."));
    menu_->addSeparator();
    capturesAction_ = addItem(QStringLiteral("capturesAction"), tr("Captures..."));
    addToCapturesAction_ = addItem(QStringLiteral("addToCapturesAction"), tr("Add to captures"));
    menu_->addSeparator();
    QAction* saveEach =
        addItem(QStringLiteral("saveEachPictureAction"), tr("Save each picture to a folder..."));
    QAction* stopSaving =
        addItem(QStringLiteral("stopSavingEachPictureAction"), tr("Stop saving each picture"));
    stopSaving->setVisible(autoSave.isOn());

    copyAction_->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
    copyPrintableAction_->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+C")));
    saveAsPngAction_->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    capturesAction_->setShortcut(QKeySequence(QStringLiteral("Ctrl+K")));

    connect(copyAction_, &QAction::triggered, this, &PictureMenu::onCopyTriggered);
    connect(copyPrintableAction_, &QAction::triggered, this,
            &PictureMenu::onCopyPrintableTriggered);
    connect(saveAsPngAction_, &QAction::triggered, this, &PictureMenu::onSaveAsPngTriggered);
    connect(capturesAction_, &QAction::triggered, this, &PictureMenu::capturesRequested);
    connect(addToCapturesAction_, &QAction::triggered, this, &PictureMenu::addToCapturesRequested);
    connect(saveEach, &QAction::triggered, &autoSave, &AutoSave::chooseFolder);
    connect(stopSaving, &QAction::triggered, &autoSave, &AutoSave::stop);
    connect(&autoSave, &AutoSave::switched, stopSaving, &QAction::setVisible);

    // Right click, or the menu key (Shift+F10) once a click or Tab has given the picture the
    // focus.
    picture_.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&picture_, &QWidget::customContextMenuRequested, this, &PictureMenu::popup);
}

QList<QAction*> PictureMenu::shortcutActions() const
{
    return {copyAction_, copyPrintableAction_, saveAsPngAction_, capturesAction_};
}

QAction* PictureMenu::addItem(const QString& name, const QString& caption)
{
    QAction* action = menu_->addAction(caption);
    action->setObjectName(name);
    return action;
}

void PictureMenu::popup(const QPoint& pos)
{
    // A downloaded picture is kept already; one from a file only when asked.
    addToCapturesAction_->setVisible(view_.fromFile());
    // Not exec(): the menu needs no loop of its own.
    menu_->popup(picture_.mapToGlobal(pos));
}

void PictureMenu::copy(const QImage& image)
{
    if (!image.isNull())
        QGuiApplication::clipboard()->setImage(image);
}

void PictureMenu::onCopyTriggered()
{
    copy(picture_.image());
}

void PictureMenu::onCopyPrintableTriggered()
{
    copy(PrintablePicture(picture_.image()));
}

void PictureMenu::onSaveAsPngTriggered()
{
    view_.saveAs(tr("PNG files (*.png)|*.png"), QStringLiteral("png"), "PNG");
}
