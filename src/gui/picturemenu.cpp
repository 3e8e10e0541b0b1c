#include "picturemenu.h"

#include "autosave.h"
#include "mainform.h"
#include "printablepicture.h"
#include "scaledimage.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>

PictureMenu::PictureMenu(TMainForm& form, AutoSave& autoSave)
    : QObject(&form), form_(form), memo_(form.Memo)
{
    setObjectName(QStringLiteral("PictureMenu"));
    menu_ = new QMenu(&form);
    menu_->setObjectName(QStringLiteral("PictureMenu1"));
    Copypicture1 = addItem(QStringLiteral("Copypicture1"), tr("Copy picture"));
    Copyprintablepicture1 =
        addItem(QStringLiteral("Copyprintablepicture1"), tr("Copy printable picture"));
    SaveasPNG1 = addItem(QStringLiteral("SaveasPNG1"), tr("Save as PNG..."));
    menu_->addSeparator();
    Saveeachpicture1 =
        addItem(QStringLiteral("Saveeachpicture1"), tr("Save each picture to a folder..."));
    Stopsavingeachpicture1 =
        addItem(QStringLiteral("Stopsavingeachpicture1"), tr("Stop saving each picture"));
    Stopsavingeachpicture1->setVisible(autoSave.isOn());

    Copypicture1->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
    Copyprintablepicture1->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+C")));
    SaveasPNG1->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    // Added to the window as well, so the shortcuts need no open menu.
    form.addActions({Copypicture1, Copyprintablepicture1, SaveasPNG1});

    connect(Copypicture1, &QAction::triggered, this, &PictureMenu::Copypicture1Click);
    connect(Copyprintablepicture1, &QAction::triggered, this,
            &PictureMenu::Copyprintablepicture1Click);
    connect(SaveasPNG1, &QAction::triggered, &form, &TMainForm::SaveasPNG1Click);
    connect(Saveeachpicture1, &QAction::triggered, &autoSave, &AutoSave::chooseFolder);
    connect(Stopsavingeachpicture1, &QAction::triggered, &autoSave, &AutoSave::stop);
    connect(&autoSave, &AutoSave::switched, Stopsavingeachpicture1, &QAction::setVisible);

    // Right click, or the menu key (Shift+F10) once a click or Tab has given the picture the
    // focus. The counter label lies over the picture; clicks on it belong to the picture.
    form.ImageDSO->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(form.ImageDSO, &QWidget::customContextMenuRequested, this, &PictureMenu::popup);
    form.lblCounter->setAttribute(Qt::WA_TransparentForMouseEvents);
    memo_->installEventFilter(this);
}

bool PictureMenu::eventFilter(QObject* watched, QEvent* event)
{
    // Text selected in the log is what Ctrl+C copies there.
    if (event->type() == QEvent::ShortcutOverride && watched == memo_ &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) &&
        memo_->textCursor().hasSelection()) {
        event->accept();
        return true;
    }
    return false;
}

QAction* PictureMenu::addItem(const QString& name, const QString& caption)
{
    QAction* action = menu_->addAction(caption);
    action->setObjectName(name);
    return action;
}

void PictureMenu::popup(const QPoint& pos)
{
    // Not exec(): a running download goes on while the menu is open.
    menu_->popup(form_.ImageDSO->mapToGlobal(pos));
}

void PictureMenu::copy(const QImage& image)
{
    if (!image.isNull())
        QGuiApplication::clipboard()->setImage(image);
}

void PictureMenu::Copypicture1Click()
{
    copy(form_.ImageDSO->image());
}

void PictureMenu::Copyprintablepicture1Click()
{
    copy(PrintablePicture(form_.ImageDSO->image()));
}
